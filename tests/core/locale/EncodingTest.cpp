#include "core/locale/Encoding.h"

#include <gtest/gtest.h>

#include "core/base/Errors.h"

namespace tabulo {
namespace {

TEST(Cp932Converter, ExtensionCharactersSurviveARoundTrip) {
  Cp932Converter converter;
  // 髙 (IBM extension), Ⅲ and ㎝ (NEC row 13), a kana, and a character whose
  // trail byte is 0x5C.
  const std::string sjis = "\xFB\xFC\x87\x56\x87\x70\x82\xA0\x83\x5C";
  EXPECT_EQ(converter.ToUtf8(sjis), "髙Ⅲ㎝あソ");
  EXPECT_EQ(converter.FromUtf8("髙Ⅲ㎝あソ"), sjis);
}

TEST(Cp932Converter, DuplicateCodesComeBackAsTheirPreferredForm) {
  Cp932Converter converter;
  // NEC 0x8790 (≒) and the JIS 0x81E0 are one character; encoding picks 0x81E0.
  EXPECT_EQ(converter.FromUtf8(converter.ToUtf8("\x87\x90")), "\x81\xE0");
}

TEST(Cp932Converter, UndecodableBytesBecomeReplacementCharacters) {
  Cp932Converter converter;
  EXPECT_EQ(converter.ToUtf8("a\x80" "b"), "a\uFFFD" "b");
  EXPECT_EQ(converter.ToUtf8("\xA0\xFD"), "\uFFFD\uFFFD");
  EXPECT_EQ(converter.ToUtf8("x\x82"), "x\uFFFD");  // a lead byte cut off at the end
  EXPECT_EQ(converter.ToUtf8(""), "");
}

TEST(Cp932Converter, AsciiControlCodesStayThemselves) {
  Cp932Converter converter;
  const std::string controls = "\x1A\x1C\x7F" "a\x82\xA0";
  EXPECT_EQ(converter.ToUtf16(controls), u"\x1A\x1C\x7F" u"aあ");
  EXPECT_EQ(converter.FromUtf16(u"\x1A\x1C\x7F" u"aあ"), controls);
  EXPECT_THROW(converter.FromUtf16(u"\x7F😀"), ConvertError);
}

TEST(Cp932Converter, CharactersOutsideTheCodePageAreRefused) {
  Cp932Converter converter;
  EXPECT_THROW(converter.FromUtf8("😀"), ConvertError);
  EXPECT_THROW(converter.FromUtf8("\xFF\xFE"), ConvertError);  // not UTF-8
  EXPECT_EQ(converter.FromUtf8("ｱｲｳ"), "\xB1\xB2\xB3");  // half-width kana are single bytes
}

}  // namespace
}  // namespace tabulo
