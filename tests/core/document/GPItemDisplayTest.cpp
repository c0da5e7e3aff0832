#include <gtest/gtest.h>

#include "core/document/GPItem.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

TGPItem Column(ColumnType type) {
  TGPItem item;
  item.DataType = static_cast<std::uint8_t>(type);
  return item;
}

struct ValidityCase {
  ColumnType type;
  std::string text;
  bool valid;
};

TEST(TGPItemValidity, FollowsTheColumnsType) {
  const std::vector<ValidityCase> cases{
      {ColumnType::String, "", true},
      {ColumnType::String, "anything", true},
      {ColumnType::Integer, "1,234,567", true},
      {ColumnType::Integer, "12.5", false},
      {ColumnType::Integer, "", false},
      {ColumnType::Integer, " -42 ", true},
      {ColumnType::Integer, "$FF", true},
      {ColumnType::Integer, "3000000000", false},
      {ColumnType::Numeric, "\\1,234.5", true},  // currency string and separators are stripped
      {ColumnType::Numeric, "1.5e3", true},
      {ColumnType::Numeric, "12" + test::Sjis("円"), false},
      {ColumnType::Currency, "-\\1,000", true},
      {ColumnType::Currency, "abc", false},
      {ColumnType::Date, "2024/02/29", true},
      {ColumnType::Date, "2023/02/29", false},
      {ColumnType::Date, "2024/1/5 ", false},  // nothing may follow
      {ColumnType::Time, "9:05:00", true},
      {ColumnType::Time, "25:00", false},
      {ColumnType::Date, "", false},
  };
  for (const ValidityCase& c : cases) {
    const TGPItem item = Column(c.type);
    EXPECT_EQ(item.IsValidValue(c.text), c.valid) << static_cast<int>(c.type) << " '" << c.text << "'";
    EXPECT_EQ(item.GetCellColors(c.text), c.valid ? kValidCellColors : kInvalidCellColors);
  }
  TGPItem damaged;
  damaged.DataType = 77;  // an unknown type from a damaged file behaves as a string column
  EXPECT_TRUE(damaged.IsValidValue(""));
}

TEST(TGPItemDisplay, GroupsNumbersWithoutChangingOtherText) {
  EXPECT_EQ(Column(ColumnType::Integer).GetDisplayText("1234567"), "1,234,567");
  EXPECT_EQ(Column(ColumnType::Numeric).GetDisplayText("1234.50"), "1,234.50");
  EXPECT_EQ(Column(ColumnType::Currency).GetDisplayText("-1234"), "-\\1,234");
  EXPECT_EQ(Column(ColumnType::Integer).GetDisplayText("12.5"), "12.5");
  EXPECT_EQ(Column(ColumnType::String).GetDisplayText("1234567"), "1234567");

  std::string text = "1234567";
  EXPECT_EQ(Column(ColumnType::Integer).AdjustForDisplay(text), kValidCellColors);
  EXPECT_EQ(text, "1,234,567");
  text = "12.5";
  EXPECT_EQ(Column(ColumnType::Integer).AdjustForDisplay(text), kInvalidCellColors);
  EXPECT_EQ(text, "12.5");
}

TEST(TGPItemDisplay, DefaultAlignmentByType) {
  EXPECT_EQ(DefaultDrawFlagsFor(ColumnType::Currency), 0x0826);
  EXPECT_EQ(DefaultDrawFlagsFor(ColumnType::Time), 0x0825);
  EXPECT_EQ(DefaultDrawFlagsFor(ColumnType::String), 0x0824);
}

}  // namespace
}  // namespace tabulo
