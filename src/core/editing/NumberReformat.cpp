#include "core/editing/NumberReformat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/document/NumberText.h"
#include "core/editing/CellGuard.h"
#include "core/editing/CodePageCells.h"
#include "core/locale/Cp932.h"
#include "core/locale/LocaleConventions.h"
#include "core/locale/NumberFormat.h"

namespace tabulo {
namespace {

// What the cell's text carried before the conversion, which decides the
// form of the result. Both searches are double-byte aware: the "\" that ends
// many kanji ("表" is 0x95 0x5C) is no currency string.
struct Decoration {
  bool separator = false;
  bool currency = false;
};

Decoration DecorationOf(std::string_view text) {
  return {FindText(text, locale::kThousandSeparator) != std::string_view::npos,
          FindText(text, locale::kCurrencyString) != std::string_view::npos};
}

// The integer a rounding command makes of `value`, or nullopt outside the
// 32-bit range. Round takes halves up. Every rounding starts from the floor,
// found from the integer llrint gives: std::floor and a cast to an integer
// would each switch the floating-point unit's rounding mode twice per cell,
// which costs more than the rest of the conversion. Within 2^32 the fraction
// is exact (a tiny negative value's may round up to 1, which every rule below
// treats as it should).
std::optional<std::int32_t> RoundToInt32(long double value, NumberCommand command) {
  constexpr long double kLimit = 4294967296.0L;  // 2^32: beyond the range, well within llrint's
  if (!(value > -kLimit && value < kLimit)) return std::nullopt;
  long long whole = std::llrint(value);
  if (static_cast<long double>(whole) > value) --whole;
  const long double fraction = value - static_cast<long double>(whole);  // 0 … 1
  switch (command) {
    case NumberCommand::Round:
      if (fraction >= 0.5L) ++whole;
      break;
    case NumberCommand::Ceil:
      if (fraction > 0) ++whole;
      break;
    case NumberCommand::Floor: break;
    case NumberCommand::Truncate:
    default:
      if (value < 0 && fraction > 0) ++whole;
      break;
  }
  if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(whole);
}

void WriteRounded(std::int32_t value, Decoration decoration, std::string& out) {
  if (decoration.separator && decoration.currency) {
    out = FormatFloat(value, FloatStyle::Currency, 0);
    return;
  }
  if (decoration.currency) out += locale::kCurrencyString;
  out += FormatInteger(value, decoration.separator);
}

FloatStyle RegroupStyle(NumberCommand command, Decoration decoration) {
  switch (command) {
    case NumberCommand::Group: return decoration.currency ? FloatStyle::Currency : FloatStyle::Number;
    case NumberCommand::Currency: return FloatStyle::Currency;
    case NumberCommand::Uncurrency: return decoration.separator ? FloatStyle::Number : FloatStyle::Fixed;
    default: return FloatStyle::Fixed;
  }
}

bool IsRounding(NumberCommand command) {
  return command == NumberCommand::Round || command == NumberCommand::Ceil || command == NumberCommand::Floor ||
         command == NumberCommand::Truncate;
}

// Write when the new text differs, Keep when the cell already reads so: the
// row then stays as it is and the step keeps nothing for it.
CellOutcome WriteIfChanged(std::string_view text, const std::string& out) {
  return out == text ? CellOutcome::Keep : CellOutcome::Write;
}

}  // namespace

CellOutcome ReformatNumberText(std::string_view text, NumberCommand command, std::string& out) {
  out.clear();
  if (IsRounding(command)) {
    const std::optional<long double> value = ReadCellNumber(text);
    if (!value) return CellOutcome::Keep;
    const std::optional<std::int32_t> whole = RoundToInt32(*value, command);
    if (!whole) return CellOutcome::Fail;
    WriteRounded(*whole, DecorationOf(text), out);
    return WriteIfChanged(text, out);
  }
  const std::string stripped = StripNumberDecoration(text);
  const std::optional<long double> value = ParseReal(stripped);
  if (!value) return CellOutcome::Keep;
  out = FormatFloat(*value, RegroupStyle(command, DecorationOf(text)), DecimalPlaces(stripped));
  return WriteIfChanged(text, out);
}

int ReformatNumbers(TableDocument& grid, const TGridRect& range, NumberCommand command, ProgressSink* progress) {
  CodePageCells cells(grid.Encoding().encoding);
  return ConvertRange(grid, range, progress,
                      [&cells, command](const RangeWalk&, int, int, std::string_view text, std::string& out) {
                        return GuardCell([&] {
                          return cells.Run(text, out, [&](std::string_view cell, std::string& result) {
                            return ReformatNumberText(cell, command, result);
                          });
                        });
                      });
}

std::optional<int> ParseDecimalsAnswer(std::string_view answer) {
  const std::optional<std::int32_t> value = ParseInt32(answer);
  if (!value || *value < 0 || *value > kMaxDecimals) return std::nullopt;
  return static_cast<int>(*value);
}

CellOutcome SetDecimalsText(std::string_view text, int decimals, std::string& out) {
  out.clear();
  const std::optional<long double> value = ReadCellNumber(text);
  if (!value) return CellOutcome::Fail;
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  const Decoration decoration = DecorationOf(text);
  if (decoration.separator) {
    out = FormatFloat(*value, decoration.currency ? FloatStyle::Currency : FloatStyle::Number, decimals);
  } else {
    if (decoration.currency) out += locale::kCurrencyString;
    out += FormatFloat(*value, FloatStyle::Fixed, decimals);
  }
  return WriteIfChanged(text, out);
}

int SetDecimals(TableDocument& grid, const TGridRect& range, int decimals, ProgressSink* progress) {
  CodePageCells cells(grid.Encoding().encoding);
  return ConvertRange(grid, range, progress,
                      [&cells, decimals](const RangeWalk&, int, int, std::string_view text, std::string& out) {
                        return GuardCell([&] {
                          return cells.Run(text, out, [&](std::string_view cell, std::string& result) {
                            return SetDecimalsText(cell, decimals, result);
                          });
                        });
                      });
}

}  // namespace tabulo
