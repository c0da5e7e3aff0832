#include "core/document/CsvWriter.h"

#include <optional>
#include <string>
#include <vector>

#include "core/base/FileIo.h"
#include "core/base/Progress.h"
#include "core/locale/Cp932.h"
#include "core/locale/TextConverter.h"

namespace tabulo {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;

// Rows read in their order in memory (as a file was read) come quickly; rows
// that were sorted lie anywhere, and each would wait for memory in turn.
// Asking a few rows ahead for the first bytes of their cells lets those
// waits overlap.
constexpr int kRowsAhead = 8;

void PrefetchRow(const TableDocument& grid, int row) {
  const char* cells = grid.RowCells(row).Data();
  if (cells == nullptr) return;
  __builtin_prefetch(cells);
  __builtin_prefetch(cells + 64);
  __builtin_prefetch(cells + 128);
}

// The comma format quotes a field holding a byte 0x01..0x20, a double quote
// or a comma; the typed format one holding a double quote or a comma, and
// also a tab or a line break, which would otherwise make a number column's
// stray text cut its record or pass the file for tab-separated.
constexpr bool IsCommaFormatSpecial(unsigned char byte) noexcept {
  return static_cast<unsigned char>(byte - 1) < 0x20 || byte == '"' || byte == ',';
}

constexpr bool IsTypedFormatSpecial(unsigned char byte) noexcept {
  return byte == '"' || byte == ',' || byte == '\t' || byte == '\r' || byte == '\n';
}

void AppendQuoted(std::string& out, std::string_view field) {
  out.push_back('"');
  std::size_t start = 0;
  for (std::size_t pos = FindChar(field, '"'); pos != std::string_view::npos; pos = FindChar(field, '"', pos + 1)) {
    out.append(field.substr(start, pos + 1 - start));
    out.push_back('"');
    start = pos + 1;
  }
  out.append(field.substr(start));
  out.push_back('"');
}

class RowFormatter {
 public:
  RowFormatter(const TableDocument& grid, SaveFormat format) : m_format(format) {
    if (format == SaveFormat::Typed) {
      m_numericColumn.resize(static_cast<std::size_t>(grid.ColCount()));
      for (int c = 0; c < grid.ColCount(); ++c) {
        const ColumnType type = grid.Item(c).Type();
        m_numericColumn[static_cast<std::size_t>(c)] =
            type == ColumnType::Integer || type == ColumnType::Numeric || type == ColumnType::Currency;
      }
    }
  }

  void AppendField(std::string& out, int col, std::string_view field) const {
    bool quote = false;
    switch (m_format) {
      case SaveFormat::Comma: quote = ContainsMarkedChar(field, IsCommaFormatSpecial); break;
      case SaveFormat::Typed:
        quote = !m_numericColumn[static_cast<std::size_t>(col)] || ContainsMarkedChar(field, IsTypedFormatSpecial);
        break;
      case SaveFormat::Quoted: quote = true; break;
      case SaveFormat::Tab:
      case SaveFormat::Plain: break;
    }
    if (quote) {
      AppendQuoted(out, field);
    } else {
      out.append(field);
    }
  }

  char Separator() const noexcept { return m_format == SaveFormat::Tab ? '\t' : ','; }

