#include "core/editing/Trimming.h"

#include "core/editing/RangeWalk.h"
#include "core/locale/Cp932.h"
#include "core/locale/NumberFormat.h"

namespace tabulo {
namespace {

CellOutcome Trim(std::string_view text, TrimKind kind, std::string& out) {
  std::string_view trimmed = text;
  if (kind != TrimKind::Right) trimmed = TrimLeftBlanks(trimmed);
  if (kind != TrimKind::Left) trimmed = TrimRightBlanks(trimmed);
  if (kind != TrimKind::PlainNumber) {
    if (trimmed.size() == text.size()) return CellOutcome::Keep;
    out.assign(trimmed);
    return CellOutcome::Write;
  }
  const auto value = ParseReal(trimmed);
  if (!value) return CellOutcome::Fail;
  out = FormatGeneral(*value);
  return out == text ? CellOutcome::Keep : CellOutcome::Write;
}

}  // namespace

int TrimRange(TableDocument& grid, const TGridRect& range, TrimKind kind, ProgressSink* progress) {
  return ConvertRange(grid, range, progress, [kind](const RangeWalk&, int, int, std::string_view text, std::string& out) {
    return Trim(text, kind, out);
  });
}

}  // namespace tabulo
