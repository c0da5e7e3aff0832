#include "core/document/CsvReader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Progress.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using platform::ScriptedPrompter;
using test::Cells;
using test::DataRows;

// Hands out at most `chunk` bytes per read, so that every line break and
// every CR LF pair falls on a read boundary somewhere.
class ChunkedSource final : public ByteSource {
 public:
  ChunkedSource(std::string_view bytes, std::size_t chunk) : m_bytes(bytes), m_chunk(chunk) {}
  std::uint64_t Size() const override { return m_bytes.size(); }
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t count = std::min({size, m_chunk, m_bytes.size() - m_pos});
    std::copy_n(m_bytes.data() + m_pos, count, buffer);
    m_pos += count;
    return count;
  }
  void Rewind() override { m_pos = 0; }

 private:
  std::string_view m_bytes;
  std::size_t m_chunk;
  std::size_t m_pos = 0;
};

std::vector<Cells> Read(std::string_view text, ScriptedPrompter& prompter, std::size_t chunk = 1 << 30) {
  TableDocument grid;
  ChunkedSource source(text, chunk);
  LoadTextIntoGrid(source, grid, true, prompter, nullptr);
  return DataRows(grid);
}

std::vector<Cells> Read(std::string_view text) {
  ScriptedPrompter prompter;
  return Read(text, prompter);
}

TEST(LoadTextIntoGrid, TabAnywhereWinsOverCommas) {
  EXPECT_EQ(Read("a,b,c\nd,e\tf\n"), (std::vector<Cells>{{"a,b,c"}, {"d,e", "f"}}));
}

// A comma file's writer quotes cells holding tabs: those tabs are data and
// do not make the file tab-separated. A tab outside quotes still wins.
TEST(LoadTextIntoGrid, TabsInsideQuotedFieldsDoNotChooseTheDelimiter) {
  EXPECT_EQ(Read("a,\"x\ty\"\r\nb,c\r\n"), (std::vector<Cells>{{"a", "x\ty"}, {"b", "c"}}));
  EXPECT_EQ(Read("\"one\tcolumn\"\r\n"), (std::vector<Cells>{{"one\tcolumn"}}));
  EXPECT_EQ(Read("\"a\tb\"\r\n\"c\"\td,e\r\n"), (std::vector<Cells>{{"\"a", "b\""}, {"\"c\"", "d,e"}}));
  // A tab behind a quote that never closes may not be quoted at all.
  EXPECT_EQ(Read("\"a\tb,c\r\n"), (std::vector<Cells>{{"\"a", "b,c"}}));
  // Quoted fields over several lines are followed when looking for tabs too.
  EXPECT_EQ(Read("\"x\r\n\ty\",z\r\n"), (std::vector<Cells>{{"x\r\n\ty", "z"}}));
}

// Spreadsheets and web services write cells with line breaks as quoted
// fields over several lines.
TEST(LoadTextIntoGrid, QuotedFieldsHoldTheirLineBreaks) {
  const std::string text = "id,memo\r\n1,\"line1\r\nline2\"\r\n2,\"a\nb\rc\",\"d\r\ne\"\r\n3,x\r\n";
  const std::vector<Cells> expected{{"id", "memo"}, {"1", "line1\r\nline2"}, {"2", "a\nb\rc", "d\r\ne"}, {"3", "x"}};
  for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1} << 30}) {
    ScriptedPrompter prompter;
    EXPECT_EQ(Read(text, prompter, chunk), expected) << chunk;
  }
  // Past the first break only a quote before the delimiter or the line's end
  // closes the field; other quotes are data.
  EXPECT_EQ(Read("\"a\nsaid \"hi\" ok\",b\n"), (std::vector<Cells>{{"a\nsaid \"hi\" ok", "b"}}));
  ScriptedPrompter blanks{Answer::Yes};
  EXPECT_EQ(Read("\"a\nb\" c\n", blanks), (std::vector<Cells>{{"a\nb", "c"}}));
  // With tabs quotes are never special, so lines stay lines.
  EXPECT_EQ(Read("\"a\tb\n c\"\td\n"), (std::vector<Cells>{{"\"a", "b"}, {" c\"", "d"}}));
}

// A quote that never closes keeps the plain reading, line by line: it cannot
// swallow the rest of the file.
TEST(LoadTextIntoGrid, AStrayQuoteFallsBackToLines) {
  EXPECT_EQ(Read("a,\"b\r\nc,d\r\ne,f\r\n"), (std::vector<Cells>{{"a", "b"}, {"c", "d"}, {"e", "f"}}));
  EXPECT_EQ(Read("a,\"b\nc,d"), (std::vector<Cells>{{"a", "b"}, {"c", "d"}}));
  EXPECT_EQ(Read("a,\"b\r\r\nc\r"), (std::vector<Cells>{{"a", "b"}, {}, {"c"}}));
}

