#include "core/document/StoredTitle.h"

#include <charconv>
#include <optional>

#include "core/base/Errors.h"
#include "core/locale/TextConverter.h"

namespace tabulo {
namespace {

constexpr char32_t kStrayByteBase = 0xDC80;

void AppendReference(std::string& out, char32_t code) {
  char digits[8];
  const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(code), 16).ptr;
  out += "&#x";
  out.append(digits, end);
  out += ';';
}

// The code page 932 bytes of one UTF-8 character, when they read back as it.
std::optional<std::string> Cp932Of(TextConverter& cp932, std::string_view character) {
  try {
    std::string bytes = cp932.FromUtf8(character);
    if (cp932.ToUtf8(bytes) == character) return bytes;
  } catch (const ConvertError&) {
  }
  return std::nullopt;
}

// The reference "&#xHEX;" at the start of `text`: its code and length.
std::optional<std::pair<char32_t, std::size_t>> ReferenceAt(std::string_view text) {
  if (!text.starts_with("&#x")) return std::nullopt;
  const auto end = text.find(';');
  if (end == std::string_view::npos || end == 3 || end > 9) return std::nullopt;
  std::uint32_t code = 0;
  const auto digits = text.substr(3, end - 3);
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), code, 16);
  if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || code > 0x10FFFF) return std::nullopt;
  return std::pair<char32_t, std::size_t>{code, end + 1};
}

}  // namespace

std::string StoredTitle(std::string_view title, TextEncoding encoding) {
  if (encoding == TextEncoding::ShiftJis) return std::string(title);
  TextConverter cp932(TextEncoding::ShiftJis);
  std::string stored;
  for (std::size_t pos = 0; pos < title.size();) {
    const std::size_t length = Utf8CharLength(title, pos);
    const std::string_view character = title.substr(pos, length);
    pos += length;
    if (character == "&") {
      AppendReference(stored, '&');
    } else if (length == 1 && static_cast<unsigned char>(character[0]) < 0x80) {
      stored += character;
    } else if (length == 1) {
      AppendReference(stored, kStrayByteBase + static_cast<unsigned char>(character[0]) - 0x80);
    } else if (const auto bytes = Cp932Of(cp932, character)) {
      stored += *bytes;
    } else {
      AppendReference(stored, Utf8CodePoint(character));
    }
  }
  return stored;
}

std::string TitleFromStored(std::string_view stored, TextEncoding encoding) {
  if (encoding == TextEncoding::ShiftJis) return std::string(stored);
  TextConverter cp932(TextEncoding::ShiftJis);
  const std::string text = cp932.ToUtf8(stored);
  std::string title;
  for (std::size_t pos = 0; pos < text.size();) {
    const auto reference = ReferenceAt(std::string_view(text).substr(pos));
    if (!reference) {
      title += text[pos++];
      continue;
    }
    const char32_t code = reference->first;
    if (code >= kStrayByteBase && code < kStrayByteBase + 0x80) {
      title += static_cast<char>(code - kStrayByteBase + 0x80);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      title.append(text, pos, reference->second);  // no character: kept as written
    } else {
      AppendUtf8(title, code);
    }
    pos += reference->second;
  }
  return title;
}

}  // namespace tabulo
