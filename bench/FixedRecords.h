#pragma once

// A fixed-length file for the benchmarks: 120-byte records of 10 fields
// (code 8, name in half-width katakana 20, name in kanji 20, prefecture code
// 2, date 8, amount 12 with leading zeros, quantity 6, rate 8, flag 1, memo
// 35), CR LF line ends.

#include <array>
#include <cstdio>
#include <string>

#include "core/fixed/FixedFieldCnf.h"

namespace bench {

inline constexpr std::array<int, 10> kFixedLengths = {8, 20, 20, 2, 8, 12, 6, 8, 1, 35};
inline constexpr std::array<int, 10> kFixedTypes = {0, 0, 0, 1, 0, 1, 1, 2, 0, 0};

inline std::string FixedRecords(int lines) {
  // Code page 932 pieces: half-width katakana and kanji.
  static const char* const kKana[] = {"\xB6\xC4\xB3", "\xBD\xDE\xB7", "\xC0\xC5\xB6", "\xCF\xC2\xC0\xDE"};
  static const char* const kKanji[] = {"\x8D\xB2\x93\xA1", "\x97\xE9\x96\xD8", "\x93\x63\x92\x86", "\x8F\xAC\x97\xD1"};
  std::string text;
  text.reserve(static_cast<std::size_t>(lines) * 122);
  char field[64];
  for (int i = 0; i < lines; ++i) {
    const std::size_t start = text.size();
    std::snprintf(field, sizeof field, "%08d", i + 1);
    text += field;
    std::string kana = std::string(kKana[i % 4]) + " " + kKana[(i / 4) % 4];
    kana.resize(20, ' ');
    text += kana;
    std::string kanji = std::string(kKanji[i % 4]) + kKanji[(i / 7) % 4];
    kanji.resize(20, ' ');
    text += kanji;
    std::snprintf(field, sizeof field, "%02d%04d%02d%02d%012d%06d%8.3f%d", i % 47 + 1, 2000 + i % 25, i % 12 + 1,
                  i % 28 + 1, (i * 7919) % 100000000, i % 1000, (i % 10000) / 7.0, i % 2);
    text += field;
    std::string memo = "memo " + std::to_string(i);
    memo.resize(35, ' ');
    text += memo;
    text.resize(start + 120, ' ');
    text += "\r\n";
  }
  return text;
}

// The layout of those records.
inline void LayFixedRecords(tabulo::TFixedFieldCnf& definition) {
  definition.Clear();
  definition.AddField();
  for (std::size_t i = 0; i < kFixedLengths.size(); ++i) {
    definition.AddField();
    tabulo::TGPItem& field = *definition.Field(definition.Count() - 1);
    field.FieldLength = kFixedLengths[i];
    field.DataType = static_cast<std::uint8_t>(kFixedTypes[i]);
  }
  definition.RecomputePositions();
}

}  // namespace bench
