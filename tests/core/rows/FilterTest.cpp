#include "core/rows/Filter.h"

#include <gtest/gtest.h>

#include "core/base/Prompter.h"
#include "core/document/CsvReader.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::GridOf;
using test::Sjis;
using Op = FilterOperator;
using As = FilterTreatment;
using Rows = std::vector<int>;

// Names, prices, dates and times; the columns typed as their treatments.
TableDocument Fruit() {
  TableDocument grid = GridOf({
      {"Apple", "1,000", "2024/01/15", "9:00"},
      {"banana", "\\1000", "2024/03/01", "12:30"},
      {"Cherry pie", "250", "2023/12/31", "18:45"},
      {"りんご", "abc", "soon", "late"},
      {"", "1000", "2024/1/15", "9:00:00"},
  });
  for (int row = 1; row < grid.RowCount(); ++row) grid.SetCell(1, row, Sjis(grid.Cell(1, row)));
  const char* titles[] = {"", "name", "price", "date", "time"};
  for (int col = 1; col <= 4; ++col) grid.SetCell(col, 0, titles[col]);
  grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  grid.Item(3).DataType = static_cast<std::uint8_t>(ColumnType::Date);
  grid.Item(4).DataType = static_cast<std::uint8_t>(ColumnType::Time);
  return grid;
}

FilterOptions One(int column, As treatment, Op op, const char* text) {
  FilterOptions options;
  options.conditions[0] = {column, treatment, op, Sjis(text)};
  return options;
}

// One condition and the rows it picks from Fruit.
struct ConditionCase {
  int column;
  As treatment;
  Op op;
  const char* text;
  Rows rows;
};

TEST(Filter, EveryOperatorUnderEveryTreatment) {
  const TableDocument grid = Fruit();
  const ConditionCase cases[] = {
      {1, As::String, Op::Contains, "an", {2}},  // letter case ignored by default
      {1, As::String, Op::Excludes, "an", {1, 3, 4, 5}},
      {1, As::String, Op::Equal, "apple", {1}},
      {1, As::String, Op::Equal, "App", {}},
      {1, As::String, Op::Less, "b", {1, 5}},      // collation: the empty text first, kana after Latin
      {1, As::String, Op::Greater, "b", {2, 3, 4}},
      {2, As::Number, Op::Contains, "1", {1, 2, 5}},
      {2, As::Number, Op::Excludes, "0", {4}},
      {2, As::Number, Op::Equal, "1,000", {1, 2, 5}},  // "1,000", "\1000" and "1000" are one amount
      {2, As::Number, Op::Less, "1000", {3}},
      {2, As::Number, Op::Greater, "\\500", {1, 2, 5}},
      {2, As::Number, Op::Equal, "abc", {}},  // a search text that does not convert fails every row
      {3, As::Date, Op::Equal, "2024/1/15", {1, 5}},
      {3, As::Date, Op::Less, "2024/01/01", {3}},
      {3, As::Date, Op::Greater, "2024/02/01", {2}},
      {3, As::String, Op::Equal, "2024/1/15", {5}},
      {4, As::Time, Op::Equal, "9:00", {1, 5}},
      {4, As::Time, Op::Less, "12:00", {1, 5}},
      {4, As::Time, Op::Greater, "12:30", {3}},
      {9, As::String, Op::Excludes, "a", {1, 2, 3, 4, 5}},  // a column beyond the grid reads empty
  };
  for (const auto& [column, treatment, op, text, rows] : cases) {
    EXPECT_EQ(FindMatchingRows(grid, One(column, treatment, op, text), nullptr), rows)
        << column << " " << static_cast<int>(op) << " " << text;
  }
}

TEST(Filter, ConditionsWithoutTextNeitherExcludeNorInclude) {
  const TableDocument grid = Fruit();
  FilterOptions options;
  options.conditions[0] = {1, As::String, Op::Contains, "A"};
  options.conditions[1] = {2, As::Number, Op::Equal, ""};
  options.conditions[2] = {2, As::Number, Op::Greater, "500"};
  EXPECT_EQ(FindMatchingRows(grid, options, nullptr), (Rows{1, 2}));
  options.useOr = true;
  options.conditions[0] = {1, As::String, Op::Contains, "pie"};
  options.conditions[2] = {3, As::Date, Op::Equal, "2024/03/01"};
  EXPECT_EQ(FindMatchingRows(grid, options, nullptr), (Rows{2, 3}));
  EXPECT_EQ(FindMatchingRows(grid, FilterOptions(), nullptr), (Rows{1, 2, 3, 4, 5}));
  options = FilterOptions();
  options.useOr = true;
  EXPECT_EQ(FindMatchingRows(grid, options, nullptr), Rows{});
}

