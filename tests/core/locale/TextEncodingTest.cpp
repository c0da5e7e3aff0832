#include <gtest/gtest.h>

#include <string>

#include "core/base/Errors.h"
#include "core/locale/Cp932.h"
#include "core/locale/EncodingDetection.h"
#include "core/locale/TextConverter.h"

namespace tabulo {
namespace {

constexpr auto kUtf8 = TextEncoding::Utf8;
constexpr auto kSjis = TextEncoding::ShiftJis;

TEST(Utf8Characters, StepOverWellFormedCharactersAndLeaveDamageAsSingleBytes) {
  struct Case {
    std::string text;
    std::size_t length;
  };
  const Case cases[] = {
      {"a", 1},
      {"é", 2},
      {"あ", 3},
      {"〜", 3},            // U+301C
      {"😀", 4},
      {"\xC0\xAF", 1},      // overlong "/"
      {"\xE0\x80\xAF", 1},  // overlong
      {"\xED\xA0\x80", 1},  // a surrogate
      {"\xF4\x90\x80\x80", 1},  // beyond U+10FFFF
      {"\xE3\x81", 1},      // cut off at the end
      {"\xE3\x81,", 1},     // a delimiter is never taken into a character
      {"\x80", 1},          // a stray continuation byte
      {"\xFF", 1},
  };
  for (const auto& [text, length] : cases) EXPECT_EQ(CharLength(text, 0, kUtf8), length) << text;
  EXPECT_TRUE(IsWellFormedUtf8("表計算 ‾¥😀"));
  EXPECT_FALSE(IsWellFormedUtf8("\x95\x5c"));
}

TEST(Utf8Characters, SearchesFindWholeCharactersOnly) {
  // "あ" is E3 81 82 and "ぃ" E3 81 83: the bytes 81 82 also sit inside other
  // characters, and a search for a character's tail must not match there.
  const std::string text = "xあ,い\"ぃ";
  EXPECT_EQ(FindChar(text, ',', 0, kUtf8), 4U);
  EXPECT_EQ(FindChar(text, '"', 0, kUtf8), 8U);
  EXPECT_EQ(FindText(text, "い", 0, kUtf8), 5U);
  EXPECT_EQ(FindWholeText(text, "\x81\x83", 0, kUtf8), std::string_view::npos);
  EXPECT_EQ(FindWholeText(text, "ぃ", 0, kUtf8), 9U);
  // A list field counts columns as the Shift-JIS copy's bytes.
  EXPECT_EQ(PadOrCut("あいう", 8, kUtf8), "あいう  ");
  EXPECT_EQ(PadOrCut("あいう", 5, kUtf8), "あい ");
  EXPECT_EQ(PadOrCut("ｱｲ😀x", 5, kUtf8), "ｱｲ😀x");
  // Read as code page 932, the same bytes pair up differently.
  EXPECT_EQ(PadOrCut("あいう", 8, kSjis), "\xE3\x81\x82\xE3\x81\x84\xE3\x81");
}

TEST(EncodingDetection, TellsUtf8FromShiftJis) {
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" "a,b\r\n"), (FileEncoding{kUtf8, true}));
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" "\x82\xA0"), (FileEncoding{kUtf8, true}));  // the mark decides
  EXPECT_EQ(DetectEncoding("名前,値\n東京,1\n"), (FileEncoding{kUtf8, false}));
  EXPECT_EQ(DetectEncoding("\x96\xBC\x91\x4F,1\n"), (FileEncoding{kSjis, false}));  // 名前 in code page 932
  EXPECT_EQ(DetectEncoding("a,b\r\n1,2\r\n"), (FileEncoding{kSjis, false}));         // ASCII alone
  EXPECT_EQ(DetectEncoding(""), (FileEncoding{kSjis, false}));
  EXPECT_EQ(DetectEncoding("東京\xFF"), (FileEncoding{kSjis, false}));      // damage
  EXPECT_EQ(DetectEncoding("東京\xE3\x81"), (FileEncoding{kSjis, false}));  // cut off at the end
  // Half-width katakana in code page 932 can look like UTF-8 pairs.
  EXPECT_EQ(DetectEncoding("\xC3\xB1"), (FileEncoding{kUtf8, false}));
  EXPECT_EQ(DetectEncoding("\xB1\xB2\xB3"), (FileEncoding{kSjis, false}));
}

TEST(EncodingDetection, PiecesOfAnySizeGiveTheWholeTextsVerdict) {
  const std::string texts[] = {"\xEF\xBB\xBF" "abc", "ascii only, then 😀 and 表計算 over the 8-byte steps", "表\xFF"};
  for (const auto& text : texts) {
    for (std::size_t piece = 1; piece <= 5; ++piece) {
      EncodingSniffer sniffer;
      for (std::size_t at = 0; at < text.size(); at += piece) sniffer.Feed(std::string_view(text).substr(at, piece));
      EXPECT_EQ(sniffer.Result(), DetectEncoding(text)) << text << " in pieces of " << piece;
    }
  }
}

// The bulk of a text is checked sixteen bytes at a time: every kind of
// character and damage must be judged alike wherever a block boundary falls.
TEST(EncodingDetection, BlocksJudgeEveryByteSequenceAsCharactersDo) {
  const std::string sequences[] = {
      "é", "あ", "〜", "😀", "\xF4\x8F\xBF\xBF", "\xEF\xBF\xBD",                   // well-formed
      "\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xE0\x9F\xBF", "\xED\xA0\x80",  // overlong, surrogate
      "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",      // overlong, too large
      "\x80", "\xE3\x81", "\xE3\x81\x82\x82", "\xC3", "\xF0\x9F\x98",          // stray, cut, extra
      "\x82\xA0\x83\x5C",                                                  // Shift-JIS
  };
  for (const auto& sequence : sequences) {
    for (std::size_t before = 0; before <= 20; ++before) {
      for (const std::size_t after : {0, 1, 5, 17}) {
        const std::string text = std::string(before, 'a') + "あ" + sequence + std::string(after, 'b');
        const bool utf8 = IsWellFormedUtf8(text);
        EXPECT_EQ(DetectEncoding(text).encoding == kUtf8, utf8) << before << " " << after;
      }
    }
  }
}

TEST(TextConverterTest, Utf8DocumentsConvertWithoutLoss) {
  TextConverter converter(kUtf8);
  const std::string text = "〜‾¥😀髙";
  EXPECT_EQ(converter.FromUtf16(converter.ToUtf16(text)), text);
  EXPECT_EQ(converter.ToUtf8("a\xFF" "b"), "a\uFFFD" "b");
  EXPECT_THROW(converter.FromUtf16(u"\xD800"), ConvertError);
  EXPECT_THROW(converter.FromUtf8("\xFF"), ConvertError);

  TextConverter cp932(kSjis);
  EXPECT_EQ(cp932.ToUtf8("\x82\xA0"), "あ");
  EXPECT_THROW(cp932.FromUtf8("😀"), ConvertError);
}

}  // namespace
}  // namespace tabulo
