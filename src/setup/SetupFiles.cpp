#include "setup/SetupFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace plinth {
namespace {

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool WriteTextFile(const std::filesystem::path& file, std::string_view content, bool executable) {
  std::error_code error;
  if (std::filesystem::is_directory(std::filesystem::symlink_status(file, error))) return false;

  auto pattern = file.native() + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  const std::filesystem::path temporary(pattern);
  const mode_t mode = executable ? 0755 : 0644;
  const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), file.c_str()) != 0) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

bool RemoveFile(const std::filesystem::path& file) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(file, error);
  if (!std::filesystem::exists(status)) return true;
  if (std::filesystem::is_directory(status)) return false;
  return std::filesystem::remove(file, error);
}

void RemoveFolderIfEmpty(const std::filesystem::path& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(std::filesystem::symlink_status(folder, error)) &&
      std::filesystem::is_empty(folder, error) && !error) {
    std::filesystem::remove(folder, error);
  }
}

}  // namespace plinth
