#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tabulo {

// Bytes to be read from the start, possibly twice (the delimited reader makes
// two passes).
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Reads up to `size` bytes at the current position; 0 at the end.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  virtual void Rewind() = 0;
};

// Bytes already in memory (tests, fuzzing, the clipboard).
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) noexcept : m_bytes(bytes) {}
  std::uint64_t Size() const override { return m_bytes.size(); }
  std::size_t Read(char* buffer, std::size_t size) override;
  void Rewind() override { m_pos = 0; }

 private:
  std::string_view m_bytes;
  std::size_t m_pos = 0;
};

// A regular file opened for reading (other programs may still read and write
// it). Throws FileError when it cannot be opened or read.
class InputFile final : public ByteSource {
 public:
  explicit InputFile(const std::filesystem::path& path);
  ~InputFile() override;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  std::uint64_t Size() const override { return m_size; }
  std::size_t Read(char* buffer, std::size_t size) override;
  void Rewind() override;

 private:
  std::filesystem::path m_path;
  int m_fd = -1;
  std::uint64_t m_size = 0;
};

// Where written bytes go: a file being saved, standard output, memory.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(std::string_view bytes) = 0;
};

class StringSink final : public ByteSink {
 public:
  void Write(std::string_view bytes) override { m_bytes.append(bytes); }
  const std::string& Bytes() const noexcept { return m_bytes; }

 private:
  std::string m_bytes;
};

// Writes a file so that a failure never harms the file it replaces: the bytes
// go to a temporary file beside the target, which takes the target's place
// (and permissions) only in Commit. A writer destroyed without Commit removes
// its temporary file. A target that is a symbolic link is written through the
// link. Throws FileError when the file cannot be created or written, and when
// the target exists but its permission bits do not let this user write it
// (as writing it in place would have failed).
class AtomicFileWriter final : public ByteSink {
 public:
  explicit AtomicFileWriter(std::filesystem::path target);
  ~AtomicFileWriter() override;
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Write(std::string_view bytes) override;
  // Flushes and closes the temporary file, reporting any late write error.
  void Close();
  // Closes if needed and renames the temporary file over the target.
  void Commit();

  const std::filesystem::path& Target() const noexcept { return m_target; }

 private:
  std::filesystem::path m_target;
  std::filesystem::path m_temp;
  int m_fd = -1;
  bool m_committed = false;
};

// The whole file; throws FileError.
std::string ReadWholeFile(const std::filesystem::path& path);
// Writes the whole file atomically (see AtomicFileWriter); throws FileError.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

bool FileExists(const std::filesystem::path& path);
// Throws FileError when `path` exists and may not be replaced: a folder, or a
// file whose permission bits do not let this user write it.
void RequireReplaceable(const std::filesystem::path& path);
// Whether the two paths name the same file (also when neither exists yet).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);
// Removes a file if it exists; throws FileError when it exists and cannot be removed.
void RemoveFileIfExists(const std::filesystem::path& path);

}  // namespace tabulo
