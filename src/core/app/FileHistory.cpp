#include "core/app/FileHistory.h"

#include <algorithm>

#include "core/app/SettingsLocation.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"

namespace tabulo {

std::vector<std::string> ParseHistoryText(std::string_view bytes) {
  // No Shift-JIS trail byte lies below 0x40, so a CR or LF byte is always a
  // line break and never half of a character.
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

std::string FormatHistoryText(const std::vector<std::string>& entries) {
  std::string text;
  for (const std::string& entry : entries) {
    if (entry.find_first_of("\r\n") == std::string::npos) text += entry;
    text += "\r\n";
  }
  return text;
}

std::optional<FileHistory> LoadFileHistory(const std::filesystem::path& path) {
  try {
    return ParseHistoryText(ReadWholeFile(path));
  } catch (const FileError&) {
    return std::nullopt;
  }
}

void SaveFileHistory(const std::filesystem::path& path, const FileHistory& history) {
  const std::size_t count = std::min(history.size(), kMaxHistoryLines);
  const FileHistory kept(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(count));
  CreateFolderOf(path);
  WriteWholeFile(path, FormatHistoryText(kept));
}

}  // namespace tabulo
