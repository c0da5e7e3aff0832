#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const noexcept { return m_path; }
  std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

 private:
  std::filesystem::path m_path;
};

// A file of the repository's tests/data folder.
std::filesystem::path TestData(std::string_view relative);

// A file of the shared third-party test data, when this machine has it.
std::optional<std::filesystem::path> SharedTestData(std::string_view relative);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// Shift-JIS bytes of a UTF-8 literal, and back; lets tests read naturally.
std::string Sjis(std::string_view utf8);
std::string Utf8(std::string_view sjis);

}  // namespace tabulo::test
