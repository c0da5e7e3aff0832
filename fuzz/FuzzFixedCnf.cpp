// Reads arbitrary bytes as a saved fixed-field definition, then cuts a line
// with whatever layout came out. Loading must never fail in any other way
// than the program's own errors, nor keep more records than bytes allow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "core/base/ByteReader.h"
#include "core/base/Errors.h"
#include "core/fixed/FixedFieldCnf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tabulo-fuzz-fixedcnf";
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tabulo::TGridPrintInfo printInfo;
  tabulo::TFixedFieldCnf definition(printInfo, folder);
  tabulo::ByteReader reader(bytes);
  try {
    definition.LoadFromStream(reader);
  } catch (const tabulo::TabuloError&) {
  }
  if (static_cast<std::size_t>(definition.Count()) * 46 > size) std::abort();
  definition.RecomputePositions();
  for (int i = 0; i < definition.Count(); ++i) {
    const std::string_view field = tabulo::CutField(bytes, *definition.Field(i));
    if (field.size() > bytes.size()) std::abort();
    (void)definition.CheckField(*definition.Field(i), field);
  }
  return 0;
}
