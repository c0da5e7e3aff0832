#include "cli/CliRunner.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "core/base/FileIo.h"
#include "support/TestFiles.h"

namespace tabulo::cli {
namespace {

using tabulo::test::ReadFile;
using tabulo::test::Sjis;
using tabulo::test::WriteFile;

using test::ToolRun;
const auto Cli = test::RunTool;

TEST(CliConvert, SavesWithASideFileAndShowsItBack) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", Sjis("品名,価格\nペン,\"1,200\"\n"));
  const ToolRun run = Cli({"convert", (dir / "in.csv").string(), "-o", (dir / "out.csv").string(),
                       "--first-line-titles", "yes"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(dir / "out.csv"), Sjis("ペン,\"1,200\"\r\n"));
  EXPECT_TRUE(FileExists(dir / "out.cfg"));

  const ToolRun show = Cli({"show", (dir / "out.csv").string()});
  ASSERT_EQ(show.status, 0) << show.err;
  EXPECT_NE(show.out.find("{\"delimiter\": \"comma\""), std::string::npos);
  EXPECT_NE(show.out.find("{\"Title\": \"価格\", \"DataType\": 0, \"Shown\": 1, \"ColumnIndex\": 2, "
                          "\"DisplayWidth\": 80, \"Printed\": 1, \"PrintIndex\": 0, \"PrintWidth\": 0, "
                          "\"ImeMode\": 3, \"DrawFlags\": 2084, \"Reserved1\": 0, \"Reserved2\": 0, "
                          "\"FieldStart\": 0, \"FieldLength\": 0, \"Width\": 80}"),
            std::string::npos)
      << show.out;
  EXPECT_NE(show.out.find("[\"行番\", \"品名\", \"価格\"],\n[\"1\", \"ペン\", \"1,200\"]]}"), std::string::npos)
      << show.out;
}

TEST(CliConvert, WritesToStandardOutputWithoutSideFile) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", "a,b c\n");
  const ToolRun run = Cli({"convert", "--format=quoted", "--title", "yes", "--row-numbers", "yes",
                       (dir / "in.csv").string(), "-o", "-"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "\"" + Sjis("行番") + "\",\"" + Sjis("列   1") + "\",\"" + Sjis("列   2") +
                         "\"\r\n\"1\",\"a\",\"b c\"\r\n");
  EXPECT_FALSE(FileExists(dir / "-.cfg"));
  EXPECT_FALSE(FileExists(dir / "in.cfg"));
}

TEST(CliConvert, OutputMayBeTheInput) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "data.txt", "x y\n");
  const std::string path = (dir / "data.txt").string();
  ASSERT_EQ(Cli({"convert", path, "-o", path, "--format", "tab", "--attributes", "no"}).status, 0);
  EXPECT_EQ(ReadFile(dir / "data.txt"), "x\ty\r\n");
  ASSERT_EQ(Cli({"convert", "--split-blanks", "no", "-o", path, "--format", "plain", "--attributes", "no", "--",
                 path}).status, 0);
  EXPECT_EQ(ReadFile(dir / "data.txt"), "x,y\r\n");  // the tab now splits, so no question is asked
}

// Cells with line breaks or tabs, as spreadsheets write them, survive an
// open and a save unchanged.
TEST(CliConvert, QuotedLineBreaksAndTabsRoundTrip) {
  tabulo::test::TempDir dir;
  const std::string text = "id,memo\r\n1,\"line1\r\nline2\"\r\n2,\"a\tb\"\r\n";
  WriteFile(dir / "ml.csv", text);
  const std::string path = (dir / "ml.csv").string();
  ASSERT_EQ(Cli({"convert", path, "-o", path, "--attributes", "no"}).status, 0);
  EXPECT_EQ(ReadFile(dir / "ml.csv"), text);
  ASSERT_EQ(Cli({"convert", path, "-o", path, "--attributes", "no"}).status, 0);
  EXPECT_EQ(ReadFile(dir / "ml.csv"), text);
}

TEST(CliConvert, ShowsUndecodableBytesAsReplacementCharacters) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", "\x80,\"a\tb\"\n");
  const ToolRun run = Cli({"show", (dir / "in.csv").string()});
  ASSERT_EQ(run.status, 0);
  // The tab inside quotes is the comma file's data.
  EXPECT_NE(run.out.find("[\"1\", \"\uFFFD\", \"a\\tb\"]"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"delimiter\": \"comma\""), std::string::npos);
}

