#include "core/app/TabuloCnf.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "core/base/Errors.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using namespace std::string_literals;
using test::Sjis;

// Little-endian bytes put together by hand, so that the images below do not
// depend on the program's own writer.
std::string I32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
          static_cast<char>((bits >> 16) & 0xFF), static_cast<char>((bits >> 24) & 0xFF)};
}
std::string Str(const std::string& bytes) { return I32(static_cast<std::int32_t>(bytes.size())) + bytes; }

// The current form spelled out byte by byte; FontName is "ＭＳ" (N = 4).
const std::string kCurrentImage =
    "\xDC\xFF\xFF\xFF"s                                                     // 0: tag -36
    "\x02"                                                                  // 4: maximised
    "\x0A\x00\x00\x00" "\xEC\xFF\xFF\xFF" "\x8A\x07\x00\x00" "\x42\x04\x00\x00"  // 5: 10, -20, 1930, 1090
    "\x18\x00\x00\x00"                                                      // 21: row height 24
    "\x04\x00\x00\x00" "\x82\x6C\x82\x72"                                   // 25: font name
    "\x80"                                                                  // 33: character set
    "\x0B\x00\x00\x00"                                                      // 34: 11 points
    "\x05"                                                                  // 38: bold, underline
    "\x00\x01\x01\x00"                                                      // 39: close, title, new window, position
    "\x01\x00\x01\x00"                                                      // 43: tool, calc, find, status bar
    "\x03\x00\x00\x00" "\x00\x01\x01"                                       // 47: save options
    "\x09\x00\x00\x00" "[1]+[2]\r\n"                                        // 54: calculation history
    "\x06\x00\x00\x00" "\x93\x8C\x8B\x9E\r\n"s;                             // 67: find history "東京"
constexpr std::size_t kSaveOptionsEnd = 54;

TTabuloCnf CurrentImageFields() {
  TTabuloCnf cnf;
  cnf.WindowState = 2;
  cnf.WindowBounds = {10, -20, 1930, 1090};
  cnf.RowHeight = 24;
  cnf.FontName = Sjis("ＭＳ");
  cnf.FontCharset = 128;
  cnf.FontSize = 11;
  cnf.FontStyle = kFontBold | kFontUnderline;
  cnf.AskTitleRow = cnf.NewWindow = true;
  cnf.ShowToolBar = cnf.ShowFindBar = true;
  cnf.SaveOptions = {3, false, true, true};
  cnf.CalcHistory = "[1]+[2]\r\n";
  cnf.FindHistory = Sjis("東京\r\n");
  return cnf;
}

TEST(TTabuloCnf, ReadsAndWritesTheCurrentFormByteForByte) {
  TTabuloCnf cnf;
  ASSERT_TRUE(cnf.LoadFromBytes(kCurrentImage));
  EXPECT_EQ(cnf, CurrentImageFields());
  EXPECT_EQ(cnf.SaveToBytes(), kCurrentImage);
  EXPECT_TRUE(TTabuloCnf().LoadFromBytes(kCurrentImage + "later"));  // bytes after the last field
}

TEST(TTabuloCnf, EachOptionAndBarByteLandsInItsOwnField) {
  const struct {
    std::size_t offset;
    bool TTabuloCnf::*field;
  } cases[] = {{39, &TTabuloCnf::AskOnClose},  {40, &TTabuloCnf::AskTitleRow},
               {41, &TTabuloCnf::NewWindow},   {42, &TTabuloCnf::KeepWindowPos},
               {43, &TTabuloCnf::ShowToolBar}, {44, &TTabuloCnf::ShowCalcBar},
               {45, &TTabuloCnf::ShowFindBar}, {46, &TTabuloCnf::ShowStatusBar}};
  for (const auto& one : cases) {
    std::string image = kCurrentImage;
    for (const auto& other : cases) image[other.offset] = other.offset == one.offset ? 1 : 0;
    TTabuloCnf cnf;
    ASSERT_TRUE(cnf.LoadFromBytes(image));
    for (const auto& other : cases) EXPECT_EQ(cnf.*other.field, other.offset == one.offset) << one.offset;
  }
}

// What a window already holds before loading: older forms must leave the font
// name alone and must set the bars and histories they do not store.
TTabuloCnf Prior() {
  TTabuloCnf cnf;
  cnf.FontName = "Prior";
  cnf.FontCharset = 7;
  cnf.ShowFindBar = true;
  cnf.CalcHistory = cnf.FindHistory = "stale\r\n";
  return cnf;
}

struct OlderForm {
  const char* name;
  std::string image;
  TTabuloCnf expected;
};

