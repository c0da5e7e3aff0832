#include <gtest/gtest.h>

#include <cfenv>
#include <set>
#include <string>
#include <vector>

#include "core/calc/CalcItems.h"
#include "core/locale/CaseMapping.h"
#include "support/CalcOutcome.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::ExpectOutcomes;
using test::kAborted;
using test::kInvalid;
using test::kOverflow;
using test::kZeroDivide;
using test::Outcome;

const TableDocument& EmptyGrid() {
  static const TableDocument grid = test::GridOf({{}});
  return grid;
}

TEST(CalcFunctions, ComputeTheirValues) {
  ExpectOutcomes(EmptyGrid(), {
      {"ABS(-2.5)", "2.5"},    {"ABS(3)", "3"},             {"Exp(1)", "2.71828182845905"},
      {"Exp(0)", "1"},         {"Frac(-2.5)", "-0.5"},      {"Frac(7.25)", "0.25"},
      {"Int(1000000000000.5)", "1000000000000"},            {"Int(-2.7)", "-2"},
      {"Ln(Exp(2))", "2"},     {"Log2(1024)", "10"},        {"Log10(1000)", "3"},
      {"Sqr(-3)", "9"},        {"Sqrt(2)", "1.4142135623731"},                     {"Sqrt(0)", "0"},
      {"ArcCos(1)", "0"},      {"ArcCos(0)*2", "3.14159265358979"},                {"ArcCos(-1)", "3.14159265358979"},
      {"ArcSin(1)*2", "3.14159265358979"},                  {"ArcSin(-0.5)*6", "-3.14159265358979"},
      {"ArcTan(1)*4", "3.14159265358979"},                  {"Cos(0)", "1"},     {"Cos(PI)", "-1"},
      {"Sin(0)", "0"},         {"Sin(PI/2)", "1"},          {"Tan(PI/4)", "1"},  {"CoTan(PI/4)", "1"},
      {"Cos(9223372036854775808)", "0"},                    {"Sin(-9223372036854775808)", "0"},
      {"Cos(9223372036854775807)", "0.847788007348019"},    // 2^63 - 1: still in range
      {"DegToRad(180)", "3.14159265358979"},                {"RadToDeg(PI)", "180"},
      {"CycleToRad(0.5)", "3.14159265358979"},              {"RadToCycle(PI)", "0.5"},
      {"GradToRad(200)", "3.14159265358979"},               {"RadToGrad(PI)", "200"},
  });
}

TEST(CalcFunctions, IntegerResultsTruncateRoundAndStayWithin32Bits) {
  ExpectOutcomes(EmptyGrid(), {
      {"Round(2.5)", "2"},     {"Round(3.5)", "4"},      {"Round(-2.5)", "-2"},   {"Round(-3.5)", "-4"},
      {"Round(0.5)", "0"},     {"Round(2.4999)", "2"},   {"Round(2.5001)", "3"},  {"Round(-0.4)", "0"},
      {"Trunc(-2.7)", "-2"},   {"Trunc(2.7)", "2"},      {"Ceil(-2.5)", "-2"},    {"Ceil(2.1)", "3"},
      {"Ceil(2)", "2"},        {"Floor(-2.5)", "-3"},    {"Floor(2.9)", "2"},     {"Floor(-2)", "-2"},
      {"Trunc(2147483647.9)", "2147483647"},  {"Trunc(2147483648)", kInvalid},
      {"Trunc(-2147483648.9)", "-2147483648"}, {"Trunc(-2147483649)", kInvalid},
      {"Ceil(2147483646.5)", "2147483647"},   {"Ceil(2147483647.5)", kInvalid},
      {"Floor(-2147483647.5)", "-2147483648"}, {"Floor(-2147483648.5)", kInvalid},
      {"Round(2147483646.5)", "2147483646"},  {"Round(2147483647.5)", kInvalid},
      {"Round(-2147483648.5)", "-2147483648"}, {"Round(-2147483649.5)", kInvalid},
      {"Int(3000000000.5)", "3000000000"},
  });
}

TEST(CalcFunctions, DomainChecksAbortAndFloatingPointFaultsFail) {
  const std::string huge = "1" + std::string(5000, '0');  // beyond extended precision
  ExpectOutcomes(EmptyGrid(), {
      {"5/0", kAborted},          {"5/(1-1)", kAborted},     {"0/0", kAborted},       {"5/-0", kAborted},
      {"Sqrt(-1)", kAborted},     {"Sqrt(-0.0001)", kAborted},
      {"ArcCos(1.5)", kAborted},  {"ArcCos(-1.0001)", kAborted},                       {"ArcSin(1.5)", kAborted},
      {"ArcSin(-2)", kAborted},   {"CoTan(0)", kAborted},    {"CoTan(-0)", kAborted},
      {"Ln(0)", kZeroDivide},     {"Log2(0)", kZeroDivide},  {"Log10(0)", kZeroDivide},
      {"Ln(-1)", kInvalid},       {"Log2(-1)", kInvalid},    {"Log10(-0.5)", kInvalid},
      {"Exp(12000)", kOverflow},  {"Exp(-12000)", "0"},      {"Exp(12000)*0", kOverflow},
      {"Sqr(Exp(6000))", kOverflow},                         {"ABS(Ln(0))", kZeroDivide},
      {huge, kOverflow},          {"1/" + huge, kOverflow},  {"0*" + huge, kOverflow},
      {"0." + std::string(5000, '0') + "1", "0"},            // underflow is no failure
  });
}

