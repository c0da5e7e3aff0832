#include "ui/print/ColumnWidthText.h"

#include <cstdlib>

namespace tabulo::ui {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A number of the form [sign] digits [. digits] with at least one digit, its
// whole part and fraction reduced to tenths. Values above `limit` tenths are
// refused while reading, so that long digit strings cannot overflow.
std::optional<std::int64_t> ReadTenths(std::string_view text, bool allowFraction, std::int64_t limit) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int64_t whole = 0;
  bool anyDigit = false;
  bool anyNonZero = false;
  std::size_t i = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    whole = whole * 10 + (text[i] - '0');
    if (whole * 10 > limit) return std::nullopt;
    anyDigit = true;
    anyNonZero = anyNonZero || text[i] != '0';
  }
  int tenth = 0;
  bool roundUp = false;
  if (allowFraction && i < text.size() && text[i] == '.') {
    for (std::size_t place = 0; ++i < text.size() && IsDigit(text[i]); ++place) {
      if (place == 0) tenth = text[i] - '0';
      if (place == 1) roundUp = text[i] >= '5';
      anyDigit = true;
      anyNonZero = anyNonZero || text[i] != '0';
    }
  }
  if (!anyDigit || i != text.size()) return std::nullopt;
  if (negative && anyNonZero) return std::nullopt;
  const std::int64_t tenths = whole * 10 + tenth + (roundUp ? 1 : 0);
  if (tenths > limit) return std::nullopt;
  return tenths;
}

}  // namespace

std::string WidthText(const TGPItem& item, AttributeDialogMode mode) {
  if (mode == AttributeDialogMode::Screen) return std::to_string(item.DisplayWidth) + " Pixcel";
  // Whole tenths, so the one decimal is exact without floating point.
  const std::int64_t tenths = item.PrintWidth;
  const std::int64_t size = std::llabs(tenths);
  return (tenths < 0 ? "-" : "") + std::to_string(size / 10) + "." + std::to_string(size % 10) + " (mm) ";
}

std::optional<std::int32_t> ParseWidth(std::string_view text, AttributeDialogMode mode) {
  const bool print = mode == AttributeDialogMode::Print;
  const std::int64_t limitTenths = print ? kMaxPrintWidth : std::int64_t{kMaxDisplayWidth} * 10;
  const auto tenths = ReadTenths(TrimBlanks(text), print, limitTenths);
  if (!tenths) return std::nullopt;
  return static_cast<std::int32_t>(print ? *tenths : *tenths / 10);
}

}  // namespace tabulo::ui
