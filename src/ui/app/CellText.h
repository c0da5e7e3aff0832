#pragma once

#include <QColor>
#include <QString>

#include <string_view>

#include "core/document/CellColors.h"
#include "core/document/GPItem.h"
#include "core/locale/Encoding.h"

namespace tabulo::ui {

// The text a data cell shows on the screen (and later on the preview and on
// paper). With `grouped`, the cells of integer, numeric and currency columns
// are shown digit-grouped (GetDisplayText). The currency string that grouping
// writes is the byte 0x5C, which a Japanese desktop draws as the yen sign, so
// here it becomes "¥". The stored bytes never change, and a 0x5C that the user
// typed (a path, say) is shown as it is: only the sign that grouping adds is
// drawn as a yen sign.
QString CellDisplayText(const TGPItem& item, std::string_view stored, bool grouped, Cp932Converter& converter);

// The alignment of a column's drawing flags.
Qt::Alignment AlignmentOf(std::uint16_t drawFlags);

// A cell colour as Qt draws it; an invalid colour for the system colours,
// which the view's own palette gives.
QColor ToQColor(const Color& color);

// The yen sign that stands for the currency string on the screen.
inline constexpr char16_t kYenSign = u'\u00A5';

}  // namespace tabulo::ui
