#include "core/calc/Aggregation.h"

#include <gtest/gtest.h>

#include "core/calc/FormulaRuns.h"
#include "core/locale/DateSerial.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;
using test::GridOf;
using test::Sjis;

TEST(AggregateAcross, AverageSkipsAndCountsCellsThatAreNotNumbers) {
  TableDocument grid = GridOf({{"10", "", "20", ""}, {"1,000", "abc", "\\3,000", ""}});
  EXPECT_EQ(AggregateAcross(grid, {1, 2, 3}, Statistic::Mean, AggregateMode::Numeric, 4, {1, 2}, nullptr), 2);
  EXPECT_EQ(grid.Cell(4, 1), "15");
  EXPECT_EQ(grid.Cell(4, 2), "2000");
}

TEST(AggregateAcross, EveryStatistic) {
  const std::vector<std::pair<Statistic, const char*>> cases{
      {Statistic::Sum, "6"}, {Statistic::Mean, "3"},     {Statistic::Max, "4"},
      {Statistic::Min, "2"}, {Statistic::Variance, "1"}, {Statistic::StdDev, "1"}};
  for (const auto& [statistic, expected] : cases) {
    TableDocument grid = GridOf({{"2", "", "abc", "4", ""}});
    AggregateAcross(grid, {1, 2, 3, 4}, statistic, AggregateMode::Numeric, 5, {1, 1}, nullptr);
    EXPECT_EQ(grid.Cell(5, 1), expected) << static_cast<int>(statistic);
  }
}

TEST(AggregateAcross, VarianceKeepsItsDigitsForCloseLargeValuesAndIsNeverNegative) {
  TableDocument grid = GridOf({{"100000000001", "100000000002", "100000000003"}, {"0.1", "0.1", "0.1"}}, 5);
  AggregateAcross(grid, {1, 2, 3}, Statistic::Variance, AggregateMode::Numeric, 4, {1, 2}, nullptr);
  EXPECT_EQ(grid.Cell(4, 1), "0.666666666666667");
  EXPECT_EQ(grid.Cell(4, 2), "0");
  AggregateAcross(grid, {1, 2, 3}, Statistic::StdDev, AggregateMode::Numeric, 4, {2, 2}, nullptr);
  EXPECT_EQ(grid.Cell(4, 2), "0");
}

TEST(Aggregate, AResultBeyondExtendedPrecisionIsAFailureNotAText) {
  const std::string huge(4930, '9');  // about 1E4930: its square overflows
  TableDocument grid = GridOf({{huge, "-" + huge, "1"}, {"1", "2", ""}}, 5);
  EXPECT_EQ(AggregateAcross(grid, {1, 2}, Statistic::Variance, AggregateMode::Numeric, 4, {1, 2}, nullptr), 1);
  EXPECT_EQ(grid.Cell(4, 1), "Error");
  EXPECT_EQ(grid.Cell(4, 2), "0.25");
  const DownResult down = AggregateDown(grid, {1, 2}, {true, false, false, false, true, false},
                                        AggregateMode::Numeric, 3, nullptr);
  EXPECT_EQ(down.failures, 2);  // both variances; the sums stay numbers
  EXPECT_EQ(grid.Cell(1, 3), "1E4930");
  EXPECT_EQ(grid.Cell(1, 4), "Error");
  EXPECT_EQ(grid.Cell(2, 4), "Error");
}

TEST(AggregateAcross, StringModeJoinsTextsWithoutFailures) {
  TableDocument grid = GridOf({{Sjis("山田"), Sjis("太郎"), "old"}});
  EXPECT_EQ(AggregateAcross(grid, {1, 2, 3}, Statistic::Mean, AggregateMode::String, 3, {1, 1}, nullptr), 0);
  EXPECT_EQ(grid.Cell(3, 1), Sjis("山田太郎"));  // the target is emptied before it contributes
}

