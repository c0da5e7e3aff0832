#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "core/document/DocumentWriter.h"
#include "support/GridText.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using test::ToolRun;

ToolRun Sort(const std::string& input, const std::vector<std::string>& options) {
  return test::RunOnText("sort", input, options);
}

struct SortCase {
  std::vector<std::string> options;
  std::string input;
  std::string output;
};

TEST(CliSort, ReadsEachKeyAsColumnKindAndDirection) {
  const SortCase cases[] = {
      {{"--key", "1"}, "b\r\nA\r\nc\r\n", "A\r\nb\r\nc\r\n"},  // a string column: 文字(a=A)
      {{"--key", "1:bytes"}, "b\r\nA\r\na\r\n", "A\r\na\r\nb\r\n"},
      {{"--key", "1:text-case"}, "B\r\nb\r\na\r\n", "a\r\nb\r\nB\r\n"},
      {{"--key", "1:desc"}, "a\r\nc\r\nb\r\n", "c\r\nb\r\na\r\n"},
      {{"--key", "1:number:desc"}, "2\r\n\"1,000\"\r\nx\r\n10\r\n", "\"1,000\"\r\n10\r\n2\r\nx\r\n"},
      {{"--key", "1:number:asc"}, "2\r\nx\r\n10\r\n", "x\r\n2\r\n10\r\n"},
      {{"--key", "1:date"}, "2024/1/5\r\n2023/12/31\r\n", "2023/12/31\r\n2024/1/5\r\n"},
      {{"--key", "1:time"}, "10:00\r\n9:05\r\n", "9:05\r\n10:00\r\n"},
      // Keys in priority order.
      {{"--key", "1", "--key", "2:number:desc"}, "b,1\r\na,1\r\nb,3\r\na,2\r\n", "a,2\r\na,1\r\nb,3\r\nb,1\r\n"},
      // Titles holding ":": a last word is taken only when it is a kind or a
      // direction, and only when the rest names a column.
      {{"--first-line-titles", "yes", "--key", "a:b:number"}, "a:b,c\r\n10,x\r\n9,y\r\n", "9,y\r\n10,x\r\n"},
      {{"--first-line-titles", "yes", "--key", "a:b"}, "a:b,c\r\nz,x\r\ny,y\r\n", "y,y\r\nz,x\r\n"},
      {{"--first-line-titles", "yes", "--key", "x:desc"}, "x:desc,n\r\nb,1\r\na,2\r\n", "a,2\r\nb,1\r\n"},
      {{"--first-line-titles", "yes", "--key", "time:desc"}, "time,v\r\na,1\r\nb,2\r\n", "b,2\r\na,1\r\n"},
      // The rows are numbered again after sorting.
      {{"--key", "1", "--row-numbers", "yes"}, "b\r\na\r\n", "1,a\r\n2,b\r\n"},
  };
  for (const auto& [options, input, output] : cases) {
    const ToolRun run = Sort(input, options);
    ASSERT_EQ(run.status, 0) << options.back() << ": " << run.err;
    EXPECT_EQ(run.out, Sjis(output)) << options.back();
    EXPECT_EQ(run.err, "") << options.back();
  }
}

TEST(CliSort, KindDefaultsToTheColumnType) {
  tabulo::test::TempDir dir;
  Document document;
  document.grid = tabulo::test::GridOf({{"10", "b"}, {"9", "a"}, {"100", "c"}});
  document.grid.Item(1).DataType = static_cast<std::uint8_t>(ColumnType::Integer);
  document.grid.Item(1).Title = "qty";
  WriteDocument(document, dir / "in.csv", SaveOptions{}, nullptr, {});
  const std::string in = (dir / "in.csv").string();
  const ToolRun number = test::RunTool({"sort", in, "-o", "-", "--key", "qty"});
  ASSERT_EQ(number.status, 0) << number.err;
  EXPECT_EQ(number.out, "9,a\r\n10,b\r\n100,c\r\n");
  const ToolRun text = test::RunTool({"sort", in, "-o", "-", "--key", "qty:text"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out, "10,b\r\n100,c\r\n9,a\r\n");
}

TEST(CliSort, UsageMistakes) {
  const ToolRun unknown = Sort("a\r\n", {"--key", "nosuch:desc"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err.rfind("列 nosuch が見つかりません。\n", 0), 0u) << unknown.err;
  const ToolRun none = Sort("a\r\n", {});
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.err.rfind("オプション --key に値がありません。\n", 0), 0u) << none.err;
  for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
           {"--key", "2"}, {"--key", "0"}, {"--key", "1:sideways"}, {"--key", "1", "--key", ":number"}}) {
    EXPECT_EQ(Sort("a\r\n", options).status, 2) << options.back();
  }
}

}  // namespace
}  // namespace tabulo::cli
