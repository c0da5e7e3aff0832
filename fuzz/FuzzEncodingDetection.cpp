// Tells the encoding of arbitrary bytes, whole and fed in pieces, and checks
// the verdict against the character helper's own reading of UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/locale/Cp932.h"
#include "core/locale/EncodingDetection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto whole = tabulo::DetectEncoding(bytes);

  tabulo::EncodingSniffer sniffer;
  const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 7;
  for (std::size_t at = 0; at < size; at += piece) sniffer.Feed(bytes.substr(at, piece));
  if (!(sniffer.Result() == whole)) std::abort();

  if (!whole.byteOrderMark) {
    bool multiByte = false;
    for (std::size_t pos = 0; pos < size; pos += tabulo::Utf8CharLength(bytes, pos)) {
      multiByte |= tabulo::Utf8CharLength(bytes, pos) > 1;
    }
    const bool utf8 = tabulo::IsWellFormedUtf8(bytes) && multiByte;
    if (utf8 != (whole.encoding == tabulo::TextEncoding::Utf8)) std::abort();
  }
  return 0;
}
