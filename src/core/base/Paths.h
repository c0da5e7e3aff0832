#pragma once

#include <filesystem>
#include <string_view>

namespace tabulo {

// `path` with its extension (from the last "." of the file name on) replaced
// by `extension`, or with `extension` appended when the name has no ".".
// Unlike std::filesystem, a name that starts with "." counts that as its
// extension, so every file finds its side file by the same rule.
std::filesystem::path ChangeFileExt(const std::filesystem::path& path, std::string_view extension);

}  // namespace tabulo
