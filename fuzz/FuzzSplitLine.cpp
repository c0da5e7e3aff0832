// Splits arbitrary bytes with every delimiter. The first byte picks the
// delimiter; the fields' bytes can never outnumber the line's.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/document/SplitLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto delimiter = static_cast<tabulo::Delimiter>(data[0] % 4);
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
  tabulo::FieldList fields;
  tabulo::SplitLine(line, delimiter, fields, 1);
  if (fields.Bytes().size() > line.size()) std::abort();
  tabulo::SplitLine(line, delimiter, fields, 0, data[0] % 7);
  return 0;
}
