#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/Errors.h"

namespace tabulo {

// Reads little-endian integers and counted strings from a byte buffer, the
// way every binary file of the program is laid out (no padding, whatever the
// host). Running past the end throws StreamReadError; nothing is allocated
// for a count larger than the bytes that remain.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) noexcept : m_bytes(bytes) {}

  std::size_t Position() const noexcept { return m_pos; }
  std::size_t Remaining() const noexcept { return m_bytes.size() - m_pos; }
  bool AtEnd() const noexcept { return m_pos >= m_bytes.size(); }
  void Seek(std::size_t pos);

  std::uint8_t ReadU8() { return static_cast<std::uint8_t>(Take(1)[0]); }
  bool ReadBool() { return ReadU8() != 0; }
  std::int16_t ReadI16() { return static_cast<std::int16_t>(ReadUnsigned(2)); }
  std::uint16_t ReadU16() { return static_cast<std::uint16_t>(ReadUnsigned(2)); }
  std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadUnsigned(4)); }

  // `count` raw bytes.
  std::string ReadBytes(std::size_t count) { return std::string(Take(count)); }
  // A signed 32-bit byte count followed by that many bytes. A negative count
  // is damage and throws.
  std::string ReadCountedString();

 private:
  std::string_view Take(std::size_t count);
  std::uint32_t ReadUnsigned(int size);

  std::string_view m_bytes;
  std::size_t m_pos = 0;
};

}  // namespace tabulo
