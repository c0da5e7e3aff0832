// Reads arbitrary bytes as the other file of a merge, for a document of
// either encoding, and merges it into a small table by its first field,
// appending its second. Every field of every line must come out no longer
// than the line; a text the document's encoding cannot hold is refused with
// the program's own error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/Errors.h"
#include "core/document/TableDocument.h"
#include "core/rows/Merge.h"
#include "core/rows/MergeSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto encoding = size > 0 && (data[0] & 1) ? tabulo::TextEncoding::Utf8 : tabulo::TextEncoding::ShiftJis;
  std::optional<tabulo::MergeSource> read;
  try {
    read.emplace(tabulo::MergeSource::FromBytes(bytes, encoding));
  } catch (const tabulo::ConvertError&) {
    return 0;
  }
  const tabulo::MergeSource& other = *read;
  for (std::size_t line = 0; line < other.LineCount(); ++line) {
    const std::string_view text = other.Line(line);
    for (int field = 0; field <= other.FieldCount(); ++field) {
      if (tabulo::ExtractField(text, other.FieldDelimiter(), field).size() > text.size()) std::abort();
    }
  }
  tabulo::TableDocument grid;
  grid.SetEncoding({encoding, false});
  grid.SetColCount(3);
  grid.SetRowCount(4);
  for (int row = 1; row < 4; ++row) grid.SetCell(1, row, bytes.substr(0, static_cast<std::size_t>(row)));
  tabulo::MergeOptions options;
  options.items.resize(3);
  options.items[1] = {0, tabulo::MergeRole::Key};
  options.items[2] = {1, tabulo::MergeRole::Append};
  const int count = tabulo::MergeRows(grid, other, options, nullptr);
  if (count < 0 || count > grid.RowCount()) std::abort();
  return 0;
}
