#include "core/locale/CharClass.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <string>
#include <utility>
#include <vector>

#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

// The rules are tables over code page 932 itself, so that mapping a cell is a
// lookup per character and nothing passes through Unicode. They are derived
// once from ICU's Unicode data (case mappings, character names and the
// <wide>/<narrow> decompositions), restricted to what code page 932 encodes.

constexpr std::size_t kMappingCount = 6;
constexpr std::size_t kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
constexpr std::size_t kTrailSpan = 0xFC - 0x40 + 1;
constexpr unsigned char kHalfKanaFirst = 0xA0;  // the half-width katakana area is 0xA1..0xDF
constexpr std::size_t kHalfKanaSpan = 0xE0 - kHalfKanaFirst;
constexpr std::array<unsigned char, 2> kSoundMarks = {0xDE, 0xDF};  // ﾞ and ﾟ

std::size_t PairIndex(unsigned char lead, unsigned char trail) noexcept {
  const std::size_t row = lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + (0x9F - 0x81 + 1);
  return row * kTrailSpan + (trail - 0x40u);
}

// What a character becomes; no rule when the length is 0.
struct Replacement {
  std::uint8_t length = 0;
  std::array<char, 2> bytes{};
};

struct MappingTable {
  std::array<Replacement, 256> single;
  std::array<Replacement, kLeadCount * kTrailSpan> pair;
  // A half-width katakana followed by ﾞ or ﾟ that together become one
  // character (only the full-width mapping has such rules).
  std::array<std::array<Replacement, kSoundMarks.size()>, kHalfKanaSpan> voiced;
};

using MappingTables = std::array<MappingTable, kMappingCount>;

// Code page 932 as ICU's Windows-31J converter has it, strictly: bytes that
// do not decode and characters that do not encode are refused, never
// substituted, and no fallback mapping is used.
class StrictCodePage {
 public:
  StrictCodePage() {
    UErrorCode error = U_ZERO_ERROR;
    m_converter.reset(ucnv_open("windows-31j", &error));
    if (U_FAILURE(error)) throw std::runtime_error("ICU has no windows-31j converter");
    ucnv_setToUCallBack(m_converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setFromUCallBack(m_converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setFallback(m_converter.get(), false);
  }

  // The one code point that `bytes` stand for.
  std::optional<UChar32> Decode(std::string_view bytes) {
    std::array<UChar, 4> units{};
    UErrorCode error = U_ZERO_ERROR;
    ucnv_resetToUnicode(m_converter.get());
    const int32_t length = ucnv_toUChars(m_converter.get(), units.data(), static_cast<int32_t>(units.size()),
                                         bytes.data(), static_cast<int32_t>(bytes.size()), &error);
    if (U_FAILURE(error) || length == 0) return std::nullopt;
    int32_t index = 0;
    UChar32 c = 0;
    U16_NEXT(units.data(), index, length, c);
    if (index != length) return std::nullopt;
    return c;
  }

  // The bytes of `text`, empty when a character has no code.
  std::string Encode(std::u32string_view text) {
    std::u16string units;
    for (const char32_t c : text) {
      if (U16_LENGTH(c) == 2) {
        units.push_back(static_cast<char16_t>(U16_LEAD(c)));
        units.push_back(static_cast<char16_t>(U16_TRAIL(c)));
      } else {
        units.push_back(static_cast<char16_t>(c));
      }
    }
    std::array<char, 16> bytes{};
    UErrorCode error = U_ZERO_ERROR;
    ucnv_resetFromUnicode(m_converter.get());
    const int32_t length =
        ucnv_fromUChars(m_converter.get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                        reinterpret_cast<const UChar*>(units.data()), static_cast<int32_t>(units.size()), &error);
    if (U_FAILURE(error)) return {};
    return std::string(bytes.data(), static_cast<std::size_t>(length));
  }

 private:
  struct Closer {
    void operator()(UConverter* converter) const noexcept { ucnv_close(converter); }
  };
  std::unique_ptr<UConverter, Closer> m_converter;
};

// One character of code page 932: its bytes and its code point.
struct CodeChar {
  std::string bytes;
  UChar32 code;
};

std::vector<CodeChar> Repertoire(StrictCodePage& codePage) {
  std::vector<CodeChar> chars;
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const std::string bytes(1, static_cast<char>(byte));
    if (IsLeadByte(bytes[0])) continue;
    if (const auto code = codePage.Decode(bytes)) chars.push_back({bytes, *code});
  }
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      if (!IsTrailByte(bytes[1])) continue;
      if (const auto code = codePage.Decode(bytes)) chars.push_back({bytes, *code});
    }
  }
  return chars;
}

