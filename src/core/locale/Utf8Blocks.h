#pragma once

#include <cstddef>
#include <string_view>

namespace tabulo {

// What a check of whole blocks of UTF-8 text found.
struct Utf8BlockCheck {
  std::size_t checked = 0;  // bytes from the start that were checked, ending on a character boundary
  bool wellFormed = true;   // no damage in them
  bool multiByte = false;   // a byte of 0x80 or more among them
};

// Checks `text`, which starts on a character boundary, sixteen bytes at a
// time with the processor's vector instructions where it has them (SSSE3),
// by the table of well-formed byte sequences: every pair of neighbouring
// bytes is looked up at once, and a third or fourth byte where none is due,
// or none where one is due, is found from the bytes two and three places
// back. A character that the last block cuts is left to the caller, which
// goes on from `checked`. Without the instructions nothing is checked.
Utf8BlockCheck CheckUtf8Blocks(std::string_view text) noexcept;

}  // namespace tabulo
