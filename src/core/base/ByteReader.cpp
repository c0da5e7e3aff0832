#include "core/base/ByteReader.h"

namespace tabulo {

void ByteReader::Seek(std::size_t pos) {
  if (pos > m_bytes.size()) throw StreamReadError();
  m_pos = pos;
}

std::string_view ByteReader::Take(std::size_t count) {
  if (count > Remaining()) throw StreamReadError();
  const std::string_view part = m_bytes.substr(m_pos, count);
  m_pos += count;
  return part;
}

std::uint32_t ByteReader::ReadUnsigned(int size) {
  const std::string_view part = Take(static_cast<std::size_t>(size));
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<std::uint8_t>(part[static_cast<std::size_t>(i)]);
  }
  return value;
}

std::string ByteReader::ReadCountedString() {
  const std::int32_t count = ReadI32();
  if (count < 0) throw StreamReadError();
  return ReadBytes(static_cast<std::size_t>(count));
}

}  // namespace tabulo
