#include "core/app/FileHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestFiles.h"

namespace tabulo {
namespace {

using Lines = std::vector<std::string>;

TEST(FileHistory, SplitsAtEveryKindOfLineBreak) {
  const struct {
    std::string text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb", {"a", "", "b"}},  // an empty line keeps the entries after it in place
      {"a\n\r", {"a", ""}},            // LF then CR is two breaks, not one
      {"\r\n", {""}},
      {test::Sjis("/home/表ソ/\r\n"), {test::Sjis("/home/表ソ/")}},  // trail bytes 0x5C, 0x5C
  };
  for (const auto& one : cases) EXPECT_EQ(ParseHistoryText(one.text), one.lines) << one.text;
}

TEST(FileHistory, WritesEachEntryFollowedByCrLf) {
  EXPECT_EQ(FormatHistoryText({}), "");
  EXPECT_EQ(FormatHistoryText({"/data/", "", "/data/a.csv"}), "/data/\r\n\r\n/data/a.csv\r\n");
  // A path holding a line break cannot be one line; it leaves an empty one.
  EXPECT_EQ(FormatHistoryText({"/data/", "/data/x\ny.csv", "/data/a.csv"}), "/data/\r\n\r\n/data/a.csv\r\n");
}

TEST(FileHistory, KeepsTheFolderAndTwentyFiles) {
  test::TempDir dir;
  const auto path = dir / "sub/Csv.his";
  EXPECT_EQ(LoadFileHistory(path), std::nullopt);

  FileHistory history{"/data/"};
  for (int i = 25; i >= 1; --i) history.push_back("/data/f" + std::to_string(i) + ".csv");
  SaveFileHistory(path, history);

  // Opening 25 files leaves the folder line and the 20 most recent files.
  const std::string bytes = test::ReadFile(path);
  EXPECT_TRUE(bytes.starts_with("/data/\r\n/data/f25.csv\r\n")) << bytes;
  EXPECT_TRUE(bytes.ends_with("\r\n/data/f6.csv\r\n")) << bytes;
  const auto loaded = LoadFileHistory(path);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(*loaded, FileHistory(history.begin(), history.begin() + 21));
}

}  // namespace
}  // namespace tabulo
