#include "core/editing/Trimming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::Sjis;

struct TrimCase {
  TrimKind kind;
  std::string text;
  std::string expected;
  bool fails = false;
};

TEST(TrimRange, TrimsBlanksAndRewritesPlainNumbers) {
  const std::vector<TrimCase> cases = {
      {TrimKind::Both, "  a b  ", "a b"},
      {TrimKind::Left, "  a b  ", "a b  "},
      {TrimKind::Right, "  a b  ", "  a b"},
      {TrimKind::Both, "\t\r\n x\x01\x1F", "x"},
      {TrimKind::Both, Sjis("　全角　"), Sjis("　全角　")},  // the full-width space is no blank
      {TrimKind::Right, Sjis("ソ表") + " ", Sjis("ソ表")},
      {TrimKind::Both, "   ", ""},
      {TrimKind::Both, "", ""},
      {TrimKind::PlainNumber, " 007.50 ", "7.5"},
      {TrimKind::PlainNumber, "\t-0.000\r\n", "0"},
      {TrimKind::PlainNumber, "+.5", "0.5"},
      {TrimKind::PlainNumber, "1e3", "1000"},
      {TrimKind::PlainNumber, "1.23456789012345678", "1.23456789012346"},
      {TrimKind::PlainNumber, "123456789012345", "123456789012345"},
      {TrimKind::PlainNumber, "1234567890123456", "1.23456789012346E15"},
      {TrimKind::PlainNumber, "0.0001", "0.0001"},
      {TrimKind::PlainNumber, "0.00001", "1E-5"},
      {TrimKind::PlainNumber, "1,234", "1,234", true},  // no thousands separators
      {TrimKind::PlainNumber, "\\100", "\\100", true},  // no currency string
      {TrimKind::PlainNumber, "", "", true},
      {TrimKind::PlainNumber, "1 2", "1 2", true},
      {TrimKind::PlainNumber, Sjis("１２"), Sjis("１２"), true},
      {TrimKind::PlainNumber, Sjis("　12"), Sjis("　12"), true},
      {TrimKind::PlainNumber, "1e99999", "1e99999", true},
  };
  for (const TrimCase& c : cases) {
    TableDocument grid = test::GridOf({{c.text}}, 2);
    EXPECT_EQ(TrimRange(grid, {1, 1, 1, 1}, c.kind, nullptr), c.fails ? 1 : 0) << c.text;
    EXPECT_EQ(grid.Cell(1, 1), c.expected) << c.text << " by kind " << static_cast<int>(c.kind);
  }
}

TEST(TrimRange, CountsTheCellsThatAreNoNumberAndConvertsTheRest) {
  TableDocument grid = test::GridOf({{"", " 1 ", "x"}, {" 2.50", "", "y"}});
  EXPECT_EQ(TrimRange(grid, {1, 1, 2, 2}, TrimKind::PlainNumber, nullptr), 2);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{"", "1", "x"}, {"2.5", "", "y"}}));
  EXPECT_EQ(TrimRange(grid, {1, 1, 3, 2}, TrimKind::Both, nullptr), 0);
}

}  // namespace
}  // namespace tabulo
