#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "platform/setup/PosixCommand.h"
#include "platform/setup/ScriptedSetup.h"
#include "setup/DesktopEntryText.h"

namespace plinth::test {

// A home of its own under the temporary folder: the desktop's folders, and an
// installation folder whose name has blanks and Japanese in it. Removed with
// everything in it when the object goes.
class SetupTestTree {
 public:
  explicit SetupTestTree(const std::string& installFolderName = "Tabulo 3.6/表計算") {
    std::string pattern = (std::filesystem::temp_directory_path() / "plinth-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    m_root = pattern;
    m_installFolder = m_root / "opt dir" / installFolderName;
    std::filesystem::create_directories(m_installFolder);
  }
  ~SetupTestTree() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
  }
  SetupTestTree(const SetupTestTree&) = delete;
  SetupTestTree& operator=(const SetupTestTree&) = delete;

  const std::filesystem::path& Root() const { return m_root; }
  const std::filesystem::path& InstallFolder() const { return m_installFolder; }
  std::filesystem::path DataHome() const { return m_root / "home/.local/share"; }
  std::filesystem::path ConfigHome() const { return m_root / "home/.config"; }
  std::filesystem::path Programs() const { return DataHome() / "applications"; }
  std::filesystem::path MenuFolder() const { return Programs() / "Tabulo"; }
  std::filesystem::path Desktop() const { return m_root / "home/デスクトップ"; }

  std::map<SpecialFolder, std::filesystem::path> Folders() const {
    return {{SpecialFolder::DataHome, DataHome()},
            {SpecialFolder::ConfigHome, ConfigHome()},
            {SpecialFolder::Programs, Programs()},
            {SpecialFolder::DesktopDirectory, Desktop()}};
  }

 private:
  std::filesystem::path m_root;
  std::filesystem::path m_installFolder;
};

inline std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// The value of `key` in the first group of a desktop entry's text, as it
// stands in the file (escapes not undone); nullopt when missing.
inline std::optional<std::string> EntryValue(const std::string& entry, const std::string& key) {
  const auto at = entry.find("\n" + key + "=");
  if (at == std::string::npos) return std::nullopt;
  const auto begin = at + key.size() + 2;
  return entry.substr(begin, entry.find('\n', begin) - begin);
}

// What desktop-file-validate says about a file: nullopt when it is not
// installed, "" when the file passes, else its complaints.
inline std::optional<std::string> ValidatorComplaints(const std::filesystem::path& file) {
  if (!RunCommand({"sh", "-c", "command -v desktop-file-validate"})) return std::nullopt;
  const auto command = "desktop-file-validate " + QuoteArgument(file.string()) + " 2>&1; echo \"exit=$?\"";
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    ::pclose(pipe);
  }
  return output.find("exit=0") == std::string::npos ? output : std::string();
}

}  // namespace plinth::test
