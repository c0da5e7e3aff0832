#include <gtest/gtest.h>

#include <sstream>

#include "SetupTestTree.h"
#include "platform/setup/ConsoleBoxes.h"
#include "platform/setup/XdgShell.h"
#include "setup/CommandLine.h"
#include "setup/DesktopEntryText.h"
#include "setup/UninstallKey.h"

namespace plinth::test {
namespace {

TEST(DesktopEntryTextTest, EscapesValuesAndQuotesArguments) {
  EXPECT_EQ(EscapeValue("a\\b\nc\td\re"), "a\\\\b\\nc\\td\\re");
  EXPECT_EQ(EscapeValue(" lead and inner blank"), "\\slead and inner blank");
  EXPECT_EQ(QuoteArgument("/opt/my dir/tabulo"), "\"/opt/my dir/tabulo\"");
  EXPECT_EQ(QuoteArgument("a\"b`c$d\\e'f"), "\"a\\\"b\\`c\\$d\\\\e'f\"");
  EXPECT_EQ(ExecValue({"/x/100%/tabulo"}, "%f"), "\"/x/100%%/tabulo\" %f");
  EXPECT_EQ(ExecValue({"xdg-open", "/x/ReadMe.txt"}), "\"xdg-open\" \"/x/ReadMe.txt\"");
}

TEST(DesktopEntryTextTest, QuotedArgumentsReadBackUnchangedInAShell) {
  for (const std::string argument : {"plain", "with blank", "$HOME `id` \\ \" ' ! * ? ~ # ; & | < > ( )", "表計算"}) {
    const auto echoed = RunCommand({"sh", "-c", "printf %s " + QuoteArgument(argument)});
    ASSERT_TRUE(echoed);
    EXPECT_EQ(*echoed, argument);
  }
}

TEST(DesktopEntryTextTest, TellsUtf8FromOtherBytes) {
  EXPECT_TRUE(IsValidUtf8("/opt/tabulo/表計算 𠀋"));
  EXPECT_FALSE(IsValidUtf8("\x95\x5c"));          // a Shift-JIS character
  EXPECT_FALSE(IsValidUtf8("\xc0\xaf"));          // an overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xed\xa0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xe8\xa1"));          // cut short
}

TEST(UninstallKeyTest, ReadsItsOwnTextBackAndSkipsDamage) {
  const KeyValues values{{"DisplayName", "Tabulo アンインストール"}, {"UninstallString", " \"/a\\b\" R\n"}};
  EXPECT_EQ(ParseKeyFile(KeyFileOf("Tabulo36", values)), values);
  EXPECT_EQ(ParseKeyFile("[k]\r\n# note\r\nno equals\r\n=nameless\r\nA=1\r\nB=\\q\\"),
            (KeyValues{{"A", "1"}, {"B", "\\q\\"}}));
}

TEST(UninstallKeyTest, DeletingValuesOfAMissingKeyCreatesNothing) {
  SetupTestTree tree;
  const auto folder = tree.Root() / "keys";
  EXPECT_TRUE(DeleteKeyValues(folder, "Tabulo36", {"DisplayName"}));
  EXPECT_FALSE(std::filesystem::exists(folder));
  EXPECT_TRUE(DeleteKey(folder, "Tabulo35"));
}

TEST(CommandLineTest, OnlyAFirstArgumentRUninstalls) {
  EXPECT_FALSE(ParseCommandLine({}).uninstall);
  EXPECT_TRUE(ParseCommandLine({"R"}).uninstall);
  EXPECT_FALSE(ParseCommandLine({"r"}).uninstall);
  EXPECT_FALSE(ParseCommandLine({"X", "R"}).uninstall);
  EXPECT_FALSE(ParseCommandLine({"R "}).uninstall);
  const auto scripted = ParseCommandLine({"R", "--yes"});
  EXPECT_TRUE(scripted.uninstall);
  EXPECT_TRUE(scripted.answerYes);
  EXPECT_TRUE(ParseCommandLine({"--yes", "R"}).uninstall);
  EXPECT_FALSE(ParseCommandLine({"R"}).answerYes);
}

TEST(XdgShellTest, FoldersFollowTheEnvironment) {
  std::map<std::string, std::string> environment{{"HOME", "/home/u"}};
  const auto variable = [&](const char* name) -> std::optional<std::string> {
    const auto found = environment.find(name);
    return found == environment.end() ? std::nullopt : std::optional<std::string>(found->second);
  };
  auto folders = ResolveXdgFolders(variable, std::nullopt);
  EXPECT_EQ(folders.dataHome, "/home/u/.local/share");
  EXPECT_EQ(folders.configHome, "/home/u/.config");
  EXPECT_EQ(folders.desktop, "/home/u/Desktop");

  environment["XDG_DATA_HOME"] = "/data";
  environment["XDG_CONFIG_HOME"] = "relative/is/ignored";
  folders = ResolveXdgFolders(variable, std::string("/home/u/デスクトップ\n"));
  EXPECT_EQ(folders.dataHome, "/data");
  EXPECT_EQ(folders.configHome, "/home/u/.config");
  EXPECT_EQ(folders.desktop, "/home/u/デスクトップ");
  EXPECT_EQ(ResolveXdgFolders(variable, std::string("\n")).desktop, "/home/u/Desktop");
}

TEST(ConsoleBoxesTest, AnswersYesAndPrintsEveryBox) {
  std::ostringstream out;
  ConsoleBoxes boxes(out);
  EXPECT_TRUE(boxes.Ask("Tabulo アンインストール", "削除します。\r\n\r\nよろしいですか？"));
  boxes.Tell("Tabulo インストール", "失敗しました。", BoxIcon::Error);
  EXPECT_EQ(out.str(),
            "Tabulo アンインストール: 削除します。\n\nよろしいですか？ はい\n"
            "Tabulo インストール (エラー): 失敗しました。\n");
}

}  // namespace
}  // namespace plinth::test
