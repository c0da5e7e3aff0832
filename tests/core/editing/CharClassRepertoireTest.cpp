// Every character of code page 932 through every character mapping, against
// what the Unicode Character Database says, restricted to code page 932. The
// expectations are derived here from the shared data files alone (the UCD's
// case mappings, <wide>/<narrow> and canonical decompositions, and the WHATWG
// Shift_JIS index for the code page), not from ICU, which builds the
// program's tables.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/editing/CharClassMapping.h"
#include "core/locale/Cp932.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

struct UcdChar {
  std::string category;
  std::string decompositionTag;  // "" for a canonical decomposition
  std::u32string decomposition;
  char32_t upper = 0;
  char32_t lower = 0;
};

std::vector<std::string> Fields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, separator)) fields.push_back(field);
  if (!line.empty() && line.back() == separator) fields.emplace_back();
  return fields;
}

char32_t CodePoint(const std::string& text) { return static_cast<char32_t>(std::stoul(text, nullptr, 16)); }

std::map<char32_t, UcdChar> ReadUnicodeData(const std::string& text) {
  std::map<char32_t, UcdChar> chars;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = Fields(line, ';');
    if (f.size() < 15) continue;
    UcdChar c;
    c.category = f[2];
    std::stringstream parts(f[5]);
    std::string part;
    while (parts >> part) {
      if (part.front() == '<') {
        c.decompositionTag = part;
      } else {
        c.decomposition.push_back(CodePoint(part));
      }
    }
    if (!f[12].empty()) c.upper = CodePoint(f[12]);
    if (!f[13].empty()) c.lower = CodePoint(f[13]);
    chars[CodePoint(f[0])] = c;
  }
  return chars;
}

// Code page 932 after the WHATWG index: double-byte codes from pointers, the
// single bytes as ASCII and half-width katakana; a character that has several
// codes is written with its first one outside the NEC-selected IBM rows, as
// Windows writes it.
struct CodePage {
  std::map<std::string, char32_t> decode;
  std::map<char32_t, std::string> encode;
};

CodePage ReadIndex(const std::string& text) {
  CodePage page;
  for (int byte = 0; byte < 0x80; ++byte) {
    page.decode[std::string(1, static_cast<char>(byte))] = static_cast<char32_t>(byte);
  }
  for (int byte = 0xA1; byte <= 0xDF; ++byte) {
    page.decode[std::string(1, static_cast<char>(byte))] = static_cast<char32_t>(0xFF61 + byte - 0xA1);
  }
  for (const auto& [bytes, code] : page.decode) page.encode[code] = bytes;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::stringstream fields(line);
    int pointer = 0;
    std::string code;
    fields >> pointer >> code;
    const int lead = pointer / 188 + (pointer / 188 < 0x1F ? 0x81 : 0xC1);
    const int trail = pointer % 188 + (pointer % 188 < 0x3F ? 0x40 : 0x41);
    const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
    const char32_t value = CodePoint(code.substr(2));
    page.decode[bytes] = value;
    const bool necSelectedIbm = pointer >= 8272 && pointer <= 8835;
    if (!necSelectedIbm) page.encode.emplace(value, bytes);
  }
  return page;
}

class Expectations {
 public:
  Expectations(std::map<char32_t, UcdChar> ucd, CodePage page) : m_ucd(std::move(ucd)), m_page(std::move(page)) {
    for (const auto& [code, c] : m_ucd) {
      if (c.decomposition.size() != 1 && c.decompositionTag != "<compat>") continue;
      if (c.decompositionTag == "<wide>") {
        m_halfOf[code] = c.decomposition[0];
        m_fullOf[c.decomposition[0]] = code;
      } else if (c.decompositionTag == "<narrow>") {
        m_halfOf[c.decomposition[0]] = code;
        m_fullOf[code] = c.decomposition[0];
      } else if (c.decomposition.size() == 2 && c.decomposition[0] == U' ') {
        m_spacingOf[c.decomposition[1]] = code;  // ゛ is <compat> 0020 3099
      }
    }
    for (const auto& [code, c] : m_ucd) {
      if (c.decompositionTag.empty() && c.decomposition.size() == 2) m_composed[c.decomposition] = code;
    }
  }