 private:
  SaveFormat m_format;
  std::vector<bool> m_numericColumn;
};

void WriteToFile(const std::filesystem::path& path, const TableDocument& grid, SaveFormat format, bool withTitle,
                 ProgressSink* progress, bool withRowNumbers) {
  AtomicFileWriter file(path);
  WriteDelimitedText(grid, format, withTitle, withRowNumbers, file, progress);
  file.Commit();
}

// The body of both entry points: the title row when `withTitle`, then the
// data rows `dataRow(0)` .. `dataRow(count - 1)`.
template <typename DataRow>
void WriteRows(const TableDocument& grid, SaveFormat format, bool withTitle, bool withRowNumbers, ByteSink& sink,
               ProgressSink* progress, std::size_t count, DataRow dataRow) {
  ProgressScope scope(progress);
  const RowFormatter formatter(grid, format);
  const char separator = formatter.Separator();
  const int firstCol = withRowNumbers ? 0 : 1;
  const int lastCol = grid.ColCount() - 1;
  const std::size_t first = withTitle ? 0 : 1;
  const auto rowsToWrite = static_cast<std::uint64_t>(count + 1 - first);
  std::string out;  // grows to about kFlushSize and is reused from then on
  // A text read with a byte-order mark is written back with it.
  const FileEncoding& encoding = grid.Encoding();
  if (encoding.encoding == TextEncoding::Utf8 && encoding.byteOrderMark) out = kUtf8ByteOrderMark;
  // The row-number column holds the program's own texts ("行番", "集計") in
  // code page 932; a UTF-8 text gets them in UTF-8.
  std::optional<TextConverter> labels;
  if (encoding.encoding == TextEncoding::Utf8 && withRowNumbers) labels.emplace(TextEncoding::ShiftJis);
  std::string label;
  const std::string_view lineBreak = encoding.lineFeedOnly ? "\n" : "\r\n";
  for (std::size_t k = first; k <= count; ++k) {
    const int row = k == 0 ? 0 : dataRow(k - 1);
    // The rows a few places on are asked for ahead, wherever a sort left them.
    if (k + kRowsAhead <= count) PrefetchRow(grid, dataRow(k + kRowsAhead - 1));
    const PackedRow cells = grid.RowCells(row);
    const auto cell = [&](int col) -> std::string_view {
      if (col == 0 && labels) {
        label = labels->ToUtf8(grid.Cell(0, row));
        return label;
      }
      return row == 0 || col == 0 ? grid.Cell(col, row) : cells.Cell(static_cast<std::uint32_t>(col - 1));
    };
    if (format == SaveFormat::Comma && firstCol == lastCol && cell(firstCol).empty()) {
      out.append("\"\"");  // a line of one empty field would read back as no field at all
    } else {
      for (int col = firstCol; col <= lastCol; ++col) {
        if (col > firstCol) out.push_back(separator);
        formatter.AppendField(out, col, cell(col));
      }
    }
    out.append(lineBreak);
    if (out.size() >= kFlushSize) {
      sink.Write(out);
      out.clear();
    }
    scope.Update(static_cast<std::uint64_t>(k - first), rowsToWrite);
  }
  sink.Write(out);
}

}  // namespace

void WriteDelimitedText(const TableDocument& grid, SaveFormat format, bool withTitle, bool withRowNumbers,
                        ByteSink& sink, ProgressSink* progress) {
  const auto dataRows = static_cast<std::size_t>(grid.RowCount() - 1);
  WriteRows(grid, format, withTitle, withRowNumbers, sink, progress, dataRows,
            [](std::size_t k) { return static_cast<int>(k) + 1; });
}

void WriteDelimitedRows(const TableDocument& grid, std::span<const int> rows, SaveFormat format, bool withTitle,
                        bool withRowNumbers, ByteSink& sink, ProgressSink* progress) {
  WriteRows(grid, format, withTitle, withRowNumbers, sink, progress, rows.size(),
            [rows](std::size_t k) { return rows[k]; });
}

void WriteCommaText(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                    ProgressSink* progress, bool withRowNumbers) {
  WriteToFile(path, grid, SaveFormat::Comma, withTitle, progress, withRowNumbers);
}

void WriteTabText(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                  ProgressSink* progress, bool withRowNumbers) {
  WriteToFile(path, grid, SaveFormat::Tab, withTitle, progress, withRowNumbers);
}

void WriteTypedCsv(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                   ProgressSink* progress, bool withRowNumbers) {
  WriteToFile(path, grid, SaveFormat::Typed, withTitle, progress, withRowNumbers);
}

void WriteQuotedCsv(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                    ProgressSink* progress, bool withRowNumbers) {
  WriteToFile(path, grid, SaveFormat::Quoted, withTitle, progress, withRowNumbers);
}

void WritePlainCsv(const std::filesystem::path& path, const TableDocument& grid, bool withTitle,
                   ProgressSink* progress, bool withRowNumbers) {
  WriteToFile(path, grid, SaveFormat::Plain, withTitle, progress, withRowNumbers);
}

}  // namespace tabulo
