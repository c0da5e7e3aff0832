#include <gtest/gtest.h>

#include "CliRunner.h"

namespace tabulo::cli::test {
namespace {

using tabulo::test::ReadFile;
using tabulo::test::Sjis;
using tabulo::test::TempDir;
using tabulo::test::WriteFile;

constexpr const char* kMarkedUtf8 = "\xEF\xBB\xBF" "名前,記号\r\n波〜,😀\r\n";

TEST(CliEncoding, ConvertKeepsAUtf8FileByteForByte) {
  TempDir dir;
  WriteFile(dir / "in.csv", kMarkedUtf8);
  const ToolRun run = RunTool({"convert", (dir / "in.csv").string(), "-o", (dir / "out.csv").string(),
                               "--attributes", "no"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(dir / "out.csv"), kMarkedUtf8);

  const ToolRun show = RunTool({"show", (dir / "in.csv").string(), "--first-line-titles", "yes"});
  ASSERT_EQ(show.status, 0) << show.err;
  EXPECT_NE(show.out.find("\"encoding\": \"utf8-bom\""), std::string::npos) << show.out;
  EXPECT_NE(show.out.find("[\"行番\", \"名前\", \"記号\"],\n[\"1\", \"波〜\", \"😀\"]]}"), std::string::npos)
      << show.out;
}

TEST(CliEncoding, ConvertChangesTheEncodingOrRefusesToLoseCharacters) {
  TempDir dir;
  WriteFile(dir / "sjis.csv", Sjis("名前,ソ\r\n"));
  ToolRun run = RunTool({"convert", (dir / "sjis.csv").string(), "-o", (dir / "out.csv").string(),
                         "--attributes", "no", "--encoding-out", "utf8-bom"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(dir / "out.csv"), "\xEF\xBB\xBF" "名前,ソ\r\n");

  run = RunTool({"convert", (dir / "out.csv").string(), "-o", (dir / "back.csv").string(), "--attributes", "no",
                 "--encoding-out", "sjis"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(dir / "back.csv"), Sjis("名前,ソ\r\n"));

  WriteFile(dir / "emoji.csv", kMarkedUtf8);
  run = RunTool({"convert", (dir / "emoji.csv").string(), "-o", (dir / "lost.csv").string(), "--attributes", "no",
                 "--encoding-out", "sjis"});
  EXPECT_EQ(run.status, 1);
  // Code page 932's 〜 (0x8160) is U+FF5E: the wave dash U+301C has no place
  // in it, as the emoji has none.
  EXPECT_NE(run.err.find("2 個のセルに Shift-JIS で表せない文字がある"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("列 1 行 2, 列 2 行 2"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "lost.csv"));
}

TEST(CliEncoding, TheEncodingOptionOverridesDetection) {
  TempDir dir;
  // ﾃｱ in code page 932 is also the UTF-8 of "ñ".
  WriteFile(dir / "kana.csv", "\xC3\xB1,1\r\n");
  ToolRun run = RunTool({"show", (dir / "kana.csv").string()});
  EXPECT_NE(run.out.find("\"ñ\""), std::string::npos) << run.out;
  run = RunTool({"show", (dir / "kana.csv").string(), "--encoding", "sjis"});
  EXPECT_NE(run.out.find("\"ﾃｱ\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"encoding\": \"sjis\""), std::string::npos) << run.out;
  EXPECT_EQ(RunTool({"show", (dir / "kana.csv").string(), "--encoding", "latin1"}).status, 2);
}

}  // namespace
}  // namespace tabulo::cli::test
