#pragma once

#include <string>
#include <string_view>

#include "core/locale/CharClass.h"

namespace tabulo {

// `text` (code page 932) mapped by one of the character conversions (the
// mappings are described with CharMapping). Works on whole characters and
// may change the byte length; bytes without a rule stay as they are. Never
// fails.
std::string MapCharClass(std::string_view text, CharMapping mapping);

// The key under which two texts compare equal when the chosen differences
// are ignored: with `ignoreKana` hiragana become katakana, then with
// `ignoreWidth` full width becomes half width, then with `ignoreCase` letters
// become upper case. So "がっこう", "ガッコウ" and "ｶﾞｯｺｳ" share a key with the
// first two options, and "abc" and "ABC" with the last.
std::string NormalizeForCompare(std::string_view text, bool ignoreKana, bool ignoreWidth, bool ignoreCase);

}  // namespace tabulo
