#include "core/locale/JapaneseEraTable.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "core/locale/Encoding.h"

namespace tabulo {
namespace {

constexpr double kMillisecondsPerDay = 86'400'000.0;

std::vector<JapaneseEraStart> BuildTable() {
  const icu::Locale japanese("ja_JP@calendar=japanese");
  UErrorCode error = U_ZERO_ERROR;
  // Greenwich time, so that each era starts exactly at a day boundary.
  std::unique_ptr<icu::Calendar> calendar(
      icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), japanese, error));
  icu::DateFormatSymbols symbols(japanese, "japanese", error);
  if (U_FAILURE(error)) throw std::runtime_error("ICU has no Japanese calendar");
  std::int32_t nameCount = 0;
  const icu::UnicodeString* names = symbols.getEraNames(nameCount);

  const std::int32_t lastEra = calendar->getMaximum(UCAL_ERA);
  if (nameCount <= lastEra) throw std::runtime_error("ICU lacks Japanese era names");
  Cp932Converter converter;
  std::vector<JapaneseEraStart> table;
  table.reserve(static_cast<std::size_t>(lastEra) + 1);
  for (std::int32_t era = calendar->getMinimum(UCAL_ERA); era <= lastEra; ++era) {
    // With only the era and year 1 set, the calendar resolves the missing
    // month and day to the era's first day.
    calendar->clear();
    calendar->set(UCAL_ERA, era);
    calendar->set(UCAL_YEAR, 1);
    const UDate start = calendar->getTime(error);
    if (U_FAILURE(error)) throw std::runtime_error("ICU cannot place a Japanese era");
    const long firstDay = static_cast<long>(std::floor(start / kMillisecondsPerDay));
    const std::chrono::year_month_day firstDate{std::chrono::sys_days{std::chrono::days{firstDay}}};
    const icu::UnicodeString& name = names[era];
    table.push_back({firstDay, static_cast<int>(firstDate.year()),
                     converter.FromUtf16(std::u16string_view(name.getBuffer(),
                                                             static_cast<std::size_t>(name.length())))});
  }
  return table;
}

}  // namespace

const std::vector<JapaneseEraStart>& JapaneseEraStarts() {
  static const std::vector<JapaneseEraStart> table = BuildTable();
  return table;
}

}  // namespace tabulo
