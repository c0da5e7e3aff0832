#pragma once

#include "core/locale/DateTime.h"

namespace tabulo {

// Dates and times as numbers, for adding up and averaging them: a date is
// its count of days since 1899/12/30 (day 0), a time its share of a day.
long double DateSerial(const Date& date);
long double TimeSerial(const TimeOfDay& time);

// The date of a day count (its fraction is ignored) and the time of a day's
// share (its whole days are ignored), rounded to the second. Dates are kept
// within the years 1..9999.
Date DateFromSerial(long double serial);
// Whether a day count names a day of the years 1..9999 (its fraction ignored).
bool IsDateSerialInRange(long double serial);
TimeOfDay TimeFromSerial(long double serial);

}  // namespace tabulo