std::vector<OlderForm> OlderForms() {
  // Window state 1, bounds, row height 20, font name, size 9, italic, then
  // close 1, title 0, new window 0, position 1.
  const std::string common = "\x01"s + I32(100) + I32(50) + I32(900) + I32(700) + I32(20) +
                             Str(Sjis("明朝")) + I32(9) + "\x02\x01\x00\x00\x01"s;
  TTabuloCnf base = Prior();
  base.WindowState = 1;
  base.WindowBounds = {100, 50, 900, 700};
  base.RowHeight = 20;
  base.FontSize = 9;
  base.FontStyle = kFontItalic;
  base.AskOnClose = base.KeepWindowPos = true;

  std::vector<OlderForm> forms;
  TTabuloCnf v35 = base;
  v35.ShowCalcBar = v35.ShowStatusBar = true;
  v35.ShowFindBar = false;
  v35.CalcHistory = "[1]\r\n";
  v35.FindHistory = "x\r\n";
  forms.push_back({"-35", I32(-35) + common + "\x00\x01\x00\x01"s + Str("[1]\r\n") + Str("x\r\n"), v35});

  TTabuloCnf v32 = base;  // no find bar yet: hidden, no find history
  v32.ShowToolBar = v32.ShowStatusBar = true;
  v32.CalcHistory = "[2]\r\n";
  v32.ShowFindBar = false;
  v32.FindHistory.clear();
  forms.push_back({"-32", I32(-32) + common + "\x01\x00\x01"s + Str("[2]\r\n"), v32});

  TTabuloCnf v27 = base;  // tool and status bar shown, find bar hidden
  v27.ShowToolBar = v27.ShowStatusBar = true;
  v27.ShowCalcBar = true;
  v27.ShowFindBar = false;
  v27.CalcHistory = "[3]\r\n";
  v27.FindHistory.clear();
  forms.push_back({"-27", I32(-27) + common + "\x01"s + Str("[3]\r\n"), v27});

  TTabuloCnf untagged = base;  // tool, calculation and status bars shown, find bar hidden
  untagged.ShowToolBar = untagged.ShowCalcBar = untagged.ShowStatusBar = true;
  untagged.ShowFindBar = false;
  untagged.CalcHistory.clear();
  untagged.FindHistory.clear();
  forms.push_back({"untagged", common, untagged});
  return forms;
}

TEST(TTabuloCnf, ReadsEveryOlderFormKeepingTheFontNameAndDefaultSaveOptions) {
  for (const OlderForm& form : OlderForms()) {
    TTabuloCnf cnf = Prior();
    EXPECT_TRUE(cnf.LoadFromBytes(form.image)) << form.name;
    EXPECT_EQ(cnf, form.expected) << form.name;
    EXPECT_EQ(cnf.SaveOptions, SaveOptions()) << form.name;
  }
}

TEST(TTabuloCnf, AFileCutAnywhereIsRefusedButKeepsSaveOptionsReadBeforeTheCut) {
  for (std::size_t cut = 0; cut < kCurrentImage.size(); ++cut) {
    TTabuloCnf cnf;
    EXPECT_FALSE(cnf.LoadFromBytes(kCurrentImage.substr(0, cut))) << cut;
    EXPECT_EQ(cnf.SaveOptions, cut >= kSaveOptionsEnd ? CurrentImageFields().SaveOptions : SaveOptions())
        << cut;
  }
  for (const OlderForm& form : OlderForms()) {
    for (std::size_t cut = 0; cut < form.image.size(); ++cut) {
      EXPECT_FALSE(TTabuloCnf().LoadFromBytes(form.image.substr(0, cut))) << form.name << " " << cut;
    }
  }
}

TEST(TTabuloCnf, RefusesDamagedStringCounts) {
  const std::string withFontCount = kCurrentImage.substr(0, 25);
  const auto pastTheEnd = static_cast<std::int32_t>(kCurrentImage.size());
  for (const std::int32_t count : {-1, INT32_MIN, INT32_MAX, pastTheEnd}) {
    EXPECT_FALSE(TTabuloCnf().LoadFromBytes(withFontCount + I32(count) + kCurrentImage.substr(29))) << count;
  }
}

TEST(TTabuloCnf, SavesToAFileAndLoadsItBack) {
  test::TempDir dir;
  const auto path = dir / "new/folder/Tabulo.Ctl";
  TTabuloCnf missing;
  EXPECT_FALSE(missing.Load(path));
  EXPECT_EQ(missing, TTabuloCnf());
  EXPECT_FALSE(TTabuloCnf().Load(dir.Path()));  // a folder, not a file

  CurrentImageFields().Save(path);
  EXPECT_EQ(test::ReadFile(path), kCurrentImage);
  TTabuloCnf loaded;
  EXPECT_TRUE(loaded.Load(path));
  EXPECT_EQ(loaded, CurrentImageFields());
}

// Run in a child process that has given up any privilege to write into a
// read-only folder, so that the test holds when run by the superuser too.
TEST(TTabuloCnfDeathTest, ASaveIntoAReadOnlyFolderThrowsAndKeepsTheOldFile) {
  test::TempDir dir;
  const auto path = dir / "Tabulo.Ctl";
  test::WriteFile(path, "old");
  // The file itself stays writable: only writing beside it, then renaming,
  // keeps it whole when the folder refuses new files.
  ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(3);
        try {
          CurrentImageFields().Save(path);
        } catch (const FileError&) {
          std::_Exit(0);
        }
        std::_Exit(1);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(test::ReadFile(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace tabulo
