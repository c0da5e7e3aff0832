#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

// A recent-file list ("Csv.his", "Fixed.his"): entry 0 is the folder of the
// last file used, with a trailing path separator; entries 1.. are full paths,
// most recent first. Entries are code page 932 bytes.
using FileHistory = std::vector<std::string>;

// The folder line and twenty files.
inline constexpr std::size_t kMaxHistoryLines = 21;

// Splits a history text into its lines. CR LF, LF and a lone CR each end a
// line; a break at the very end does not start another, empty entry. Empty
// lines elsewhere are kept, so that every entry keeps its position. Also
// serves the settings file's calculation and find histories.
std::vector<std::string> ParseHistoryText(std::string_view bytes);

// Each entry followed by CR LF. An entry that itself holds a line break could
// not be read back as one line; it is written as an empty line instead, which
// keeps the position of the entries after it.
std::string FormatHistoryText(const std::vector<std::string>& entries);

// The list in the file at `path`, or nullopt when the file cannot be read.
std::optional<FileHistory> LoadFileHistory(const std::filesystem::path& path);

// Writes the first kMaxHistoryLines entries to `path`, creating its folder
// when missing; the old file is replaced only once the new one is complete.
// Throws FileError.
void SaveFileHistory(const std::filesystem::path& path, const FileHistory& history);

}  // namespace tabulo
