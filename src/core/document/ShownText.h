#pragma once

#include <string>
#include <string_view>

#include "core/document/GPItem.h"
#include "core/locale/TextConverter.h"

namespace tabulo {

// The text a data cell shows on the screen, on the preview and on paper.
// With `grouped`, the cells of integer, numeric and currency columns are
// shown digit-grouped (GetDisplayText). The currency string that grouping
// writes is the byte 0x5C, which a Japanese desktop draws as the yen sign, so
// here it becomes "¥". The stored bytes never change, and a 0x5C that the user
// typed (a path, say) is shown as it is: only the sign that grouping adds is
// drawn as a yen sign.
// `converter` is the document's.
std::u16string CellShownText(const TGPItem& item, std::string_view stored, bool grouped, TextConverter& converter);

// The yen sign that stands for the currency string on the screen.
inline constexpr char16_t kYenSign = u'\u00A5';

}  // namespace tabulo
