#pragma once

#include <string>
#include <string_view>

#include "core/locale/Cp932.h"

namespace tabulo {

// Letter case of code page 932 text as a Japanese system maps it (the
// Upper and Lower mappings of CharClass.h): the single-byte letters and the
// full-width Latin, Greek and Cyrillic letters change, each keeping its
// width, so the byte length never changes; every other byte stays.
// A UTF-8 text maps as AppendMappedText says.
std::string UpperCase(std::string_view text, TextEncoding encoding = TextEncoding::ShiftJis);
std::string LowerCase(std::string_view text, TextEncoding encoding = TextEncoding::ShiftJis);

}  // namespace tabulo
