#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/document/GPItem.h"
#include "ui/print/ColumnEntry.h"

namespace tabulo::ui {

// The widest column the width button accepts: 32767 pixels on screen,
// 10000.0 mm (100000 tenths) on paper. Wider widths are typing mistakes that
// would break the grid or the page layout.
inline constexpr std::int32_t kMaxDisplayWidth = 32767;
inline constexpr std::int32_t kMaxPrintWidth = 100000;

// The width field of a list line (UTF-8): in print mode the print width in
// millimetres with one decimal and " (mm) " ("25.5 (mm) "), on screen the
// display width and " Pixcel" ("80 Pixcel").
std::string WidthText(const TGPItem& item, AttributeDialogMode mode);

// Reads a width typed into the width box and returns it in the record's unit,
// or nullopt when the text is not a width. Print mode takes a decimal number
// of millimetres ("25.5", "+3", ".25") and rounds it to tenths, halves up,
// working on the digits so that "2.55" gives 26; screen mode takes
// a whole number of pixels. Blanks around the number are allowed. Negative
// widths and widths over kMaxDisplayWidth or kMaxPrintWidth are refused.
std::optional<std::int32_t> ParseWidth(std::string_view text, AttributeDialogMode mode);

}  // namespace tabulo::ui