std::u32string RawDecomposition(const UNormalizer2* normalizer, UChar32 c) {
  std::array<UChar, 8> units{};
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length =
      unorm2_getRawDecomposition(normalizer, c, units.data(), static_cast<int32_t>(units.size()), &error);
  std::u32string out;
  if (U_FAILURE(error) || length <= 0) return out;
  for (int32_t index = 0; index < length;) {
    UChar32 next = 0;
    U16_NEXT(units.data(), index, length, next);
    out.push_back(static_cast<char32_t>(next));
  }
  return out;
}

int DecompositionType(UChar32 c) { return u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE); }

// The kana of the other kind with the same name: "HIRAGANA LETTER KA" and
// "KATAKANA LETTER KA".
std::optional<UChar32> KanaCounterpart(UChar32 c, std::string_view from, std::string_view to) {
  if (c < 0x3040 || c > 0x30FF) return std::nullopt;
  std::array<char, 128> name{};
  UErrorCode error = U_ZERO_ERROR;
  u_charName(c, U_UNICODE_CHAR_NAME, name.data(), static_cast<int32_t>(name.size()), &error);
  std::string text = name.data();
  if (U_FAILURE(error) || !text.starts_with(from)) return std::nullopt;
  text.replace(0, from.size(), to);
  const UChar32 other = u_charFromName(U_UNICODE_CHAR_NAME, text.c_str(), &error);
  if (U_FAILURE(error)) return std::nullopt;
  return other;
}

// The half- and full-width forms among the characters of code page 932.
struct WidthForms {
  std::map<UChar32, UChar32> halfOf;  // a full-width character (or sound mark) → its half-width form
  std::map<UChar32, UChar32> fullOf;  // a half-width character → its full-width form
};

WidthForms FindWidthForms(const std::vector<CodeChar>& chars) {
  UErrorCode error = U_ZERO_ERROR;
  const UNormalizer2* compatibility = unorm2_getNFKCInstance(&error);
  if (U_FAILURE(error)) throw std::runtime_error("ICU has no NFKC data");
  // The spacing sound marks ゛゜ stand for the combining ones (U+3099,
  // U+309A), which code page 932 lacks: they decompose to a space and the
  // combining mark.
  std::map<UChar32, UChar32> spacingOf;
  for (const CodeChar& c : chars) {
    const std::u32string parts = RawDecomposition(compatibility, c.code);
    if (DecompositionType(c.code) == U_DT_COMPAT && parts.size() == 2 && parts[0] == U' ') {
      spacingOf[static_cast<UChar32>(parts[1])] = c.code;
    }
  }
  WidthForms forms;
  for (const CodeChar& c : chars) {
    const int type = DecompositionType(c.code);
    if (type != U_DT_WIDE && type != U_DT_NARROW) continue;
    const std::u32string parts = RawDecomposition(compatibility, c.code);
    if (parts.size() != 1) continue;
    const auto other = static_cast<UChar32>(parts[0]);
    if (type == U_DT_WIDE) {
      forms.halfOf[c.code] = other;
      forms.fullOf[other] = c.code;
    } else {
      forms.halfOf[other] = c.code;
      const auto spacing = spacingOf.find(other);
      const UChar32 full = spacing != spacingOf.end() ? spacing->second : other;
      forms.halfOf[full] = c.code;
      forms.fullOf[c.code] = full;
    }
  }
  return forms;
}