TEST(CliErrors, UsageMistakesExitWithTwo) {
  EXPECT_EQ(Cli({}).status, 2);
  EXPECT_EQ(Cli({"frobnicate"}).status, 2);
  EXPECT_EQ(Cli({"convert", "a.csv"}).status, 2);                          // no -o
  EXPECT_EQ(Cli({"convert", "a.csv", "-o"}).status, 2);                    // -o without value
  EXPECT_EQ(Cli({"convert", "a.csv", "-o", "b", "--format", "xml"}).status, 2);
  EXPECT_EQ(Cli({"convert", "a.csv", "b.csv", "-o", "c"}).status, 2);
  EXPECT_EQ(Cli({"show", "--bogus", "x", "a.csv"}).status, 2);
  const ToolRun help = Cli({"convert", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--format comma|tab|k3|quoted|plain"), std::string::npos);
}

TEST(CliErrors, FailuresExitWithOneAndSayWhy) {
  tabulo::test::TempDir dir;
  const ToolRun missing = Cli({"show", (dir / "missing.csv").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("missing.csv"), std::string::npos);

  WriteFile(dir / "in.csv", "a,b\n");
  const ToolRun blocked = Cli({"convert", (dir / "in.csv").string(), "-o", dir.Path().string()});
  EXPECT_EQ(blocked.status, 1);
  EXPECT_NE(blocked.err.find("同じ名前のフォルダがあります。"), std::string::npos) << blocked.err;
}

TEST(CliConvert, AnEmptyOrZeroedSideFileCostsNoRow) {
  tabulo::test::TempDir dir;
  const std::string path = (dir / "a.csv").string();
  for (const std::string& side : {std::string(), std::string(200, '\0')}) {
    WriteFile(dir / "a.csv", "pen,120\r\nink,80\r\n");
    WriteFile(dir / "a.cfg", side);
    ASSERT_EQ(Cli({"convert", path, "-o", path}).status, 0);
    EXPECT_EQ(ReadFile(dir / "a.csv"), "pen,120\r\nink,80\r\n") << side.size();
  }
}

TEST(CliConvert, RefusesTargetsItMayNotReplace) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "in.csv", "a,1\r\n");
  const std::string in = (dir / "in.csv").string();

  WriteFile(dir / "ro.csv", "KEEP\r\n");
  ::chmod((dir / "ro.csv").c_str(), 0444);
  const ToolRun readOnly = Cli({"convert", in, "-o", (dir / "ro.csv").string(), "--attributes", "no"});
  EXPECT_EQ(readOnly.status, 1);
  EXPECT_NE(readOnly.err.find("アクセスが拒否されました。"), std::string::npos) << readOnly.err;
  EXPECT_EQ(ReadFile(dir / "ro.csv"), "KEEP\r\n");

  for (const char* name : {"out.cfg", "out.ctl"}) {
    const ToolRun sideName = Cli({"convert", in, "-o", (dir / name).string()});
    EXPECT_EQ(sideName.status, 1) << name;
    EXPECT_NE(sideName.err.find(".cfg と .ctl"), std::string::npos) << sideName.err;
    EXPECT_FALSE(FileExists(dir / name)) << name;
  }
}

TEST(CliConvert, SavingAnotherFormatWithoutAttributesKeepsTheInputsSideFile) {
  tabulo::test::TempDir dir;
  WriteFile(dir / "d.csv", Sjis("品名,価格\r\nペン,120\r\n"));
  const std::string path = (dir / "d.csv").string();
  ASSERT_EQ(Cli({"convert", path, "-o", path, "--first-line-titles", "yes"}).status, 0);
  ASSERT_EQ(Cli({"convert", path, "-o", (dir / "d.tsv").string(), "--format", "tab", "--attributes", "no"}).status, 0);
  ASSERT_TRUE(FileExists(dir / "d.cfg"));
  const ToolRun show = Cli({"show", path});
  EXPECT_NE(show.out.find("\"Title\": \"価格\""), std::string::npos) << show.out;
}

}  // namespace
}  // namespace tabulo::cli
