#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plinth {

// The uninstall entries of installed programs: one small key file per entry
// in DataHome/tabulo/uninstall, named after the entry ("Tabulo36"), holding
// a group of the same name with one "Name=Data" line per value.
std::filesystem::path UninstallFolder(const std::filesystem::path& dataHome);

// A key's values in file order.
using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The values of a key file's text; lines that are no value (comments,
// damage) are skipped, escape sequences undone.
KeyValues ParseKeyFile(std::string_view text);

// The key file's text for `key` and its values.
std::string KeyFileOf(const std::string& key, const KeyValues& values);

// Creates or opens the key and sets the values, keeping any others. False
// when the key cannot be written.
bool WriteKeyValues(const std::filesystem::path& folder, const std::string& key, const KeyValues& values);

// Deletes the named values; the key itself stays. A missing key is no error.
bool DeleteKeyValues(const std::filesystem::path& folder, const std::string& key,
                     const std::vector<std::string>& names);

// Deletes a whole key if it exists.
bool DeleteKey(const std::filesystem::path& folder, const std::string& key);

}  // namespace plinth
