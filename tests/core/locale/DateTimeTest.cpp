#include "core/locale/DateTime.h"

#include <gtest/gtest.h>

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/timezone.h>

#include <chrono>
#include <memory>
#include <tuple>
#include <vector>

#include "core/base/Errors.h"
#include "core/locale/JapaneseEraTable.h"
#include "support/TestFiles.h"

namespace tabulo {
namespace {

using test::Sjis;

TEST(IsValidDate, KnowsMonthLengthsAndLeapYears) {
  for (const auto& [y, m, d] : {std::tuple{2024, 2, 29}, {2000, 2, 29}, {2023, 4, 30}, {1, 1, 1}, {9999, 12, 31}}) {
    EXPECT_TRUE(IsValidDate(y, m, d)) << y << '/' << m << '/' << d;
  }
  for (const auto& [y, m, d] : {std::tuple{2023, 2, 29}, {1900, 2, 29}, {2023, 4, 31}, {2023, 13, 1},
                                {2023, 0, 1}, {2023, 1, 0}, {2023, 1, 32}, {0, 1, 1}, {10000, 1, 1}}) {
    EXPECT_FALSE(IsValidDate(y, m, d)) << y << '/' << m << '/' << d;
  }
}

TEST(ParseShortDate, ReadsYearMonthDayWithTheCenturyRule) {
  struct Case {
    std::string text;
    int currentYear;
    std::optional<Date> expected;
  };
  constexpr auto kNone = std::nullopt;
  const std::vector<Case> cases = {
      {"2008/01/05", 2024, Date{2008, 1, 5}}, {" 2008 / 1 /15", 2024, Date{2008, 1, 15}},
      {"8/1/15", 2024, Date{2008, 1, 15}},  // a Heisei year reads as a short year
      {"01/5/3", 2024, Date{2001, 5, 3}}, {"00/1/1", 2024, Date{2000, 1, 1}},
      {"99/12/31", 2024, Date{2099, 12, 31}}, {"98/5/3", 1999, Date{1998, 5, 3}},
      {"100/1/1", 2024, Date{100, 1, 1}}, {"1/15", 2024, Date{2024, 1, 15}},
      {"2/29", 2024, Date{2024, 2, 29}}, {"2/29", 2023, kNone}, {"2024/2/29", 2023, Date{2024, 2, 29}},
      {"2023/2/29", 2024, kNone}, {"1900/2/29", 2024, kNone}, {"2008/13/1", 2024, kNone},
      {"2008/4/31", 2024, kNone}, {"2008/0/1", 2024, kNone},
      {"2008/1/15 ", 2024, kNone},  // nothing may follow
      {"2008/1/15/", 2024, kNone}, {"2008/1/15/1", 2024, kNone}, {"2008/1", 2024, kNone},
      {"2008", 2024, kNone}, {"2008//15", 2024, kNone}, {"/1/15", 2024, kNone},
      {"2008-1-15", 2024, kNone}, {"99999999999/1/1", 2024, kNone}, {"", 2024, kNone},
      {Sjis("2008/1/15 (火)"), 2024, kNone}, {Sjis("２００８/１/１５"), 2024, kNone}};
  for (const Case& c : cases) {
    EXPECT_EQ(ParseShortDate(c.text, c.currentYear), c.expected) << '"' << c.text << "\" in " << c.currentYear;
  }
}

TEST(ParseTime, ReadsHoursMinutesAndOptionalSeconds) {
  const std::vector<std::pair<std::string, std::optional<TimeOfDay>>> cases = {
      {"12:34:56", TimeOfDay{12, 34, 56}}, {"9:05", TimeOfDay{9, 5, 0}}, {" 7: 05", TimeOfDay{7, 5, 0}},
      {"23:59:59", TimeOfDay{23, 59, 59}}, {"24:00", std::nullopt}, {"12:60", std::nullopt},
      {"12:00:60", std::nullopt}, {"12", std::nullopt}, {"12:00:00:00", std::nullopt},
      {"12:00 ", std::nullopt}, {"12.30", std::nullopt}, {"", std::nullopt}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseTime(text), expected) << '"' << text << '"';
  EXPECT_EQ(FormatLongTime({9, 5, 7}), "9:05:07");
  EXPECT_EQ(FormatLongTime({23, 59, 59}), "23:59:59");
}

TEST(DayNames, FollowTheWeekday) {
  const std::vector<std::tuple<Date, int, const char*>> cases = {
      {{1989, 1, 8}, 0, "日"}, {{2024, 1, 1}, 1, "月"}, {{2008, 1, 15}, 2, "火"}, {{2019, 5, 1}, 3, "水"},
      {{1970, 1, 1}, 4, "木"}, {{1900, 3, 2}, 5, "金"}, {{2000, 1, 1}, 6, "土"}, {{1, 1, 1}, 1, "月"}};
  for (const auto& [date, weekday, name] : cases) {
    EXPECT_EQ(DayOfWeek(date), weekday) << date.year;
    EXPECT_EQ(ShortDayName(date), Sjis(name));
    EXPECT_EQ(LongDayName(date), Sjis(std::string(name) + "曜日"));
  }
}

TEST(JapaneseEra, ChangesOnTheFirstDayOfEachModernEra) {
  const std::vector<std::tuple<Date, const char*, int>> cases = {
      {{1868, 9, 7}, "慶応", 4}, {{1868, 9, 8}, "明治", 1}, {{1912, 7, 29}, "明治", 45},
      {{1912, 7, 30}, "大正", 1}, {{1926, 12, 24}, "大正", 15}, {{1926, 12, 25}, "昭和", 1},
      {{1989, 1, 7}, "昭和", 64}, {{1989, 1, 8}, "平成", 1}, {{2019, 4, 30}, "平成", 31},
      {{2019, 5, 1}, "令和", 1}, {{2024, 12, 31}, "令和", 6}};
  for (const auto& [date, name, year] : cases) {
    const auto era = JapaneseEra(date);
    ASSERT_TRUE(era.has_value()) << date.year;
    EXPECT_EQ(era->name, Sjis(name)) << date.year << '/' << date.month << '/' << date.day;
    EXPECT_EQ(era->year, year) << date.year << '/' << date.month << '/' << date.day;
  }
  EXPECT_FALSE(JapaneseEra({600, 1, 1}).has_value());
}

// The era table is a digest of ICU's calendar; hold it against a calendar
// asked day by day, on every day around each era change since 1868 and on
// a sample of the days between.
TEST(JapaneseEra, AgreesWithICUsCalendarDayByDay) {
  const icu::Locale japanese("ja_JP@calendar=japanese");
  UErrorCode error = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(
      icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), japanese, error));
  icu::DateFormatSymbols symbols(japanese, "japanese", error);
  ASSERT_TRUE(U_SUCCESS(error));
  std::int32_t nameCount = 0;
  const icu::UnicodeString* names = symbols.getEraNames(nameCount);

