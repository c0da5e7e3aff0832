#include "core/app/SettingsLocation.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "core/base/Errors.h"
#include "support/ScopedVariable.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

TEST(SettingsLocation, PicksTheFirstUsableVariable) {
  const struct {
    SettingsEnvironment environment;
    const char* folder;
  } cases[] = {
      {{"/opt/cnf", "/xdg", "/home/u"}, "/opt/cnf"},
      {{"", "/xdg", "/home/u"}, "/xdg/tabulo"},
      {{"", "", "/home/u"}, "/home/u/.config/tabulo"},
      {{"", "relative/xdg", "/home/u"}, "/home/u/.config/tabulo"},  // relative XDG values are ignored
  };
  for (const auto& one : cases) EXPECT_EQ(SettingsFolder(one.environment), one.folder) << one.folder;
  EXPECT_THROW(SettingsFolder(SettingsEnvironment{}), FileError);
}

using test::ScopedVariable;

TEST(SettingsLocation, FollowsTheProcessEnvironmentOnEveryCall) {
  test::TempDir dir;
  {
    ScopedVariable config("TABULO_CONFIG_DIR", dir.Path().string());
    EXPECT_EQ(SettingsFilePath(), dir / "Tabulo.Ctl");
    EXPECT_EQ(CsvHistoryPath(), dir / "Csv.his");
    EXPECT_EQ(FixedHistoryPath(), dir / "Fixed.his");
    EXPECT_EQ(PrintFormatFolder(), dir / "GPC");
  }
  ScopedVariable emptyConfig("TABULO_CONFIG_DIR", "");
  ScopedVariable xdg("XDG_CONFIG_HOME", (dir / "xdg").string());
  EXPECT_EQ(SettingsFolder(), dir / "xdg" / "tabulo");
}

}  // namespace
}  // namespace tabulo
