// Reads arbitrary bytes as the column record (tagged and old form) and as
// the print layout record; whatever reads must write back and read again
// to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/base/ByteReader.h"
#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/document/GPItem.h"
#include "core/document/GridPrintInfo.h"

namespace {

template <typename Record, typename Load>
void TryRecord(std::string_view bytes, Load load) {
  Record record;
  try {
    tabulo::ByteReader reader(bytes);
    load(record, reader);
  } catch (const tabulo::TabuloError&) {
    return;
  }
  tabulo::ByteWriter writer;
  record.SaveToStream(writer);
  Record again;
  tabulo::ByteReader reader(writer.Bytes());
  again.LoadFromStream(reader);
  if (!(again == record)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TryRecord<tabulo::TGPItem>(bytes, [](tabulo::TGPItem& item, tabulo::ByteReader& reader) { item.LoadFromStream(reader); });
  TryRecord<tabulo::TGPItem>(bytes, [](tabulo::TGPItem& item, tabulo::ByteReader& reader) { item.LoadOldFromStream(reader); });
  TryRecord<tabulo::TGridPrintInfo>(
      bytes, [](tabulo::TGridPrintInfo& info, tabulo::ByteReader& reader) { info.LoadFromStream(reader); });
  return 0;
}