  const CodePage& Page() const { return m_page; }

  // The bytes `mapping` should make of one character: the mapped characters
  // when code page 932 has them all, else the character as it was.
  std::string Map(CharMapping mapping, const std::string& bytes) const {
    const auto code = m_page.decode.find(bytes);
    if (code == m_page.decode.end()) return bytes;
    const std::string mapped = Encode(MapCode(mapping, code->second));
    const bool caseMapping = mapping == CharMapping::Upper || mapping == CharMapping::Lower;
    if (mapped.empty() || (caseMapping && mapped.size() != bytes.size())) return bytes;
    return mapped;
  }

  // A half-width katakana followed by ﾞ or ﾟ in full width: one character
  // when the pair composes to one, else each on its own.
  std::string FullWidthPair(const std::string& kana, const std::string& mark) const {
    const char32_t base = Full(m_page.decode.at(kana));
    const char32_t combining = m_ucd.at(m_page.decode.at(mark)).decomposition.at(0);
    const auto composed = m_composed.find(std::u32string{base, combining});
    const std::string bytes = composed != m_composed.end() ? Encode(std::u32string(1, composed->second)) : "";
    return !bytes.empty() ? bytes : Map(CharMapping::FullWidth, kana) + Map(CharMapping::FullWidth, mark);
  }

 private:
  static bool IsLetter(const UcdChar* c) { return c && (c->category == "Lo" || c->category == "Lm"); }
  const UcdChar* Find(char32_t code) const {
    const auto found = m_ucd.find(code);
    return found != m_ucd.end() ? &found->second : nullptr;
  }
  char32_t Full(char32_t code) const {
    const auto full = m_fullOf.find(code);
    if (full == m_fullOf.end()) return 0;
    const auto spacing = m_spacingOf.find(full->second);
    return spacing != m_spacingOf.end() ? spacing->second : full->second;
  }
  std::optional<char32_t> Half(char32_t code) const {
    if (const auto half = m_halfOf.find(code); half != m_halfOf.end()) return half->second;
    const UcdChar* c = Find(code);
    if (c && c->decompositionTag == "<compat>" && c->decomposition.size() == 2 && c->decomposition[0] == U' ') {
      return Half(c->decomposition[1]);
    }
    return std::nullopt;
  }

  std::u32string MapCode(CharMapping mapping, char32_t code) const {
    const UcdChar* c = Find(code);
    if (!c) return {};
    switch (mapping) {
      case CharMapping::Upper: return c->upper ? std::u32string(1, c->upper) : U"";
      case CharMapping::Lower: return c->lower ? std::u32string(1, c->lower) : U"";
      // The kana of one sound lie 0x60 apart.
      case CharMapping::Katakana:
        return code >= 0x3041 && code <= 0x309F && IsLetter(c) && IsLetter(Find(code + 0x60))
                   ? std::u32string(1, code + 0x60) : U"";
      case CharMapping::Hiragana:
        return code >= 0x30A1 && code <= 0x30FF && IsLetter(c) && IsLetter(Find(code - 0x60))
                   ? std::u32string(1, code - 0x60) : U"";
      case CharMapping::FullWidth: return Full(code) ? std::u32string(1, Full(code)) : U"";
      case CharMapping::HalfWidth: {
        if (const auto half = Half(code)) return std::u32string(1, *half);
        if (!c->decompositionTag.empty() || c->decomposition.size() != 2) return {};
        const auto base = Half(c->decomposition[0]);
        const auto mark = Half(c->decomposition[1]);
        return base && mark ? std::u32string{*base, *mark} : U"";
      }
    }
    return {};
  }

