// Side files that are empty, zeroed or otherwise damaged must never cost the
// document a row or hide its columns.

#include <gtest/gtest.h>

#include "core/base/ByteWriter.h"
#include "core/document/CsvOpen.h"
#include "core/document/SideFile.h"
#include "platform/ScriptedPrompter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using platform::ScriptedPrompter;
using test::Cells;
using test::DataRows;
using test::WriteFile;

OpenResult Open(Document& document, const std::filesystem::path& path) {
  ScriptedPrompter prompter{Answer::No};
  return LoadCsvDocument(document, path, true, prompter, nullptr);
}

TEST(SideFile, EmptyOrZeroedFilesAreDamageAndRemoveNoRow) {
  test::TempDir dir;
  WriteFile(dir / "a.csv", "pen,120\r\nink,80\r\n");
  for (const std::string& side : {std::string(), std::string(200, '\0'), std::string(3, '\0'),
                                  std::string(46, '\xff')}) {
    WriteFile(dir / "a.cfg", side);
    Document document;
    EXPECT_FALSE(Open(document, dir / "a.csv").sideFileRead) << side.size();
    EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"pen", "120"}, {"ink", "80"}})) << side.size();
    EXPECT_EQ(document.grid.Cell(1, 0), test::Sjis("列   1"));
    EXPECT_GT(document.grid.ColWidth(1), 0);
    EXPECT_GT(document.grid.ColWidth(2), 0);
  }
}

// Untagged records must be complete and plausible before the first data row
// is taken for the title line they replace.
TEST(SideFile, AnOldFormNeedsAPlausibleRecordForEveryColumn) {
  const auto oldRecord = [](ByteWriter& writer, std::int32_t index, std::uint8_t type, std::uint8_t ime) {
    writer.WriteCountedString("t");
    writer.WriteU8(type);
    writer.WriteU8(ime);
    writer.WriteU8(1);
    writer.WriteI32(index);
    writer.WriteI32(60);
    writer.WriteI32(0);
    writer.WriteU16(0x0824);
    for (int i = 0; i < 4; ++i) writer.WriteI32(0);
  };
  struct Case {
    const char* what;
    int records;
    std::uint8_t type;
    std::uint8_t ime;
    bool applied;
  };
  for (const Case& c : {Case{"complete", 3, 0, 3, true}, Case{"one column short", 2, 0, 3, false},
                        Case{"type out of range", 3, 9, 3, false}, Case{"no input-method mode", 3, 0, 0, false}}) {
    ByteWriter writer;
    for (int i = 0; i < c.records; ++i) oldRecord(writer, i, c.type, c.ime);
    Document document;
    document.grid = test::GridOf({{"name", "price"}, {"pen", "120"}});
    EXPECT_EQ(ApplySideFile(document, writer.Bytes()), c.applied) << c.what;
    EXPECT_EQ(document.grid.RowCount(), c.applied ? 2 : 3) << c.what;
  }
}

TEST(SideFile, ColumnsAreNeverAllHidden) {
  Document source;
  source.grid = test::GridOf({{"a", "b"}});
  source.grid.SetColWidth(1, 0);
  source.grid.SetColWidth(2, 0);
  Document target;
  target.grid = test::GridOf({{"a", "b"}});
  ASSERT_TRUE(ApplySideFile(target, BuildSideFile(source)));
  EXPECT_EQ(target.grid.ColWidth(1), target.grid.DefaultColWidth());
  EXPECT_EQ(target.grid.ColWidth(2), target.grid.DefaultColWidth());

  // One column hidden on purpose stays hidden.
  source.grid.SetColWidth(2, 55);
  ASSERT_TRUE(ApplySideFile(target, BuildSideFile(source)));
  EXPECT_EQ(target.grid.ColWidth(1), 0);
  EXPECT_EQ(target.grid.ColWidth(2), 55);
}

TEST(SideFile, AFileNamedLikeASideFileIsNotItsOwnSideFile) {
  test::TempDir dir;
  WriteFile(dir / "list.ctl", "name,price\r\npen,120\r\n");
  EXPECT_TRUE(IsSideFileName(dir / "list.ctl"));
  EXPECT_TRUE(IsSideFileName(dir / "list.cfg"));
  EXPECT_FALSE(IsSideFileName(dir / "list.CFG"));
  EXPECT_FALSE(IsSideFileName(dir / "list.csv"));
  EXPECT_FALSE(FindSideFile(dir / "list.ctl").has_value());
  Document document;
  EXPECT_FALSE(Open(document, dir / "list.ctl").sideFileRead);
  EXPECT_EQ(DataRows(document.grid), (std::vector<Cells>{{"name", "price"}, {"pen", "120"}}));
}

}  // namespace
}  // namespace tabulo
