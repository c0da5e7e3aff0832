#include "core/document/ColumnAttributes.h"

#include <array>

namespace tabulo {
namespace {

constexpr std::uint16_t kHorizontalBits = draw_flags::kCenter | draw_flags::kRight;
constexpr std::uint16_t kVerticalBits = draw_flags::kVCenter | draw_flags::kBottom;
constexpr std::array<std::uint8_t, 8> kImeModeByPopupTag = {3, 2, 1, 6, 7, 8, 4, 5};

}  // namespace

std::string_view ColumnTypeName(ColumnType type) {
  switch (type) {
    case ColumnType::Integer: return "整数";
    case ColumnType::Numeric: return "数値";
    case ColumnType::Date: return "日付型";
    case ColumnType::Time: return "時間型";
    case ColumnType::Currency: return "通貨";
    case ColumnType::String: break;
  }
  return "文字列";
}

void SetHorizontalAlignment(TGPItem& item, HorizontalAlignment alignment) {
  item.DrawFlags = static_cast<std::uint16_t>(item.DrawFlags & ~kHorizontalBits);
  if (alignment == HorizontalAlignment::Center) item.DrawFlags |= draw_flags::kCenter;
  if (alignment == HorizontalAlignment::Right) item.DrawFlags |= draw_flags::kRight;
}

void SetVerticalAlignment(TGPItem& item, VerticalAlignment alignment) {
  item.DrawFlags = static_cast<std::uint16_t>(item.DrawFlags & ~kVerticalBits);
  if (alignment == VerticalAlignment::Center) item.DrawFlags |= draw_flags::kVCenter;
  if (alignment == VerticalAlignment::Bottom) item.DrawFlags |= draw_flags::kBottom;
}

HorizontalAlignment HorizontalAlignmentOf(const TGPItem& item) {
  if (item.DrawFlags & draw_flags::kCenter) return HorizontalAlignment::Center;
  if (item.DrawFlags & draw_flags::kRight) return HorizontalAlignment::Right;
  return HorizontalAlignment::Left;
}

VerticalAlignment VerticalAlignmentOf(const TGPItem& item) {
  if (item.DrawFlags & draw_flags::kVCenter) return VerticalAlignment::Center;
  if (item.DrawFlags & draw_flags::kBottom) return VerticalAlignment::Bottom;
  return VerticalAlignment::Top;
}

std::uint8_t ImeModeOfPopupTag(int tag) {
  return tag >= 0 && tag < static_cast<int>(kImeModeByPopupTag.size()) ? kImeModeByPopupTag[static_cast<std::size_t>(tag)] : 3;
}

int PopupTagOfImeMode(std::uint8_t imeMode) {
  for (std::size_t tag = 0; tag < kImeModeByPopupTag.size(); ++tag) {
    if (kImeModeByPopupTag[tag] == imeMode) return static_cast<int>(tag);
  }
  return 0;
}

std::string_view ImeModeListName(std::uint8_t imeMode) {
  switch (imeMode) {
    case 1: return "IME OFF";
    case 2: return "IME ON";
    case 4: return "(半)ｱﾙﾌｧ";
    case 5: return "(全)ｱﾙﾌｧ";
    case 6: return "ひらがな";
    case 7: return "(半)ｶﾀｶﾅ";
    case 8: return "(全)ｶﾀｶﾅ";
    default: return "無操作";
  }
}

}  // namespace tabulo
