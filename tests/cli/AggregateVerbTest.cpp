#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "support/TestFiles.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using tabulo::test::WriteFile;

using test::RunTool;
using test::ToolRun;

TEST(CliAggregate, AcrossIntoANewColumnReportsFailures) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", Sjis("名前,国語,数学\r\n山田,80,90\r\n田中,70,\r\n"));
  const ToolRun run = RunTool({"aggregate", (dir / "in.csv").string(), "-o", "-", "--first-line-titles", "yes",
                          "--across", "国語,3", "--stat", "Mean", "--new-column", "--title", "yes",
                          "--attributes", "no"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Sjis("名前,国語,数学,平均\r\n山田,80,90,85\r\n田中,70,,70\r\n"));
  EXPECT_NE(run.err.find("エラーデータ数： 1"), std::string::npos) << run.err;
}

// Years as titles: a title equal to the argument wins over the column at
// that position; a number names a position only when no title equals it.
TEST(CliColumns, ATitleThatEqualsTheArgumentWinsOverThePosition) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "years.csv", "2019,2020\r\n5,7\r\n");
  const ToolRun year = RunTool({"calc", (dir / "years.csv").string(), "-o", "-", "--first-line-titles", "yes",
                                "--formula", "[2019]*10", "--target", "2020", "--attributes", "no"});
  ASSERT_EQ(year.status, 0) << year.err;
  EXPECT_EQ(year.out, "5,50\r\n");

  WriteFile(dir / "swapped.csv", "2,1\r\n5,7\r\n");
  const ToolRun swapped = RunTool({"calc", (dir / "swapped.csv").string(), "-o", "-", "--first-line-titles", "yes",
                                   "--formula", "0", "--target", "1", "--attributes", "no"});
  ASSERT_EQ(swapped.status, 0) << swapped.err;
  EXPECT_EQ(swapped.out, "5,0\r\n");
  // No title "2" here: the number is the second column.
  const ToolRun position = RunTool({"calc", (dir / "years.csv").string(), "-o", "-", "--first-line-titles", "yes",
                                    "--formula", "[2019]+1", "--target", "2", "--attributes", "no"});
  ASSERT_EQ(position.status, 0) << position.err;
  EXPECT_EQ(position.out, "5,6\r\n");
}

TEST(CliAggregate, AcrossIntoAColumnOverSomeRows) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", "1,2,x\r\n3,4,y\r\n");
  const ToolRun run = RunTool({"aggregate", (dir / "in.csv").string(), "-o", "-", "--across", "1,2", "--stat", "Sum",
                          "--target", "3", "--rows", "2-2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1,2,x\r\n3,4,7\r\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliAggregate, DownAppendsTotalsRows) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", "a,1\r\nb,2\r\n");
  const ToolRun run = RunTool({"aggregate", (dir / "in.csv").string(), "-o", "-", "--down", "2", "--stats", "Sum,Max",
                          "--label", "1", "--row-numbers", "yes", "--attributes", "no"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1,a,1\r\n2,b,2\r\n" + Sjis("集計,合計,3\r\n集計,最大値,2\r\n"));
}

// A government statistics download: every field quoted, numbers with
// thousands separators, the country's total in the first data row.
TEST(CliAggregate, TotalsOfAPublishedTableReadItsQuotedNumbers) {
  const auto file = tabulo::test::TestData("third_party/estat-population/FEH_00200524_251118062717.csv");
  const ToolRun run = RunTool({"aggregate", file.string(), "-o", "-", "--first-line-titles", "yes", "--down",
                               "2005年,2024年", "--stats", "Sum,Max,Min", "--label", "全国・都道府県",
                               "--attributes", "no"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The country once and its 47 prefectures again, which add up to it within rounding.
  const std::string totals = run.out.substr(run.out.find(Sjis(",,,合計")));
  EXPECT_EQ(totals, Sjis(",,,合計,,255537,,,,,,,247605\r\n"
                         ",,,最大値,,127768,,,,,,,123802\r\n"
                         ",,,最小値,,607,,,,,,,531\r\n"));
}

TEST(CliAggregate, UsageMistakes) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", "1,2\r\n");
  const std::string in = (dir / "in.csv").string();
  EXPECT_EQ(RunTool({"aggregate", in, "-o", "-", "--across", "1", "--stat", "Sum"}).status, 2);  // no target
  EXPECT_EQ(RunTool({"aggregate", in, "-o", "-", "--across", "9", "--stat", "Sum", "--new-column"}).status, 2);
  EXPECT_EQ(RunTool({"aggregate", in, "-o", "-", "--across", "1", "--target", "2", "--rows", "3-1"}).status, 2);
  EXPECT_EQ(RunTool({"aggregate", in, "-o", "-", "--down", "1", "--stats", "Median"}).status, 2);
  EXPECT_EQ(RunTool({"aggregate", in, "-o", "-"}).status, 2);
  EXPECT_EQ(RunTool({"aggregate", in, "-o", "-", "--new-column=yes", "--across", "1"}).status, 2);
}

}  // namespace
}  // namespace tabulo::cli

namespace tabulo::cli {
namespace {

TEST(CliCalc, WritesAFormulaIntoAColumnAndCountsFailures) {
  tabulo::test::TempDir dir;
  tabulo::test::WriteFile(dir / "in.csv", tabulo::test::Sjis("数量,単価\r\n2,100\r\n3,\r\n0,5\r\n"));
  const test::ToolRun run = test::RunTool({"calc", (dir / "in.csv").string(), "-o", "-", "--first-line-titles", "yes",
                                           "--formula", "[単価] / [数量]", "--new-column", "--rows", "1-3",
                                           "--title", "yes", "--attributes", "no"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, tabulo::test::Sjis("数量,単価,計算結果\r\n2,100,50\r\n3,,0\r\n0,5,Error\r\n"));
  EXPECT_NE(run.err.find("エラーデータ数： 1"), std::string::npos) << run.err;

  const test::ToolRun rejected = test::RunTool({"calc", (dir / "in.csv").string(), "-o", "-", "--formula", "1+",
                                                "--target", "1"});
  EXPECT_EQ(rejected.status, 1);
  EXPECT_EQ(test::RunTool({"calc", (dir / "in.csv").string(), "-o", "-", "--formula", "1"}).status, 2);
}

}  // namespace
}  // namespace tabulo::cli
