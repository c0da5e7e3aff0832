#pragma once

#include <filesystem>
#include <string_view>

namespace plinth {

// Writes `content` to `file` through a temporary file beside it, renamed over
// the old one, so an entry is either the old one or the whole new one. The
// file gets mode 0755 when `executable`, else 0644. False when it cannot be
// written (its folder missing, a folder in the way).
bool WriteTextFile(const std::filesystem::path& file, std::string_view content, bool executable);

// Deletes a file; a missing one is no error. False only when something is
// there and stays.
bool RemoveFile(const std::filesystem::path& file);

// Removes a folder if it is empty; every failure is ignored.
void RemoveFolderIfEmpty(const std::filesystem::path& folder);

}  // namespace plinth
