#include "core/editing/DateInsert.h"

#include "core/editing/RangeWalk.h"
#include "core/locale/LocaleConventions.h"

namespace tabulo {
namespace {

enum class Inserted { Date, Time, DateAndTime };

Inserted InsertedOf(int tag) {
  if (tag == 1) return Inserted::Time;
  if (tag == 2) return Inserted::DateAndTime;
  return Inserted::Date;
}

std::string ShortDate(const Date& date) { return FormatDate(date, locale::kShortDateFormat); }

}  // namespace

std::string InsertedDateText(int tag, const DateAndTime& now) {
  switch (InsertedOf(tag)) {
    case Inserted::Time: return FormatLongTime(now.time);
    case Inserted::DateAndTime: return ShortDate(now.date) + ' ' + FormatLongTime(now.time);
    case Inserted::Date: break;
  }
  return ShortDate(now.date);
}

std::string DateInsertCaption(int tag, const DateAndTime& now) {
  switch (InsertedOf(tag)) {
    case Inserted::Time: return "時刻入力　" + FormatShortTime(now.time);
    case Inserted::DateAndTime: return "日時入力　" + ShortDate(now.date) + ' ' + FormatShortTime(now.time);
    case Inserted::Date: break;
  }
  return "日付入力　" + ShortDate(now.date);
}

void FillRange(TableDocument& grid, const TGridRect& range, std::string_view text, ProgressSink* progress) {
  ConvertRange(grid, range, progress, [text](const RangeWalk&, int, int, std::string_view old, std::string& out) {
    if (old == text) return CellOutcome::Keep;
    out.assign(text);
    return CellOutcome::Write;
  });
}

}  // namespace tabulo
