#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabulo {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const Date&, const Date&) = default;
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

bool IsValidDate(int year, int month, int day);

// A date in the short date format: two or three numbers separated by the date
// separator, read in year, month, day order. With two numbers they are month
// and day of `currentYear`. A year of 99 or less is placed in the current
// century (`currentYear` rounded down to a multiple of 100). Blanks may stand
// before a number or a separator; nothing may follow the last number. An
// impossible date → nullopt.
std::optional<Date> ParseShortDate(std::string_view text, int currentYear);

// A time in the long time format: hour ":" minute, optionally ":" second;
// blanks may stand before each number or separator; nothing may follow. Out
// of range (24:00, 12:60) → nullopt.
std::optional<TimeOfDay> ParseTime(std::string_view text);

// Dates are proleptic Gregorian throughout. The functions below expect a
// valid date (IsValidDate) unless they say otherwise.

// 0 = Sunday … 6 = Saturday.
int DayOfWeek(const Date& date);

// Code page 932 texts of the locale.
std::string ShortDayName(const Date& date);  // "月"
std::string LongDayName(const Date& date);   // "月曜日"

// The Japanese era of a date from ICU's Japanese calendar: the full era name
// (code page 932, "平成") and the year within it (1-based): 1989/1/7 is 昭和
// 64, 1989/1/8 is 平成 1. nullopt before the first era ICU knows, and for an
// impossible date. ICU's data are read once, on the first call.
struct EraYear {
  std::string name;
  int year = 0;
};
std::optional<EraYear> JapaneseEra(const Date& date);

// Writes a date with a picture made of "yyyy" (four-digit year), "yy"
// (two-digit year), "mm"/"m" (or "MM"/"M", as the short date format writes
// them) and "dd"/"d" (month and day with and without a leading zero), "dddd"
// (long day name), "ddd" (short day name), "gg" (era name), "e" (year within
// the era) and literal characters; "/" is the date separator. Double-byte
// characters of the picture are copied whole. Code page 932 result. Throws
// ConvertError for an impossible date, or when the picture asks for the era
// of a date before the first era.
std::string FormatDate(const Date& date, std::string_view picture);

// "H:mm:ss".
std::string FormatLongTime(const TimeOfDay& time);
// "H:mm".
std::string FormatShortTime(const TimeOfDay& time);

// A moment of the local clock: its date and its time of day.
struct DateAndTime {
  Date date;
  TimeOfDay time;
  friend bool operator==(const DateAndTime&, const DateAndTime&) = default;
};

// The system clock's local date and time.
Date Today();
TimeOfDay Now();
// Both read from one look at the clock, so that they agree around midnight.
DateAndTime CurrentDateAndTime();

}  // namespace tabulo
