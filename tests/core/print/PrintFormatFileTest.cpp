#include "core/print/PrintFormatFile.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/base/Errors.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

std::vector<TGPItem> Columns(std::initializer_list<const char*> titles) {
  std::vector<TGPItem> columns;
  for (const char* title : titles) {
    TGPItem item;
    item.Title = title;
    columns.push_back(item);
  }
  return columns;
}

TEST(PrintFormatFile, WritesAndReadsLayoutAndColumns) {
  test::TempDir dir;
  TGridPrintInfo info;
  info.LeftMargin = 100;  // 10.0 mm
  info.FontName = "Gothic";
  std::vector<TGPItem> saved = Columns({"no", "a", "b"});
  saved[2].PrintWidth = 300;
  WritePrintFormatFile(dir / "f.GPC", info, saved);

  TGridPrintInfo read;
  read.LeftMargin = 5;
  std::vector<TGPItem> columns = Columns({"x", "y", "z"});
  ReadPrintFormatFile(dir / "f.GPC", read, columns);
  EXPECT_EQ(read, info);
  EXPECT_EQ(columns, saved);
}

TEST(PrintFormatFile, ExtraRecordsAreIgnoredAndMissingOnesLeaveColumnsAlone) {
  const std::string wide = BuildPrintFormat(TGridPrintInfo(), Columns({"0", "1", "2", "3"}));
  std::vector<TGPItem> two = Columns({"x", "y"});
  TGridPrintInfo info;
  ApplyPrintFormat(wide, info, two);
  EXPECT_EQ(two[1].Title, "1");

  const std::string narrow = BuildPrintFormat(TGridPrintInfo(), Columns({"0"}));
  std::vector<TGPItem> three = Columns({"x", "y", "z"});
  ApplyPrintFormat(narrow, info, three);
  EXPECT_EQ(three[0].Title, "0");
  EXPECT_EQ(three[1].Title, "y");
}

TEST(PrintFormatFile, DamageReportsTheLoadFailureAndKeepsWhatWasRead) {
  TGridPrintInfo source;
  source.TopMargin = 200;
  std::string bytes = BuildPrintFormat(source, Columns({"0", "1", "2"}));
  bytes.resize(bytes.size() - 1);
  TGridPrintInfo info;
  std::vector<TGPItem> columns = Columns({"x", "y", "z"});
  try {
    ApplyPrintFormat(bytes, info, columns);
    FAIL() << "a short file must fail";
  } catch (const TabuloError& error) {
    EXPECT_STREQ(error.what(), "書式の読込に失敗しました。");
  }
  EXPECT_EQ(info.TopMargin, 200);
  EXPECT_EQ(columns[1].Title, "1");
  EXPECT_EQ(columns[2].Title, "z");

  test::TempDir dir;
  EXPECT_THROW(ReadPrintFormatFile(dir / "missing.GPC", info, columns), TabuloError);
}

}  // namespace
}  // namespace tabulo