  std::string Encode(const std::u32string& text) const {
    std::string bytes;
    for (const char32_t code : text) {
      const auto found = m_page.encode.find(code);
      if (found == m_page.encode.end()) return {};
      bytes += found->second;
    }
    return bytes;
  }

  std::map<char32_t, UcdChar> m_ucd;
  CodePage m_page;
  std::map<char32_t, char32_t> m_halfOf;
  std::map<char32_t, char32_t> m_fullOf;
  std::map<char32_t, char32_t> m_spacingOf;
  std::map<std::u32string, char32_t> m_composed;
};

std::string Hex(const std::string& bytes) {
  std::string out;
  for (const char byte : bytes) {
    std::array<char, 4> text{};
    std::snprintf(text.data(), text.size(), "%02X", static_cast<unsigned char>(byte));
    out += text.data();
  }
  return out;
}

constexpr std::array kMappings = {CharMapping::Upper,    CharMapping::Lower,     CharMapping::Katakana,
                                  CharMapping::Hiragana, CharMapping::FullWidth, CharMapping::HalfWidth};

class CharClassRepertoire : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto ucd = test::SharedTestData("unicode-ucd-6.3.0/UnicodeData.txt");
    const auto index = test::SharedTestData("whatwg-encoding/index-jis0208.txt");
    if (!ucd || !index) GTEST_SKIP() << "the shared Unicode and WHATWG data are not on this machine";
    m_expect.emplace(ReadUnicodeData(test::ReadFile(*ucd)), ReadIndex(test::ReadFile(*index)));
  }

  // Compares the mapping of `cell` with `expected` under `mapping`, reporting
  // only the first few differences of a run.
  void Check(CharMapping mapping, const std::string& cell, const std::string& expected) {
    const std::string actual = MapCharClass(cell, mapping);
    if (actual == expected) return;
    ++m_differences;
    EXPECT_LT(m_differences, 20) << "mapping " << static_cast<int>(mapping) << ": " << Hex(cell) << " -> "
                                 << Hex(actual) << ", expected " << Hex(expected);
  }

  std::optional<Expectations> m_expect;
  int m_differences = 0;
};

TEST_F(CharClassRepertoire, EveryDoubleByteCodeMapsAsTheUnicodeDataSays) {
  int codes = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int second = 0; second <= 0xFF; ++second) {
      const std::string cell{static_cast<char>(lead), static_cast<char>(second)};
      const bool paired = IsTrailByte(cell[1]);
      codes += paired && m_expect->Page().decode.contains(cell);
      for (const CharMapping mapping : kMappings) {
        // A lead byte that cannot pair stands alone and the byte after it is
        // a character of its own.
        const std::string expected =
            paired ? m_expect->Map(mapping, cell) : cell.substr(0, 1) + m_expect->Map(mapping, cell.substr(1));
        Check(mapping, cell, expected);
      }
    }
  }
  EXPECT_EQ(codes, 7724);
  EXPECT_EQ(m_differences, 0);
}

TEST_F(CharClassRepertoire, EverySingleByteAndHalfWidthPairMapsAsTheUnicodeDataSays) {
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const std::string cell(1, static_cast<char>(byte));
    // A lead byte alone is a cut character and stays.
    for (const CharMapping mapping : kMappings) {
      Check(mapping, cell, IsLeadByte(cell[0]) ? cell : m_expect->Map(mapping, cell));
    }
  }
  for (int kana = 0xA1; kana <= 0xDF; ++kana) {
    for (const char mark : {'\xDE', '\xDF'}) {
      const std::string first(1, static_cast<char>(kana));
      const std::string second(1, mark);
      for (const CharMapping mapping : kMappings) {
        const std::string expected = mapping == CharMapping::FullWidth
                                         ? m_expect->FullWidthPair(first, second)
                                         : m_expect->Map(mapping, first) + m_expect->Map(mapping, second);
        Check(mapping, first + second, expected);
      }
    }
  }
  EXPECT_EQ(m_differences, 0);
}

}  // namespace
}  // namespace tabulo
