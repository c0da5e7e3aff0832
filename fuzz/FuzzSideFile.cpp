// Applies arbitrary bytes as a side file and as a print-format file to a
// small document (print formats for both encodings): either they apply or
// the documented fallback happens.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/base/Errors.h"
#include "core/document/DocumentOperations.h"
#include "core/document/SideFile.h"
#include "core/print/PrintFormatFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tabulo::Document document;
  tabulo::NewDocument(document);
  document.grid.SetCell(1, 1, "x");
  if (!tabulo::ApplySideFile(document, bytes)) {
    // The fallback: fresh default columns.
    if (document.grid.Cell(1, 0) != tabulo::DefaultColumnTitle(1)) std::abort();
  }
  for (int c = 0; c < document.grid.ColCount(); ++c) {
    if (document.grid.ColWidth(c) < 0) std::abort();
  }
  // Titles of a UTF-8 document come back from their stored form too.
  for (const auto encoding : {tabulo::TextEncoding::ShiftJis, tabulo::TextEncoding::Utf8}) {
    std::vector<tabulo::TGPItem> columns(3);
    tabulo::TGridPrintInfo info;
    try {
      tabulo::ApplyPrintFormat(bytes, info, columns, encoding);
    } catch (const tabulo::TabuloError&) {
    }
  }
  return 0;
}