TEST(Filter, AllColumnsSearchTheRowTextWithItsRowNumber) {
  std::vector<test::Cells> cells(12, test::Cells{"x", "y"});
  cells[4] = {"z", "w"};
  cells[6] = {"", "x"};
  TableDocument grid = GridOf(cells);
  grid.SetCell(0, 12, kTotalsRowLabel);
  EXPECT_EQ(FindMatchingRows(grid, One(0, As::String, Op::Contains, "1"), nullptr), (Rows{1, 10, 11}));
  // Every cell is followed by CR LF, the row number's too.
  EXPECT_EQ(FindMatchingRows(grid, One(0, As::String, Op::Contains, "X\r\nY\r\n"), nullptr),
            (Rows{1, 2, 3, 4, 6, 8, 9, 10, 11, 12}));
  EXPECT_EQ(FindMatchingRows(grid, One(0, As::String, Op::Contains, "7\r\n\r\nx"), nullptr), (Rows{7}));
  EXPECT_EQ(FindMatchingRows(grid, One(0, As::String, Op::Excludes, "x"), nullptr), (Rows{5}));
  EXPECT_EQ(FindMatchingRows(grid, One(0, As::String, Op::Contains, "集計"), nullptr), (Rows{12}));
}

TEST(Filter, NormalisationAppliesToSubjectAndSearchText) {
  const TableDocument grid = Fruit();
  const struct {
    bool kana, width, letterCase;
    ConditionCase condition;
  } cases[] = {
      {false, false, false, {1, As::String, Op::Contains, "apple", {}}},
      {false, false, true, {1, As::String, Op::Contains, "apple", {1}}},
      {false, false, true, {1, As::String, Op::Contains, "ＡＰＰＬＥ", {}}},
      {false, true, true, {1, As::String, Op::Contains, "ａｐｐｌｅ", {1}}},
      {false, false, true, {1, As::String, Op::Equal, "リンゴ", {}}},
      {true, false, true, {1, As::String, Op::Equal, "リンゴ", {4}}},
      {true, true, true, {1, As::String, Op::Equal, "ﾘﾝｺﾞ", {4}}},
      {false, true, true, {2, As::Number, Op::Equal, "１，０００", {1, 2, 5}}},
      {false, false, true, {2, As::Number, Op::Equal, "１，０００", {}}},
  };
  for (const auto& [kana, width, letterCase, condition] : cases) {
    FilterOptions options = One(condition.column, condition.treatment, condition.op, condition.text);
    options.ignoreKana = kana;
    options.ignoreWidth = width;
    options.ignoreCase = letterCase;
    EXPECT_EQ(FindMatchingRows(grid, options, nullptr), condition.rows) << condition.text << " " << kana << width << letterCase;
  }
}

TEST(Filter, TheDescriptionShowsTheNormalisedTexts) {
  const TableDocument grid = Fruit();
  FilterOptions options;
  options.conditions[0] = {1, As::String, Op::Contains, "pie"};
  options.conditions[2] = {0, As::String, Op::Excludes, Sjis("ｘ")};
  EXPECT_EQ(FilterDescription(grid, options), Sjis("[name 含む PIE] and [全項目 含まない Ｘ]"));
  options.useOr = true;
  options.ignoreWidth = true;
  options.conditions[1] = {2, As::Number, Op::Greater, "500"};
  EXPECT_EQ(FilterDescription(grid, options), Sjis("[name 含む PIE] or [price ＞ 500] or [全項目 含まない X]"));
  EXPECT_EQ(FilterDescription(grid, FilterOptions()), "");
}

// Japan Post's postal codes: the rows of one prefecture and one city.
TEST(Filter, PostalCodesByPrefectureAndCity) {
  const auto path = test::SharedTestData("japanpost-kenall/KEN_ALL.CSV");
  if (!path) GTEST_SKIP() << "no shared test data";
  TableDocument grid;
  platform::ScriptedPrompter prompter;
  LoadTextIntoGrid(*path, grid, true, prompter, nullptr);
  ASSERT_EQ(grid.RowCount(), 124826);
  FilterOptions options;
  options.conditions[0] = {7, As::String, Op::Equal, Sjis("沖縄県")};
  options.conditions[1] = {8, As::String, Op::Contains, Sjis("那覇市")};
  const Rows naha = FindMatchingRows(grid, options, nullptr);
  ASSERT_EQ(naha.size(), 79u);
  EXPECT_GE(naha.front(), 124022);
  EXPECT_LE(naha.back(), 124825);
  options.useOr = true;
  options.conditions[1] = {7, As::String, Op::Equal, Sjis("北海道")};
  EXPECT_EQ(FindMatchingRows(grid, options, nullptr).size(), 9005u);
}

}  // namespace
}  // namespace tabulo
