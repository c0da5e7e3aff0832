#include "core/locale/DateSerial.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace tabulo {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

const sys_days kDayZero{std::chrono::year{1899} / 12 / 30};
const sys_days kFirstDay{std::chrono::year{1} / 1 / 1};
const sys_days kLastDay{std::chrono::year{9999} / 12 / 31};

}  // namespace

long double DateSerial(const Date& date) {
  const sys_days day{std::chrono::year{date.year} / date.month / date.day};
  return static_cast<long double>((day - kDayZero).count());
}

long double TimeSerial(const TimeOfDay& time) {
  return static_cast<long double>(time.hour * 3600 + time.minute * 60 + time.second) / 86400.0L;
}

Date DateFromSerial(long double serial) {
  const long double whole = std::isfinite(serial) ? std::floor(serial) : 0.0L;
  const long double first = static_cast<long double>((kFirstDay - kDayZero).count());
  const long double last = static_cast<long double>((kLastDay - kDayZero).count());
  const auto offset = static_cast<long long>(std::clamp(whole, first, last));
  const year_month_day ymd{kDayZero + days{offset}};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

bool IsDateSerialInRange(long double serial) {
  if (!std::isfinite(serial)) return false;
  const long double whole = std::floor(serial);
  return whole >= static_cast<long double>((kFirstDay - kDayZero).count()) &&
         whole <= static_cast<long double>((kLastDay - kDayZero).count());
}

TimeOfDay TimeFromSerial(long double serial) {
  if (!std::isfinite(serial)) return {};
  const long double share = serial - std::floor(serial);
  long long seconds = std::llround(share * 86400.0L);
  seconds = std::clamp(seconds, 0LL, 86399LL);
  return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

}  // namespace tabulo