TEST(AggregateAcross, DatesAndTimesAreReadAndWrittenInTheirFormats) {
  TableDocument grid = GridOf({{"2024/01/01", "2024/01/03", "9:00:00", "10:30:00"}, {"x", "", "", ""}}, 6);
  AggregateAcross(grid, {1, 2}, Statistic::Mean, AggregateMode::Date, 5, {1, 1}, nullptr);
  EXPECT_EQ(grid.Cell(5, 1), "2024/01/02");
  AggregateAcross(grid, {3, 4}, Statistic::Max, AggregateMode::Time, 5, {1, 1}, nullptr);
  EXPECT_EQ(grid.Cell(5, 1), "10:30:00");
  // Nothing converts: the zero of the mode.
  EXPECT_EQ(AggregateAcross(grid, {1, 2}, Statistic::Sum, AggregateMode::Date, 5, {2, 2}, nullptr), 2);
  EXPECT_EQ(grid.Cell(5, 2), "1899/12/30");
  AggregateAcross(grid, {1, 2}, Statistic::Sum, AggregateMode::Time, 5, {2, 2}, nullptr);
  EXPECT_EQ(grid.Cell(5, 2), "0:00:00");
}

// 80 times 2019/04/30 adds up to a day after 9999/12/31: no date can say
// it, so it fails like any overflow instead of showing the last day.
TEST(AggregateDown, ADateSumPastTheLastDayIsAFailure) {
  TableDocument grid = GridOf(std::vector<Cells>(80, Cells{"2019/04/30"}));
  std::array<bool, kStatisticCount> wanted{};
  wanted[static_cast<int>(Statistic::Sum)] = true;
  wanted[static_cast<int>(Statistic::Max)] = true;
  const DownResult result = AggregateDown(grid, {1}, wanted, AggregateMode::Date, 0, nullptr);
  EXPECT_EQ(result.failures, 1);
  EXPECT_EQ(grid.Cell(1, 81), kCalcErrorText);
  EXPECT_EQ(grid.Cell(1, 82), "2019/04/30");
}

TEST(AggregateDown, AppendsLabelledTotalsRowsThatLaterRunsInclude) {
  TableDocument grid = GridOf({{"a", "1"}, {"b", "2"}, {"c", "x"}});
  std::array<bool, kStatisticCount> wanted{};
  wanted[static_cast<int>(Statistic::Sum)] = true;
  wanted[static_cast<int>(Statistic::Max)] = true;
  const DownResult first = AggregateDown(grid, {2}, wanted, AggregateMode::Numeric, 1, nullptr);
  EXPECT_EQ(first.failures, 1);
  EXPECT_TRUE(first.wroteAny);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "1"}, {"b", "2"}, {"c", "x"}, {Sjis("合計"), "3"}, {Sjis("最大値"), "2"}}));
  EXPECT_EQ(grid.Cell(0, 4), kTotalsRowLabel);
  EXPECT_EQ(grid.Cell(0, 5), kTotalsRowLabel);

  AggregateDown(grid, {2}, wanted, AggregateMode::Numeric, 1, nullptr);
  EXPECT_EQ(grid.Cell(2, 6), "8");  // 1 + 2 + 3 + 2

  EXPECT_EQ(DeleteTotalsRows(grid), 4);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "1"}, {"b", "2"}, {"c", "x"}}));
}

TEST(AggregateDown, AColumnWithoutValuesStaysEmpty) {
  TableDocument grid = GridOf({{"x"}, {"y"}});
  std::array<bool, kStatisticCount> wanted{};
  wanted[static_cast<int>(Statistic::Mean)] = true;
  const DownResult result = AggregateDown(grid, {1}, wanted, AggregateMode::Numeric, 1, nullptr);
  EXPECT_FALSE(result.wroteAny);
  EXPECT_EQ(grid.Cell(1, 3), Sjis("平均"));  // only the label
}

TEST(DeleteTotalsRows, RemovesOnlyTotalsRowsAndRenumbers) {
  TableDocument grid = GridOf({{"a"}, {"t1"}, {"b"}, {"t2"}, {"t3"}});
  for (int row : {2, 4, 5}) grid.SetCell(0, row, kTotalsRowLabel);
  EXPECT_EQ(DeleteTotalsRows(grid), 3);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a"}, {"b"}}));
  EXPECT_EQ(grid.Cell(0, 2), "2");
}

TEST(DateSerial, CountsDaysFromTheBaseDate) {
  EXPECT_EQ(DateSerial({1899, 12, 30}), 0);
  EXPECT_EQ(DateSerial({1900, 3, 1}), 61);
  EXPECT_EQ(DateFromSerial(45292.9L), (Date{2024, 1, 1}));
  EXPECT_EQ(TimeFromSerial(1.75L), (TimeOfDay{18, 0, 0}));
  EXPECT_EQ(TimeFromSerial(0.999999999L), (TimeOfDay{23, 59, 59}));
}

}  // namespace
}  // namespace tabulo
