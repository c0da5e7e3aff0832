#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/document/TableDocument.h"
#include "core/editing/RangeWalk.h"

namespace tabulo {

class ProgressSink;

// The commands of "数値整形", by their menu tags.
enum class NumberCommand {
  Round = 0,      // 四捨五入
  Ceil = 1,       // 切り上げ
  Floor = 2,      // 切り下げ
  Truncate = 3,   // 切り捨て
  Group = 4,      // ３桁区切り付加
  Ungroup = 5,    // ３桁区切り除去
  Currency = 6,   // 通貨記号付加
  Uncurrency = 7, // 通貨記号除去
};

// Every command reads a cell as calculation does (StripNumberDecoration, then
// a real with "." as the decimal point) and looks at the cell's text as it
// was for the thousands separator and the currency string, which decide how
// the result is written. A text that is no number stays as it is and is no
// failure.
//
// Rounding (Round … Truncate) gives a 32-bit integer: Round takes halves up
// (2.5 → 3, -2.5 → -2, -2.4 → -2); a result outside the 32-bit range fails.
// It is written with separators when the text had them and after the
// currency string when the text had it ("1,234.5" → "1,235",
// "\1234.4" → "\1234", "\1,234.5" → "\1,235").
//
// Group, Ungroup, Currency and Uncurrency keep the number of decimals the
// text had: Group writes the grouped number (the currency format when the
// text had the currency string), Ungroup the plain digits (dropping a
// currency string too), Currency the currency format, Uncurrency the grouped
// number when the text had separators, else the plain digits.
//
// Writes the new text to `out` and says Write, or says Keep when the text
// stays (unparsable, or already in the result's form), or Fail.
CellOutcome ReformatNumberText(std::string_view text, NumberCommand command, std::string& out);

// Runs `command` over every cell of `range` (clamped to the data cells),
// column by column, each cell in its own guard. Returns the number of cells
// that failed; they keep their text.
int ReformatNumbers(TableDocument& grid, const TGridRect& range, NumberCommand command, ProgressSink* progress);

// The highest number of decimals "少数桁揃え" sets.
inline constexpr int kMaxDecimals = 18;

// The answer typed into the input box of "少数桁揃え": an integer as the
// program reads integers (ParseInt32) from 0 to kMaxDecimals; anything else
// gives nullopt, and the window shows MessageId::DecimalsNotValid with the
// answer and asks again.
std::optional<int> ParseDecimalsAnswer(std::string_view answer);

// One cell of "少数桁揃え": the number with `decimals` places (0..kMaxDecimals),
// in the currency format when the text had both the currency string and
// separators, in the grouped format when it had separators only, else in
// plain digits behind the currency string when the text had one
// ("3" → "3.00", "1,234.567" → "1,234.57", "\5" → "\5.00"). A text that is no
// number, the empty text included, fails.
CellOutcome SetDecimalsText(std::string_view text, int decimals, std::string& out);

// Runs SetDecimalsText over every cell of `range`; returns the number of
// failures. `decimals` is clamped to 0..kMaxDecimals.
int SetDecimals(TableDocument& grid, const TGridRect& range, int decimals, ProgressSink* progress);

}  // namespace tabulo
