// Feeds arbitrary bytes to the history parser. Lines free of breaks must come
// back unchanged after a write and a read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/app/FileHistory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = tabulo::ParseHistoryText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (tabulo::ParseHistoryText(tabulo::FormatHistoryText(lines)) != lines) std::abort();
  return 0;
}
