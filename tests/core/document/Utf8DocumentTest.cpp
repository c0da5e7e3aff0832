#include <gtest/gtest.h>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/document/CsvOpen.h"
#include "core/document/CsvReader.h"
#include "core/document/DocumentOperations.h"
#include "core/document/DocumentWriter.h"
#include "core/document/EditTransaction.h"
#include "core/document/EncodingConversion.h"
#include "core/document/SideFile.h"
#include "core/document/StoredTitle.h"
#include "core/fixed/FixedImport.h"
#include "core/locale/TextConverter.h"
#include "core/print/PrintFormatFile.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using platform::ScriptedPrompter;
using test::Cells;
using test::DataRows;
using test::ReadFile;
using test::WriteFile;

SaveOptions TextOnly() {
  SaveOptions options;
  options.SaveAttributes = false;
  return options;
}

// Opens `bytes` as a file, saves it without attributes and gives the saved bytes.
std::string OpenedAndSaved(const std::string& bytes, Document& document,
                           EncodingChoice choice = EncodingChoice::Auto) {
  test::TempDir dir;
  WriteFile(dir / "in.csv", bytes);
  ScriptedPrompter prompter;
  LoadTextIntoGrid(dir / "in.csv", document.grid, true, prompter, nullptr, choice);
  WriteDocument(document, dir / "out.csv", TextOnly(), nullptr, {});
  return ReadFile(dir / "out.csv");
}

TEST(Utf8Document, OpensInItsEncodingAndSavesBackByteForByte) {
  const std::string withMark = "\xEF\xBB\xBF" "名前,記号\r\n波〜ダッシュ,‾¥\r\n絵文字,😀𠀋\r\n\"a,\"\"b\"\"\",髙\r\n";
  Document document;
  EXPECT_EQ(OpenedAndSaved(withMark, document), withMark);
  EXPECT_EQ(document.grid.Encoding(), (FileEncoding{TextEncoding::Utf8, true}));
  EXPECT_EQ(document.grid.Cell(1, 1), "名前");  // the mark is no part of the first cell
  EXPECT_EQ(document.grid.Cell(1, 4), "a,\"b\"");

  const std::string withoutMark = "名前,記号\r\n波〜ダッシュ,‾¥\r\n";
  Document plain;
  EXPECT_EQ(OpenedAndSaved(withoutMark, plain), withoutMark);
  EXPECT_EQ(plain.grid.Encoding(), (FileEncoding{TextEncoding::Utf8, false}));
}

TEST(Utf8Document, LinesEndingInLineFeedsStaySo) {
  Document document;
  const std::string text = "名前,記号\n波〜,😀\n";
  EXPECT_EQ(OpenedAndSaved(text, document), text);
  EXPECT_TRUE(document.grid.Encoding().lineFeedOnly);
  EXPECT_EQ(OpenedAndSaved("\xEF\xBB\xBF" + text, document), "\xEF\xBB\xBF" + text);
  // A Shift-JIS file is written with CR LF, as it always was.
  EXPECT_EQ(OpenedAndSaved("\x96\xBC,1\n", document), "\x96\xBC,1\r\n");
}

TEST(Utf8Document, ShiftJisFilesReadAsBefore) {
  const std::string sjis = "\x96\xBC\x91\x4F,\x83\x5C\r\n";  // 名前,ソ
  Document document;
  EXPECT_EQ(OpenedAndSaved(sjis, document), sjis);
  EXPECT_EQ(document.grid.Encoding(), FileEncoding{});
  EXPECT_EQ(document.grid.Cell(2, 1), "\x83\x5C");
}

TEST(Utf8Document, TheChoiceOverridesDetection) {
  Document document;
  // Half-width katakana of code page 932 that look like UTF-8 (ﾃｱ).
  EXPECT_EQ(OpenedAndSaved("\xC3\xB1,1\r\n", document, EncodingChoice::ShiftJis), "\xC3\xB1,1\r\n");
  EXPECT_EQ(document.grid.Encoding().encoding, TextEncoding::ShiftJis);
  // Told UTF-8, a damaged text keeps its bytes.
  EXPECT_EQ(OpenedAndSaved("a\xFF,b\r\n", document, EncodingChoice::Utf8), "a\xFF,b\r\n");
  EXPECT_EQ(document.grid.Encoding().encoding, TextEncoding::Utf8);
  // Told code page 932, a byte-order mark is data of the first cell.
  EXPECT_EQ(OpenedAndSaved("\xEF\xBB\xBF" "a,b\r\n", document, EncodingChoice::ShiftJis), "\xEF\xBB\xBF" "a,b\r\n");
}

