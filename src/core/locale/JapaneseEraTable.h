#pragma once

#include <string>
#include <vector>

namespace tabulo {

// One era of the Japanese calendar: its first day, counted in days from
// 1970-01-01 (proleptic Gregorian, so earlier days are negative), the
// Gregorian year of that day, and the era's full name in code page 932.
struct JapaneseEraStart {
  long firstDay = 0;
  int firstYear = 0;
  std::string name;
};

// Every era ICU's Japanese calendar knows, oldest first (大化 … 令和). Built
// from ICU on first use and never changed afterwards, so lookups need neither
// a calendar object nor a lock. Throws std::runtime_error when ICU lacks the
// calendar data.
const std::vector<JapaneseEraStart>& JapaneseEraStarts();

}  // namespace tabulo
