#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulo {

// Appends little-endian integers and counted strings to a byte buffer; the
// counterpart of ByteReader.
class ByteWriter {
 public:
  void WriteU8(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
  void WriteBool(bool value) { WriteU8(value ? 1 : 0); }
  void WriteI16(std::int16_t value) { WriteUnsigned(static_cast<std::uint16_t>(value), 2); }
  void WriteU16(std::uint16_t value) { WriteUnsigned(value, 2); }
  void WriteI32(std::int32_t value) { WriteUnsigned(static_cast<std::uint32_t>(value), 4); }
  void WriteBytes(std::string_view bytes) { m_bytes.append(bytes); }
  // A signed 32-bit byte count followed by the bytes.
  void WriteCountedString(std::string_view bytes);

  const std::string& Bytes() const noexcept { return m_bytes; }
  std::string TakeBytes() noexcept { return std::move(m_bytes); }

 private:
  void WriteUnsigned(std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }

  std::string m_bytes;
};

}  // namespace tabulo