TEST(CalcFunctions, PowersByRepeatedSquaringOrLogarithms) {
  ExpectOutcomes(EmptyGrid(), {
      {"2^10", "1024"},          {"2^-1", "0.5"},           {"0^0", "1"},            {"0^3", "0"},
      {"0^0.5", "0"},            {"(-2)^3", "-8"},          {"(-2)^-2", "0.25"},     {"4^0.5", "2"},
      {"2^0.5", "1.4142135623731"},                         {"10^14", "100000000000000"},
      {"1.1^2", "1.21"},         {"1^2147483647", "1"},     {"1^2147483648", "1"},   {"(-1)^2147483647", "-1"},
      {"(-8)^(1/3)", kInvalid},  {"(-2)^0.5", kInvalid},    {"(-1)^2147483648", kInvalid},
      {"0^-1", kZeroDivide},     {"0^(0-0.5)", kZeroDivide}, {"2^100000", kOverflow},
      {"1.5^2147483647", kOverflow},                        {"10^5000.5", kOverflow},
      // A power whose reciprocal lies below the normal range underflows
      // rather than overflowing: 10^5000 is too large, 10^-5000 just tiny.
      {"10^-5000", "0"},         {"(-10)^-5001", "0"},      {"10^-5000.5", "0"},
      {"2^-16445", "3.64519953188247E-4951"},
  });
}

// Row 1: 2, (empty), abc, 4, -5, -3, 1,000, \1,500.
TableDocument StatisticsGrid() {
  return test::GridOf({
      {"2", "", "abc", "4", "-5", "-3", "1,000", "\\1,500"},
      {"1000000000001", "1000000000002", "1000000000003", "0.1", "0.1", "0.1"},
      {"", "x"},
  });
}

TEST(CalcStatistics, SkipCellsThatAreNoNumbers) {
  ExpectOutcomes(StatisticsGrid(), {
      {"Sum(%1%,%4%)", "6"},       {"Mean(%1%,%4%)", "3"},   {"Max(%1%,%4%)", "4"},    {"Min(%1%,%4%)", "2"},
      {"Variance(%1%,%4%)", "1"},  {"StdDev(%1%,%4%)", "1"}, {"Max(%5%,%6%)", "-3"},   {"Min(%5%,%6%)", "-5"},
      {"Sum(%7%,%8%)", "2500"},    {"Sum(%0%,%1%)", "3"},    {"Sum(%4%,%1%)", "0"},    {"Mean(%4%,%1%)", "0"},
      {"Sum(%1%,%1%)", "2"},       {"Sum(%1%,%2000000000%)", "2498"},                  {"Sum(%9%,%99%)", "0"},
      {"Sum(%2%,%3%)+Mean(%2%,%3%)+Max(%2%,%3%)+Min(%2%,%3%)+Variance(%2%,%3%)+StdDev(%2%,%3%)", "0"},
      {"Sum(%1%,%4%)*Mean(%1%,%4%)-Sum(%1%,%1%)", "16"},
  });
  // Values sharing a large part keep their variance, and equal values have
  // none, so their deviation is 0 rather than a failure.
  ExpectOutcomes(StatisticsGrid(), {
      {"Variance(%1%,%3%)", "0.666666666666667"}, {"StdDev(%1%,%3%)", "0.816496580927726"},
      {"Mean(%1%,%3%)", "1000000000002"},         {"Variance(%4%,%6%)", "0"},
      {"StdDev(%4%,%6%)", "0"},                   {"Sum(%4%,%6%)", "0.3"},
  }, 1, 2);
  ExpectOutcomes(StatisticsGrid(), {{"Sum(%1%,%9%)", "0"}, {"StdDev(%1%,%9%)", "0"}, {"Max(%1%,%2%)", "0"}}, 1, 3);
}