TEST(Utf8Document, AppendedLinesTakeTheDocumentsEncoding) {
  test::TempDir dir;
  WriteFile(dir / "utf8.csv", "\xEF\xBB\xBF" "東京,1\r\n");
  WriteFile(dir / "sjis.csv", "\x91\xE5\x8D\xE3,2\r\n");  // 大阪
  Document document;
  ScriptedPrompter prompter;
  LoadTextIntoGrid(dir / "utf8.csv", document.grid, true, prompter, nullptr);
  LoadTextIntoGrid(dir / "sjis.csv", document.grid, false, prompter, nullptr);
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"東京", "1"}, {"大阪", "2"}}));

  // The other way a character code page 932 lacks cannot be appended.
  WriteFile(dir / "emoji.csv", "😀,3\r\n");
  Document sjis;
  LoadTextIntoGrid(dir / "sjis.csv", sjis.grid, true, prompter, nullptr);
  EXPECT_THROW(LoadTextIntoGrid(dir / "emoji.csv", sjis.grid, false, prompter, nullptr), ConvertError);
  EXPECT_EQ(DataRows(sjis.grid).size(), 1U);
}

TEST(Utf8Document, ANewDocumentIsShiftJisAgain) {
  Document document;
  OpenedAndSaved("\xEF\xBB\xBF" "a,b\r\n", document);
  NewDocument(document);
  EXPECT_EQ(document.grid.Encoding(), FileEncoding{});
}

TEST(Utf8Document, ConvertingReportsWhatTheOtherEncodingCannotHold) {
  Document document;
  OpenedAndSaved("\xEF\xBB\xBF" "題,😀\r\n髙,ｱ\r\n", document);
  document.grid.Item(2).Title = "絵";
  const UnconvertibleCells lost = FindUnconvertibleCells(document.grid, TextEncoding::ShiftJis);
  EXPECT_EQ(lost.count, 1U);
  EXPECT_EQ(lost.first, (std::vector<UnconvertibleCells::Position>{{2, 1}}));
  EXPECT_THROW(ConvertDocumentEncoding(document.grid, FileEncoding{}), ConvertError);
  EXPECT_EQ(document.grid.Cell(2, 1), "😀");  // nothing changed

  document.grid.SetCell(2, 1, "x");
  ConvertDocumentEncoding(document.grid, FileEncoding{});
  EXPECT_EQ(document.grid.Encoding(), FileEncoding{});
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"\x91\xE8", "x"}, {"\xFB\xFC", "\xB1"}}));
  EXPECT_EQ(document.grid.Cell(2, 0), "\x8A\x47");

  // A byte that forms no code page 932 character would be lost the other way.
  document.grid.SetCell(1, 2, "a\x80");
  const UnconvertibleCells damaged = FindUnconvertibleCells(document.grid, TextEncoding::Utf8);
  EXPECT_EQ(damaged.first, (std::vector<UnconvertibleCells::Position>{{1, 2}}));
  document.grid.SetCell(1, 2, "\xFB\xFC");
  ConvertDocumentEncoding(document.grid, FileEncoding{TextEncoding::Utf8, true});
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"題", "x"}, {"髙", "ｱ"}}));
}

// Saving in another encoding converts the document as one step of its
// history: undoing it gives back the cells and the encoding together, and
// characters the target lacks become "?" only when asked for.
TEST(Utf8Document, AConversionIsOneStepThatUndoesWithItsEncoding) {
  Document document;
  OpenedAndSaved("\xEF\xBB\xBF" "題,😀\r\n髙,a\xFF\r\n", document);
  document.grid.Item(1).Title = "〜題";
  const FileEncoding utf8 = document.grid.Encoding();
  {
    EditTransaction edit(document.grid, "エンコードの変更");
    ConvertDocumentEncoding(document.grid, FileEncoding{}, true);
    edit.Commit();
  }
  EXPECT_EQ(document.grid.Encoding(), FileEncoding{});
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"\x91\xE8", "?"}, {"\xFB\xFC", "a?"}}));
  EXPECT_EQ(document.grid.Item(1).Title, "?\x91\xE8");

  const ChangeRecord undone = document.grid.Undo();
  EXPECT_TRUE(undone.shapeChanged);
  EXPECT_EQ(document.grid.Encoding(), utf8);
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"題", "😀"}, {"髙", "a\xFF"}}));
  EXPECT_EQ(document.grid.Item(1).Title, "〜題");

  document.grid.Redo();
  EXPECT_EQ(document.grid.Encoding(), FileEncoding{});
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"\x91\xE8", "?"}, {"\xFB\xFC", "a?"}}));
}

TEST(Utf8Document, AFixedLengthImportMakesTheDocumentShiftJisAgain) {
  Document document;
  OpenedAndSaved("\xEF\xBB\xBF" "題,😀\r\n", document);
  test::TempDir dir;
  TGridPrintInfo printInfo;
  TFixedFieldCnf definition(printInfo, dir / "FixedCnf");
  definition.AddField();
  definition.AddField();
  ImportFixedLines(TextLines::FromBytes("\x95\x5C" "12\r\n"), definition, {}, document.grid, nullptr);
  EXPECT_EQ(document.grid.Encoding(), FileEncoding{});
}

