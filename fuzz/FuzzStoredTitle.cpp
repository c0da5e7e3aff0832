// Stores arbitrary bytes as a UTF-8 document's column title in the side
// file's code page 932 form and reads them back: the title must come back
// exactly. Arbitrary stored bytes must read without failing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/document/StoredTitle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto stored = tabulo::StoredTitle(bytes, tabulo::TextEncoding::Utf8);
  if (tabulo::TitleFromStored(stored, tabulo::TextEncoding::Utf8) != bytes) std::abort();
  (void)tabulo::TitleFromStored(bytes, tabulo::TextEncoding::Utf8);
  return 0;
}
