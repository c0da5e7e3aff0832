#include <gtest/gtest.h>

#include "cli/CliRunner.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using test::ToolRun;

ToolRun Transform(const std::string& input, const std::vector<std::string>& options) {
  return test::RunOnText("transform", input, options);
}

struct TransformCase {
  std::vector<std::string> options;
  std::string input;
  std::string output;
  int failures;
};

TEST(CliTransform, RunsOneOperationOfEachMenuOverTheSelection) {
  const TransformCase cases[] = {
      {{"--op", "halfwidth", "--columns", "1"}, "カタカナ,ＡＢＣ\r\n", "ｶﾀｶﾅ,ＡＢＣ\r\n", 0},
      {{"--op", "upper"}, "abc,ｱｲ,xy\r\n", "ABC,ｱｲ,XY\r\n", 0},
      {{"--op", "fullwidth", "--first-line-titles", "yes", "--columns", "品名"}, "品名,金額\r\nﾍﾟﾝ,1200\r\n",
       "ペン,1200\r\n", 0},
      {{"--op", "trim", "--rows", "2-2"}, " a , b \r\n c , d \r\n", "\" a \",\" b \"\r\nc,d\r\n", 0},
      {{"--op", "plain-number"}, " 007.50 \r\n\"1,234\"\r\n\r\n", "7.5\r\n\"1,234\"\r\n\"\"\r\n", 2},
      {{"--op", "round"}, "2.5,-2.5,\"1,234.5\",x\r\n", "3,-2,\"1,235\",x\r\n", 0},
      {{"--op", "decimals:2"}, "3,\"1,234.567\",\r\n", "3.00,\"1,234.57\",\r\n", 1},
      {{"--op", "year4-2000", "--columns", "2,1"}, "01/5/3,1998/5/3,x\r\n", "2001/5/3,1998/5/3,x\r\n", 0},
      {{"--op", "weekday"}, "2024/1/1\r\nx\r\n", "\"2024/1/1 (月)\"\r\nx\r\n", 1},
  };
  for (const auto& [options, input, output, failures] : cases) {
    const ToolRun run = Transform(input, options);
    ASSERT_EQ(run.status, 0) << options[1] << ": " << run.err;
    EXPECT_EQ(run.out, Sjis(output)) << options[1];
    const std::string report = "変換に失敗したデータがあります。\n\n    エラーデータ数 ： " + std::to_string(failures) + "\n";
    EXPECT_EQ(run.err, failures == 0 ? "" : report) << options[1];
  }
}

TEST(CliTransform, UsageMistakes) {
  const ToolRun tooMany = Transform("1\r\n", {"--op", "decimals:19"});
  EXPECT_EQ(tooMany.status, 2);
  EXPECT_EQ(tooMany.err.rfind("19 は有効な整数ではありません。\n 0～18 の範囲で指定して下さい。\n", 0), 0u)
      << tooMany.err;
  const ToolRun letters = Transform("1\r\n", {"--op", "decimals:x"});
  EXPECT_EQ(letters.status, 2);
  EXPECT_EQ(letters.err.rfind("x は有効な整数ではありません。", 0), 0u) << letters.err;
  for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
           {"--op", "decimals:-1"}, {"--op", "capitalize"}, {}, {"--op", "upper", "--columns", "2"},
           {"--op", "upper", "--rows", "1-2"}}) {
    EXPECT_EQ(Transform("1\r\n", options).status, 2) << (options.empty() ? "" : options.back());
  }
}

}  // namespace
}  // namespace tabulo::cli
