#include "core/document/NumberText.h"

#include <array>

#include "core/locale/Cp932.h"
#include "core/locale/LocaleConventions.h"
#include "core/locale/NumberFormat.h"

namespace tabulo {
namespace {

// Blanks and control characters are single bytes, so they are never lead
// bytes and a scan meets them only on character boundaries.
bool IsBlankOrControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

// The text without leading and trailing blanks and control characters. The
// end is found by walking forward, so that the second byte of a double-byte
// character is never mistaken for a blank.
std::string_view Trim(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && IsBlankOrControl(text[first])) ++first;
  std::size_t end = first;
  for (std::size_t pos = first; pos < text.size();) {
    const std::size_t length = CharLength(text, pos);
    if (length > 1 || !IsBlankOrControl(text[pos])) end = pos + length;
    pos += length;
  }
  return text.substr(first, end - first);
}

// Passes to `keep` the pieces of the trimmed text that remain once the first
// currency string and every thousands separator are cut out. Doing both in
// one pass gives the same pieces as cutting the currency string first,
// because the two strings share no character and both are cut only on
// character boundaries.
template <typename Keep>
void ForEachKeptPiece(std::string_view text, Keep&& keep) {
  const std::string_view trimmed = Trim(text);
  const std::size_t currency = FindText(trimmed, locale::kCurrencyString);
  std::size_t pieceStart = 0;
  std::size_t pos = 0;
  while (pos < trimmed.size()) {
    std::size_t cut = 0;
    if (pos == currency) {
      cut = locale::kCurrencyString.size();
    } else if (trimmed.substr(pos, locale::kThousandSeparator.size()) == locale::kThousandSeparator) {
      cut = locale::kThousandSeparator.size();
    }
    if (cut == 0) {
      pos += CharLength(trimmed, pos);
      continue;
    }
    if (pos > pieceStart) keep(trimmed.substr(pieceStart, pos - pieceStart));
    pos += cut;
    pieceStart = pos;
  }
  if (pos > pieceStart) keep(trimmed.substr(pieceStart, pos - pieceStart));
}

}  // namespace

std::string StripNumberDecoration(std::string_view text) {
  std::string out;
  ForEachKeptPiece(text, [&](std::string_view piece) { out += piece; });
  return out;
}

int DecimalPlaces(std::string_view text) {
  const std::size_t separator = FindText(text, locale::kDecimalSeparator);
  if (separator == std::string_view::npos) return 0;
  // Only the digits count: in "1.5E3" the exponent is not a decimal place.
  int places = 0;
  for (std::size_t pos = separator + locale::kDecimalSeparator.size();
       pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    ++places;
  }
  return places;
}

std::optional<long double> ReadCellNumber(std::string_view text) {
  // Cells are read a million at a time; an ordinary number is stripped into
  // a buffer on the stack. A text too long for it is no ordinary number, but
  // it may still be one, so it takes the general road.
  std::array<char, 64> local;
  std::size_t length = 0;
  bool overflow = false;
  ForEachKeptPiece(text, [&](std::string_view piece) {
    if (overflow || piece.size() > local.size() - length) {
      overflow = true;
      return;
    }
    piece.copy(local.data() + length, piece.size());
    length += piece.size();
  });
  if (overflow) return ParseReal(StripNumberDecoration(text));
  return ParseReal(std::string_view(local.data(), length));
}

std::optional<std::string> GroupForDisplay(std::string_view text, ColumnType type) {
  const std::string stripped = StripNumberDecoration(text);
  switch (type) {
    case ColumnType::Integer:
      if (const auto value = ParseInt32(stripped)) return FormatInteger(*value, true);
      return std::nullopt;
    case ColumnType::Numeric:
    case ColumnType::Currency:
      if (const auto value = ParseReal(stripped)) {
        const FloatStyle style = type == ColumnType::Currency ? FloatStyle::Currency : FloatStyle::Number;
        return FormatFloat(*value, style, DecimalPlaces(stripped));
      }
      return std::nullopt;
    case ColumnType::String:
    case ColumnType::Date:
    case ColumnType::Time:
      break;
  }
  return std::nullopt;
}

}  // namespace tabulo