TEST(Utf8Document, PrintFormatTitlesReadBackExactly) {
  Document document;
  OpenedAndSaved("\xEF\xBB\xBF" "題,😀\r\n", document);
  std::vector<TGPItem> items;
  for (int col = 0; col < document.grid.ColCount(); ++col) items.push_back(document.grid.Item(col));
  items[1].Title = "〜😀&";
  items[2].Title = "普通";
  const std::string stored = BuildPrintFormat(document.printInfo, items, TextEncoding::Utf8);
  std::vector<TGPItem> read = items;
  for (TGPItem& item : read) item.Title.clear();
  ApplyPrintFormat(stored, document.printInfo, read, TextEncoding::Utf8);
  EXPECT_EQ(read[0].Title, items[0].Title);  // the row-number column's own text
  EXPECT_EQ(read[1].Title, "〜😀&");
  EXPECT_EQ(read[2].Title, "普通");
  // The file itself holds code page 932 text only.
  EXPECT_NE(stored.find("\x95\x81\x92\xCA"), std::string::npos);
}

TEST(Utf8Document, TitlesGoIntoTheSideFileAsShiftJisAndReadBackExactly) {
  const std::string titles[] = {"品名", "絵😀", "波〜&#x41;", "a\xFF&", "&#xZZ;"};
  for (const auto& title : titles) {
    const std::string stored = StoredTitle(title, TextEncoding::Utf8);
    TextConverter cp932(TextEncoding::ShiftJis);
    EXPECT_NO_THROW(cp932.FromUtf8(cp932.ToUtf8(stored))) << title;
    EXPECT_EQ(TitleFromStored(stored, TextEncoding::Utf8), title);
  }
  EXPECT_EQ(StoredTitle("品名", TextEncoding::Utf8), "\x95\x69\x96\xBC");
  EXPECT_EQ(StoredTitle("絵😀&", TextEncoding::Utf8), "\x8A\x47&#x1f600;&#x26;");
  // Code page 932 documents store their titles untouched, references and all.
  EXPECT_EQ(StoredTitle("a&#x26;", TextEncoding::ShiftJis), "a&#x26;");
  EXPECT_EQ(TitleFromStored("a&#x26;", TextEncoding::ShiftJis), "a&#x26;");

  test::TempDir dir;
  WriteFile(dir / "in.csv", "\xEF\xBB\xBF" "1,2\r\n");
  Document document;
  ScriptedPrompter prompter;
  LoadCsvDocument(document, dir / "in.csv", false, prompter, nullptr);
  document.grid.Item(1).Title = "絵😀";
  SaveOptions options;
  options.WithRowNumbers = false;
  WriteDocument(document, dir / "out.csv", options, nullptr, {});
  EXPECT_EQ(ReadFile(dir / "out.csv"), "\xEF\xBB\xBF" "1,2\r\n");
  EXPECT_NE(ReadFile(dir / "out.cfg").find("\x8A\x47&#x1f600;"), std::string::npos);
  Document reopened;
  LoadCsvDocument(reopened, dir / "out.csv", true, prompter, nullptr);
  EXPECT_EQ(reopened.grid.Item(1).Title, "絵😀");
  EXPECT_EQ(reopened.grid.Item(2).Title, document.grid.Item(2).Title);
}

TEST(Utf8Document, RowNumbersAreWrittenInTheDocumentsEncoding) {
  Document document;
  SaveOptions options = TextOnly();
  options.WithTitle = true;
  options.WithRowNumbers = true;
  test::TempDir dir;
  WriteFile(dir / "in.csv", "名,1\r\n");
  ScriptedPrompter prompter;
  LoadCsvDocument(document, dir / "in.csv", false, prompter, nullptr);
  document.grid.SetCell(0, 1, kTotalsRowLabel);
  WriteDocument(document, dir / "out.csv", options, nullptr, {});
  EXPECT_EQ(ReadFile(dir / "out.csv"), "行番,\"列   1\",\"列   2\"\r\n集計,名,1\r\n");
}

TEST(Utf8Document, JapanPostDataSavesAsItsShiftJisOriginalDoes) {
  const auto file = test::SharedTestData("japanpost-13tokyo/2025/13TOKYO.CSV");
  if (!file) GTEST_SKIP() << "the shared test data is not on this machine";
  TextConverter cp932(TextEncoding::ShiftJis);
  const std::string sjis = ReadFile(*file);
  const std::string utf8 = cp932.ToUtf8(sjis);
  Document fromSjis;
  Document fromUtf8;
  // The writer quotes only the fields that need it, so both lose the same
  // quotes of the original; otherwise the texts agree byte for byte.
  const std::string savedSjis = OpenedAndSaved(sjis, fromSjis);
  const std::string savedUtf8 = OpenedAndSaved(utf8, fromUtf8);
  EXPECT_EQ(fromUtf8.grid.Encoding().encoding, TextEncoding::Utf8);
  EXPECT_EQ(savedUtf8, cp932.ToUtf8(savedSjis));
  EXPECT_EQ(fromUtf8.grid.RowCount(), fromSjis.grid.RowCount());
}

}  // namespace
}  // namespace tabulo
