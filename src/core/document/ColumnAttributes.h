#pragma once

#include <cstdint>
#include <string_view>

#include "core/document/ColumnType.h"
#include "core/document/GPItem.h"

namespace tabulo {

// The changes the column popup and the attribute dialog make to a column's
// record, and the names they show. Names are UTF-8 (they label controls).

// "文字列", "整数", "数値", "日付型", "時間型", "通貨".
std::string_view ColumnTypeName(ColumnType type);

enum class HorizontalAlignment { Left = 0, Center = 1, Right = 2 };
enum class VerticalAlignment { Top = 0, Center = 1, Bottom = 2 };

// Only the alignment bits change; single line and no-prefix stay.
void SetHorizontalAlignment(TGPItem& item, HorizontalAlignment alignment);
void SetVerticalAlignment(TGPItem& item, VerticalAlignment alignment);
HorizontalAlignment HorizontalAlignmentOf(const TGPItem& item);
VerticalAlignment VerticalAlignmentOf(const TGPItem& item);

// Input-method modes as the column popup orders them (tags 0..7): "無操作",
// "IME ON", "IME OFF", "ひらがな", "カタカナ（半）", "カタカナ（全）",
// "ｱﾙﾌｧﾍﾞｯﾄ（半）", "ｱﾙﾌｧﾍﾞｯﾄ（全）".
std::uint8_t ImeModeOfPopupTag(int tag);
int PopupTagOfImeMode(std::uint8_t imeMode);

// The input-method mode's short name in the attribute list ("IME OFF",
// "(半)ｱﾙﾌｧ", …; "無操作" for anything unknown).
std::string_view ImeModeListName(std::uint8_t imeMode);

}  // namespace tabulo
