#pragma once

#include <string>
#include <string_view>

namespace tabulo {

// Appends to `out` a key of the UTF-8 text `utf8` whose bytes order as the
// text's code page 932 bytes would: each character that code page 932 holds
// as the bytes it is saved as, every other character after all of them (in
// code point order), and a byte that forms no character after those. Sorting
// "by character code" orders a UTF-8 document as its Shift-JIS copy.
void AppendCp932OrderKey(std::string_view utf8, std::string& out);

}  // namespace tabulo