// What `mapping` makes of one code point; empty when it has no rule.
std::u32string MapCodePoint(CharMapping mapping, UChar32 c, const WidthForms& forms,
                            const UNormalizer2* canonical) {
  const auto one = [](UChar32 x) { return std::u32string(1, static_cast<char32_t>(x)); };
  switch (mapping) {
    case CharMapping::Upper:
      return u_toupper(c) != c ? one(u_toupper(c)) : std::u32string();
    case CharMapping::Lower:
      return u_tolower(c) != c ? one(u_tolower(c)) : std::u32string();
    case CharMapping::Katakana:
      if (const auto other = KanaCounterpart(c, "HIRAGANA ", "KATAKANA ")) return one(*other);
      return {};
    case CharMapping::Hiragana:
      if (const auto other = KanaCounterpart(c, "KATAKANA ", "HIRAGANA ")) return one(*other);
      return {};
    case CharMapping::FullWidth:
      if (const auto full = forms.fullOf.find(c); full != forms.fullOf.end()) return one(full->second);
      return {};
    case CharMapping::HalfWidth: {
      if (const auto half = forms.halfOf.find(c); half != forms.halfOf.end()) return one(half->second);
      // A voiced katakana: its base and its sound mark, each in half width.
      const std::u32string parts = RawDecomposition(canonical, c);
      if (parts.size() != 2) return {};
      const auto base = forms.halfOf.find(static_cast<UChar32>(parts[0]));
      const auto mark = forms.halfOf.find(static_cast<UChar32>(parts[1]));
      if (base == forms.halfOf.end() || mark == forms.halfOf.end()) return {};
      return std::u32string{static_cast<char32_t>(base->second), static_cast<char32_t>(mark->second)};
    }
  }
  return {};
}

Replacement ReplacementOf(const std::string& bytes) {
  Replacement replacement;
  replacement.length = static_cast<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), replacement.bytes.begin());
  return replacement;
}

// Whether `to` may replace the character `from`: it encodes, it differs, and
// a change of case keeps the character's width.
bool Acceptable(CharMapping mapping, const std::string& from, const std::string& to) {
  if (to.empty() || to == from || to.size() > 2) return false;
  const bool caseMapping = mapping == CharMapping::Upper || mapping == CharMapping::Lower;
  return !caseMapping || to.size() == from.size();
}

