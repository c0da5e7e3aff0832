#include "core/rows/Merge.h"

#include <gtest/gtest.h>

#include "core/document/CsvReader.h"
#include "core/rows/MergeSource.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Cells;
using test::GridOf;
using test::Sjis;
using test::Utf8;

MergeOptions For(const TableDocument& grid, std::initializer_list<std::tuple<int, int, MergeRole>> pairs) {
  MergeOptions options;
  options.items.resize(static_cast<std::size_t>(grid.ColCount()));
  for (const auto& [col, field, role] : pairs) options.items[static_cast<std::size_t>(col)] = {field, role};
  return options;
}

TEST(ExtractField, QuotedFieldsOnlyOutsideTabText) {
  EXPECT_EQ(ExtractField("a,\"b,\"\"c\"\"\",d", Delimiter::Comma, 1), "b,\"c\"");
  EXPECT_EQ(ExtractField("a,\"b,\"\"c\"\"\",d", Delimiter::Comma, 2), "d");
  EXPECT_EQ(ExtractField("\"ab\"cd,ef", Delimiter::Comma, 1), "cd");  // text after the closing quote
  EXPECT_EQ(ExtractField("\"open,end", Delimiter::Comma, 0), "open,end");
  EXPECT_EQ(ExtractField("\"a\"\t\"b", Delimiter::Tab, 0), "\"a\"");
  EXPECT_EQ(ExtractField("\"a\"\t\"b", Delimiter::Tab, 1), "\"b");
  EXPECT_EQ(ExtractField("a,,c,", Delimiter::Comma, 1), "");
  EXPECT_EQ(ExtractField("a,,c,", Delimiter::Comma, 2), "c");
  EXPECT_EQ(ExtractField("a,,c,", Delimiter::Comma, 3), "");
  EXPECT_EQ(ExtractField("a,,c,", Delimiter::Comma, 9), "");
  EXPECT_EQ(ExtractField("", Delimiter::Comma, 0), "");
  EXPECT_EQ(ExtractField("x y", Delimiter::Blank, 1), "y");
  EXPECT_EQ(ExtractField(Sjis("表,\"ソ\"\"\"\t"), Delimiter::Comma, 1), Sjis("ソ\""));
}

TEST(MergeSource, DelimiterFieldCountAndLabels) {
  const MergeSource comma = MergeSource::FromBytes("code,name\r\n1,a,extra\r2 b\n");
  EXPECT_EQ(comma.FieldDelimiter(), Delimiter::Comma);
  EXPECT_EQ(comma.LineCount(), 3u);
  EXPECT_EQ(comma.Line(2), "2 b");
  EXPECT_EQ(comma.FieldCount(), 3);
  EXPECT_EQ(comma.Labels(), (std::vector<std::string>{"code", "name", ""}));
  EXPECT_EQ(MergeSource::FromBytes("a,b\tc\n").FieldDelimiter(), Delimiter::Tab);
  EXPECT_EQ(MergeSource::FromBytes("a b c\n").FieldCount(), 3);
  EXPECT_EQ(MergeSource::FromBytes("").LineCount(), 0u);
  EXPECT_EQ(MergeSource::FromBytes("").FieldCount(), 0);
}

// The other file is put into the document's encoding as its bytes show it,
// or as the user said it is.
TEST(MergeSource, TheEncodingChoiceOverridesDetection) {
  const std::string utf8 = "\xEF\xBB\xBF" "題,a\n";
  EXPECT_EQ(MergeSource::FromBytes(utf8).Labels()[0], Sjis("題"));
  EXPECT_EQ(MergeSource::FromBytes(utf8, TextEncoding::Utf8).Labels()[0], "題");
  // Told Shift-JIS, the mark and the bytes stay what they are.
  EXPECT_EQ(MergeSource::FromBytes(utf8, TextEncoding::ShiftJis, EncodingChoice::ShiftJis).Labels()[0],
            "\xEF\xBB\xBF" "題");
  const std::string sjis = Sjis("題,a\n");
  EXPECT_EQ(MergeSource::FromBytes(sjis, TextEncoding::Utf8).Labels()[0], "題");
  test::TempDir dir;
  test::WriteFile(dir / "o.csv", "\xE3\x81\x82,b\n");  // "あ" in UTF-8
  EXPECT_EQ(MergeSource::Read(dir / "o.csv", TextEncoding::Utf8, EncodingChoice::Utf8).Labels()[0], "あ");
  EXPECT_EQ(MergeSource::Read(dir / "o.csv", TextEncoding::ShiftJis).Labels()[0], Sjis("あ"));
}

TEST(Merge, ReplaceAndAppendOnRowsWithTheKey) {
  TableDocument grid = GridOf({{"1", "old", "x"}, {"2", "old", "y"}, {"3", "old", "z"}, {"1", "", ""}});
  const MergeSource other = MergeSource::FromBytes("1,one,A\n3,three,C\n");
  const int count = MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}, {2, 1, MergeRole::Replace},
                                                      {3, 2, MergeRole::Append}}), nullptr);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{"1", "one", "xA"}, {"2", "old", "y"}, {"3", "three", "zC"},
                                                       {"1", "one", "A"}}));
}

TEST(Merge, KeyPartsJoinWithoutSeparator) {
  TableDocument grid = GridOf({{"a", "bc", ""}});
  const MergeSource other = MergeSource::FromBytes("ab,c,hit\n");
  EXPECT_EQ(MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}, {2, 1, MergeRole::Key},
                                              {3, 2, MergeRole::Replace}}), nullptr), 1);
  EXPECT_EQ(grid.Cell(3, 1), "hit");
}

