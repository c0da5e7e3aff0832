#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plinth {

// The texts of freedesktop.org desktop entries and key files.

// A value of type string as a key file stores it: backslash, line feed, tab
// and carriage return as escape sequences, a leading blank as "\s" (key files
// drop leading blanks otherwise).
std::string EscapeValue(std::string_view text);

// One argument of a command line in double quotes, with a backslash before
// each '"', '`', '$' and '\'. This is the desktop entry's quoting for Exec
// lines and also reads back unchanged in a POSIX shell.
std::string QuoteArgument(std::string_view argument);

// An Exec value: the quoted arguments (with every '%' doubled, as field codes
// require) followed by the unquoted field code, if any ("%f").
std::string ExecValue(const std::vector<std::string>& arguments, std::string_view fieldCode = {});

// Desktop entries are UTF-8 throughout; a path that is not cannot go in one.
bool IsValidUtf8(std::string_view text);

}  // namespace plinth
