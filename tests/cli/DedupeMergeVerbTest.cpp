#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "support/GridText.h"
#include "support/TestFiles.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using test::ToolRun;

ToolRun Dedupe(const std::string& input, const std::vector<std::string>& options) {
  return test::RunOnText("dedupe", input, options);
}

TEST(CliDedupe, DeleteKeepsTheFirstRowOfEachGroup) {
  const ToolRun run = Dedupe("a,1\r\nb,2\r\nA,3\r\na,4\r\nb,5\r\n", {"--columns", "1", "--mode", "delete"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "a,1\r\nb,2\r\nA,3\r\n");
  EXPECT_EQ(run.err, "2 件のデータが削除対象として見つかりました。\n");

  const ToolRun ignoringCase =
      Dedupe("a,1\r\nb,2\r\nA,3\r\n", {"--columns", "1", "--mode", "delete", "--ignore-case", "yes"});
  EXPECT_EQ(ignoringCase.out, "a,1\r\nb,2\r\n");
}

TEST(CliDedupe, ShowWritesTheGroupsRenumbered) {
  const ToolRun run = Dedupe("b,1\r\na,2\r\nb,3\r\nc,4\r\na,5\r\n",
                             {"--columns", "1", "--mode", "show", "--row-numbers", "yes"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1,a,2\r\n2,a,5\r\n3,b,1\r\n4,b,3\r\n");
}

TEST(CliDedupe, NothingFoundAndBadArguments) {
  const ToolRun none = Dedupe("a\r\nb\r\n", {"--columns", "1", "--mode", "show"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err, "重複する行は見つかりませんでした。\n");
  EXPECT_EQ(Dedupe("a\r\n", {"--mode", "show"}).status, 2);
  EXPECT_EQ(Dedupe("a\r\n", {"--columns", "1"}).status, 2);
  EXPECT_EQ(Dedupe("a\r\n", {"--columns", "7", "--mode", "show"}).status, 2);
}


ToolRun Merge(const std::string& input, const std::string& other, const std::vector<std::string>& options) {
  tabulo::test::TempDir dir;
  tabulo::test::WriteFile(dir / "in.csv", Sjis(input));
  tabulo::test::WriteFile(dir / "other.csv", Sjis(other));
  std::vector<std::string> args{"merge", (dir / "in.csv").string(), (dir / "other.csv").string(),
                                "-o", "-", "--attributes", "no"};
  args.insert(args.end(), options.begin(), options.end());
  return test::RunTool(args);
}

TEST(CliMerge, ReplacesAndAppendsByKey) {
  const ToolRun run = Merge("1,x,p\r\n2,y,q\r\n3,z,r\r\n", "3,C,c\r\n1,A,a\r\n",
                            {"--key", "1=0", "--replace", "2=1", "--append", "3=2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1,A,pa\r\n2,y,q\r\n3,C,rc\r\n");
  EXPECT_EQ(run.err, "2 行のデータを変換しました。\n");
}

TEST(CliMerge, KeysJoinInColumnOrderAndCaseIsIgnoredByDefault) {
  // Given in either order, the key is column 1 then column 2.
  const ToolRun run = Merge("a,BC,\r\n", "Ab,c,hit\r\n", {"--key", "2=1,1=0", "--replace", "3=2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "a,BC,hit\r\n");
  const ToolRun exact =
      Merge("a,BC,\r\n", "Ab,c,hit\r\n", {"--key", "1=0,2=1", "--replace", "3=2", "--ignore-case", "no"});
  EXPECT_EQ(exact.status, 1);
  EXPECT_EQ(exact.out, "");
  EXPECT_EQ(exact.err, "条件に一致する行が見つかりませんでした。\n");
}

TEST(CliMerge, UsageErrors) {
  const std::string in = "1,x\r\n";
  const std::string other = "1,y\r\n";
  EXPECT_EQ(Merge(in, other, {"--key", "1=0"}).status, 2);                      // nothing to update
  EXPECT_EQ(Merge(in, other, {"--replace", "2=1"}).status, 2);                  // no key
  EXPECT_EQ(Merge(in, other, {"--key", "1=0", "--replace", "2=9"}).status, 2);  // no such field
  EXPECT_EQ(Merge(in, other, {"--key", "1", "--replace", "2=1"}).status, 2);    // no field
  EXPECT_EQ(Merge(in, other, {"--key", "1=0", "--replace", "0=1"}).status, 2);  // row numbers take no data
  const ToolRun byRowNumber = Merge(in, other, {"--key", "0=0", "--replace", "2=1"});
  EXPECT_EQ(byRowNumber.status, 0) << byRowNumber.err;
  EXPECT_EQ(byRowNumber.out, "1,y\r\n");
  EXPECT_EQ(test::RunTool({"merge", "a.csv", "-o", "-", "--key", "1=0", "--replace", "2=1"}).status, 2);
}

TEST(CliMerge, MissingOtherFileFails) {
  tabulo::test::TempDir dir;
  tabulo::test::WriteFile(dir / "in.csv", "1,x\r\n");
  const ToolRun run = test::RunTool({"merge", (dir / "in.csv").string(), (dir / "none.csv").string(), "-o", "-",
                                     "--key", "1=0", "--replace", "2=1"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err, "");
}

}  // namespace
}  // namespace tabulo::cli
