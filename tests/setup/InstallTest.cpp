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
using ::testing::HasSubstr;

class InstallTest : public ::testing::Test {
 protected:
  SetupOutcome RunInstall(std::deque<bool> answers) {
    m_boxes = std::make_unique<ScriptedBoxes>(std::move(answers));
    const SetupContext context{{m_tree.InstallFolder()}, *m_boxes, m_shell};
    const auto outcome = Install(context);
    EXPECT_TRUE(m_boxes->AllAnswered());
    return outcome;
  }

  std::vector<std::string> ShownTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : m_boxes->Shown()) texts.push_back(box.text);
    return texts;
  }

  std::filesystem::path KeyFile() const { return UninstallFolder(m_tree.DataHome()) / messages::kUninstallKey; }

  std::vector<std::filesystem::path> MenuEntries() const {
    return {m_tree.MenuFolder() / "Tabulo.desktop", m_tree.MenuFolder() / "オンラインヘルプ.desktop",
            m_tree.MenuFolder() / "はじめにお読み下さい。.desktop", m_tree.MenuFolder() / "アンインストール.desktop"};
  }

  SetupTestTree m_tree;
  ScriptedShell m_shell{m_tree.Folders()};
  std::unique_ptr<ScriptedBoxes> m_boxes;
};

TEST_F(InstallTest, YesToEverythingRegistersMenuDesktopAndFileManagers) {
  EXPECT_TRUE(RunInstall({true, true, true}).succeeded);

  EXPECT_THAT(ShownTexts(), ElementsAre(messages::kAskStartMenu, messages::kAskDesktop, messages::kAskSendTo,
                                        messages::kInstallDone));
  for (const auto& box : m_boxes->Shown()) EXPECT_EQ(box.caption, "Tabulo インストール");
  EXPECT_EQ(m_boxes->Shown().back().icon, BoxIcon::Information);

  for (const auto& entry : MenuEntries()) EXPECT_TRUE(std::filesystem::is_regular_file(entry)) << entry;
  const auto program = ReadText(m_tree.MenuFolder() / "Tabulo.desktop");
  const auto folder = m_tree.InstallFolder().string();
  EXPECT_EQ(EntryValue(program, "Name"), "Tabulo");
  EXPECT_EQ(EntryValue(program, "Comment"), "Tabulo");
  EXPECT_EQ(EntryValue(program, "Exec"), "\"" + folder + "/tabulo\" %f");
  EXPECT_EQ(EntryValue(program, "Icon"), folder + "/icons/tabulo.svg");
  EXPECT_EQ(EntryValue(program, "Path"), folder);
  EXPECT_EQ(EntryValue(program, "MimeType"), "text/csv;text/tab-separated-values;");
  const auto help = ReadText(m_tree.MenuFolder() / "オンラインヘルプ.desktop");
  EXPECT_EQ(EntryValue(help, "Exec"), "\"xdg-open\" \"" + folder + "/help/index.html\"");
  EXPECT_EQ(EntryValue(help, "Comment"), "ヘルプ");
  EXPECT_EQ(EntryValue(ReadText(m_tree.MenuFolder() / "はじめにお読み下さい。.desktop"), "Exec"),
            "\"xdg-open\" \"" + folder + "/ReadMe.txt\"");
  EXPECT_EQ(EntryValue(ReadText(m_tree.MenuFolder() / "アンインストール.desktop"), "Exec"),
            "\"" + folder + "/plinth\" \"R\"");

  EXPECT_EQ(ReadText(m_tree.Desktop() / "Tabulo.desktop"), program);
  EXPECT_TRUE((std::filesystem::status(m_tree.Desktop() / "Tabulo.desktop").permissions() &
               std::filesystem::perms::owner_exec) != std::filesystem::perms::none);

  const auto menu = MenuGroupFilesOf(m_tree.DataHome(), m_tree.ConfigHome());
  EXPECT_THAT(ReadText(menu.mergedMenu), HasSubstr("<Filename>Tabulo-オンラインヘルプ.desktop</Filename>"));
  EXPECT_THAT(ReadText(menu.directoryEntry), HasSubstr("Type=Directory\nName=Tabulo\n"));
  const auto sendTo = SendToFilesOf(m_tree.DataHome());
  EXPECT_THAT(ReadText(sendTo.nautilusScript), HasSubstr("\"" + folder + "/tabulo\" \"$file\" &"));
  EXPECT_THAT(ReadText(sendTo.dolphinMenu), HasSubstr("Exec=\"" + folder + "/tabulo\" %f\n"));

  EXPECT_EQ(ParseKeyFile(ReadText(KeyFile())),
            (KeyValues{{"DisplayName", "Tabulo アンインストール"}, {"UninstallString", "\"" + folder + "/plinth\" R"}}));

  ASSERT_EQ(m_shell.ToolRuns().size(), 2U);
  EXPECT_EQ(m_shell.ToolRuns()[0], (std::vector<std::string>{"update-desktop-database", "-q", m_tree.Programs()}));
  EXPECT_EQ(m_shell.ToolRuns()[1].front(), "gio");
}

