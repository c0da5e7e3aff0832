#include "core/editing/CharClassMapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/locale/CaseMapping.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;
using test::Utf8;

struct MappingCase {
  CharMapping mapping;
  const char* text;  // UTF-8
  const char* expected;
};

TEST(MapCharClass, MapsWholeCharactersByTheirClass) {
  const std::vector<MappingCase> cases = {
      {CharMapping::HalfWidth, "ガ", "ｶﾞ"},
      {CharMapping::FullWidth, "ｶﾞ", "ガ"},
      {CharMapping::HalfWidth, "パピプ", "ﾊﾟﾋﾟﾌﾟ"},
      {CharMapping::FullWidth, "ﾊﾟﾋﾟﾌﾟ", "パピプ"},
      {CharMapping::HalfWidth, "ヴ", "ｳﾞ"},
      {CharMapping::FullWidth, "ｳﾞ", "ヴ"},
      {CharMapping::FullWidth, "ﾜﾞｱﾟﾞ", "ワ゛ア゜゛"},  // no single character for these pairs
      {CharMapping::HalfWidth, "「テスト」、。・ー゛゜", "｢ﾃｽﾄ｣､｡･ｰﾞﾟ"},
      {CharMapping::FullWidth, "｢ﾃｽﾄ｣､｡･ｰﾞﾟ", "「テスト」、。・ー゛゜"},
      {CharMapping::FullWidth, "Ab 1!~\\", "Ａｂ　１！～＼"},
      {CharMapping::HalfWidth, "Ａｂ　１！～＼", "Ab 1!~\\"},
      {CharMapping::FullWidth, "ソ表\\", "ソ表＼"},  // trail byte 0x5C is no "\"
      {CharMapping::HalfWidth, "ひらがなヵヶヰヱヮ漢字￥", "ひらがなヵヶヰヱヮ漢字￥"},
      {CharMapping::Katakana, "ゐゑゎがぱゝゞ", "ヰヱヮガパヽヾ"},
      {CharMapping::Hiragana, "ヰヱヮガパヽヾ", "ゐゑゎがぱゝゞ"},
      {CharMapping::Hiragana, "ヴヵヶｶﾀｶﾅー", "ヴヵヶｶﾀｶﾅー"},
      {CharMapping::Katakana, "ｶﾀｶﾅabc", "ｶﾀｶﾅabc"},
      {CharMapping::Upper, "abcｘｙｚαβγабвё", "ABCＸＹＺΑΒΓАБВЁ"},
      {CharMapping::Lower, "ABCＸＹＺΑΒΓАБВЁ", "abcｘｙｚαβγабвё"},
      {CharMapping::Upper, "ｱｲｳあア漢", "ｱｲｳあア漢"},
  };
  for (const MappingCase& c : cases) {
    EXPECT_EQ(Utf8(MapCharClass(Sjis(c.text), c.mapping)), c.expected)
        << c.text << " by mapping " << static_cast<int>(c.mapping);
  }
}

TEST(MapCharClass, LeavesBytesWithoutARuleAsTheyAre) {
  const std::vector<std::string> texts = {
      "\x82",                  // a double-byte character cut at the end
      "\x80\xA0\xFD\xFE\xFF",  // stray bytes
      "\x87\x90",              // ≒ in the NEC rows, which decodes like 0x81E0
      "\xFA\x55",              // ￤ in the IBM rows, which decodes like 0xEEFA
      "\xF0\x40",              // the user-defined area
  };
  for (const std::string& text : texts) {
    for (int mapping = 0; mapping <= 5; ++mapping) {
      EXPECT_EQ(MapCharClass(text, static_cast<CharMapping>(mapping)), text) << Utf8(text) << " by " << mapping;
    }
  }
  EXPECT_EQ(MapCharClass(Sjis("ab") + "\x82", CharMapping::Upper), Sjis("AB") + "\x82");
  EXPECT_EQ(MapCharClass(Sjis("ab") + "\x82", CharMapping::FullWidth), Sjis("ａｂ") + "\x82");
  // A lead byte that cannot pair stands alone; the space after it is mapped.
  EXPECT_EQ(MapCharClass("\x82 ", CharMapping::FullWidth), "\x82" + Sjis("　"));
  // The duplicated Roman numerals do have a rule: the partner's first code.
  EXPECT_EQ(MapCharClass("\xFA\x40\xEE\xEF", CharMapping::Upper), "\x87\x54\x87\x54");
}

TEST(CaseMapping, KeepsTheByteLength) {
  EXPECT_EQ(Utf8(UpperCase(Sjis("xabcx ｘ ω ソ"))), "XABCX Ｘ Ω ソ");
  EXPECT_EQ(Utf8(LowerCase(Sjis("XABCX Ｘ Ω ソ"))), "xabcx ｘ ω ソ");
}

TEST(NormalizeForCompare, KatakanaThenHalfWidthThenUpperCase) {
  const std::string hiragana = Sjis("がっこうＡｂｃ");
  const std::string katakana = Sjis("ガッコウabc");
  const std::string halfWidth = Sjis("ｶﾞｯｺｳABC");
  for (const std::string& text : {hiragana, katakana, halfWidth}) {
    EXPECT_EQ(Utf8(NormalizeForCompare(text, true, true, true)), "ｶﾞｯｺｳABC") << Utf8(text);
  }
  // Hiragana have no half-width form: only through katakana do they meet it.
  EXPECT_EQ(Utf8(NormalizeForCompare(Sjis("が"), false, true, false)), "が");
  EXPECT_EQ(Utf8(NormalizeForCompare(Sjis("が"), true, true, false)), "ｶﾞ");
  EXPECT_EQ(Utf8(NormalizeForCompare(Sjis("がａ"), true, false, true)), "ガＡ");
  EXPECT_EQ(Utf8(NormalizeForCompare(Sjis("がａ"), false, false, false)), "がａ");
}

}  // namespace
}  // namespace tabulo
