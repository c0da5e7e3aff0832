#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "support/TestFiles.h"

namespace tabulo::cli {
namespace {

using test::Sjis;
using test::WriteFile;

struct EvalRun {
  int status;
  std::string out;
  std::string err;
};

EvalRun Eval(std::vector<std::string> args) {
  args.insert(args.begin(), "eval");
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

struct EvalCase {
  std::vector<std::string> args;
  int status;
  std::string out;
};

void ExpectRuns(const std::vector<EvalCase>& cases) {
  for (const auto& [args, status, out] : cases) {
    const EvalRun run = Eval(args);
    EXPECT_EQ(run.status, status) << args[0] << ": " << run.err;
    EXPECT_EQ(run.out, out) << args[0];
  }
}

TEST(CliEval, PrintsTheResultForACellOfANewDocument) {
  ExpectRuns({
      {{"1+2*3"}, 0, "7\n"},
      {{"1/3"}, 0, "0.333333333333333\n"},
      {{"ColCount*100+RowCount*10+Self"}, 0, "990\n"},  // nine empty columns and rows
      {{"ColNo*10+RowNo"}, 0, "11\n"},
      {{"--col", "3", "--row", "2", "ColNo*10+RowNo"}, 0, "32\n"},
      {{"[行番]*2"}, 0, "2\n"},
      {{"--", "-3*2"}, 0, "-6\n"},
      {{"5/0"}, 1, "Error\n"},
      {{"Ln(0)"}, 1, "Error\n"},
      {{"Trunc(3000000000)"}, 1, "Error\n"},
  });
}

TEST(CliEval, ReadsTheCellsOfAnOpenedFile) {
  test::TempDir dir;
  WriteFile(dir / "in.csv", Sjis("品名,単価,数量\nペン,\"1,200\",3\nノート,abc,2\n"));
  const std::string in = (dir / "in.csv").string();
  ExpectRuns({
      {{"[単価]*[数量]", in, "--first-line-titles", "yes"}, 0, "3600\n"},
      {{"[単価]*[数量]", in, "--first-line-titles", "yes", "--row", "2"}, 0, "0\n"},
      {{"Self", in, "--first-line-titles", "yes", "--col", "数量"}, 0, "3\n"},
      {{"Self+1", in, "--first-line-titles=yes", "--col=単価", "--row=1"}, 0, "1201\n"},
      {{"Sum(%1%,%3%)", in}, 0, "0\n"},              // without titles row 1 holds the titles
      {{"Sum([行番],%3%)", in, "--row", "2"}, 0, "1205\n"},
      {{"RowCount", in}, 0, "3\n"},
      {{"%2%/(%3%-3)", in, "--first-line-titles", "yes"}, 1, "Error\n"},
  });
}

TEST(CliEval, FormulasThatDoNotCompileSayWhyOnStandardError) {
  for (const std::string formula : {"", "1+", "(1", "[単価]", "1e5", "Sum(1,3)"}) {
    const EvalRun run = Eval({formula});
    EXPECT_EQ(run.status, 1) << formula;
    EXPECT_EQ(run.out, "") << formula;
    EXPECT_NE(run.err.find("計算式を解釈できません： " + formula), std::string::npos) << run.err;
  }
  const EvalRun notInteger = Eval({"Sum(%99999999999%,%1%)"});
  EXPECT_EQ(notInteger.status, 1);
  EXPECT_NE(notInteger.err.find("99999999999 は有効な整数ではありません。"), std::string::npos) << notInteger.err;

  const EvalRun notShiftJis = Eval({"1+\U0001F600"});
  EXPECT_EQ(notShiftJis.status, 1);
  EXPECT_NE(notShiftJis.err.find("Shift-JIS"), std::string::npos) << notShiftJis.err;
}

TEST(CliEval, UsageMistakesExitWithTwo) {
  test::TempDir dir;
  WriteFile(dir / "in.csv", "a,b\n");
  const std::string in = (dir / "in.csv").string();
  EXPECT_EQ(Eval({}).status, 2);
  EXPECT_EQ(Eval({"-3*2"}).status, 2);  // taken for an option without "--"
  EXPECT_EQ(Eval({"1", in, in}).status, 2);
  EXPECT_EQ(Eval({"1", in, "--col", "3"}).status, 2);   // outside the grid
  EXPECT_EQ(Eval({"1", in, "--row", "2"}).status, 2);
  EXPECT_EQ(Eval({"1", "--row", "-1"}).status, 2);
  EXPECT_EQ(Eval({"1", "--row", "x"}).status, 2);
  const EvalRun unknown = Eval({"1", in, "--col", "zz"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("列 zz が見つかりません。"), std::string::npos) << unknown.err;
  EXPECT_EQ(Eval({"1", (dir / "missing.csv").string()}).status, 1);

  const EvalRun help = Eval({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("tabulo-cli eval FORMULA"), std::string::npos);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli({"--help"}, out, err), 0);
  EXPECT_NE(out.str().find("eval FORMULA"), std::string::npos);
}

}  // namespace
}  // namespace tabulo::cli
