#include "core/document/CsvReader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Messages.h"
#include "core/base/Progress.h"
#include "core/document/SplitLine.h"
#include "core/document/TextRecords.h"
#include "core/locale/TextConverter.h"

namespace tabulo {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

// What the first pass learns: the delimiter's candidates and roughly how many
// lines there are (to make room for the rows at once).
struct FirstPass {
  bool tab = false;
  bool comma = false;
  std::uint64_t lineBreaks = 0;
  bool lineFeedOnly = false;  // lines end in LF, and no CR is found
  FileEncoding encoding;
};

FirstPass ScanWholeText(ByteSource& source, std::vector<char>& buffer) {
  FirstPass pass;
  std::uint64_t lineFeeds = 0;
  std::uint64_t carriageReturns = 0;
  EncodingSniffer sniffer;
  source.Rewind();
  for (;;) {
    const std::size_t count = source.Read(buffer.data(), buffer.size());
    if (count == 0) break;
    const char* begin = buffer.data();
    if (!pass.tab) pass.tab = std::memchr(begin, '\t', count) != nullptr;
    if (!pass.comma) pass.comma = std::memchr(begin, ',', count) != nullptr;
    lineFeeds += static_cast<std::uint64_t>(std::count(begin, begin + count, '\n'));
    carriageReturns += static_cast<std::uint64_t>(std::count(begin, begin + count, '\r'));
    sniffer.Feed(std::string_view(begin, count));
  }
  pass.encoding = sniffer.Result();
  // CR LF files count both; either count alone is at most the number of lines.
  pass.lineBreaks = std::max(lineFeeds, carriageReturns);
  pass.lineFeedOnly = lineFeeds > 0 && carriageReturns == 0;
  return pass;
}

// The text after its byte-order mark: every pass starts behind it.
class TextAfterMark final : public ByteSource {
 public:
  explicit TextAfterMark(ByteSource& source) : m_source(source) {}
  std::uint64_t Size() const override { return m_source.Size() - kUtf8ByteOrderMark.size(); }
  std::size_t Read(char* buffer, std::size_t size) override { return m_source.Read(buffer, size); }
  void Rewind() override {
    m_source.Rewind();
    char mark[kUtf8ByteOrderMark.size()];
    std::size_t skipped = 0;
    while (skipped < sizeof mark) {
      const std::size_t count = m_source.Read(mark, sizeof mark - skipped);
      if (count == 0) break;
      skipped += count;
    }
  }

 private:
  ByteSource& m_source;
};

// Looks for a tab outside the quoted fields of comma-separated text. A
// comma file may hold tabs inside quoted fields (its writer quotes them);
// those must not make it a tab-separated file.
class UnquotedTabProbe final : public RecordConsumer {
 public:
  Take Record(std::string_view text, bool whole) override {
    const UnquotedByteScan scan = ScanForUnquotedByte(text, Delimiter::Comma, '\t');
    if (!whole && scan.outcome == SplitOutcome::OpenQuote) return Take::OpenQuote;
    m_found = scan.found;
    return m_found ? Take::Stop : Take::Taken;
  }
  bool Found() const noexcept { return m_found; }

 private:
  bool m_found = false;
};

// A tab outside quoted fields wins, else a comma, else the blank question.
Delimiter ChooseDelimiter(const FirstPass& pass, ByteSource& source, std::vector<char>& buffer,
                          Prompter& prompter) {
  if (pass.tab) {
    UnquotedTabProbe probe;
    ReadRecords(source, Delimiter::Comma, buffer, probe, nullptr);
    return probe.Found() ? Delimiter::Tab : Delimiter::Comma;
  }
  if (pass.comma) return Delimiter::Comma;
  return prompter.Ask(MessageId::SplitAtBlanksQuestion) == Answer::Yes ? Delimiter::Blank : Delimiter::None;
}

// Stores records into consecutive rows of the grid.
class LineStore final : public RecordConsumer {
 public:
  LineStore(TableDocument& grid, bool replace, Delimiter delimiter, TextEncoding fileEncoding)
      : m_grid(grid), m_replace(replace), m_delimiter(delimiter),
        m_nextRow(replace ? TableDocument::FixedRows() : grid.RowCount()) {
    if (fileEncoding != grid.Encoding().encoding) {
      m_fromFile = std::make_unique<TextConverter>(fileEncoding);
      m_toGrid = std::make_unique<TextConverter>(grid.Encoding().encoding);
    }
  }

