#include "core/editing/Trimming.h"

#include "core/editing/RangeWalk.h"
#include "core/locale/NumberFormat.h"

namespace tabulo {
namespace {

// Blanks are single bytes below 0x40, never the second byte of a double-byte
// character, so the end of a text can be trimmed from behind.
constexpr bool IsBlank(char c) noexcept { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view TrimLeft(std::string_view text) noexcept {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimRight(std::string_view text) noexcept {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

CellOutcome Trim(std::string_view text, TrimKind kind, std::string& out) {
  std::string_view trimmed = text;
  if (kind != TrimKind::Right) trimmed = TrimLeft(trimmed);
  if (kind != TrimKind::Left) trimmed = TrimRight(trimmed);
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