std::unique_ptr<const MappingTables> BuildTables() {
  StrictCodePage codePage;
  const std::vector<CodeChar> chars = Repertoire(codePage);
  const WidthForms forms = FindWidthForms(chars);
  UErrorCode error = U_ZERO_ERROR;
  const UNormalizer2* canonical = unorm2_getNFCInstance(&error);
  if (U_FAILURE(error)) throw std::runtime_error("ICU has no NFC data");

  auto tables = std::make_unique<MappingTables>();
  for (std::size_t index = 0; index < kMappingCount; ++index) {
    const auto mapping = static_cast<CharMapping>(index);
    MappingTable& table = (*tables)[index];
    for (const CodeChar& c : chars) {
      const std::u32string mapped = MapCodePoint(mapping, c.code, forms, canonical);
      if (mapped.empty()) continue;
      const std::string bytes = codePage.Encode(mapped);
      if (!Acceptable(mapping, c.bytes, bytes)) continue;
      const auto first = static_cast<unsigned char>(c.bytes[0]);
      Replacement& slot = c.bytes.size() == 1 ? table.single[first]
                                              : table.pair[PairIndex(first, static_cast<unsigned char>(c.bytes[1]))];
      slot = ReplacementOf(bytes);
    }
  }

  // Half-width katakana followed by ﾞ or ﾟ combine into one full-width
  // character where code page 932 has it (ｶﾞ → ガ, ﾊﾟ → パ, ｳﾞ → ヴ): the
  // canonical composition of the full-width kana with the combining mark that
  // ﾞ or ﾟ is the narrow form of.
  const UNormalizer2* compatibility = unorm2_getNFKCInstance(&error);
  MappingTable& full = (*tables)[static_cast<std::size_t>(CharMapping::FullWidth)];
  for (std::size_t kana = 0; kana < kHalfKanaSpan; ++kana) {
    const auto base = codePage.Decode(std::string(1, static_cast<char>(kHalfKanaFirst + kana)));
    const auto fullBase = base ? forms.fullOf.find(*base) : forms.fullOf.end();
    if (fullBase == forms.fullOf.end()) continue;
    for (std::size_t mark = 0; mark < kSoundMarks.size(); ++mark) {
      const auto markCode = codePage.Decode(std::string(1, static_cast<char>(kSoundMarks[mark])));
      const std::u32string combining = markCode ? RawDecomposition(compatibility, *markCode) : std::u32string();
      if (combining.size() != 1) continue;
      const UChar32 composed = unorm2_composePair(canonical, fullBase->second, static_cast<UChar32>(combining[0]));
      if (composed < 0) continue;
      const std::string bytes = codePage.Encode(std::u32string(1, static_cast<char32_t>(composed)));
      if (bytes.size() == 2) full.voiced[kana][mark] = ReplacementOf(bytes);
    }
  }
  return tables;
}

const MappingTables& Tables() {
  static const std::unique_ptr<const MappingTables> tables = BuildTables();
  return *tables;
}

// The same rules over Unicode, for UTF-8 text: each code point of code page
// 932's repertoire that has a rule, with its replacement in UTF-8, and the
// half-width kana and sound mark pairs that combine.
struct Utf8MappingTable {
  std::unordered_map<char32_t, std::string> single;
  std::map<std::pair<char32_t, char32_t>, std::string> voiced;
};

using Utf8MappingTables = std::array<Utf8MappingTable, kMappingCount>;

// A single byte below 0x80 is its own code point (ICU's table rotates three
// control codes, which have no rule anyway).
std::optional<UChar32> CodeOf(StrictCodePage& codePage, std::string_view bytes) {
  if (bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) < 0x80) return static_cast<unsigned char>(bytes[0]);
  return codePage.Decode(bytes);
}

std::string Utf8Of(StrictCodePage& codePage, std::string_view bytes) {
  std::string utf8;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = CharLength(bytes, pos);
    if (const auto code = CodeOf(codePage, bytes.substr(pos, length))) AppendUtf8(utf8, static_cast<char32_t>(*code));
    pos += length;
  }
  return utf8;
}

std::unique_ptr<const Utf8MappingTables> BuildUtf8Tables() {
  StrictCodePage codePage;
  const std::vector<CodeChar> chars = Repertoire(codePage);
  auto tables = std::make_unique<Utf8MappingTables>();
  for (std::size_t index = 0; index < kMappingCount; ++index) {
    const MappingTable& table = Tables()[index];
    Utf8MappingTable& utf8 = (*tables)[index];
    for (const CodeChar& c : chars) {
      const auto first = static_cast<unsigned char>(c.bytes[0]);
      const Replacement& rule = c.bytes.size() == 2
                                    ? table.pair[PairIndex(first, static_cast<unsigned char>(c.bytes[1]))]
                                    : table.single[first];
      if (rule.length == 0) continue;
      const auto code = CodeOf(codePage, c.bytes);
      if (code) utf8.single.emplace(static_cast<char32_t>(*code), Utf8Of(codePage, std::string_view(rule.bytes.data(), rule.length)));
    }
    for (std::size_t kana = 0; kana < kHalfKanaSpan; ++kana) {
      for (std::size_t mark = 0; mark < kSoundMarks.size(); ++mark) {
        const Replacement& rule = table.voiced[kana][mark];
        if (rule.length == 0) continue;
        const auto base = CodeOf(codePage, std::string(1, static_cast<char>(kHalfKanaFirst + kana)));
        const auto sound = CodeOf(codePage, std::string(1, static_cast<char>(kSoundMarks[mark])));
        if (base && sound) {
          utf8.voiced.emplace(std::pair<char32_t, char32_t>(static_cast<char32_t>(*base), static_cast<char32_t>(*sound)),
                              Utf8Of(codePage, std::string_view(rule.bytes.data(), rule.length)));
        }
      }
    }
  }
  return tables;
}