  Take Record(std::string_view text, bool whole) override {
    if (m_fromFile) {
      // Delimiters, quotes and line breaks are the same bytes in both
      // encodings, so the record converts whole.
      m_converted = m_toGrid->FromUtf16(m_fromFile->ToUtf16(text));
      text = m_converted;
    }
    // Appending drops fields beyond the existing columns, so splitting can stop there.
    const auto maxFields = static_cast<std::size_t>(m_replace ? TableDocument::kMaxColCount : m_grid.ColCount());
    const SplitOutcome outcome = SplitLine(text, m_delimiter, m_fields, TableDocument::FixedCols(), maxFields);
    if (outcome == SplitOutcome::TooManyFields && m_replace) {
      throw TabuloError(FormatMessage(MessageId::TooManyColumns, {std::to_string(TableDocument::kMaxColCount - 1)}));
    }
    if (outcome == SplitOutcome::OpenQuote && !whole) return Take::OpenQuote;
    const int row = m_nextRow;
    if (row >= m_grid.RowCount()) m_grid.SetRowCount(row + 1);
    if (m_replace && static_cast<std::size_t>(m_grid.ColCount()) < m_fields.size()) {
      m_grid.SetColCount(static_cast<int>(m_fields.size()));
    }
    m_grid.SetRowCells(row, m_fields, 1, m_fields.size() - 1);
    ++m_nextRow;
    ++m_stored;
    return Take::Taken;
  }

  int NextRow() const noexcept { return m_nextRow; }
  int Stored() const noexcept { return m_stored; }

 private:
  TableDocument& m_grid;
  bool m_replace;
  Delimiter m_delimiter;
  int m_nextRow;
  int m_stored = 0;
  FieldList m_fields;
  std::unique_ptr<TextConverter> m_fromFile;  // set when the file's encoding is not the grid's
  std::unique_ptr<TextConverter> m_toGrid;
  std::string m_converted;
};

}  // namespace

LoadResult LoadTextIntoGrid(ByteSource& source, TableDocument& grid, bool replace, Prompter& prompter,
                            ProgressSink* progress, EncodingChoice choice) {
  if (replace) {
    // A replaced document starts a fresh history: what was kept belongs to
    // the old one.
    if (!grid.InStep()) grid.ClearHistory();
    grid.ClearAllCells();
    grid.SetColCount(2);
    grid.SetRowCount(2);
  }
  ProgressScope scope(progress);
  std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, source.Size() + 1)));
  const FirstPass pass = ScanWholeText(source, buffer);
  FileEncoding encoding = ChooseEncoding(choice, pass.encoding);
  encoding.lineFeedOnly = encoding.encoding == TextEncoding::Utf8 && pass.lineFeedOnly;
  TextAfterMark afterMark(source);
  ByteSource& text = encoding.byteOrderMark ? static_cast<ByteSource&>(afterMark) : source;
  if (replace) grid.SetEncoding(encoding);
  const Delimiter delimiter = ChooseDelimiter(pass, text, buffer, prompter);
  const std::uint64_t expectedRows = grid.RowCount() + pass.lineBreaks + 1;
  grid.ReserveRows(static_cast<int>(std::min<std::uint64_t>(expectedRows, TableDocument::kMaxRowCount)));

  LineStore store(grid, replace, delimiter, encoding.encoding);
  ReadRecords(text, delimiter, buffer, store, &scope);
  // Without any line a replaced document keeps only its title row.
  if (store.NextRow() < grid.RowCount() && replace) grid.SetRowCount(store.NextRow());
  return {delimiter, store.Stored(), encoding};
}

LoadResult LoadTextIntoGrid(const std::filesystem::path& path, TableDocument& grid, bool replace,
                            Prompter& prompter, ProgressSink* progress, EncodingChoice choice) {
  InputFile file(path);
  return LoadTextIntoGrid(file, grid, replace, prompter, progress, choice);
}

}  // namespace tabulo