TEST(Merge, TitleRowTakesPart) {
  TableDocument grid = GridOf({{"1", "a"}});
  grid.SetCell(1, 0, "code");
  grid.SetCell(2, 0, "name");
  const MergeSource other = MergeSource::FromBytes("code,label\n1,one\n");
  EXPECT_EQ(MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}, {2, 1, MergeRole::Append}}), nullptr), 2);
  EXPECT_EQ(grid.Cell(2, 0), "namelabel");
  EXPECT_EQ(grid.Cell(2, 1), "aone");
}

TEST(Merge, LetterCaseIsIgnoredByDefaultOnly) {
  TableDocument grid = GridOf({{"abc", ""}, {Sjis("ｱｲｳ"), ""}});
  const MergeSource other = MergeSource::FromBytes("ABC,upper\n" + Sjis("あいう") + ",kana\n");
  MergeOptions options = For(grid, {{1, 0, MergeRole::Key}, {2, 1, MergeRole::Replace}});
  EXPECT_EQ(MergeRows(grid, other, options, nullptr), 1);
  EXPECT_EQ(grid.Cell(2, 1), "upper");

  options.ignoreKana = options.ignoreWidth = true;
  EXPECT_EQ(MergeRows(grid, other, options, nullptr), 2);
  EXPECT_EQ(grid.Cell(2, 2), "kana");

  options.ignoreCase = false;
  grid.SetCell(2, 1, "");
  EXPECT_EQ(MergeRows(grid, other, options, nullptr), 1);
  EXPECT_EQ(grid.Cell(2, 1), "");
}

TEST(Merge, FirstLineOfAKeyWinsAndEmptyLinesTakeNoPart) {
  TableDocument grid = GridOf({{"k", "v"}, {"", "keep"}});
  const MergeSource other = MergeSource::FromBytes("k,first\n\nk,second\n");
  EXPECT_EQ(MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}, {2, 1, MergeRole::Replace}}), nullptr), 1);
  EXPECT_EQ(test::DataRows(grid), (std::vector<Cells>{{"k", "first"}, {"", "keep"}}));
}

TEST(Merge, TabFileKeepsQuotes) {
  TableDocument grid = GridOf({{"\"q\"", ""}});
  const MergeSource other = MergeSource::FromBytes("\"q\"\t\"kept\"\n");
  EXPECT_EQ(MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}, {2, 1, MergeRole::Replace}}), nullptr), 1);
  EXPECT_EQ(grid.Cell(2, 1), "\"kept\"");
}

TEST(Merge, RefusesIncompleteOrMisplacedRoles) {
  TableDocument grid = GridOf({{"1", ""}});
  const MergeSource other = MergeSource::FromBytes("1,x\n");
  EXPECT_FALSE(MergeAllowed(For(grid, {{1, 0, MergeRole::Key}})));
  EXPECT_FALSE(MergeAllowed(For(grid, {{2, 1, MergeRole::Replace}})));
  EXPECT_TRUE(MergeAllowed(For(grid, {{1, 0, MergeRole::Key}, {2, 1, MergeRole::Replace}})));
  EXPECT_THROW(MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}}), nullptr), std::invalid_argument);
  EXPECT_THROW(MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}, {0, 1, MergeRole::Replace}}), nullptr),
               std::invalid_argument);
  // Column 0 may be a key: the row numbers.
  EXPECT_EQ(MergeRows(grid, other, For(grid, {{0, 0, MergeRole::Key}, {2, 1, MergeRole::Replace}}), nullptr), 1);
  EXPECT_EQ(grid.Cell(2, 1), "x");
}

// The business postal-code file merged into the postal-code file by the
// local-government code; the count was taken with a script of its own.
TEST(Merge, BusinessFileIntoPostalCodeFile) {
  const auto ken = test::SharedTestData("japanpost-kenall/KEN_ALL.CSV");
  const auto jigyosyo = test::SharedTestData("japanpost-kenall/JIGYOSYO.CSV");
  if (!ken || !jigyosyo) GTEST_SKIP() << "the shared test data are not on this machine";
  TableDocument grid;
  platform::ScriptedPrompter prompter;
  LoadTextIntoGrid(*ken, grid, true, prompter, nullptr);
  const MergeSource other = MergeSource::Read(*jigyosyo);
  EXPECT_EQ(other.LineCount(), 22416u);
  EXPECT_EQ(other.FieldDelimiter(), Delimiter::Comma);

  grid.SetColCount(grid.ColCount() + 1);
  const int extra = grid.ColCount() - 1;
  EXPECT_EQ(MergeRows(grid, other, For(grid, {{1, 0, MergeRole::Key}, {extra, 2, MergeRole::Replace}}), nullptr),
            121002);
  EXPECT_EQ(Utf8(grid.Cell(extra, 1)).substr(0, 12), "株式会社");  // the first business of code 01101
  EXPECT_EQ(grid.Cell(1, 1), "01101");
  // By postal code nothing matches: business codes are codes of their own.
  EXPECT_EQ(MergeRows(grid, other, For(grid, {{3, 7, MergeRole::Key}, {extra, 2, MergeRole::Replace}}), nullptr),
            0);
}

}  // namespace
}  // namespace tabulo
