#include "core/locale/DateTime.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>

#include "core/base/Errors.h"
#include "core/base/Messages.h"
#include "core/locale/Cp932.h"
#include "core/locale/JapaneseEraTable.h"
#include "core/locale/LocaleConventions.h"

namespace tabulo {
namespace {

// The reading order of ParseShortDate (year, month, day) is that of this
// format; a locale with another order needs another reader.
static_assert(locale::kShortDateFormat == "yyyy/MM/dd");

// Day names of a Japanese system in code page 932, Sunday first.
constexpr std::array<std::string_view, 7> kShortDayNames = {
    "\x93\xFA", "\x8C\x8E", "\x89\xCE", "\x90\x85", "\x96\xD8", "\x8B\xE0", "\x93\x79"};
constexpr std::string_view kDayNameSuffix = "\x97\x6A" "\x93\xFA";  // 曜日

constexpr int kMaxFields = 3;

// Two or three unsigned numbers joined by `separator`, blanks allowed before
// each number and each separator, nothing after the last number. Numbers too
// large for any date or time field are capped, so they fail the range checks.
struct Fields {
  std::array<int, kMaxFields> values{};
  int count = 0;
};

std::optional<Fields> ReadFields(std::string_view text, char separator) {
  Fields fields;
  std::size_t pos = 0;
  const auto skipBlanks = [&] {
    while (pos < text.size() && text[pos] == ' ') ++pos;
  };
  while (true) {
    skipBlanks();
    const std::size_t first = pos;
    int value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
      value = std::min(value * 10 + (text[pos] - '0'), 100'000);
    }
    if (pos == first) return std::nullopt;
    fields.values[static_cast<std::size_t>(fields.count++)] = value;
    if (pos == text.size()) break;
    skipBlanks();
    if (fields.count == kMaxFields || pos == text.size() || text[pos] != separator) return std::nullopt;
    ++pos;
  }
  if (fields.count < 2) return std::nullopt;
  return fields;
}

std::chrono::sys_days ToSysDays(const Date& date) {
  return std::chrono::sys_days{std::chrono::year{date.year} / date.month / date.day};
}

long DaysSinceEpoch(const Date& date) { return ToSysDays(date).time_since_epoch().count(); }

std::string DateForMessage(const Date& date) {
  return std::to_string(date.year) + '/' + std::to_string(date.month) + '/' + std::to_string(date.day);
}

void PutNumber(std::string& out, int value, int minDigits) {
  const std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < minDigits) out.append(static_cast<std::size_t>(minDigits) - digits.size(), '0');
  out += digits;
}

// Length of the run of `c` that starts at `pos`.
std::size_t RunLength(std::string_view text, std::size_t pos, char c) {
  std::size_t end = pos;
  while (end < text.size() && text[end] == c) ++end;
  return end - pos;
}

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  return (std::chrono::year{year} / month / day).ok();
}

std::optional<Date> ParseShortDate(std::string_view text, int currentYear) {
  const auto fields = ReadFields(text, locale::kDateSeparator);
  if (!fields) return std::nullopt;
  Date date;
  if (fields->count == 2) {
    date = {currentYear, fields->values[0], fields->values[1]};
  } else {
    date = {fields->values[0], fields->values[1], fields->values[2]};
    if (date.year <= 99) date.year += currentYear / 100 * 100;
  }
  if (!IsValidDate(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

std::optional<TimeOfDay> ParseTime(std::string_view text) {
  const auto fields = ReadFields(text, ':');
  if (!fields) return std::nullopt;
  const TimeOfDay time{fields->values[0], fields->values[1], fields->count == 3 ? fields->values[2] : 0};
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
  return time;
}

int DayOfWeek(const Date& date) {
  return static_cast<int>(std::chrono::weekday{ToSysDays(date)}.c_encoding());
}

std::string ShortDayName(const Date& date) {
  return std::string(kShortDayNames[static_cast<std::size_t>(DayOfWeek(date))]);
}

std::string LongDayName(const Date& date) { return ShortDayName(date) + std::string(kDayNameSuffix); }

std::optional<EraYear> JapaneseEra(const Date& date) {
  if (!IsValidDate(date.year, date.month, date.day)) return std::nullopt;
  const std::vector<JapaneseEraStart>& eras = JapaneseEraStarts();
  const long day = DaysSinceEpoch(date);
  // The last era that started on or before the day.
  const auto next = std::upper_bound(eras.begin(), eras.end(), day,
                                     [](long d, const JapaneseEraStart& era) { return d < era.firstDay; });
  if (next == eras.begin()) return std::nullopt;
  const JapaneseEraStart& era = *std::prev(next);
  return EraYear{era.name, date.year - era.firstYear + 1};
}

std::string FormatDate(const Date& date, std::string_view picture) {
  if (!IsValidDate(date.year, date.month, date.day)) {
    throw ConvertError(FormatMessage(MessageId::DateNotValid, {DateForMessage(date)}));
  }
  std::optional<EraYear> era;
  const auto needEra = [&]() -> const EraYear& {
    if (!era) era = JapaneseEra(date);
    if (!era) throw ConvertError(FormatMessage(MessageId::DateHasNoEra, {DateForMessage(date)}));
    return *era;
  };

  std::string out;
  for (std::size_t pos = 0; pos < picture.size();) {
    // Double-byte characters are copied whole: their second byte may look
    // like "d", "m" or "y".
    const std::size_t charLength = CharLength(picture, pos);
    const char c = picture[pos];
    std::size_t used = 1;
    if (charLength > 1) {
      out.append(picture.substr(pos, charLength));
      used = charLength;
    } else if (c == 'y' && RunLength(picture, pos, 'y') >= 4) {
      PutNumber(out, date.year, 4);
      used = 4;
    } else if (c == 'y' && RunLength(picture, pos, 'y') >= 2) {
      PutNumber(out, date.year % 100, 2);
      used = 2;
    } else if (c == 'm' || c == 'M') {
      used = std::min<std::size_t>(RunLength(picture, pos, c), 2);
      PutNumber(out, date.month, static_cast<int>(used));
    } else if (c == 'd') {
      used = std::min<std::size_t>(RunLength(picture, pos, 'd'), 4);
      if (used == 4) {
        out += LongDayName(date);
      } else if (used == 3) {
        out += ShortDayName(date);
      } else {
        PutNumber(out, date.day, static_cast<int>(used));
      }
    } else if (c == 'g' && RunLength(picture, pos, 'g') >= 2) {
      out += needEra().name;
      used = 2;
    } else if (c == 'e') {
      PutNumber(out, needEra().year, 1);
    } else if (c == '/') {
      out += locale::kDateSeparator;
    } else {
      out += c;
    }
    pos += used;
  }
  return out;
}

std::string FormatLongTime(const TimeOfDay& time) {
  std::string out;
  PutNumber(out, time.hour, 1);
  out += ':';
  PutNumber(out, time.minute, 2);
  out += ':';
  PutNumber(out, time.second, 2);
  return out;
}

std::string FormatShortTime(const TimeOfDay& time) {
  std::string out;
  PutNumber(out, time.hour, 1);
  out += ':';
  PutNumber(out, time.minute, 2);
  return out;
}

Date Today() { return CurrentDateAndTime().date; }

TimeOfDay Now() { return CurrentDateAndTime().time; }

DateAndTime CurrentDateAndTime() {
  const std::tm local = LocalNow();
  // A leap second shows as the last second of its minute.
  return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
          {local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)}};
}

}  // namespace tabulo
