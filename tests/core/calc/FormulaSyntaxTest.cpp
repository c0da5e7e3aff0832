#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CalcOutcome.h"
#include "core/locale/NumberFormat.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::ExpectOutcomes;
using test::kNotAnInteger;
using test::kRejected;
using test::Outcome;
using test::Sjis;

// Row 1: A=1,000  B=2  C=abc  D=4  E=(empty)  "単 価"=\1,500  A=7  ゼロ=8  ゾ=9.
// Row 3 is a totals row.
TableDocument SampleGrid() {
  TableDocument grid = test::GridOf({
      {"1,000", "2", "abc", "4", "", "\\1,500", "7", "8", "9"},
      {"3", " 12.5 "},
      {"5"},
  });
  const std::vector<std::string> titles = {"A", "B", "C", "D", "E", Sjis("単 価"), "A", Sjis("ゼロ"), Sjis("ゾ")};
  for (std::size_t i = 0; i < titles.size(); ++i) grid.SetCell(static_cast<int>(i) + 1, 0, titles[i]);
  grid.SetCell(0, 3, kTotalsRowLabel);
  return grid;
}

TEST(FormulaSyntax, OperatorsBindAndAssociateAsWritten) {
  ExpectOutcomes(SampleGrid(), {
      {"1+2*3", "7"},       {"(1+2)*3", "9"},        {"2^3^2", "64"},        {"10/4", "2.5"},
      {"7-2-1", "4"},       {"8/2/2", "2"},          {"2*3^2", "18"},        {"2^3*2", "16"},
      {"2-3*4+10/5", "-8"}, {"((2))", "2"},          {"2^(3^2)", "512"},     {"1+2-3+4", "4"},
      {"3 + 4", "7"},       {" 3+4 ", "7"},          {"1 2", "12"},          {"S qrt(16)", "4"},
  });
}

TEST(FormulaSyntax, SignsBelongToNumbers) {
  ExpectOutcomes(SampleGrid(), {
      {"5*-3", "-15"}, {"5--3", "8"},  {"5+-3", "2"},  {"-2^2", "4"},   {"2^-1", "0.5"},
      {"--3", "-3"},   {"- 3", "-3"},  {"+5", "5"},    {"5.", "5"},     {".5", "0.5"},
      {"-", "0"},      {"+", "0"},     {".", "0"},     {"-.", "0"},     {"1+-", "1"},
      {"-0", "0"},     {"-[A]", kRejected},   {"-(1+2)", kRejected},   {"-PI", kRejected},
      {"-%1%", kRejected},   {"-Sqrt(4)", kRejected},   {"1.2.3", kRejected},   {"+-1", "-1"},
  });
}

TEST(FormulaSyntax, RejectsWhatDoesNotParse) {
  ExpectOutcomes(SampleGrid(), {
      {"", kRejected},           {"   ", kRejected},       {"1+", kRejected},        {"1-", kRejected},
      {"1*", kRejected},         {"1/", kRejected},        {"2^", kRejected},        {"(1+2", kRejected},
      {"ABS(1", kRejected},      {"1e5", kRejected},       {"1E5", kRejected},       {"Sum(1,3)", kRejected},
      {"PIE", kRejected},        {"Self2", kRejected},     {"2(3)", kRejected},      {")", kRejected},
      {"()", kRejected},         {"1)", kRejected},        {"Sqrt()", kRejected},    {"Sqrt 4", kRejected},
      {"Foo(1)", kRejected},     {"abc", kRejected},       {"%%", kRejected},        {"%x%", kRejected},
      {"%1", kRejected},         {"\t1", kRejected},       {Sjis("　1"), kRejected}, {Sjis("１"), kRejected},
      {"Sum(%1%,%2%", kRejected},           {"Sum(%1%;%2%)", kRejected},   {"Sum([A],3)", kRejected},
      {"Sum(%1%+1,%2%)", kRejected},        {"Sum (%1%,%2%)", "1002"},    {"Sum(%1%,%2%)+", kRejected},
      {"Sum(%99999999999%,%2%)", kNotAnInteger},                           {"Sum(%%,%2%)", kNotAnInteger},
  });
}

TEST(FormulaSyntax, NamesMatchInAnyCaseAndOnlyWithTheirParenthesis) {
  ExpectOutcomes(SampleGrid(), {
      {"sqrt(16)", "4"},  {"SQRT(16)", "4"},   {"Sqr(3)", "9"},    {"Sqr(Sqrt(16))", "16"},
      {"log10(100)", "2"}, {"LOG2(8)", "3"},   {"pi*0+1", "1"},    {"sum(%2%,%4%)", "6"},
      {"Int(2.5)", "2"},  {"Ln(1)", "0"},      {"Sqrt(Sqrt(Sqrt(256)))", "2"},
  });
}

