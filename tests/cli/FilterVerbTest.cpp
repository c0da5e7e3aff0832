#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "core/base/FileIo.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using test::ToolRun;

const std::string kInput = "pen,120,2024/01/05\r\nInk,80,2024/02/01\r\nink pad,\"1,200\",2023/12/01\r\n";
const std::string kPen = "pen,120,2024/01/05\r\n";
const std::string kInk = "Ink,80,2024/02/01\r\n";
const std::string kPad = "\"ink pad\",\"1,200\",2023/12/01\r\n";  // the blank brings quotes

ToolRun Filter(const std::vector<std::string>& options) { return test::RunOnText("filter", kInput, options); }

TEST(CliFilter, WritesTheRowsThatMeetTheConditions) {
  const struct {
    std::vector<std::string> options;
    std::string output;
  } cases[] = {
      {{"--where1", "1", "--text1", "ink"}, kInk + kPad},
      {{"--where1", "1", "--text1", "ink", "--ignore-case", "no"}, kPad},
      {{"--where1", "1", "--op1", "excludes", "--text1", "ink"}, kPen},
      {{"--where1", "2", "--as1", "number", "--op1", "gt", "--text1", "100"}, kPen + kPad},
      {{"--where1", "2", "--as1", "number", "--op1", "eq", "--text1", "\\1200"}, kPad},
      {{"--where1", "3", "--as1", "date", "--op1", "lt", "--text1", "2024/1/31"}, kPen + kPad},
      {{"--text1", "pen", "--text2", "80", "--or"}, kPen + kInk},
      {{"--text1", "n", "--where2", "2", "--as2", "number", "--op2", "lt", "--text2", "1000"}, kPen + kInk},
      {{"--text3", "ＩＮＫ", "--ignore-width", "yes"}, kInk + kPad},
      {{"--text1", "3", "--row-numbers", "yes"}, "3," + kPad},  // the row number is part of the row
  };
  for (const auto& [options, output] : cases) {
    const ToolRun run = Filter(options);
    ASSERT_EQ(run.status, 0) << options[1] << ": " << run.err;
    EXPECT_EQ(run.out, output) << options[0] << " " << options[1];
    EXPECT_EQ(run.err, "") << options[1];
  }
}

TEST(CliFilter, ChecksTheConditionsAsTheDialogDoes) {
  const ToolRun forbidden = Filter({"--op1", "eq", "--text1", "pen"});
  EXPECT_EQ(forbidden.status, 2);
  EXPECT_EQ(forbidden.err, "全項目を対象とした場合は、\n「含む」，「含まない」以外は指定できません。\n");
  EXPECT_EQ(forbidden.out, "");

  const ToolRun dubious = Filter({"--where1", "1", "--op1", "lt", "--text1", "j"});
  EXPECT_EQ(dubious.status, 0);
  EXPECT_EQ(dubious.out, kInk + kPad);
  EXPECT_EQ(dubious.err.rfind("有効ではない選択条件が設定されているため\n", 0), 0u) << dubious.err;

  const ToolRun none = Filter({"--text1", "eraser"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.err, "条件を満たす行は見つかりませんでした。\n");
  EXPECT_EQ(none.out, "");

  for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
           {"--where1", "1"}, {"--as1", "number", "--text1", "1"}, {"--where1", "9", "--text1", "1"},
           {"--op2", "like", "--text2", "1"}, {"--text1", "\xF0\x9F\x98\x80"}}) {
    EXPECT_EQ(Filter(options).status, 2) << options[0];
  }
}

TEST(CliFilter, FileOutputWithAttributesWritesTheCtlFile) {
  tabulo::test::TempDir dir;
  tabulo::test::WriteFile(dir / "in.csv", Sjis("品名,数量\r\nペン,1\r\nインク,2\r\n"));
  const auto run = [&](const std::vector<std::string>& options) {
    std::vector<std::string> args{"filter", (dir / "in.csv").string(), "-o", (dir / "out.csv").string(),
                                  "--first-line-titles", "yes", "--where1", "品名", "--text1", "ペン"};
    args.insert(args.end(), options.begin(), options.end());
    return test::RunTool(args);
  };
  ASSERT_EQ(run({"--title", "yes"}).status, 0);
  EXPECT_EQ(tabulo::test::ReadFile(dir / "out.csv"), Sjis("ペン,1\r\n"));
  EXPECT_TRUE(FileExists(dir / "out.ctl"));

  ASSERT_EQ(run({"--attributes", "no", "--title", "yes"}).status, 0);
  EXPECT_EQ(tabulo::test::ReadFile(dir / "out.csv"), Sjis("品名,数量\r\nペン,1\r\n"));
  EXPECT_FALSE(FileExists(dir / "out.ctl"));

  std::filesystem::remove(dir / "out.csv");
  EXPECT_EQ(run({"--text1", "鉛筆"}).status, 1);
  EXPECT_FALSE(FileExists(dir / "out.csv"));
}

}  // namespace
}  // namespace tabulo::cli
