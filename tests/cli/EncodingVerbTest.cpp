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

// The verbs give a UTF-8 file the same text they give its Shift-JIS copy.
TEST(CliEncoding, VerbsTreatAUtf8FileAsItsShiftJisCopy) {
  const std::string table = "名前,都市,金額\r\nｶﾞｯｺｳ,東京都,1200\r\nあ[ゼ],大阪府,300\r\nがっこう,東京都,45\r\n";
  const std::vector<std::vector<std::string>> runs = {
      {"sort", "--key", "名前", "--key", "金額:number:desc"},
      {"filter", "--where1", "都市", "--op1", "eq", "--text1", "東京都"},
      {"transform", "--op", "fullwidth", "--columns", "名前"},
      {"replace", "--method", "search", "--upper", "[", "--lower", "(", "--columns", "名前"},
      {"dedupe", "--columns", "名前", "--mode", "show", "--ignore-kana", "yes", "--ignore-width", "yes"},
      {"calc", "--formula", "[金額]*2", "--target", "金額"},
  };
  TempDir dir;
  WriteFile(dir / "utf8.csv", "\xEF\xBB\xBF" + table);
  WriteFile(dir / "sjis.csv", Sjis(table));
  for (const auto& run : runs) {
    std::vector<std::string> utf8{run[0], (dir / "utf8.csv").string(), "-o", "-", "--attributes", "no",
                                  "--first-line-titles", "yes"};
    utf8.insert(utf8.end(), run.begin() + 1, run.end());
    std::vector<std::string> sjis = utf8;
    sjis[1] = (dir / "sjis.csv").string();
    const ToolRun fromUtf8 = RunTool(utf8);
    const ToolRun fromSjis = RunTool(sjis);
    ASSERT_EQ(fromUtf8.status, 0) << run[0] << fromUtf8.err;
    ASSERT_EQ(fromSjis.status, 0) << run[0] << fromSjis.err;
    EXPECT_EQ(fromUtf8.out, "\xEF\xBB\xBF" + tabulo::test::Utf8(fromSjis.out)) << run[0];
  }
}

}  // namespace
}  // namespace tabulo::cli::test
