#pragma once

#include <cstddef>
#include <string_view>

namespace tabulo {

// The one place that knows code page 932's double-byte structure. A lead byte
// (0x81..0x9F, 0xE0..0xFC) starts a two-byte character; every scanner steps
// over such characters as units, so a trail byte (which may be 0x5C "\" or
// 0x7C "|") is never taken for a character of its own. The single-byte
// delimiters, quotes and line breaks (all below 0x40) are never trail bytes.
constexpr bool IsLeadByte(unsigned char byte) noexcept {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr bool IsLeadByte(char byte) noexcept { return IsLeadByte(static_cast<unsigned char>(byte)); }

// Length in bytes of the character that starts at `pos` of `text`: 2 for a
// lead byte followed by another byte, else 1 (a lead byte at the very end
// stands alone).
constexpr std::size_t CharLength(std::string_view text, std::size_t pos) noexcept {
  return IsLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

// Position of the first character equal to the single byte `target` at or
// after `from`, stepping over double-byte characters; npos when there is none.
constexpr std::size_t FindChar(std::string_view text, char target, std::size_t from = 0) noexcept {
  for (std::size_t pos = from; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] == target) return pos;
  }
  return std::string_view::npos;
}

// Position of the first occurrence of `needle` that starts on a character
// boundary at or after `from`; npos when there is none.
constexpr std::size_t FindText(std::string_view text, std::string_view needle,
                               std::size_t from = 0) noexcept {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += CharLength(text, pos)) {
    if (text.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return std::string_view::npos;
}

}  // namespace tabulo