TEST(LoadTextIntoGrid, WithoutTabOrCommaAsksAboutBlanks) {
  ScriptedPrompter yes{Answer::Yes};
  EXPECT_EQ(Read("a b  c\nd\n", yes), (std::vector<Cells>{{"a", "b", "", "c"}, {"d"}}));
  ASSERT_EQ(yes.Asked().size(), 1u);
  EXPECT_EQ(yes.Asked()[0].id, MessageId::SplitAtBlanksQuestion);
  EXPECT_EQ(yes.Asked()[0].buttons, Buttons::YesNo);

  ScriptedPrompter no{Answer::No};
  EXPECT_EQ(Read("a b  c\n\"q\" r\n", no), (std::vector<Cells>{{"a b  c"}, {"\"q\" r"}}));
}

TEST(LoadTextIntoGrid, EmptyFileAsksAndLeavesOnlyTheTitleRow) {
  ScriptedPrompter prompter{Answer::Yes};
  TableDocument grid;
  MemorySource source("");
  const LoadResult result = LoadTextIntoGrid(source, grid, true, prompter, nullptr);
  EXPECT_EQ(result.linesStored, 0);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_TRUE(prompter.AllAnswered());
}

TEST(LoadTextIntoGrid, EveryKindOfLineBreakAtEveryReadBoundary) {
  // LF, CR, CR LF mixed; CR CR and LF CR are two breaks (an empty line
  // between); a final break adds no row; a last line without one is kept.
  const std::string text = "a,1\nb,2\rc,3\r\nd,4\r\re,5\n\rf,6\r\n\r\ng,7";
  const std::vector<Cells> expected{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {},
                                    {"e", "5"}, {},         {"f", "6"}, {},         {"g", "7"}};
  for (std::size_t chunk = 1; chunk <= text.size(); ++chunk) {
    ScriptedPrompter prompter;
    EXPECT_EQ(Read(text, prompter, chunk), expected) << "chunk " << chunk;
  }
  EXPECT_EQ(Read("a,b\r\n"), (std::vector<Cells>{{"a", "b"}}));
}

TEST(LoadTextIntoGrid, CrLfPairAcrossTheReadBufferIsOneBreak) {
  // The reader's own buffer is 1 MiB: put the CR at its last byte.
  std::string text(1 << 20, 'x');
  text[5] = ',';
  text.back() = '\r';
  text += "\nnext,line";
  TableDocument grid;
  ScriptedPrompter prompter;
  MemorySource source(text);
  LoadTextIntoGrid(source, grid, true, prompter, nullptr);
  ASSERT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(1, 2), "next");
}

TEST(LoadTextIntoGrid, ReplaceWidensButAppendDropsExtraFields) {
  ScriptedPrompter prompter;
  TableDocument grid;
  MemorySource first("a,b\n");
  LoadTextIntoGrid(first, grid, true, prompter, nullptr);
  EXPECT_EQ(grid.ColCount(), 3);

  MemorySource second("c,d,e,f\n,\n");
  const LoadResult result = LoadTextIntoGrid(second, grid, false, prompter, nullptr);
  EXPECT_EQ(result.linesStored, 2);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"a", "b"}, {"c", "d"}, {}}));

  MemorySource third("1\n1,2,3,4\n");
  LoadTextIntoGrid(third, grid, true, prompter, nullptr);
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(DataRows(grid), (std::vector<Cells>{{"1"}, {"1", "2", "3", "4"}}));
}

TEST(LoadTextIntoGrid, ZeroBytesAreKeptAsData) {
  const std::string text("a\0b,c\n\0,d\n", 10);
  EXPECT_EQ(Read(text), (std::vector<Cells>{{std::string("a\0b", 3), "c"}, {std::string(1, '\0'), "d"}}));
}

TEST(LoadTextIntoGrid, FilesOfOnlyDelimitersQuotesOrBreaks) {
  EXPECT_EQ(Read(",,,\n,"), (std::vector<Cells>{{}, {}}));
  ScriptedPrompter prompter{Answer::No, Answer::Yes};
  EXPECT_EQ(Read("\r\r\r", prompter), (std::vector<Cells>{{}, {}, {}}));
  // Quotes only, split at blanks: a quoted field with two doubled quotes
  // runs over the break to the quote that closes it.
  EXPECT_EQ(Read("\"\"\"\"\"\n\"", prompter), (std::vector<Cells>{{"\"\"\n"}}));
}

TEST(LoadTextIntoGrid, TooManyColumnsIsRefusedWithAMessage) {
  const std::string line(TableDocument::kMaxColCount, ',');
  TableDocument grid;
  ScriptedPrompter prompter;
  MemorySource source(line);
  EXPECT_THROW(LoadTextIntoGrid(source, grid, true, prompter, nullptr), TabuloError);
}

