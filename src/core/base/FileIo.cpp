#include "core/base/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>
#include <cstring>
#include <random>

#include "core/base/Errors.h"
#include "core/base/Messages.h"

namespace tabulo {
namespace {

std::string DescribeErrno(int error) {
  switch (error) {
    case ENOENT: return "ファイルまたはフォルダが見つかりません。";
    case EACCES:
    case EPERM: return "アクセスが拒否されました。";
    case ENOSPC:
    case EDQUOT: return "ディスクの空き容量が不足しています。";
    case EISDIR: return "同じ名前のフォルダがあります。";
    case EROFS: return "読み取り専用のファイルシステムです。";
    case ENOTDIR: return "パスの途中がフォルダではありません。";
    case ENAMETOOLONG: return "ファイル名が長すぎます。";
    default: return std::strerror(error);
  }
}

[[noreturn]] void ThrowFileError(MessageId id, const std::filesystem::path& path, int error) {
  throw FileError(FormatMessage(id, {path.string(), DescribeErrno(error)}), path);
}

// Whether the file's permission bits let this user write it (owner, else
// group, else others). Deliberately the bits alone: replacing a file by
// renaming over it only needs a writable folder, and a file its owner made
// read-only must stay as it is whoever saves over it.
bool HasWritePermission(const struct stat& info) {
  if (info.st_uid == ::geteuid()) return (info.st_mode & S_IWUSR) != 0;
  bool inGroup = info.st_gid == ::getegid();
  if (!inGroup) {
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) == count) {
      inGroup = std::find(groups.begin(), groups.end(), info.st_gid) != groups.end();
    }
  }
  return (info.st_mode & (inGroup ? S_IWGRP : S_IWOTH)) != 0;
}

}  // namespace

std::size_t MemorySource::Read(char* buffer, std::size_t size) {
  const std::size_t count = std::min(size, m_bytes.size() - m_pos);
  std::memcpy(buffer, m_bytes.data() + m_pos, count);
  m_pos += count;
  return count;
}

InputFile::InputFile(const std::filesystem::path& path) : m_path(path) {
  m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (m_fd < 0) ThrowFileError(MessageId::FileOpenFailed, path, errno);
  struct stat info {};
  if (::fstat(m_fd, &info) != 0) {
    const int error = errno;
    ::close(m_fd);
    ThrowFileError(MessageId::FileOpenFailed, path, error);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(m_fd);
    ThrowFileError(MessageId::FileOpenFailed, path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
  }
  m_size = static_cast<std::uint64_t>(info.st_size);
}

InputFile::~InputFile() {
  if (m_fd >= 0) ::close(m_fd);
}

std::size_t InputFile::Read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = ::read(m_fd, buffer, size);
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) ThrowFileError(MessageId::FileReadFailed, m_path, errno);
  }
}

void InputFile::Rewind() {
  if (::lseek(m_fd, 0, SEEK_SET) != 0) ThrowFileError(MessageId::FileReadFailed, m_path, errno);
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : m_target(std::move(target)) {
  std::error_code ec;
  if (std::filesystem::is_symlink(m_target, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(m_target, ec);
    if (!ec) m_target = resolved;
  }
  struct stat existing {};
  const bool exists = ::stat(m_target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) ThrowFileError(MessageId::FileCreateFailed, m_target, EISDIR);
  if (exists && !HasWritePermission(existing)) ThrowFileError(MessageId::FileCreateFailed, m_target, EACCES);

  std::random_device random;
  const std::filesystem::path folder = m_target.has_parent_path() ? m_target.parent_path() : ".";
  for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
    std::string name = ".";
    name += m_target.filename().string();
    name += "." + std::to_string(::getpid()) + "-" + std::to_string(random()) + ".tmp";
    m_temp = folder / name;
    // 0666 lets the process's umask decide, as for any newly created file.
    m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0 && errno != EEXIST) ThrowFileError(MessageId::FileCreateFailed, m_target, errno);
  }
  if (m_fd < 0) ThrowFileError(MessageId::FileCreateFailed, m_target, EEXIST);
  if (exists) {
    // The replacement keeps the permissions (and, where allowed, the owner) of the file it replaces.
    ::fchmod(m_fd, existing.st_mode & 07777);
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
      [[maybe_unused]] const int ignored = ::fchown(m_fd, existing.st_uid, existing.st_gid);
    }
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (m_fd >= 0) ::close(m_fd);
  if (!m_committed) ::unlink(m_temp.c_str());
}

void AtomicFileWriter::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(m_fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(MessageId::FileWriteFailed, m_target, errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
}

void AtomicFileWriter::Close() {
  if (m_fd < 0) return;
  const int fd = m_fd;
  m_fd = -1;
  if (::close(fd) != 0) ThrowFileError(MessageId::FileWriteFailed, m_target, errno);
}

void AtomicFileWriter::Commit() {
  Close();
  if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
    ThrowFileError(MessageId::FileWriteFailed, m_target, errno);
  }
  m_committed = true;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  InputFile file(path);
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(file.Size()));
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() + 4096);  // the file may have grown
    const std::size_t count = file.Read(bytes.data() + filled, bytes.size() - filled);
    if (count == 0) break;
    filled += count;
  }
  bytes.resize(filled);
  return bytes;
}

void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
  AtomicFileWriter writer(path);
  writer.Write(bytes);
  writer.Commit();
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

void RequireReplaceable(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return;
  if (S_ISDIR(info.st_mode)) ThrowFileError(MessageId::FileCreateFailed, path, EISDIR);
  if (!HasWritePermission(info)) ThrowFileError(MessageId::FileCreateFailed, path, EACCES);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  const auto normal = [](const std::filesystem::path& path) {
    std::error_code absoluteError;
    const auto absolute = std::filesystem::absolute(path, absoluteError);
    return (absoluteError ? path : absolute).lexically_normal();
  };
  return normal(a) == normal(b);
}

void RemoveFileIfExists(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
    ThrowFileError(MessageId::FileWriteFailed, path, errno);
  }
}

}  // namespace tabulo
