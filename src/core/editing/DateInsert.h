#pragma once

#include <string>
#include <string_view>

#include "core/document/TableDocument.h"
#include "core/locale/DateTime.h"

namespace tabulo {

class ProgressSink;

// The three date-insert commands of the Edit menu, by their tags: 0 the date
// (Ctrl+D), 1 the time (Ctrl+H), 2 date and time (Ctrl+Shift+D).

// The text a command inserts for the moment `now` (CurrentDateAndTime() in
// the program): the date in the short date format ("2024/03/05"), the time
// in the long time format ("9:05:07"), or both, date first, with a blank
// between. Code page 932 (here plain ASCII). A tag other than 1 or 2 is the
// date.
std::string InsertedDateText(int tag, const DateAndTime& now);

// The command's menu caption, set when the window starts: "日付入力　",
// "時刻入力　" or "日時入力　" followed by the moment in the short formats
// ("日付入力　2024/03/05", "時刻入力　9:05", "日時入力　2024/03/05 9:05").
// UTF-8, like every caption.
std::string DateInsertCaption(int tag, const DateAndTime& now);

// Writes `text` into every cell of `range` (clamped to the data cells) in one
// walk, each changed row rewritten once; cells that already hold the text
// are left alone.
void FillRange(TableDocument& grid, const TGridRect& range, std::string_view text, ProgressSink* progress);

}  // namespace tabulo
