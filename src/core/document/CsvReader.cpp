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

namespace tabulo {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

// What the first pass learns: the delimiter's candidates and roughly how many
// lines there are (to make room for the rows at once).
struct FirstPass {
  bool tab = false;
  bool comma = false;
  std::uint64_t lineBreaks = 0;
};

FirstPass ScanWholeText(ByteSource& source, std::vector<char>& buffer) {
  FirstPass pass;
  std::uint64_t lineFeeds = 0;
  std::uint64_t carriageReturns = 0;
  source.Rewind();
  for (;;) {
    const std::size_t count = source.Read(buffer.data(), buffer.size());
    if (count == 0) break;
    const char* begin = buffer.data();
    if (!pass.tab) pass.tab = std::memchr(begin, '\t', count) != nullptr;
    if (!pass.comma) pass.comma = std::memchr(begin, ',', count) != nullptr;
    lineFeeds += static_cast<std::uint64_t>(std::count(begin, begin + count, '\n'));
    carriageReturns += static_cast<std::uint64_t>(std::count(begin, begin + count, '\r'));
  }
  // CR LF files count both; either count alone is at most the number of lines.
  pass.lineBreaks = std::max(lineFeeds, carriageReturns);
  return pass;
}

Delimiter ChooseDelimiter(const FirstPass& pass, platform::Prompter& prompter) {
  if (pass.tab) return Delimiter::Tab;
  if (pass.comma) return Delimiter::Comma;
  const platform::Prompt question{MessageId::SplitAtBlanksQuestion,
                                  std::string(MessageText(MessageId::SplitAtBlanksQuestion)),
                                  platform::Sound::Question, platform::BoxStyle::Information,
                                  platform::Buttons::YesNo};
  return prompter.Ask(question) == platform::Answer::Yes ? Delimiter::Blank : Delimiter::None;
}

// Stores lines into consecutive rows of the grid.
class LineStore {
 public:
  LineStore(TableDocument& grid, bool replace, Delimiter delimiter)
      : m_grid(grid), m_replace(replace), m_delimiter(delimiter),
        m_nextRow(replace ? TableDocument::FixedRows() : grid.RowCount()) {}

  void Store(std::string_view line) {
    const int row = m_nextRow;
    if (row >= m_grid.RowCount()) m_grid.SetRowCount(row + 1);
    // Appending drops fields beyond the existing columns, so splitting can stop there.
    const auto maxFields = static_cast<std::size_t>(m_replace ? TableDocument::kMaxColCount : m_grid.ColCount());
    if (!SplitLine(line, m_delimiter, m_fields, TableDocument::FixedCols(), maxFields) && m_replace) {
      throw TabuloError(FormatMessage(MessageId::TooManyColumns, {std::to_string(TableDocument::kMaxColCount - 1)}));
    }
    if (m_replace && static_cast<std::size_t>(m_grid.ColCount()) < m_fields.size()) {
      m_grid.SetColCount(static_cast<int>(m_fields.size()));
    }
    m_grid.SetRowCells(row, m_fields, 1, m_fields.size() - 1);
    ++m_nextRow;
    ++m_stored;
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
};

// Finds line breaks in one block. Two library searches beat a byte loop;
// the position of the next LF is remembered, so a file of CR-only lines does
// not search the rest of the block again for every line.
class LineBreakFinder {
 public:
  explicit LineBreakFinder(const char* end) noexcept : m_end(end) {}

  // The first CR or LF in [from, end), or end.
  const char* Next(const char* from) noexcept {
    if (m_lineFeed == nullptr || (m_lineFeed != m_end && m_lineFeed < from)) {
      const auto* found = static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(m_end - from)));
      m_lineFeed = found ? found : m_end;
    }
    const auto* carriageReturn =
        static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(m_lineFeed - from)));
    return carriageReturn ? carriageReturn : m_lineFeed;
  }

 private:
  const char* m_end;
  const char* m_lineFeed = nullptr;  // the next LF at or after the last search start, or end
};

}  // namespace

LoadResult LoadTextIntoGrid(ByteSource& source, TableDocument& grid, bool replace,
                            platform::Prompter& prompter, ProgressSink* progress) {
  if (replace) {
    grid.ClearAllCells();
    grid.SetColCount(2);
    grid.SetRowCount(2);
  }
  ProgressScope scope(progress);
  std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, source.Size() + 1)));
  const FirstPass pass = ScanWholeText(source, buffer);
  const Delimiter delimiter = ChooseDelimiter(pass, prompter);
  const std::uint64_t expectedRows = grid.RowCount() + pass.lineBreaks + 1;
  grid.ReserveRows(static_cast<int>(std::min<std::uint64_t>(expectedRows, TableDocument::kMaxRowCount)));

  LineStore store(grid, replace, delimiter);
  std::string carry;  // the start of a line that runs over a block boundary
  bool skipLineFeed = false;  // the previous block ended with the CR of a possible CR LF
  std::uint64_t position = 0;
  const std::uint64_t size = source.Size();
  source.Rewind();
  for (;;) {
    const std::size_t count = source.Read(buffer.data(), buffer.size());
    if (count == 0) break;
    position += count;
    const char* p = buffer.data();
    const char* const end = p + count;
    if (skipLineFeed && *p == '\n') ++p;
    skipLineFeed = false;
    LineBreakFinder breaks(end);
    while (p < end) {
      const char* lineBreak = breaks.Next(p);
      if (lineBreak == end) {
        carry.append(p, end);
        break;
      }
      if (carry.empty()) {
        store.Store(std::string_view(p, static_cast<std::size_t>(lineBreak - p)));
      } else {
        carry.append(p, lineBreak);
        store.Store(carry);
        carry.clear();
      }
      p = lineBreak + 1;
      if (*lineBreak == '\r') {
        if (p < end) {
          if (*p == '\n') ++p;
        } else {
          skipLineFeed = true;
        }
      }
    }
    scope.Update(position, std::max(size, position));
  }
  if (!carry.empty()) store.Store(carry);
  // Without any line a replaced document keeps only its title row.
  if (store.NextRow() < grid.RowCount() && replace) grid.SetRowCount(store.NextRow());
  return {delimiter, store.Stored()};
}

LoadResult LoadTextIntoGrid(const std::filesystem::path& path, TableDocument& grid, bool replace,
                            platform::Prompter& prompter, ProgressSink* progress) {
  InputFile file(path);
  return LoadTextIntoGrid(file, grid, replace, prompter, progress);
}

}  // namespace tabulo