TEST(LoadTextIntoGrid, HugeLineBecomesOneCell) {
  std::string text(100 << 20, 'x');
  text += ",y\n";
  TableDocument grid;
  ScriptedPrompter prompter;
  MemorySource source(text);
  LoadTextIntoGrid(source, grid, true, prompter, nullptr);
  ASSERT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(1, 1).size(), std::size_t{100} << 20);
  EXPECT_EQ(grid.Cell(2, 1), "y");
}

class RecordingProgress final : public ProgressSink {
 public:
  void ShowProgress(int percent) override { shown.push_back(percent); }
  void HideProgress() override { ++hidden; }
  std::vector<int> shown;
  int hidden = 0;
};

TEST(LoadTextIntoGrid, ProgressRisesToTheEndAndIsHidden) {
  RecordingProgress progress;
  TableDocument grid;
  ScriptedPrompter prompter;
  std::string text;
  while (text.size() < (3u << 20)) text += "a,b\n";  // several read blocks
  MemorySource source(text);
  LoadTextIntoGrid(source, grid, true, prompter, &progress);
  EXPECT_EQ(progress.shown.front(), 0);
  EXPECT_EQ(progress.shown.back(), 100);
  EXPECT_TRUE(std::is_sorted(progress.shown.begin(), progress.shown.end()));
  EXPECT_EQ(progress.hidden, 1);
}

TEST(LoadTextIntoGrid, MissingFileThrowsAndLeavesTheDocument) {
  test::TempDir dir;
  TableDocument grid;
  grid.SetCell(1, 1, "kept");
  ScriptedPrompter prompter;
  EXPECT_THROW(LoadTextIntoGrid(dir / "missing.csv", grid, true, prompter, nullptr), FileError);
  EXPECT_THROW(LoadTextIntoGrid(dir.Path(), grid, true, prompter, nullptr), FileError);
  EXPECT_EQ(grid.Cell(1, 1), "kept");
}

TEST(LoadTextIntoGrid, ReadsCsvAcidTests) {
  // The expected rows are those of the suite's own JSON files.
  struct Expect {
    const char* file;
    std::vector<Cells> rows;
  };
  const std::vector<Expect> cases{
      {"comma_in_quotes.csv",
       {{"first", "last", "address", "city", "zip"}, {"John", "Doe", "120 any st.", "Anytown, WW", "08123"}}},
      {"escaped_quotes.csv", {{"a", "b"}, {"1", "ha \"ha\" ha"}, {"3", "4"}}},
      {"empty_crlf.csv", {{"a", "b", "c"}, {"1"}, {"2", "3", "4"}}},
      {"simple_crlf.csv", {{"a", "b", "c"}, {"1", "2", "3"}}},
      {"newlines.csv", {{"a", "b", "c"}, {"1", "2", "3"}, {"Once upon \na time", "5", "6"}, {"7", "8", "9"}}},
      {"newlines_crlf.csv", {{"a", "b", "c"}, {"1", "2", "3"}, {"Once upon \r\na time", "5", "6"}, {"7", "8", "9"}}},
      {"quotes_and_newlines.csv", {{"a", "b"}, {"1", "ha \n\"ha\" \nha"}, {"3", "4"}}},
      {"json.csv", {{"key", "val"}, {"1", "{\"type\": \"Point\", \"coordinates\": [102.0, 0.5]}"}}},
  };
  for (const Expect& c : cases) {
    TableDocument grid;
    ScriptedPrompter prompter;
    LoadTextIntoGrid(test::TestData(std::string("third_party/csv-acid-tests/csvs/") + c.file), grid, true,
                     prompter, nullptr);
    EXPECT_EQ(DataRows(grid), c.rows) << c.file;
  }
}

TEST(LoadTextIntoGrid, ReadsJapanPostAddressesIntact) {
  TableDocument grid;
  ScriptedPrompter prompter;
  const LoadResult result =
      LoadTextIntoGrid(test::TestData("third_party/japanpost-13tokyo/13TOKYO.CSV"), grid, true, prompter, nullptr);
  EXPECT_EQ(result.delimiter, Delimiter::Comma);
  EXPECT_EQ(result.linesStored, 4165);
  EXPECT_EQ(grid.ColCount(), 16);  // 15 fields and the row-number column
  for (int r = 1; r < grid.RowCount(); ++r) {
    ASSERT_EQ(grid.Cell(3, r).size(), 7u) << "postal code of row " << r;
    ASSERT_EQ(grid.Cell(7, r), test::Sjis("東京都")) << "row " << r;
  }
}

}  // namespace
}  // namespace tabulo
