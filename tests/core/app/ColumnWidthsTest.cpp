#include "core/app/ColumnWidths.h"

#include <gtest/gtest.h>

#include "support/GridText.h"

namespace tabulo {
namespace {

// Every byte is 10 pixels wide.
class ByteMeasure final : public TextMeasure {
 public:
  int Width(std::string_view text) const override { return static_cast<int>(text.size()) * 10; }
  int MaxWidthPerByte() const override { return 10; }
};

TEST(FitColumnWidths, HoldsTheWidestTextWithItsMarginsAndTheGridLine) {
  TableDocument grid = test::GridOf({{"abc", "1234567", "x"}, {"a", "", ""}});
  grid.Item(1).Title = "t";
  grid.Item(2).Title = "n";
  grid.Item(3).Title = "a long title";
  grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  grid.SetCell(0, 0, "no");
  grid.SetCell(0, 1, "1");
  grid.SetCell(0, 2, "10000");
  const FitLayout layout{3, 1000, 1, 8};
  FitColumnWidths(grid, 0, 3, false, ByteMeasure(), layout, nullptr);
  EXPECT_EQ(grid.ColWidth(0), 58);   // the widest row number, drawn in a header
  EXPECT_EQ(grid.ColWidth(1), 37);   // 30 + 2 × 3 + 1
  EXPECT_EQ(grid.ColWidth(2), 77);
  EXPECT_EQ(grid.ColWidth(3), 128);  // the title with the header's padding
  FitColumnWidths(grid, 2, 2, true, ByteMeasure(), layout, nullptr);
  EXPECT_EQ(grid.ColWidth(2), 97);  // as shown grouped: 1,234,567
}

TEST(FitColumnWidths, TooWideColumnsGetTheVisibleArea) {
  TableDocument grid = test::GridOf({{std::string(200, 'x')}});
  grid.SetColWidth(0, 40);
  FitColumnWidths(grid, 1, 1, false, ByteMeasure(), FitLayout{2, 500, 1}, nullptr);
  EXPECT_EQ(grid.ColWidth(1), 500 - 2 - 41);
}

}  // namespace
}  // namespace tabulo

namespace tabulo {
namespace {

// Proportional: "W" is four times as wide as anything else.
class ProportionalMeasure final : public TextMeasure {
 public:
  int Width(std::string_view text) const override {
    int width = 0;
    for (char c : text) width += c == 'W' ? 20 : 5;
    return width;
  }
  int MaxWidthPerByte() const override { return 20; }
};

TEST(FitColumnWidths, AShortTextOfWideLettersBeatsALongerNarrowOne) {
  TableDocument grid = test::GridOf({{"iiiiii"}, {"WW"}, {"iii"}});
  grid.Item(1).Title = "";
  FitColumnWidths(grid, 1, 1, false, ProportionalMeasure(), FitLayout{0, 1000, 1}, nullptr);
  EXPECT_EQ(grid.ColWidth(1), 41);
}

}  // namespace
}  // namespace tabulo
