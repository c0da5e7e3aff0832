#include "core/document/ColumnAttributes.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(ColumnAttributes, PopupTagsAndInputMethodModesMapBothWays) {
  const std::uint8_t expected[] = {3, 2, 1, 6, 7, 8, 4, 5};
  for (int tag = 0; tag < 8; ++tag) {
    EXPECT_EQ(ImeModeOfPopupTag(tag), expected[tag]);
    EXPECT_EQ(PopupTagOfImeMode(expected[tag]), tag);
  }
  EXPECT_EQ(PopupTagOfImeMode(0), 0);  // an unknown mode shows as "leave as it is"
  EXPECT_EQ(ImeModeListName(7), "(半)ｶﾀｶﾅ");
  EXPECT_EQ(ImeModeListName(9), "無操作");
}

TEST(ColumnAttributes, AlignmentsChangeOnlyTheirOwnBits) {
  TGPItem item;
  item.DrawFlags = 0x0826;  // right, vertically centred, single line, no prefix
  SetVerticalAlignment(item, VerticalAlignment::Bottom);
  EXPECT_EQ(item.DrawFlags, 0x082A);
  SetHorizontalAlignment(item, HorizontalAlignment::Center);
  EXPECT_EQ(item.DrawFlags, 0x0829);
  EXPECT_EQ(HorizontalAlignmentOf(item), HorizontalAlignment::Center);
  EXPECT_EQ(VerticalAlignmentOf(item), VerticalAlignment::Bottom);
  SetVerticalAlignment(item, VerticalAlignment::Top);
  SetHorizontalAlignment(item, HorizontalAlignment::Left);
  EXPECT_EQ(item.DrawFlags, 0x0820);
}

TEST(ColumnAttributes, TypeNamesWithUnknownTypesAsStrings) {
  EXPECT_EQ(ColumnTypeName(ColumnType::Currency), "通貨");
  EXPECT_EQ(ColumnTypeName(ColumnTypeOf(42)), "文字列");
}

}  // namespace
}  // namespace tabulo