const Utf8MappingTables& Utf8Tables() {
  static const std::unique_ptr<const Utf8MappingTables> tables = BuildUtf8Tables();
  return *tables;
}

bool AppendMappedUtf8(std::string_view text, CharMapping mapping, std::string& out) {
  const Utf8MappingTable& table = Utf8Tables()[static_cast<std::size_t>(mapping)];
  bool changed = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8CharLength(text, pos);
    const std::string_view character = text.substr(pos, length);
    pos += length;
    if (length == 1 && static_cast<unsigned char>(character[0]) >= 0x80) {
      out += character;  // a byte that forms no character stays
      continue;
    }
    const char32_t code = Utf8CodePoint(character);
    // Only a half-width katakana can start a pair that combines.
    if (code >= 0xFF61 && code <= 0xFF9F && !table.voiced.empty() && pos < text.size()) {
      const std::size_t nextLength = Utf8CharLength(text, pos);
      const auto pair = table.voiced.find({code, Utf8CodePoint(text.substr(pos, nextLength))});
      if (pair != table.voiced.end()) {
        out += pair->second;
        pos += nextLength;
        changed = true;
        continue;
      }
    }
    const auto rule = table.single.find(code);
    if (rule == table.single.end()) {
      out += character;
    } else {
      out += rule->second;
      changed = true;
    }
  }
  return changed;
}

}  // namespace

bool AppendMappedText(std::string_view text, CharMapping mapping, std::string& out, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8) return AppendMappedUtf8(text, mapping, out);
  const MappingTable& table = Tables()[static_cast<std::size_t>(mapping)];
  // No character more than doubles its bytes (a single byte becomes at most
  // a double-byte character), so the result is written into room made once.
  const std::size_t start = out.size();
  out.resize(start + 2 * text.size());
  char* to = out.data() + start;
  bool changed = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharLength(text, pos);
    const auto first = static_cast<unsigned char>(text[pos]);
    const Replacement* replacement = nullptr;
    std::size_t consumed = length;
    if (length == 2) {
      replacement = &table.pair[PairIndex(first, static_cast<unsigned char>(text[pos + 1]))];
    } else {
      replacement = &table.single[first];
      if (first >= kHalfKanaFirst && first < kHalfKanaFirst + kHalfKanaSpan && pos + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[pos + 1]);
        if (next == kSoundMarks[0] || next == kSoundMarks[1]) {
          const Replacement& pair = table.voiced[first - kHalfKanaFirst][next - kSoundMarks[0]];
          if (pair.length != 0) {
            replacement = &pair;
            consumed = 2;
          }
        }
      }
    }
    // Two bytes are written either way (there is room for them); only the
    // character's own count is kept.
    if (replacement->length != 0) {
      to[0] = replacement->bytes[0];
      to[1] = replacement->bytes[1];
      to += replacement->length;
      changed = true;
    } else {
      to[0] = text[pos];
      to[1] = length == 2 ? text[pos + 1] : '\0';
      to += length;
    }
    pos += consumed;
  }
  out.resize(static_cast<std::size_t>(to - out.data()));
  return changed;
}

}  // namespace tabulo