TEST_F(InstallTest, EveryEntryWrittenPassesTheDesktopEntryValidator) {
  RunInstall({true, true, true});
  auto files = MenuEntries();
  files.push_back(m_tree.Desktop() / "Tabulo.desktop");
  files.push_back(MenuGroupFilesOf(m_tree.DataHome(), m_tree.ConfigHome()).directoryEntry);
  // The Dolphin service menu is a KDE type of its own, which the validator
  // does not know; its form is checked above.
  for (const auto& file : files) {
    const auto complaints = ValidatorComplaints(file);
    if (!complaints) GTEST_SKIP() << "desktop-file-validate is not installed";
    EXPECT_EQ(*complaints, "") << file;
  }
}

TEST_F(InstallTest, NoToEverythingStillWritesTheUninstallEntry) {
  EXPECT_TRUE(RunInstall({false, false, false}).succeeded);
  EXPECT_THAT(ShownTexts(), ElementsAre(messages::kAskStartMenu, messages::kAskDesktop, messages::kAskSendTo,
                                        messages::kInstallDone));
  EXPECT_FALSE(std::filesystem::exists(m_tree.Programs()));
  EXPECT_FALSE(std::filesystem::exists(m_tree.Desktop()));
  EXPECT_FALSE(std::filesystem::exists(SendToFilesOf(m_tree.DataHome()).nautilusScript));
  EXPECT_EQ(ParseKeyFile(ReadText(KeyFile())).size(), 2U);
  EXPECT_TRUE(m_shell.ToolRuns().empty());
}

TEST_F(InstallTest, RunningTwiceReplacesTheEntriesAndRemovesEarlierVersions) {
  RunInstall({true, true, true});
  const auto first = ReadText(m_tree.MenuFolder() / "Tabulo.desktop");
  WriteText(m_tree.MenuFolder() / "Tabulo.desktop", "[Desktop Entry]\nName=stale\n");
  WriteText(KeyFile(), "[Tabulo36]\nDisplayName=old\nPublisher=kept\n");
  for (const char* earlier : {"Tabulo33", "Tabulo35"}) {
    WriteText(UninstallFolder(m_tree.DataHome()) / earlier, "[x]\nDisplayName=old\n");
  }

  EXPECT_TRUE(RunInstall({true, true, true}).succeeded);
  EXPECT_EQ(ReadText(m_tree.MenuFolder() / "Tabulo.desktop"), first);
  const auto values = ParseKeyFile(ReadText(KeyFile()));
  ASSERT_EQ(values.size(), 3U);
  EXPECT_EQ(values[0], (std::pair<std::string, std::string>{"DisplayName", "Tabulo アンインストール"}));
  EXPECT_EQ(values[1].first, "Publisher");
  EXPECT_EQ(values[2].first, "UninstallString");
  EXPECT_FALSE(std::filesystem::exists(UninstallFolder(m_tree.DataHome()) / "Tabulo33"));
  EXPECT_FALSE(std::filesystem::exists(UninstallFolder(m_tree.DataHome()) / "Tabulo35"));
  // Nothing else is left behind in the menu folder, such as temporary files.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_tree.MenuFolder()), {}), 4);
}

TEST_F(InstallTest, AStepThatFailsShowsItsMessageAndTheNextStepRuns) {
  WriteText(m_tree.MenuFolder(), "a file where the menu folder belongs");
  std::filesystem::create_directories(m_tree.Desktop() / "Tabulo.desktop");
  WriteText(m_tree.DataHome() / "nautilus", "a file where a folder belongs");

  EXPECT_FALSE(RunInstall({true, true, true}).succeeded);
  EXPECT_THAT(ShownTexts(),
              ElementsAre(messages::kAskStartMenu, messages::kStartMenuFailed, messages::kAskDesktop,
                          messages::kDesktopFailed, messages::kAskSendTo, messages::kSendToFailed,
                          messages::kInstallDone));
  EXPECT_EQ(m_boxes->Shown()[1].icon, BoxIcon::Error);
  EXPECT_EQ(m_boxes->Shown()[1].caption, "Tabulo インストール");
  // What could be made was made: the Dolphin menu and the uninstall entry.
  EXPECT_TRUE(std::filesystem::exists(SendToFilesOf(m_tree.DataHome()).dolphinMenu));
  EXPECT_EQ(ParseKeyFile(ReadText(KeyFile())).size(), 2U);
}

TEST_F(InstallTest, AnInstallFolderThatIsNoUtf8CannotGoIntoTheEntries) {
  SetupTestTree tree("\xff\xfe");
  ScriptedShell shell(tree.Folders());
  ScriptedBoxes boxes({true, false, false});
  EXPECT_FALSE(Install({{tree.InstallFolder()}, boxes, shell}).succeeded);
  EXPECT_EQ(boxes.Shown()[1].text, messages::kStartMenuFailed);
  EXPECT_FALSE(std::filesystem::exists(tree.MenuFolder() / "Tabulo.desktop"));
}

TEST_F(InstallTest, TheMenuCacheOffersTabuloForCsvFiles) {
  m_shell.RunToolsForReal(true);
  RunInstall({true, false, false});
  const auto cache = m_tree.Programs() / "mimeinfo.cache";
  if (!std::filesystem::exists(cache)) GTEST_SKIP() << "update-desktop-database is not installed";
  EXPECT_THAT(ReadText(cache), HasSubstr("text/csv=Tabulo-Tabulo.desktop;"));
}

}  // namespace
}  // namespace plinth::test
