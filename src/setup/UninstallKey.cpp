#include "setup/UninstallKey.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "setup/DesktopEntryText.h"
#include "setup/SetupFiles.h"

namespace plinth {
namespace {

// A key file is a few lines; anything much larger is not one of ours.
constexpr std::uintmax_t kLargestKeyFile = 1 << 20;

std::string UnescapeValue(std::string_view value) {
  std::string text;
  text.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's': text += ' '; break;
      case 'n': text += '\n'; break;
      case 't': text += '\t'; break;
      case 'r': text += '\r'; break;
      case '\\': text += '\\'; break;
      default:
        text += '\\';
        text += value[i];
    }
  }
  return text;
}

std::optional<KeyValues> ReadKey(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  if (size > kLargestKeyFile) return KeyValues{};
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseKeyFile(text);
}

std::filesystem::path KeyFile(const std::filesystem::path& folder, const std::string& key) { return folder / key; }

}  // namespace

std::filesystem::path UninstallFolder(const std::filesystem::path& dataHome) {
  return dataHome / "tabulo" / "uninstall";
}

KeyValues ParseKeyFile(std::string_view text) {
  KeyValues values;
  while (!text.empty()) {
    const auto end = text.find('\n');
    auto line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto equals = line.find('=');
    if (line.empty() || line.front() == '#' || line.front() == '[' || equals == std::string_view::npos ||
        equals == 0) {
      continue;
    }
    values.emplace_back(std::string(line.substr(0, equals)), UnescapeValue(line.substr(equals + 1)));
  }
  return values;
}

std::string KeyFileOf(const std::string& key, const KeyValues& values) {
  std::string text = "[" + key + "]\n";
  for (const auto& [name, data] : values) text += name + "=" + EscapeValue(data) + "\n";
  return text;
}

bool WriteKeyValues(const std::filesystem::path& folder, const std::string& key, const KeyValues& values) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  auto stored = ReadKey(KeyFile(folder, key)).value_or(KeyValues{});
  for (const auto& [name, data] : values) {
    const auto same =
        std::find_if(stored.begin(), stored.end(), [&name = name](const auto& value) { return value.first == name; });
    if (same != stored.end()) {
      same->second = data;
    } else {
      stored.emplace_back(name, data);
    }
  }
  return WriteTextFile(KeyFile(folder, key), KeyFileOf(key, stored), false);
}

bool DeleteKeyValues(const std::filesystem::path& folder, const std::string& key,
                     const std::vector<std::string>& names) {
  auto stored = ReadKey(KeyFile(folder, key));
  if (!stored) return true;
  std::erase_if(*stored, [&](const auto& value) {
    return std::find(names.begin(), names.end(), value.first) != names.end();
  });
  return WriteTextFile(KeyFile(folder, key), KeyFileOf(key, *stored), false);
}

bool DeleteKey(const std::filesystem::path& folder, const std::string& key) {
  return RemoveFile(KeyFile(folder, key));
}

}  // namespace plinth
