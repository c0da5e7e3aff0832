#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tabulo {

// The one place that knows how a document's bytes form characters: code page
// 932's double-byte structure, and UTF-8's (below). A lead byte
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

// The encodings a document's bytes may be in. Code page 932 is the
// program's own; UTF-8 documents keep their bytes too, and every scanner
// steps their characters through the functions below that take an encoding.
enum class TextEncoding : std::uint8_t { ShiftJis, Utf8 };

// A UTF-8 continuation byte (10xxxxxx).
constexpr bool IsUtf8Continuation(char byte) noexcept { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// What a UTF-8 lead byte promises: the character's length (0 for a byte
// that starts none) and the range its second byte must lie in.
struct Utf8Lead {
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
};

constexpr Utf8Lead Utf8LeadOf(unsigned char lead) noexcept {
  Utf8Lead promise;
  if (lead >= 0xC2 && lead <= 0xDF) {
    promise.length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    promise.length = 3;
    if (lead == 0xE0) promise.low = 0xA0;
    if (lead == 0xED) promise.high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    promise.length = 4;
    if (lead == 0xF0) promise.low = 0x90;
    if (lead == 0xF4) promise.high = 0x8F;
  }
  return promise;
}

// Length in bytes of the well-formed UTF-8 character at `pos` (Unicode's
// table of well-formed byte sequences: no overlong forms, no surrogates,
// nothing beyond U+10FFFF), else 1: a byte that starts no well-formed
// character stands alone, as a lone lead byte of code page 932 does, so
// damaged text keeps every byte through a save and a reload. ASCII bytes
// never occur inside a multi-byte character.
constexpr std::size_t Utf8CharLength(std::string_view text, std::size_t pos) noexcept {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return 1;
  const Utf8Lead promise = Utf8LeadOf(lead);
  const std::size_t length = promise.length;
  if (length == 0 || pos + length > text.size()) return 1;
  const auto second = static_cast<unsigned char>(text[pos + 1]);
  if (second < promise.low || second > promise.high) return 1;
  for (std::size_t k = 2; k < length; ++k) {
    if (!IsUtf8Continuation(text[pos + k])) return 1;
  }
  return length;
}

// The code point of one well-formed UTF-8 character (as Utf8CharLength
// measures it); a single byte stands for itself.
constexpr char32_t Utf8CodePoint(std::string_view character) noexcept {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return lead;
  char32_t code = character.size() == 2 ? (lead & 0x1Fu) : character.size() == 3 ? (lead & 0x0Fu) : (lead & 0x07u);
  for (std::size_t k = 1; k < character.size(); ++k) {
    code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3Fu);
  }
  return code;
}

// Appends the UTF-8 bytes of `code` (at most U+10FFFF) to `out`.
inline void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Length in bytes of the character at `pos` in a text of `encoding`.
constexpr std::size_t CharLength(std::string_view text, std::size_t pos, TextEncoding encoding) noexcept {
  return encoding == TextEncoding::Utf8 ? Utf8CharLength(text, pos) : CharLength(text, pos);
}

// Whether the whole of `text` is well-formed UTF-8.
constexpr bool IsWellFormedUtf8(std::string_view text) noexcept {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8CharLength(text, pos);
    if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return false;
    pos += length;
  }
  return true;
}

// The bytes below which no byte can be part of a longer character: a plain
// byte search finds such a character exactly.
constexpr unsigned char SingleByteLimit(TextEncoding encoding) noexcept {
  return encoding == TextEncoding::Utf8 ? 0x80 : 0x40;
}

// Position of the first character equal to the single byte `target` at or
// after `from` (a character boundary), stepping over double-byte characters;
// npos when there is none.
inline std::size_t FindChar(std::string_view text, char target, std::size_t from = 0,
                            TextEncoding encoding = TextEncoding::ShiftJis) noexcept {
  if (from >= text.size()) return std::string_view::npos;
  if (static_cast<unsigned char>(target) < SingleByteLimit(encoding)) {
    // Such a byte is never part of a longer character, so the first one is
    // a character of its own and a plain byte search finds it.
    const void* found = std::memchr(text.data() + from, target, text.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : std::string_view::npos;
  }
  for (std::size_t pos = from; pos < text.size(); pos += CharLength(text, pos, encoding)) {
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
constexpr std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0,
                               TextEncoding encoding = TextEncoding::ShiftJis) noexcept {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += CharLength(text, pos, encoding)) {
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
inline std::size_t FindWholeText(std::string_view text, std::string_view search, std::size_t from = 0,
                                 TextEncoding encoding = TextEncoding::ShiftJis) noexcept {
  std::size_t boundary = from;
  for (std::size_t pos = text.find(search, from); pos != std::string_view::npos; pos = text.find(search, boundary)) {
    while (boundary < pos) boundary += CharLength(text, boundary, encoding);
    if (boundary != pos) continue;  // inside a longer character
    std::size_t end = pos;
    while (end < pos + search.size()) end += CharLength(text, end, encoding);
    if (end == pos + search.size()) return pos;
    boundary += CharLength(text, boundary, encoding);
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

// The columns a character takes in a fixed-pitch list: as many as its code
// page 932 form has bytes (one for ASCII and half-width katakana, two for
// the rest), so that a UTF-8 text lines up as its Shift-JIS copy does.
constexpr std::size_t CharColumns(std::string_view text, std::size_t pos, TextEncoding encoding) noexcept {
  const std::size_t length = CharLength(text, pos, encoding);
  if (encoding == TextEncoding::ShiftJis || length == 1) return length;
  const char32_t code = Utf8CodePoint(text.substr(pos, length));
  return code >= 0xFF61 && code <= 0xFF9F ? 1 : 2;
}

// `text` cut to at most `width` columns (CharColumns) without splitting a
// character, then padded with blanks to `width` columns: a fixed-width field
// of a list entry that never shows half a double-byte character.
inline std::string PadOrCut(std::string_view text, std::size_t width, TextEncoding encoding = TextEncoding::ShiftJis) {
  std::size_t end = 0;
  std::size_t columns = 0;
  while (end < text.size() && columns + CharColumns(text, end, encoding) <= width) {
    columns += CharColumns(text, end, encoding);
    end += CharLength(text, end, encoding);
  }
  std::string field(text.substr(0, end));
  field.append(width - columns, ' ');
  return field;
}

}  // namespace tabulo
