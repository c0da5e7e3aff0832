#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "support/GridText.h"
#include "support/ScopedVariable.h"
#include "support/TestFiles.h"

namespace tabulo::cli {
namespace {

using tabulo::test::Sjis;
using test::ToolRun;

// The settings in a folder of their own, and a fixed-length file.
struct Fixture {
  tabulo::test::TempDir dir;
  tabulo::test::ScopedVariable config{"TABULO_CONFIG_DIR", (dir / "config").string()};
  std::string in = (dir / "in.dat").string();

  explicit Fixture(const std::string& text) { tabulo::test::WriteFile(in, Sjis(text)); }
  ToolRun Run(std::vector<std::string> options) const {
    std::vector<std::string> args{"fixed", in, "-o", "-", "--attributes", "no", "--title", "yes"};
    args.insert(args.end(), options.begin(), options.end());
    return test::RunTool(args);
  }
};

TEST(CliFixed, CutsByLengthsWithTypesTitlesAndCleanUp) {
  const Fixture f("001ab  ,x\r\n020cd\r\n");
  const ToolRun plain = f.Run({"--lengths", "3,4,2"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out, Sjis("\"列   1\",\"列   2\",\"列   3\"\r\n001,\"ab  \",\",x\"\r\n020,cd,\r\n"));

  const ToolRun cleaned = f.Run({"--lengths", "3,4,2", "--types", "integer", "--titles", "番号,名前",
                                 "--trim", "yes", "--strip-zeros", "yes", "--convert-commas", "yes"});
  ASSERT_EQ(cleaned.status, 0) << cleaned.err;
  EXPECT_EQ(cleaned.out, Sjis("番号,名前,\"列   3\"\r\n1,ab,") + "\xA4" + "x\r\n20,cd,\r\n");
}

TEST(CliFixed, SavedDefinitionsComeBack) {
  const Fixture f("001ab  x\r\n");
  const ToolRun saved = f.Run({"--lengths", "3,5", "--types", "integer", "--strip-zeros", "yes",
                               "--save-definition", "給与"});
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_TRUE(std::filesystem::exists(f.dir / "config" / "FixedCnf" / "給与.fcf"));
  const ToolRun again = f.Run({"--definition", "給与"});
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, saved.out);
  // Options given on the command line win over the saved ones.
  const ToolRun override = f.Run({"--definition", "給与", "--strip-zeros", "no"});
  EXPECT_NE(override.out.find("\r\n001,"), std::string::npos);
  EXPECT_EQ(f.Run({"--definition", "none"}).status, 1);
}

TEST(CliFixed, UsageErrors) {
  const Fixture f("abc\r\n");
  EXPECT_EQ(f.Run({}).status, 2);
  EXPECT_EQ(f.Run({"--lengths", "3", "--definition", "x"}).status, 2);
  EXPECT_EQ(f.Run({"--lengths", "3,0"}).status, 2);
  EXPECT_EQ(f.Run({"--lengths", "3,x"}).status, 2);
  EXPECT_EQ(f.Run({"--lengths", "3", "--types", "integer,date"}).status, 2);
  EXPECT_EQ(f.Run({"--lengths", "3", "--types", "money"}).status, 2);
  EXPECT_EQ(f.Run({"--lengths", "3", "--save-definition", "../out"}).status, 1);
}

}  // namespace
}  // namespace tabulo::cli