TEST(FormulaSyntax, ColumnTitlesAndIndexesReadTheTargetRow) {
  const TableDocument grid = SampleGrid();
  ASSERT_EQ(Sjis("ゾ"), "\x83\x5D");   // its second byte is "]"
  ASSERT_EQ(Sjis("ゼロ").substr(0, 2), "\x83\x5B");  // and this one's "["
  ExpectOutcomes(grid, {
      {"[A]*2", "2000"},         {"[a]*2", "2000"},          {"[A]+[D]", "1004"},      {"[C]*2", "0"},
      {"[E]*2", "0"},            {Sjis("[単 価]"), "1500"},  {Sjis("[ゼロ]"), "8"},    {Sjis("[ゾ]"), "9"},
      {Sjis("[行番]*2"), "2"},   {"( [A] + 2 ) * Sqrt( [D] )", "2004"},                {"%2%*2", "4"},
      {"%0%", "1"},              {"%$2%", "2"},              {"%-1%", "0"},            {"%99%", "0"},
      {Sjis("[単価]"), kRejected},   {"[Z]", kRejected},     {"[A", kRejected},        {"A]", kRejected},
      {"][A]", kRejected},       {"[[A]", kRejected},        {"[]", kRejected},        {"[A]]", kRejected},
      {Sjis("[ａ]"), kRejected}, {"[ A]", kRejected},
  });
  ExpectOutcomes(grid, {{"[A]*2", "6"}, {"[B]", "12.5"}, {Sjis("[行番]*2"), "4"}}, 1, 2);
  ExpectOutcomes(grid, {{Sjis("[行番]*2"), "0"}, {"[A]", "5"}}, 1, 3);  // a totals row
}

TEST(FormulaSyntax, CompilesToPostfixInReadingOrder) {
  const TableDocument grid = SampleGrid();
  TGridCalcEngine engine(&grid);
  engine.SetExpression("( [A] + 2 ) * Sqrt( [D] ) - Sum([B],[D]) ^ PI");
  std::string program;
  for (const TCalcToken& token : engine.Program()) {
    if (!program.empty()) program += ' ';
    switch (token.kind) {
      case TCalcToken::Kind::Literal: program += FormatGeneral(token.value); break;
      case TCalcToken::Kind::Column: program.append("%").append(std::to_string(token.column)).append("%"); break;
      case TCalcToken::Kind::Variable: program += token.var->Name; break;
      case TCalcToken::Kind::Statistic: program += token.toukei->Name; break;
      case TCalcToken::Kind::Function: program += token.func->Name; break;
    }
  }
  EXPECT_EQ(program, "%1% 2 + %4% Sqrt * 2 4 Sum PI ^ -");
}

TEST(FormulaSyntax, AFailedCompileLeavesNoProgram) {
  const TableDocument grid = SampleGrid();
  TGridCalcEngine engine(&grid);
  engine.SetExpression("[A]+1");
  EXPECT_EQ(engine.Evaluate(1, 1), "1001");
  EXPECT_EQ(engine.Evaluate(1, 2), "4");  // compiled once, evaluated for any row
  EXPECT_THROW(engine.SetExpression("[A]+"), SilentAbort);
  EXPECT_FALSE(engine.HasProgram());
  EXPECT_THROW(engine.Evaluate(1, 1), SilentAbort);
  EXPECT_THROW(engine.SetExpression("Sum(%1%,%9999999999%)"), ConvertError);
  EXPECT_FALSE(engine.HasProgram());

  TGridCalcEngine unbound;
  EXPECT_THROW(unbound.SetExpression("[A]"), SilentAbort);
  unbound.SetExpression("1+1");
  EXPECT_THROW(unbound.Evaluate(1, 1), SilentAbort);  // no grid to evaluate against
}

std::string Repeat(std::string_view text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

TEST(FormulaSyntax, RejectsFormulasBeyondTheStackAndTheNestingLimit) {
  const TableDocument grid = SampleGrid();
  // Each "1+(" leaves one value pending: 49 of them and the last 1 fill the
  // 50 places exactly; a statistic's two column indexes take two places.
  ExpectOutcomes(grid, {
      {Repeat("1+(", 49) + "1" + Repeat(")", 49), "50"},
      {Repeat("1+(", 50) + "1" + Repeat(")", 50), kRejected},
      {Repeat("1+(", 47) + "Sum(%2%,%4%)" + Repeat(")", 47), "53"},
      {Repeat("1+(", 48) + "Sum(%2%,%4%)" + Repeat(")", 48), "54"},
      {Repeat("1+(", 49) + "Sum(%2%,%4%)" + Repeat(")", 49), kRejected},
      {"1" + Repeat("+1", 100000), "100001"},
      {"2" + Repeat("^1", 100000), "2"},
      {Repeat("(", 256) + "7" + Repeat(")", 256), "7"},
      {Repeat("(", 257) + "7" + Repeat(")", 257), kRejected},
      {Repeat("Sqrt(", 256) + "1" + Repeat(")", 256), "1"},
      {Repeat("ABS(", 257) + "1" + Repeat(")", 257), kRejected},
      {Repeat("(", 100000), kRejected},
      {Repeat("Sqrt(", 100000) + "1" + Repeat(")", 100000), kRejected},
      {Repeat("-(", 100000), kRejected},
      {Repeat("[A]+", 20000) + "0", "20000000"},
  });
}

}  // namespace
}  // namespace tabulo
