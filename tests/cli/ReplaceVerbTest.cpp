#include <gtest/gtest.h>

#include "cli/CliRunner.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using test::ToolRun;

ToolRun Replace(const std::string& input, const std::vector<std::string>& options) {
  return test::RunOnText("replace", input, options);
}

struct ReplaceCase {
  std::vector<std::string> options;
  std::string input;
  std::string output;
};

TEST(CliReplace, RewritesTheSelectionByEachMethod) {
  const ReplaceCase cases[] = {
      {{"--method", "fixed", "--lower", "済", "--columns", "2"}, "a,b\r\nc,d\r\n", "a,済\r\nc,済\r\n"},
      {{"--method", "fixed"}, "a,b\r\n", ",\r\n"},
      {{"--method", "search", "--upper", "株式会社", "--lower", "(株)"}, "株式会社ソフト\r\n", "(株)ソフト\r\n"},
      {{"--method", "concat", "--upper-column", "1", "--lower", "様", "--columns", "2"}, "東京,山田\r\n",
       "東京,東京山田様\r\n"},
      // Left to right whatever the order listed: column 3 reads column 2 as already rewritten.
      {{"--method", "concat", "--lower-column", "2", "--columns", "3,2"}, "a,b,c\r\n", "a,bb,cbb\r\n"},
      {{"--method", "number", "--upper-column", "1", "--columns", "2"}, "A,\r\nA,\r\nB,\r\nB,\r\nB,\r\n",
       "A,1\r\nA,2\r\nB,1\r\nB,2\r\nB,3\r\n"},
      {{"--method", "number", "--columns", "1,2"}, "A,\r\nB,\r\nC,\r\n", "1,1\r\n2,2\r\n3,3\r\n"},
      {{"--method", "number", "--upper-column", "0", "--columns", "1"}, "x\r\nx\r\n", "1\r\n1\r\n"},
      {{"--method", "row", "--rows", "2-3"}, "a\r\nb\r\nc\r\nd\r\n", "a\r\n2\r\n3\r\nd\r\n"},
      {{"--method", "rank", "--upper-column", "1", "--lower-column", "2", "--columns", "3"},
       "A,90,\r\nA,80,\r\nA,80,\r\nA,70,\r\nB,50,\r\n", "A,90,1\r\nA,80,2\r\nA,80,2\r\nA,70,4\r\nB,50,1\r\n"},
  };
  for (const auto& [options, input, output] : cases) {
    const ToolRun run = Replace(input, options);
    ASSERT_EQ(run.status, 0) << options[1] << ": " << run.err;
    EXPECT_EQ(run.out, Sjis(output)) << options[1] << " " << options[2];
    EXPECT_EQ(run.err, "") << options[1];
  }
}

// Combinations the dialog would not run, and mistakes in the arguments.
TEST(CliReplace, UsageMistakes) {
  const ToolRun search = Replace("a,b\r\n", {"--method", "search", "--lower", "x"});
  EXPECT_EQ(search.status, 2);
  EXPECT_EQ(search.err.rfind("置換方法 search には --upper (--upper-column) を指定して下さい。\n", 0), 0u) << search.err;
  const ToolRun both = Replace("a,b\r\n", {"--method", "fixed", "--upper", "a", "--upper-column", "1"});
  EXPECT_EQ(both.status, 2);
  EXPECT_EQ(both.err.rfind("オプション --upper と --upper-column は同時に指定できません。\n", 0), 0u) << both.err;
  const ToolRun emoji = Replace("a,b\r\n", {"--method", "fixed", "--lower", "\xF0\x9F\x98\x80"});
  EXPECT_EQ(emoji.status, 2);
  EXPECT_NE(emoji.err.find("Shift-JIS に変換できない文字があります"), std::string::npos) << emoji.err;
  for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
           {"--method", "fixed", "--lower", "a", "--lower-column", "1"},
           {"--method", "rank", "--lower", "1"},  // the comparison column is picked, never typed
           {"--method", "concat"}, {"--lower", "x"}, {"--method", "swap"},
           {"--method", "number", "--upper-column", "3"}}) {
    EXPECT_EQ(Replace("a,b\r\n", options).status, 2) << options.back();
  }
}

}  // namespace
}  // namespace tabulo::cli
