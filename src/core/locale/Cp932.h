#pragma once

#include <cstddef>
#include <cstring>
#include <string>
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

// A byte that can complete a double-byte character (0x40..0x7E, 0x80..0xFC).
constexpr bool IsTrailByte(char byte) noexcept {
  const auto value = static_cast<unsigned char>(byte);
  return (value >= 0x40 && value <= 0x7E) || (value >= 0x80 && value <= 0xFC);
}

// Length in bytes of the character that starts at `pos` of `text`: 2 for a
// lead byte followed by a trail byte, else 1. A lead byte that cannot pair
// with what follows (text cut in the middle of a character, as fixed-length
// exports do) stands alone, so it never swallows a delimiter, quote or line
// break after it and such text survives a save and a reload.
constexpr std::size_t CharLength(std::string_view text, std::size_t pos) noexcept {
  return IsLeadByte(text[pos]) && pos + 1 < text.size() && IsTrailByte(text[pos + 1]) ? 2 : 1;
}

// Position of the first character equal to the single byte `target` at or
// after `from` (a character boundary), stepping over double-byte characters;
// npos when there is none.
inline std::size_t FindChar(std::string_view text, char target, std::size_t from = 0) noexcept {
  if (from >= text.size()) return std::string_view::npos;
  if (static_cast<unsigned char>(target) < 0x40) {
    // Below 0x40 no byte can be a trail byte, so the first such byte is a
    // character of its own and a plain byte search finds it.
    const void* found = std::memchr(text.data() + from, target, text.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : std::string_view::npos;
  }
  for (std::size_t pos = from; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] == target) return pos;
  }
  return std::string_view::npos;
}

// Whether `text` holds a character that is one of the single bytes for which
// `isMarked` is true. Only bytes below 0x40 may be marked: those are never
// trail bytes, so a plain byte scan finds exactly the characters. The scan
// has no early exit, which lets the compiler check many bytes at once.
template <typename Predicate>
constexpr bool ContainsMarkedChar(std::string_view text, Predicate isMarked) noexcept {
  bool found = false;
  for (const char byte : text) found |= isMarked(static_cast<unsigned char>(byte));
  return found;
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

// The next occurrence of `search` (not empty) at or after the character
// boundary `from` that covers whole characters: it starts on a boundary, and
// it ends on one too, so a search text that ends in a lone lead byte never
// takes the first half of a double-byte character. A plain byte search finds
// the candidates, so a text without the search text costs one fast scan; the
// character boundaries are then stepped only up to a candidate.
inline std::size_t FindWholeText(std::string_view text, std::string_view search, std::size_t from = 0) noexcept {
  std::size_t boundary = from;
  for (std::size_t pos = text.find(search, from); pos != std::string_view::npos; pos = text.find(search, boundary)) {
    while (boundary < pos) boundary += CharLength(text, boundary);
    if (boundary != pos) continue;  // inside a double-byte character
    std::size_t end = pos;
    while (end < pos + search.size()) end += CharLength(text, end);
    if (end == pos + search.size()) return pos;
    boundary += CharLength(text, boundary);
  }
  return std::string_view::npos;
}

// Blanks are the bytes up to and including the space (control characters
// and the space; the full-width space is no blank). They are single bytes
// below 0x40, never the second byte of a double-byte character, so a text can
// be trimmed from behind.
constexpr bool IsBlankByte(char c) noexcept { return static_cast<unsigned char>(c) <= 0x20; }

constexpr std::string_view TrimLeftBlanks(std::string_view text) noexcept {
  while (!text.empty() && IsBlankByte(text.front())) text.remove_prefix(1);
  return text;
}

constexpr std::string_view TrimRightBlanks(std::string_view text) noexcept {
  while (!text.empty() && IsBlankByte(text.back())) text.remove_suffix(1);
  return text;
}

constexpr std::string_view TrimBlanks(std::string_view text) noexcept { return TrimRightBlanks(TrimLeftBlanks(text)); }

// `text` cut to at most `width` bytes without splitting a character, then
// padded with blanks to `width` bytes: a fixed-width field of a list entry
// that never shows half a double-byte character.
inline std::string PadOrCut(std::string_view text, std::size_t width) {
  std::size_t end = 0;
  while (end < text.size() && end + CharLength(text, end) <= width) end += CharLength(text, end);
  std::string field(text.substr(0, end));
  field.resize(width, ' ');
  return field;
}

}  // namespace tabulo
