#pragma once

#include <string>
#include <string_view>

namespace tabulo {

// Letter case of code page 932 text as a Japanese system maps it: only the
// single-byte letters a..z and A..Z change; double-byte characters (full-width
// letters included) and their trail bytes stay as they are.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

}  // namespace tabulo
