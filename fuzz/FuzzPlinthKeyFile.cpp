// Reads arbitrary bytes as the setup program's uninstall key file. Whatever
// values come out must be written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "setup/UninstallKey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto values = plinth::ParseKeyFile(bytes);
  if (plinth::ParseKeyFile(plinth::KeyFileOf("Tabulo36", values)) != values) std::abort();
  return 0;
}
