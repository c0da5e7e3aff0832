#pragma once

#include <string>
#include <string_view>

#include "core/locale/Cp932.h"

namespace tabulo {

// The character-class mappings of code page 932 text as a Japanese system's
// locale maps it (the tags of the character conversion commands):
// - Upper, Lower: single-byte letters, and the full-width Latin, Greek and
//   Cyrillic letters (and the Roman numerals), each keeping its width;
// - Katakana, Hiragana: the hiragana and katakana of one sound (ゐ/ヰ, ゑ/ヱ,
//   ゎ/ヮ and the iteration marks ゝゞ/ヽヾ included); ヴ, ヵ and ヶ have no
//   hiragana in code page 932 and stay;
// - FullWidth, HalfWidth: ASCII and the full-width space and forms, and the
//   katakana with the kana punctuation 。「」、・ー゛゜; a voiced or
//   semi-voiced katakana (ガ, パ, ヴ) becomes two half-width characters (ｶﾞ)
//   and such a pair combines back into one; hiragana have no half-width form.
enum class CharMapping { Upper = 0, Lower = 1, Katakana = 2, Hiragana = 3, FullWidth = 4, HalfWidth = 5 };

// Appends `text` mapped by `mapping` to `out` and says whether any character
// changed. The mapping works on whole characters (Cp932.h): a character it
// has no rule for is copied byte for byte, so a double-byte character cut at
// the end, a stray byte (0x80, 0xA0, 0xFD..0xFF) and the second code of a
// duplicated character stay as they are. Allocates nothing beyond growing
// `out`. The rules are built from ICU's Unicode data on first use (thread
// safe); throws std::runtime_error when ICU lacks the Windows-31J converter.
//
// A UTF-8 text (`encoding`) maps by the same rules through Unicode: the
// characters of code page 932's repertoire change as there, every other
// character and every byte that forms no character stays.
bool AppendMappedText(std::string_view text, CharMapping mapping, std::string& out,
                      TextEncoding encoding = TextEncoding::ShiftJis);

}  // namespace tabulo
