#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/document/ColumnType.h"

namespace tabulo {

// Reading numbers out of decorated cell text, shared by display, reformatting,
// calculation, statistics, sorting and filtering.

// Trims leading and trailing blanks and control characters (bytes 0x00..0x20
// and 0x7F; a full-width space is kept), removes the first occurrence of the
// locale's currency string, then every thousands separator. Double-byte
// aware: a trail byte is never taken for "\" or ",".
std::string StripNumberDecoration(std::string_view text);

// Number of digits that directly follow the first decimal separator, 0 when
// there is none ("1234.50" → 2, "1.5E3" → 1: an exponent is no decimal place).
int DecimalPlaces(std::string_view text);

// The value of a cell as calculation reads it: StripNumberDecoration, then
// ParseReal. "1,234" → 1234, "\1,500" → 1500, " 12.5 " → 12.5; "12円", "abc",
// "" and full-width digits → nullopt. Does not allocate for ordinary cells.
std::optional<long double> ReadCellNumber(std::string_view text);

// The digit-grouped display form of a cell of an integer, numeric or currency
// column: integer → 32-bit integer with separators; numeric → separators, 15
// significant digits, DecimalPlaces of the stripped text; currency → the same
// in the currency format. nullopt when the stripped text does not parse (the
// text is then shown as it is) or for other types.
std::optional<std::string> GroupForDisplay(std::string_view text, ColumnType type);

}  // namespace tabulo
