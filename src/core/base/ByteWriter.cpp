#include "core/base/ByteWriter.h"

#include <limits>
#include <stdexcept>

namespace tabulo {

void ByteWriter::WriteCountedString(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw std::length_error("string too long for a counted string");
  }
  WriteI32(static_cast<std::int32_t>(bytes.size()));
  WriteBytes(bytes);
}

}  // namespace tabulo
