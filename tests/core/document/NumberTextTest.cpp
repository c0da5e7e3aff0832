#include "core/document/NumberText.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;

TEST(StripNumberDecoration, TrimsAndRemovesCurrencyAndSeparators) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {" 1,234 ", "1234"}, {"-\\1,234", "-1234"}, {"\\\\1", "\\1"},  // only the first currency string
      {"12\\", "12"}, {"\t12.5\r\n", "12.5"}, {"\x7F" "1\x7F", "1"}, {" \t ", ""},
      {"\\ 1,500", " 1500"},  // inner blanks stay
      // Double-byte characters whose second byte is 0x5C ("\") are kept whole.
      {Sjis("ソ1,0"), Sjis("ソ10")}, {Sjis("表\\100"), Sjis("表100")}, {Sjis("12ソ"), Sjis("12ソ")},
      {Sjis("　12　"), Sjis("　12　")}};  // a full-width space is no blank
  for (const auto& [text, expected] : cases) EXPECT_EQ(StripNumberDecoration(text), expected) << text;
}

TEST(DecimalPlaces, CountsTheDigitsAfterThePoint) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"1234.50", 2}, {"12", 0}, {".125", 3}, {"1.", 0}, {"1.5E3", 1}, {"1.2.3", 1}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(DecimalPlaces(text), expected) << text;
}

TEST(ReadCellNumber, ReadsDecoratedNumbers) {
  const std::string longText = std::string(100, '0') + "1.5";  // too long for the stack buffer
  const std::vector<std::pair<std::string, std::optional<long double>>> cases = {
      {"1,234", 1234}, {"\\1,500", 1500}, {" 12.5 ", 12.5L}, {"\\-5", -5}, {"1e3", 1000},
      {"1,000,000,000,000,000,000,000", 1e21L}, {longText, 1.5L}, {"1 2", std::nullopt},
      {Sjis("12円"), std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt}, {"\\", std::nullopt},
      {Sjis("１２"), std::nullopt}, {Sjis("ソ1"), std::nullopt}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadCellNumber(text), expected) << text;
}

TEST(GroupForDisplay, GroupsNumbersByColumnType) {
  using enum ColumnType;
  const std::vector<std::tuple<std::string, ColumnType, std::optional<std::string>>> cases = {
      {"1234567", Integer, "1,234,567"}, {"1,234,567", Integer, "1,234,567"}, {"$FF", Integer, "255"},
      {"12.5", Integer, std::nullopt}, {"", Integer, std::nullopt}, {"1234.50", Numeric, "1,234.50"},
      {"-1234.5", Numeric, "-1,234.5"}, {"\\1,234", Numeric, "1,234"}, {"1.5E3", Numeric, "1,500.0"},
      {"1234567890123456", Numeric, "1.23456789012346E15"},
      {"0.1234567890123456789012", Numeric, "0.123456789012346000"}, {"abc", Numeric, std::nullopt},
      {"-1234", Currency, "-\\1,234"}, {"\\1,234.50", Currency, "\\1,234.50"},
      {"1234", String, std::nullopt}, {"2024/1/1", Date, std::nullopt}, {"12:00", Time, std::nullopt}};
  for (const auto& [text, type, expected] : cases) {
    EXPECT_EQ(GroupForDisplay(text, type), expected) << text << " as " << static_cast<int>(type);
  }
}

}  // namespace
}  // namespace tabulo
