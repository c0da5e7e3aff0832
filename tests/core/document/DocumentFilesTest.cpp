#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/base/ByteWriter.h"
#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/document/CsvOpen.h"
#include "core/document/DocumentOperations.h"
#include "core/document/DocumentWriter.h"
#include "core/document/SideFile.h"
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

Document SampleDocument() {
  Document document;
  document.grid = test::GridOf({{"pen", "1,200"}, {"ink", "300"}});
  document.grid.Item(1).Title = "item";
  document.grid.Item(2).Title = "price";
  document.grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Currency);
  document.grid.Item(2).DrawFlags = 0x0826;
  document.grid.Item(2).ImeMode = 1;
  document.grid.SetColWidth(2, 123);
  document.printInfo.LeftMargin = 150;
  return document;
}

TEST(WriteDocument, AttributesGoToTheSideFileAndSurviveReopening) {
  test::TempDir dir;
  Document document = SampleDocument();
  SaveOptions options;
  options.WithTitle = true;  // ignored while attributes are saved
  options.WithRowNumbers = true;
  WriteDocument(document, dir / "shop.csv", options, nullptr, {});
  EXPECT_EQ(ReadFile(dir / "shop.csv"), "pen,\"1,200\"\r\nink,300\r\n");
  ASSERT_TRUE(FileExists(dir / "shop.cfg"));

  Document reopened;
  ScriptedPrompter prompter;  // no title question may be asked
  const OpenResult result = LoadCsvDocument(reopened, dir / "shop.csv", true, prompter, nullptr);
  EXPECT_TRUE(result.sideFileRead);
  EXPECT_EQ(reopened.grid.Cell(1, 0), "item");
  EXPECT_EQ(reopened.grid.Item(2).DataType, static_cast<std::uint8_t>(ColumnType::Currency));
  EXPECT_EQ(reopened.grid.Item(2).DrawFlags, 0x0826);
  EXPECT_EQ(reopened.grid.Item(2).ImeMode, 1);
  EXPECT_EQ(reopened.grid.ColWidth(2), 123);
  EXPECT_EQ(reopened.printInfo.LeftMargin, 150);
  EXPECT_EQ(DataRows(reopened.grid), (std::vector<Cells>{{"pen", "1,200"}, {"ink", "300"}}));
  EXPECT_EQ(reopened.grid.Cell(0, 2), "2");
}

TEST(WriteDocument, SavingWithoutAttributesDeletesTheSideFile) {
  test::TempDir dir;
  Document document = SampleDocument();
  WriteDocument(document, dir / "shop.csv", SaveOptions{}, nullptr, {});
  ASSERT_TRUE(FileExists(dir / "shop.cfg"));
  SaveOptions options{1, false, true, true};
  WriteDocument(document, dir / "shop.csv", options, nullptr, dir / "shop.csv");
  EXPECT_FALSE(FileExists(dir / "shop.cfg"));
  EXPECT_EQ(ReadFile(dir / "shop.csv"),
            test::Sjis("行番") + "\titem\tprice\r\n1\tpen\t1,200\r\n2\tink\t300\r\n");
}

TEST(WriteDocument, AFailedSaveLeavesTextAndSideFileAsTheyWere) {
  test::TempDir dir;
  WriteFile(dir / "shop.csv", "old text");
  std::filesystem::create_directory(dir / "shop.cfg");  // a folder in the way of the side file
  Document document = SampleDocument();
  EXPECT_THROW(WriteDocument(document, dir / "shop.csv", SaveOptions{}, nullptr, {}), FileError);
  EXPECT_EQ(ReadFile(dir / "shop.csv"), "old text");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "shop.cfg"));

  EXPECT_THROW(WriteDocument(document, dir / "no-such-folder" / "a.csv", SaveOptions{}, nullptr, {}), FileError);
  EXPECT_THROW(WriteDocument(document, dir.Path(), SaveOptions{}, nullptr, {}), FileError);
  // No temporary files are left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST(WriteDocument, KeepsTheReplacedFilesPermissionsAndFollowsLinks) {
  test::TempDir dir;
  WriteFile(dir / "real.csv", "old");
  ::chmod((dir / "real.csv").c_str(), 0640);
  std::filesystem::create_symlink(dir / "real.csv", dir / "link.csv");
  Document document = SampleDocument();
  WriteDocument(document, dir / "link.csv", SaveOptions{0, false, false, false}, nullptr, {});
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
  EXPECT_EQ(ReadFile(dir / "real.csv"), "pen,\"1,200\"\r\nink,300\r\n");
  struct stat info {};
  ::stat((dir / "real.csv").c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(LoadCsvDocument, UsesTheCtlSideFileWhenThereIsNoCfg) {
  test::TempDir dir;
  Document document = SampleDocument();
  WriteDocument(document, dir / "a.csv", SaveOptions{}, nullptr, {});
  std::filesystem::rename(dir / "a.cfg", dir / "a.ctl");
  Document reopened;
  ScriptedPrompter prompter;
  EXPECT_TRUE(LoadCsvDocument(reopened, dir / "a.csv", true, prompter, nullptr).sideFileRead);
  EXPECT_EQ(reopened.grid.Cell(2, 0), "price");
}

TEST(LoadCsvDocument, DamagedSideFileFallsBackToDefaultsAndTheTitleQuestion) {
  test::TempDir dir;
  WriteFile(dir / "a.csv", "name,price\npen,120\n");
  Document document = SampleDocument();
  std::string side = BuildSideFile(document);
  side.resize(side.size() - 3);  // the last column record is cut short
  WriteFile(dir / "a.cfg", side);

  Document reopened;
  ScriptedPrompter prompter{Answer::Yes};
  const OpenResult result = LoadCsvDocument(reopened, dir / "a.csv", true, prompter, nullptr);
  EXPECT_FALSE(result.sideFileRead);
  ASSERT_EQ(prompter.Asked().size(), 1u);
  EXPECT_EQ(prompter.Asked()[0].id, MessageId::UseFirstLineAsTitlesQuestion);
  EXPECT_EQ(reopened.grid.Cell(2, 0), "price");
  EXPECT_EQ(reopened.grid.Item(2).DataType, 0);
  EXPECT_EQ(reopened.grid.ColWidth(2), 80);
  EXPECT_EQ(reopened.printInfo, TGridPrintInfo());
  EXPECT_EQ(DataRows(reopened.grid), (std::vector<Cells>{{"pen", "120"}}));
}

TEST(LoadCsvDocument, TitleQuestionNoKeepsTheFirstLineAsData) {
  test::TempDir dir;
  WriteFile(dir / "a.csv", "name,price\npen,120\n");
  Document document;
  ScriptedPrompter prompter{Answer::No};
  LoadCsvDocument(document, dir / "a.csv", true, prompter, nullptr);
  EXPECT_EQ(document.grid.Cell(1, 0), test::Sjis("列   1"));
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"name", "price"}, {"pen", "120"}}));
  ScriptedPrompter silent;
  LoadCsvDocument(document, dir / "a.csv", false, silent, nullptr);
  EXPECT_EQ(document.grid.RowCount(), 3);
}

