#include "core/editing/DateReformat.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "core/editing/CellGuard.h"
#include "core/editing/CodePageCells.h"
#include "core/locale/Cp932.h"
#include "core/locale/DateTime.h"
#include "core/locale/JapaneseEraTable.h"
#include "core/locale/LocaleConventions.h"
#include "core/locale/NumberFormat.h"

namespace tabulo {
namespace {

// What a command writes and how it finds the year.
struct DateRule {
  std::string_view picture;
  int yearOffset = 0;              // added to the number before the first separator; 0: the date's own year
  bool offsetBelow100Only = false; // the year-digit commands leave a four-digit year alone
  bool needsEra = false;
};

DateRule RuleOf(DateCommand command) {
  switch (command) {
    case DateCommand::Wareki: return {"e/m/d", 0, false, true};
    case DateCommand::WarekiEra: return {"gg e/m/d", 0, false, true};
    case DateCommand::Meiji: return {"yyyy/m/d", 1867};
    case DateCommand::Taisho: return {"yyyy/m/d", 1911};
    case DateCommand::Showa: return {"yyyy/m/d", 1925};
    case DateCommand::Heisei: return {"yyyy/m/d", 1988};
    case DateCommand::Year2: return {"yy/m/d"};
    case DateCommand::Year4From1900: return {"yyyy/m/d", 1900, true};
    case DateCommand::Year4From2000: return {"yyyy/m/d", 2000, true};
    case DateCommand::Weekday: return {"yyyy/m/d (ddd)"};
    case DateCommand::WeekdayLong: return {"yyyy/m/d dddd "};
  }
  throw std::invalid_argument("unknown date command");
}

std::chrono::sys_days DayOf(const Date& date) {
  return std::chrono::sys_days{std::chrono::year{date.year} / date.month / date.day};
}

// The first day of 明治, the oldest era the commands write. The calendar
// names older eras too, but 和暦 here means the eras of the modern calendar;
// an older date fails like one no era can name.
std::chrono::sys_days MeijiStart() {
  static const std::chrono::sys_days start = [] {
    constexpr std::string_view kMeiji = "\x96\xBE\x8E\xA1";  // 明治
    for (const JapaneseEraStart& era : JapaneseEraStarts()) {
      if (era.name == kMeiji) return std::chrono::sys_days{std::chrono::days{era.firstDay}};
    }
    throw std::runtime_error("the Japanese calendar has no era 明治");
  }();
  return start;
}

// The number written before the first date separator, blanks around it
// trimmed, as an integer; the short date reader has already accepted the
// text, so this is a run of digits.
std::optional<std::int32_t> LeadingYear(std::string_view text) {
  std::string_view first = text.substr(0, FindChar(text, locale::kDateSeparator));
  while (!first.empty() && first.back() == ' ') first.remove_suffix(1);
  return ParseInt32(first);
}

}  // namespace

CellOutcome ReformatDateText(std::string_view text, DateCommand command, int currentYear, std::string& out) {
  out.clear();
  const DateRule rule = RuleOf(command);
  std::optional<Date> date = ParseShortDate(text, currentYear);
  if (!date) return CellOutcome::Fail;
  if (rule.yearOffset != 0) {
    const std::optional<std::int32_t> year = LeadingYear(text);
    if (!year) return CellOutcome::Fail;
    const int newYear = rule.offsetBelow100Only && *year >= 100 ? *year : *year + rule.yearOffset;
    if (!IsValidDate(newYear, date->month, date->day)) return CellOutcome::Fail;
    date->year = newYear;
  }
  if (rule.needsEra && DayOf(*date) < MeijiStart()) return CellOutcome::Fail;
  out = FormatDate(*date, rule.picture);
  return out == text ? CellOutcome::Keep : CellOutcome::Write;
}

int ReformatDates(TableDocument& grid, const TGridRect& range, DateCommand command, ProgressSink* progress) {
  return ReformatDates(grid, range, command, progress, Today().year);
}

int ReformatDates(TableDocument& grid, const TGridRect& range, DateCommand command, ProgressSink* progress,
                  int currentYear) {
  CodePageCells cells(grid.Encoding().encoding);
  return ConvertRange(grid, range, progress,
                      [&cells, command, currentYear](const RangeWalk&, int, int, std::string_view text, std::string& out) {
                        return GuardCell([&] {
                          return cells.Run(text, out, [&](std::string_view cell, std::string& result) {
                            return ReformatDateText(cell, command, currentYear, result);
                          });
                        });
                      });
}

}  // namespace tabulo
