#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tabulo {

// Base of every failure the program raises on purpose. `what()` is UTF-8 text
// meant for the user, in the program's own words (see Messages.h).
class TabuloError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Input rejected without a message of its own (a formula that does not parse,
// a record with a wrong tag). Commands let it pass silently; the user
// interface never reports it.
class SilentAbort : public TabuloError {
 public:
  SilentAbort();
};

// A file could not be opened, read, created or written. Carries the path.
class FileError : public TabuloError {
 public:
  FileError(std::string message, std::filesystem::path path);
  const std::filesystem::path& Path() const noexcept { return m_path; }

 private:
  std::filesystem::path m_path;
};

// A binary record or stream ended early or held a value that cannot be read.
class StreamReadError : public TabuloError {
 public:
  StreamReadError();
};

// A text did not convert (a number, a date, a character set conversion).
class ConvertError : public TabuloError {
 public:
  using TabuloError::TabuloError;
};

}  // namespace tabulo
