#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SetupTestTree.h"
#include "setup/MenuGroup.h"
#include "setup/SendTo.h"
#include "setup/SetupMessages.h"
#include "setup/UninstallKey.h"
#include "setup/UnitMain.h"

namespace plinth::test {
namespace {

using ::testing::ElementsAre;

// Undoes a desktop entry's string escapes and its "%%", leaving the command
// line a shell reads as the desktop would split it.
std::string CommandOfExec(const std::string& exec) {
  std::string command;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const bool doubled = i + 1 < exec.size() && exec[i + 1] == exec[i] && (exec[i] == '\\' || exec[i] == '%');
    if (doubled) ++i;
    command += exec[i];
  }
  return command;
}

class UninstallTest : public ::testing::Test {
 protected:
  explicit UninstallTest(const std::string& installFolderName = "Tabulo 3.6/表計算") : m_tree(installFolderName) {}

  void RunInstall() {
    ScriptedBoxes boxes({true, true, true});
    ASSERT_TRUE(Install({{m_tree.InstallFolder()}, boxes, m_shell}).succeeded);
  }

  SetupOutcome RunUninstall(bool answer) {
    m_boxes = std::make_unique<ScriptedBoxes>(std::deque<bool>{answer});
    return Uninstall({{m_tree.InstallFolder()}, *m_boxes, m_shell});
  }

  std::filesystem::path KeyFile() const { return UninstallFolder(m_tree.DataHome()) / messages::kUninstallKey; }

  SetupTestTree m_tree;
  ScriptedShell m_shell{m_tree.Folders()};
  std::unique_ptr<ScriptedBoxes> m_boxes;
};

TEST_F(UninstallTest, RemovesEverythingInstallMadeButKeepsTheKey) {
  RunInstall();
  WriteText(m_tree.Programs() / "other.desktop", "[Desktop Entry]\n");

  EXPECT_TRUE(RunUninstall(true).succeeded);

  ASSERT_EQ(m_boxes->Shown().size(), 2U);
  EXPECT_EQ(m_boxes->Shown()[0].caption, "Tabulo アンインストール");
  EXPECT_EQ(m_boxes->Shown()[0].text, "ウィンドウズから登録情報を削除します。\r\n\r\nよろしいですか？");
  EXPECT_EQ(m_boxes->Shown()[1].text,
            "登録の削除を完了しました。\r\n\r\nエクスプローラなどで、ディレクトリごと削除して下さい。");
  EXPECT_EQ(m_boxes->Shown()[1].icon, BoxIcon::Information);

  EXPECT_FALSE(std::filesystem::exists(m_tree.MenuFolder()));
  EXPECT_TRUE(std::filesystem::exists(m_tree.Programs() / "other.desktop"));
  EXPECT_FALSE(std::filesystem::exists(m_tree.Desktop() / "Tabulo.desktop"));
  const auto menu = MenuGroupFilesOf(m_tree.DataHome(), m_tree.ConfigHome());
  EXPECT_FALSE(std::filesystem::exists(menu.directoryEntry));
  EXPECT_FALSE(std::filesystem::exists(menu.mergedMenu));
  const auto sendTo = SendToFilesOf(m_tree.DataHome());
  EXPECT_FALSE(std::filesystem::exists(sendTo.nautilusScript));
  EXPECT_FALSE(std::filesystem::exists(sendTo.dolphinMenu));
  EXPECT_EQ(ReadText(KeyFile()), "[Tabulo36]\n");
  EXPECT_EQ(m_shell.ToolRuns().back(),
            (std::vector<std::string>{"update-desktop-database", "-q", m_tree.Programs()}));
}

TEST_F(UninstallTest, AMenuFolderWithFilesOfTheUsersStays) {
  RunInstall();
  WriteText(m_tree.MenuFolder() / "mine.desktop", "[Desktop Entry]\n");
  EXPECT_TRUE(RunUninstall(true).succeeded);
  EXPECT_TRUE(std::filesystem::exists(m_tree.MenuFolder() / "mine.desktop"));
  EXPECT_FALSE(std::filesystem::exists(m_tree.MenuFolder() / "Tabulo.desktop"));
}

TEST_F(UninstallTest, NoLeavesEverythingInPlace) {
  RunInstall();
  EXPECT_TRUE(RunUninstall(false).succeeded);
  EXPECT_EQ(m_boxes->Shown().size(), 1U);
  EXPECT_TRUE(std::filesystem::exists(m_tree.MenuFolder() / "Tabulo.desktop"));
  EXPECT_EQ(ParseKeyFile(ReadText(KeyFile())).size(), 2U);
}

TEST_F(UninstallTest, NothingInstalledIsNoError) {
  EXPECT_TRUE(RunUninstall(true).succeeded);
  ASSERT_EQ(m_boxes->Shown().size(), 2U);
  EXPECT_EQ(m_boxes->Shown()[1].text, messages::kUninstallDone);
  // Nothing is created either: no key, no folders.
  EXPECT_FALSE(std::filesystem::exists(m_tree.Root() / "home"));
}

TEST_F(UninstallTest, ARemovalThatFailsIsReportedInTheOutcome) {
  RunInstall();
  std::filesystem::remove(m_tree.Desktop() / "Tabulo.desktop");
  std::filesystem::create_directories(m_tree.Desktop() / "Tabulo.desktop/x");
  EXPECT_FALSE(RunUninstall(true).succeeded);
  EXPECT_EQ(m_boxes->Shown().back().text, messages::kUninstallDone);
  EXPECT_FALSE(std::filesystem::exists(m_tree.MenuFolder()));
}

// A folder with the characters shell and desktop quoting care about: the
// uninstall string and the uninstall entry's command line still start the
// uninstaller of this folder with the argument "R".
class UninstallCommandTest : public UninstallTest {
 protected:
  UninstallCommandTest() : UninstallTest("it's \"$HOME\" `x` 100% \\ 表") {}

  // A stand-in uninstaller that records its arguments.
  std::filesystem::path RecordingSetupProgram() {
    const auto record = m_tree.Root() / "arguments";
    WriteText(m_tree.InstallFolder() / "plinth",
              "#!/bin/sh\nprintf '%s|' \"$0\" \"$@\" > " + QuoteArgument(record.string()) + "\n");
    std::filesystem::permissions(m_tree.InstallFolder() / "plinth", std::filesystem::perms::owner_all);
    return record;
  }
};

TEST_F(UninstallCommandTest, TheUninstallStringRunsPlinthWithR) {
  RunInstall();
  const auto record = RecordingSetupProgram();
  const auto values = ParseKeyFile(ReadText(KeyFile()));
  ASSERT_EQ(values[1].first, "UninstallString");
  ASSERT_TRUE(RunCommand({"sh", "-c", values[1].second}));
  EXPECT_EQ(ReadText(record), (m_tree.InstallFolder() / "plinth").string() + "|R|");
}

TEST_F(UninstallCommandTest, TheUninstallEntryRunsPlinthWithR) {
  RunInstall();
  const auto record = RecordingSetupProgram();
  const auto exec = EntryValue(ReadText(m_tree.MenuFolder() / "アンインストール.desktop"), "Exec");
  ASSERT_TRUE(exec);
  ASSERT_TRUE(RunCommand({"sh", "-c", CommandOfExec(*exec)}));
  EXPECT_EQ(ReadText(record), (m_tree.InstallFolder() / "plinth").string() + "|R|");
  const auto complaints = ValidatorComplaints(m_tree.MenuFolder() / "アンインストール.desktop");
  if (complaints) {
    EXPECT_EQ(*complaints, "");
  }
}

}  // namespace
}  // namespace plinth::test
