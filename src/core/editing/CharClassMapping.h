#pragma once

#include <string>
#include <string_view>

#include "core/locale/CharClass.h"

namespace tabulo {

// `text` (code page 932) mapped by one of the character conversions (the
// mappings are described with CharMapping). Works on whole characters and
// may change the byte length; bytes without a rule stay as they are. Never
// fails.
std::string MapCharClass(std::string_view text, CharMapping mapping, TextEncoding encoding = TextEncoding::ShiftJis);

// The key under which two texts compare equal when the chosen differences
// are ignored: with `ignoreKana` hiragana become katakana, then with
// `ignoreWidth` full width becomes half width, then with `ignoreCase` letters
// become upper case. So "がっこう", "ガッコウ" and "ｶﾞｯｺｳ" share a key with the
// first two options, and "abc" and "ABC" with the last.
std::string NormalizeForCompare(std::string_view text, bool ignoreKana, bool ignoreWidth, bool ignoreCase,
                                TextEncoding encoding = TextEncoding::ShiftJis);

// NormalizeForCompare for many texts one after another, as a search over a
// column needs: the keys are built in buffers kept from call to call, so the
// scan allocates only while they grow, and with no option set the text is
// passed through untouched.
class CompareNormalizer {
 public:
  CompareNormalizer(bool ignoreKana, bool ignoreWidth, bool ignoreCase,
                    TextEncoding encoding = TextEncoding::ShiftJis) noexcept
      : m_ignoreKana(ignoreKana), m_ignoreWidth(ignoreWidth), m_ignoreCase(ignoreCase), m_encoding(encoding) {}

  bool Active() const noexcept { return m_ignoreKana || m_ignoreWidth || m_ignoreCase; }
  // The key of `text`, valid until the next call.
  std::string_view operator()(std::string_view text);

 private:
  bool m_ignoreKana;
  bool m_ignoreWidth;
  bool m_ignoreCase;
  TextEncoding m_encoding;
  std::string m_key;
  std::string m_next;
};

}  // namespace tabulo
