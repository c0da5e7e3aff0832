#pragma once

#include <string>
#include <string_view>

namespace tabulo::cli {

// Appends `utf8` to `out` as a JSON string literal.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace tabulo::cli