  using namespace std::chrono;
  std::vector<long> days;
  for (long day = sys_days{1868y / 1 / 1}.time_since_epoch().count();
       day < sys_days{2100y / 1 / 1}.time_since_epoch().count(); day += 11) {
    days.push_back(day);
  }
  const auto& eras = JapaneseEraStarts();
  for (std::size_t i = 1; i < eras.size(); ++i) {
    ASSERT_LT(eras[i - 1].firstDay, eras[i].firstDay) << "era " << i;
    if (eras[i].firstDay > sys_days{1868y / 1 / 1}.time_since_epoch().count()) {
      for (long d = -2; d <= 2; ++d) days.push_back(eras[i].firstDay + d);
    }
  }
  for (const long day : days) {
    const year_month_day ymd{sys_days{std::chrono::days{day}}};
    const Date date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(static_cast<unsigned>(ymd.day()))};
    calendar->setTime(static_cast<UDate>(day) * 86'400'000.0, error);
    const std::int32_t era = calendar->get(UCAL_ERA, error);
    const std::int32_t year = calendar->get(UCAL_YEAR, error);
    ASSERT_TRUE(U_SUCCESS(error) && era < nameCount);
    std::string name;
    names[era].toUTF8String(name);
    const auto ours = JapaneseEra(date);
    ASSERT_TRUE(ours.has_value());
    EXPECT_EQ(ours->name, Sjis(name)) << date.year << '/' << date.month << '/' << date.day;
    EXPECT_EQ(ours->year, year) << date.year << '/' << date.month << '/' << date.day;
  }
}

TEST(FormatDate, WritesEachPictureElement) {
  const Date saturday{2008, 1, 5};
  const std::vector<std::tuple<Date, std::string, std::string>> cases = {
      {saturday, "yyyy/m/d", "2008/1/5"}, {saturday, "yy/mm/dd", "08/01/05"},
      {saturday, "yyyy/MM/dd", "2008/01/05"}, {saturday, "yyyy/m/d (ddd)", Sjis("2008/1/5 (土)")},
      {saturday, "yyyy/m/d dddd ", Sjis("2008/1/5 土曜日 ")}, {saturday, "e/m/d", "20/1/5"},
      {saturday, "gg e/m/d", Sjis("平成 20/1/5")}, {{1989, 1, 7}, "gg e/m/d", Sjis("昭和 64/1/7")},
      {{2019, 5, 1}, "gge", Sjis("令和1")}, {{600, 3, 4}, "yyyy/m/d", "0600/3/4"},
      {saturday, Sjis("yyyy年m月d日"), Sjis("2008年1月5日")},
      // 土 is 0x93 0x79: its second byte is a "y" and must not become a year.
      {saturday, Sjis("土yy"), Sjis("土08")}, {saturday, "y g x", "y g x"}};
  for (const auto& [date, picture, expected] : cases) EXPECT_EQ(FormatDate(date, picture), expected) << picture;
  EXPECT_THROW(FormatDate({2023, 2, 29}, "yyyy/m/d"), ConvertError);
  EXPECT_THROW(FormatDate({600, 1, 1}, "gg e/m/d"), ConvertError);
}

}  // namespace
}  // namespace tabulo
