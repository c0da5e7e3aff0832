#include "core/document/CsvWriter.h"

#include <gtest/gtest.h>

#include <random>

#include "core/base/FileIo.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::DataRows;
using test::GridOf;

std::string Write(const TableDocument& grid, SaveFormat format, bool withTitle = false, bool withRowNumbers = false) {
  StringSink sink;
  WriteDelimitedText(grid, format, withTitle, withRowNumbers, sink, nullptr);
  return sink.Bytes();
}

TEST(WriteDelimitedText, CommaFormatQuotesOnlyWhereNeeded) {
  const TableDocument grid = GridOf({{"plain", "a b", "a\tb", "a,b", "say \"hi\"", "", "end"}});
  EXPECT_EQ(Write(grid, SaveFormat::Comma), "plain,\"a b\",\"a\tb\",\"a,b\",\"say \"\"hi\"\"\",,end\r\n");
}

TEST(WriteDelimitedText, CommaFormatWritesALoneEmptyFieldAsTwoQuotes) {
  const TableDocument grid = GridOf({{"x"}, {""}});
  EXPECT_EQ(Write(grid, SaveFormat::Comma), "x\r\n\"\"\r\n");
  EXPECT_EQ(Write(grid, SaveFormat::Plain), "x\r\n\r\n");
  EXPECT_EQ(Write(grid, SaveFormat::Comma, false, true), "1,x\r\n2,\r\n");
}

TEST(WriteDelimitedText, TypedFormatQuotesByColumnType) {
  TableDocument grid = GridOf({{"1,234", "abc", "", "12", "2024/01/02"}});
  grid.Item(1).DataType = static_cast<std::uint8_t>(ColumnType::Numeric);
  grid.Item(4).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  grid.Item(5).DataType = static_cast<std::uint8_t>(ColumnType::Date);
  EXPECT_EQ(Write(grid, SaveFormat::Typed), "\"1,234\",\"abc\",\"\",12,\"2024/01/02\"\r\n");
  // The row-number column is a string column like any other.
  EXPECT_EQ(Write(grid, SaveFormat::Typed, false, true).substr(0, 4), "\"1\",");
}

TEST(WriteDelimitedText, TypedFormatQuotesTabsAndLineBreaksInNumberColumns) {
  TableDocument grid = GridOf({{"1\t2", "3\r\n4", "5"}});
  for (int c = 1; c <= 3; ++c) grid.Item(c).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  EXPECT_EQ(Write(grid, SaveFormat::Typed), "\"1\t2\",\"3\r\n4\",5\r\n");
}

TEST(WriteDelimitedText, OtherFormats) {
  const TableDocument grid = GridOf({{"a\tb", "", "c\"d"}});
  EXPECT_EQ(Write(grid, SaveFormat::Tab), "a\tb\t\tc\"d\r\n");
  EXPECT_EQ(Write(grid, SaveFormat::Quoted), "\"a\tb\",\"\",\"c\"\"d\"\r\n");
  EXPECT_EQ(Write(grid, SaveFormat::Plain), "a\tb,,c\"d\r\n");
}

TEST(WriteDelimitedText, TitleRowAndRowNumbers) {
  TableDocument grid = GridOf({{"a", "b"}});
  grid.Item(1).Title = "x";
  grid.Item(2).Title = "y";
  EXPECT_EQ(Write(grid, SaveFormat::Comma, true, false), "x,y\r\na,b\r\n");
  EXPECT_EQ(Write(grid, SaveFormat::Comma, true, true), test::Sjis("行番") + ",x,y\r\n1,a,b\r\n");
}

TEST(WriteDelimitedText, DoubleByteTextIsNotQuotedForItsTrailBytes) {
  // ソ and 表 end in 0x5C, ポ in 0x7C.
  const TableDocument grid = GridOf({{"\x83\x5C", "\x95\x5C", "\x83\x7C"}});
  EXPECT_EQ(Write(grid, SaveFormat::Comma), "\x83\x5C,\x95\x5C,\x83\x7C\r\n");
}