TEST(LoadCsvDocument, ReadsTheOldSideFileFormAndDropsItsTitleLine) {
  test::TempDir dir;
  WriteFile(dir / "old.csv", "name,price\npen,120\n");
  // Untagged records without a print layout record: N, title, type, IME,
  // printed, column index, width, print width, flags, four reserved fields.
  ByteWriter writer;
  const auto oldRecord = [&writer](std::string_view title, std::uint8_t type, std::int32_t index, std::int32_t width) {
    writer.WriteCountedString(title);
    writer.WriteU8(type);
    writer.WriteU8(2);
    writer.WriteU8(1);
    writer.WriteI32(index);
    writer.WriteI32(width);
    writer.WriteI32(250);
    writer.WriteU16(0x0826);
    for (int i = 0; i < 4; ++i) writer.WriteI32(0);
  };
  oldRecord(kRowNumberTitle, 0, 0, 40);
  oldRecord("name", 0, 1, 90);
  oldRecord("price", 1, 2, 70);
  WriteFile(dir / "old.cfg", writer.Bytes());

  Document document;
  ScriptedPrompter prompter;
  EXPECT_TRUE(LoadCsvDocument(document, dir / "old.csv", true, prompter, nullptr).sideFileRead);
  EXPECT_EQ(document.grid.Cell(2, 0), "price");
  EXPECT_EQ(document.grid.Item(2).DataType, 1);
  EXPECT_EQ(document.grid.Item(2).ImeMode, 2);
  EXPECT_EQ(document.grid.Item(2).PrintIndex, 2);
  EXPECT_EQ(document.grid.ColWidth(1), 90);
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"pen", "120"}}));
}

TEST(ApplySideFile, ExtraRecordsAreIgnoredAndMissingOnesGetDefaults) {
  Document wide = SampleDocument();
  wide.grid.SetColCount(5);
  wide.grid.Item(4).Title = "extra";
  const std::string bytes = BuildSideFile(wide);

  Document narrow;
  narrow.grid = test::GridOf({{"a"}});
  EXPECT_TRUE(ApplySideFile(narrow, bytes));
  EXPECT_EQ(narrow.grid.Cell(1, 0), "item");

  Document wider;
  wider.grid = test::GridOf({{"a"}}, 7);
  Document small = SampleDocument();
  EXPECT_TRUE(ApplySideFile(wider, BuildSideFile(small)));
  EXPECT_EQ(wider.grid.Cell(2, 0), "price");
  EXPECT_EQ(wider.grid.Cell(5, 0), test::Sjis("列   5"));
  EXPECT_EQ(wider.grid.ColWidth(5), wider.grid.DefaultColWidth());
}

TEST(ApplySideFile, SurvivesTruncationAtEveryByte) {
  Document source = SampleDocument();
  const std::string bytes = BuildSideFile(source);
  for (std::size_t length = 0; length <= bytes.size(); ++length) {
    Document target;
    target.grid = test::GridOf({{"a", "b"}});
    const bool applied = ApplySideFile(target, std::string_view(bytes).substr(0, length));
    if (!applied) {
      EXPECT_EQ(target.grid.Cell(2, 0), test::Sjis("列   2")) << length;
    }
  }
}

}  // namespace
}  // namespace tabulo

namespace tabulo {
namespace {

TEST(LoadCsvDocument, AFileThatCannotBeOpenedChangesNothing) {
  test::TempDir dir;
  Document document = SampleDocument();
  ScriptedPrompter prompter;
  EXPECT_THROW(LoadCsvDocument(document, dir / "missing.csv", true, prompter, nullptr), FileError);
  EXPECT_EQ(document.grid.Cell(2, 0), "price");
  EXPECT_EQ(document.grid.Cell(1, 1), "pen");
}

}  // namespace
}  // namespace tabulo
