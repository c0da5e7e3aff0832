// How two cells compare under each kind of sort key, and the kind a key
// starts with.

#include <gtest/gtest.h>

#include <string>

#include "core/rows/RowKeys.h"
#include "core/rows/SortKeys.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;
using test::Utf8;

constexpr bool kAsc = true;
constexpr bool kDesc = false;

// The sign of CompareRows for a row holding `a` against one holding `b`.
int CompareCells(SortKind kind, bool ascending, const std::string& a, const std::string& b) {
  const TableDocument grid = test::GridOf({{Sjis(a)}, {Sjis(b)}});
  const TKeyItem key{1, kind, ascending};
  TRowKeys keys(grid, {&key, 1}, nullptr);
  const int result = keys.CompareRows(keys.Items()[0], keys.Items()[1]);
  return (result > 0) - (result < 0);
}

struct CompareCase {
  SortKind kind;
  bool ascending;
  std::string a;
  std::string b;
  int sign;
};

TEST(SortKeys, ComparesTwoCellsByKind) {
  const CompareCase cases[] = {
      {SortKind::Number, kAsc, "10", "2", 1},
      {SortKind::Number, kAsc, "1,000", "10", 1},
      {SortKind::Number, kAsc, "", "2", -1},       // no value before every value
      {SortKind::Number, kAsc, "2", "abc", 1},
      {SortKind::Number, kAsc, "abc", "", 0},      // two cells without values are equal
      {SortKind::Number, kAsc, " 12.5 ", "12.50", 0},
      {SortKind::Number, kAsc, "\\1,500", "1499", 1},
      {SortKind::Number, kAsc, "-0", "0", 0},
      {SortKind::Number, kAsc, "-3", "-20", 1},
      {SortKind::Number, kAsc, "1e3", "999", 1},
      {SortKind::Number, kAsc, "12円", "", 0},
      {SortKind::Number, kDesc, "10", "2", -1},
      {SortKind::Number, kDesc, "", "2", 1},       // and after them descending
      {SortKind::Number, kDesc, "abc", "", 0},
      {SortKind::Date, kAsc, "2024/1/5", "2024/01/05", 0},
      {SortKind::Date, kAsc, "2023/12/31", "2024/1/1", -1},
      {SortKind::Date, kAsc, "1999/2/30", "", 0},  // an impossible date is no value
      {SortKind::Date, kAsc, "x", "1900/1/1", -1},
      {SortKind::Date, kDesc, "x", "1900/1/1", 1},
      {SortKind::Time, kAsc, "9:05", "10:00", -1},
      {SortKind::Time, kAsc, "9:05:00", "9:05", 0},
      {SortKind::Time, kAsc, "24:00", "", 0},
      {SortKind::Time, kDesc, "23:59:59", "0:00", -1},
      {SortKind::Bytes, kAsc, "B", "a", -1},
      {SortKind::Bytes, kAsc, "ab", "abc", -1},    // a shorter prefix first
      {SortKind::Bytes, kAsc, "ｱ", "A", 1},        // 0xB1 after 0x41
      {SortKind::Bytes, kAsc, "あ", "ア", -1},     // 0x82A0 before 0x8341
      {SortKind::Bytes, kAsc, "a", "a", 0},
      {SortKind::Bytes, kDesc, "B", "a", 1},
      {SortKind::Text, kAsc, "a", "B", -1},
      {SortKind::Text, kAsc, "a", "A", 0},
      {SortKind::Text, kAsc, "abc", "ABD", -1},
      {SortKind::Text, kAsc, "ハ", "バ", -1},
      {SortKind::Text, kAsc, "", "a", -1},
      {SortKind::Text, kDesc, "a", "B", 1},
      {SortKind::TextCase, kAsc, "a", "A", -1},   // lower case first
      {SortKind::TextCase, kAsc, "A", "b", -1},
      {SortKind::TextCase, kAsc, "ァ", "ア", -1},
      {SortKind::TextCase, kDesc, "a", "A", 1},
  };
  for (const auto& [kind, ascending, a, b, sign] : cases) {
    EXPECT_EQ(CompareCells(kind, ascending, a, b), sign)
        << Utf8(SortKindName(kind)) << (ascending ? " asc " : " desc ") << a << " vs " << b;
    EXPECT_EQ(CompareCells(kind, ascending, b, a), -sign) << "reversed: " << a << " vs " << b;
  }
}

TEST(SortKeys, LaterKeysDecideOnlyTies) {
  const TableDocument grid = test::GridOf({{"x", "2", "b"}, {"x", "10", "a"}, {"y", "1", "c"}});
  const TKeyItem keys[] = {{1, SortKind::Bytes, true}, {2, SortKind::Number, false}, {3, SortKind::Bytes, true}};
  TRowKeys rowKeys(grid, keys, nullptr);
  const auto items = rowKeys.Items();
  EXPECT_GT(rowKeys.CompareRows(items[0], items[1]), 0);  // x = x, then 2 after 10 descending
  EXPECT_LT(rowKeys.CompareRows(items[1], items[2]), 0);  // x before y; the rest does not count
  EXPECT_THROW(TRowKeys(grid, std::span<const TKeyItem>(), nullptr), std::invalid_argument);
  const TKeyItem outside{4, SortKind::Text, true};
  EXPECT_THROW(TRowKeys(grid, {&outside, 1}, nullptr), std::invalid_argument);
}

TEST(SortKeys, DefaultKindFollowsTheColumnType) {
  const std::pair<std::uint8_t, SortKind> cases[] = {
      {0, SortKind::Text},   {1, SortKind::Number}, {2, SortKind::Number}, {3, SortKind::Date},
      {4, SortKind::Time},   {5, SortKind::Number}, {9, SortKind::Text},  // a damaged type reads as string
  };
  for (const auto& [type, kind] : cases) {
    TGPItem item;
    item.DataType = type;
    EXPECT_EQ(DefaultSortKind(item), kind) << int{type};
  }
  EXPECT_EQ(Utf8(SortKindName(SortKind::TextCase)), "文字(a<A)");
  EXPECT_EQ(Utf8(SortKindName(SortKind::Time)), "時間型");
}

}  // namespace
}  // namespace tabulo
