// The file output of a narrowing search: the listed rows through the save
// formats, and the ".ctl" side file written or deleted.

#include <gtest/gtest.h>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/document/SideFile.h"
#include "core/rows/Filter.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::ReadFile;
using test::WriteFile;

Document Stationery() {
  Document document;
  document.grid = test::GridOf({{"pen", "1,200"}, {"ink", "80"}, {"a \"b\"", ""}});
  document.grid.SetCell(1, 0, "item");
  document.grid.SetCell(2, 0, "price");
  document.grid.Item(2).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  document.grid.SetColWidth(2, 123);
  return document;
}

const std::vector<int> kRows{1, 3};

TEST(WriteFilteredRows, TheListedRowsInEachFormat) {
  test::TempDir dir;
  const Document document = Stationery();
  const struct {
    SaveOptions options;
    const char* text;
  } cases[] = {
      {{0, false, false, false}, "pen,\"1,200\"\r\n\"a \"\"b\"\"\",\r\n"},
      {{0, false, true, true}, "\x8D\x73\x94\xD4,item,price\r\n1,pen,\"1,200\"\r\n3,\"a \"\"b\"\"\",\r\n"},
      {{1, false, true, false}, "item\tprice\r\npen\t1,200\r\na \"b\"\t\r\n"},
      {{2, false, false, false}, "\"pen\",\"1,200\"\r\n\"a \"\"b\"\"\",\r\n"},
      {{3, false, false, true}, "\"1\",\"pen\",\"1,200\"\r\n\"3\",\"a \"\"b\"\"\",\"\"\r\n"},
      {{4, false, false, false}, "pen,1,200\r\na \"b\",\r\n"},
      {{0, true, true, true}, "pen,\"1,200\"\r\n\"a \"\"b\"\"\",\r\n"},  // attributes: data rows only
  };
  for (const auto& [options, text] : cases) {
    WriteFilteredRows(dir / "out.csv", document, kRows, options);
    EXPECT_EQ(ReadFile(dir / "out.csv"), text) << options.SaveType;
  }
}

TEST(WriteFilteredRows, AttributesGoIntoTheCtlFileWhichIsDeletedOtherwise) {
  test::TempDir dir;
  const Document document = Stationery();
  WriteFile(dir / "out.cfg", "stale attributes of an earlier save");
  WriteFilteredRows(dir / "out.csv", document, kRows, {0, true, true, true});
  EXPECT_EQ(ReadFile(dir / "out.ctl"), SideFileBytes(document));
  EXPECT_FALSE(FileExists(dir / "out.cfg"));  // it would be read before the new one
  Document reread;
  EXPECT_TRUE(ReadSideFile(reread, dir / "out.csv"));
  EXPECT_EQ(reread.grid.Cell(1, 0), "item");

  WriteFilteredRows(dir / "out.csv", document, kRows, {0, false, false, false});
  EXPECT_FALSE(FileExists(dir / "out.ctl"));

  // A side file another file of the same name may own is left alone.
  WriteFile(dir / "shared.ctl", "side");
  WriteFile(dir / "shared.txt", "text");
  WriteFilteredRows(dir / "shared.csv", document, kRows, {0, false, false, false});
  EXPECT_EQ(ReadFile(dir / "shared.ctl"), "side");

  EXPECT_THROW(WriteFilteredRows(dir / "x.ctl", document, kRows, {0, false, false, false}), TabuloError);
  EXPECT_FALSE(FileExists(dir / "x.ctl"));
}

}  // namespace
}  // namespace tabulo