TEST(CalcVariables, DescribeTheTargetCellAndTheGrid) {
  const TableDocument grid = test::GridOf({{"12", "", "abc", "1e5000"}, {}, {}, {}, {}, {}, {}, {}, {}, {}}, 6);
  ASSERT_EQ(grid.ColCount(), 6);
  ASSERT_EQ(grid.RowCount(), 11);
  ExpectOutcomes(grid, {{"Self", "12"}, {"ColCount", "5"}, {"RowCount", "10"}, {"PI", "3.14159265358979"},
                        {"pi", "3.14159265358979"}, {"ColNo*10+RowNo", "11"}, {"self+1", "13"}});
  ExpectOutcomes(grid, {{"Self", "0"}, {"ColNo*10+RowNo", "21"}}, 2, 1);
  ExpectOutcomes(grid, {{"Self", "0"}}, 3, 1);
  ExpectOutcomes(grid, {{"Self", "0"}, {"Self+%1%", "12"}}, 4, 1);  // too large for a number: not a number
  ExpectOutcomes(grid, {{"Self", "7"}, {"ColNo", "0"}}, 0, 7);       // the row-number cell
  ExpectOutcomes(grid, {{"RowNo", "0"}, {"Self", "0"}}, 1, 0);       // a title
}

TEST(CalcResults, AreWrittenWithFifteenSignificantDigits) {
  ExpectOutcomes(EmptyGrid(), {
      {"10^15", "1E15"},                   {"10^15-1", "999999999999999"},   {"999999999999999.5", "1E15"},
      {"123456789012345678", "1.23456789012346E17"},                         {"0.0001", "0.0001"},
      {"0.00001", "1E-5"},                 {"0.00015", "0.00015"},           {"0.000000123", "1.23E-7"},
      {"1/3", "0.333333333333333"},        {"2/3", "0.666666666666667"},     {"-1/3", "-0.333333333333333"},
      {"0.1+0.2", "0.3"},                  {"1-1", "0"},                     {"0*-1", "0"},
      {"1.50", "1.5"},                     {"-0.00001", "-1E-5"},            {"100/8", "12.5"},
  });
}

TEST(CalcEvaluation, LeavesTheCallersFloatingPointFlagsAsTheyWere) {
  const TableDocument& grid = EmptyGrid();
  TGridCalcEngine engine(&grid);

  std::feclearexcept(FE_ALL_EXCEPT);
  engine.SetExpression("Ln(0)+Exp(12000)");
  EXPECT_THROW(engine.Evaluate(1, 1), CalcError);
  EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID), 0);

  std::feraiseexcept(FE_INVALID);  // raised by the caller before: no failure of ours
  engine.SetExpression("1+1");
  EXPECT_EQ(engine.Evaluate(1, 1), "2");
  engine.SetExpression("Sqrt(-1)");
  EXPECT_THROW(engine.Evaluate(1, 1), SilentAbort);
  EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID), FE_INVALID);
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(CalcEvaluation, GivesTheRawValueForSortingAndTotals) {
  const TableDocument grid = test::GridOf({{"1", "3"}});
  TGridCalcEngine engine(&grid);
  engine.SetExpression("%1%/%2%");
  EXPECT_EQ(engine.EvaluateValue(1, 1), 1.0L / 3.0L);
  EXPECT_EQ(engine.Evaluate(1, 1), "0.333333333333333");
}

TEST(CalcItemTables, ListTheirNamesInMatchingAndMenuOrder) {
  const auto names = [](auto items) {
    std::string joined;
    for (const auto& item : items) joined += std::string(item.Name) + " ";
    return joined;
  };
  EXPECT_EQ(names(VarItems()), "Self ColNo RowNo ColCount RowCount PI ");
  EXPECT_EQ(names(ToukeiItems()), "Sum Mean Max Min Variance StdDev ");
  EXPECT_EQ(names(FuncItems()),
            "^ * / + - ABS Ceil Exp Floor Frac Int Ln Log2 Log10 Round Sqr Sqrt Trunc ArcCos ArcSin ArcTan "
            "Cos CoTan Sin Tan DegToRad RadToDeg CycleToRad RadToCycle GradToRad RadToGrad ");
  // The menus show a description for every name the user can type; the
  // operators have none and are not offered.
  std::set<std::string> seen;
  for (std::size_t i = 0; i < FuncItems().size(); ++i) {
    EXPECT_EQ(FuncItems()[i].Description.empty(), i < kOperatorCount) << FuncItems()[i].Name;
    EXPECT_TRUE(seen.insert(UpperCase(FuncItems()[i].Name)).second) << FuncItems()[i].Name;
  }
  for (const TVarItem& item : VarItems()) EXPECT_FALSE(item.Description.empty()) << item.Name;
  for (const TToukeiItem& item : ToukeiItems()) EXPECT_FALSE(item.Description.empty()) << item.Name;
  EXPECT_EQ(ToukeiItems()[0].Description, "R1からR2の値の合計をを返します。");
  EXPECT_EQ(VarItems()[1].Description, "列番号を返します。（ 1,2,3... ）");
}

}  // namespace
}  // namespace tabulo