std::vector<Cells> ReadBack(const std::string& text) {
  TableDocument grid;
  platform::ScriptedPrompter prompter;
  MemorySource source(text);
  LoadTextIntoGrid(source, grid, true, prompter, nullptr);
  return DataRows(grid);
}

TEST(WriteDelimitedText, QuotingFormatsReadBackEveryCellExactly) {
  // Random cells of any bytes, tabs and line breaks (quoted fields over
  // several lines) and cut double-byte characters included.
  std::mt19937 random(7);
  const std::string alphabet = std::string("ab ,\"\x83\x5C\x95\x82\xB1\t\r\n", 14) + std::string(1, '\0');
  std::vector<Cells> rows(400, Cells(4));
  for (Cells& row : rows) {
    for (std::string& cell : row) {
      const std::size_t length = random() % 6;
      for (std::size_t i = 0; i < length; ++i) cell += alphabet[random() % alphabet.size()];
    }
    row[0] = "k" + row[0];  // keeps every line from being empty
  }
  std::vector<Cells> expected = rows;
  for (Cells& row : expected) {
    while (!row.empty() && row.back().empty()) row.pop_back();
  }
  TableDocument grid = GridOf(rows);
  grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Numeric);  // the typed format leaves it bare
  for (SaveFormat format : {SaveFormat::Comma, SaveFormat::Typed, SaveFormat::Quoted}) {
    EXPECT_EQ(ReadBack(Write(grid, format)), expected) << static_cast<int>(format);
  }
}

TEST(WriteDelimitedText, ReproducesAFullyQuotedShiftJisFileByteForByte) {
  const auto path = test::TestData("third_party/estat-population/FEH_00200524_251118062717.csv");
  const std::string original = test::ReadFile(path);
  TableDocument grid;
  platform::ScriptedPrompter prompter;
  LoadTextIntoGrid(path, grid, true, prompter, nullptr);
  EXPECT_EQ(Write(grid, SaveFormat::Quoted), original);
}

TEST(WriteDelimitedText, ReproducesJapanPostFileInTheTypedFormat) {
  // Strings quoted, numbers bare: exactly the typed format once the number
  // columns are typed.
  const auto path = test::TestData("third_party/japanpost-13tokyo/13TOKYO.CSV");
  TableDocument grid;
  platform::ScriptedPrompter prompter;
  LoadTextIntoGrid(path, grid, true, prompter, nullptr);
  for (int c : {1, 10, 11, 12, 13, 14, 15}) grid.Item(c).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  EXPECT_EQ(Write(grid, SaveFormat::Typed), test::ReadFile(path));
}

TEST(WriterFiles, EachWriterCreatesItsFile) {
  test::TempDir dir;
  const TableDocument grid = GridOf({{"a", "b c"}});
  WriteCommaText(dir / "0.csv", grid, false, nullptr, false);
  WriteTabText(dir / "1.csv", grid, false, nullptr, false);
  WriteTypedCsv(dir / "2.csv", grid, false, nullptr, false);
  WriteQuotedCsv(dir / "3.csv", grid, false, nullptr, false);
  WritePlainCsv(dir / "4.csv", grid, false, nullptr, false);
  EXPECT_EQ(test::ReadFile(dir / "0.csv"), "a,\"b c\"\r\n");
  EXPECT_EQ(test::ReadFile(dir / "1.csv"), "a\tb c\r\n");
  EXPECT_EQ(test::ReadFile(dir / "2.csv"), "\"a\",\"b c\"\r\n");
  EXPECT_EQ(test::ReadFile(dir / "3.csv"), "\"a\",\"b c\"\r\n");
  EXPECT_EQ(test::ReadFile(dir / "4.csv"), "a,b c\r\n");
}

}  // namespace
}  // namespace tabulo
