// Feeds arbitrary bytes to the settings reader: any input must end in true or
// false, without a crash or an allocation larger than the input. Whatever was
// read must survive a write and a read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/app/TabuloCnf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tabulo::TTabuloCnf cnf;
  if (!cnf.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  tabulo::TTabuloCnf again;
  if (!again.LoadFromBytes(cnf.SaveToBytes()) || !(again == cnf)) std::abort();
  return 0;
}
