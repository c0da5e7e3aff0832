#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/document/GPItem.h"

namespace tabulo {

// The conditions of a narrowing search, as the condition dialog collects
// them. Texts are code page 932.

// How a condition reads the texts it compares: "文字", "数値", "日付", "時刻".
enum class FilterTreatment { String = 0, Number = 1, Date = 2, Time = 3 };

// "含む", "含まない", "＝", "＜", "＞": the subject contains the search text,
// does not contain it, equals it, is less, is greater.
enum class FilterOperator { Contains = 0, Excludes = 1, Equal = 2, Less = 3, Greater = 4 };

// One condition row. Column 0 stands for all columns: the subject is then
// the whole row's text, and the treatment is always String.
struct FilterCondition {
  int column = 0;
  FilterTreatment treatment = FilterTreatment::String;
  FilterOperator op = FilterOperator::Contains;
  std::string text;
};

// The three condition rows, how they combine (AND unless useOr) and which
// differences the comparison ignores (see NormalizeForCompare).
struct FilterOptions {
  std::array<FilterCondition, 3> conditions;
  bool useOr = false;
  bool ignoreKana = false;
  bool ignoreWidth = false;
  bool ignoreCase = true;
};

// The treatment a column's data type suggests: 文字 for string columns, 日付
// for dates, 時刻 for times, 数値 for every other type.
FilterTreatment DefaultTreatment(const TGPItem& item);

// The treatment a condition actually uses: String for all columns.
FilterTreatment EffectiveTreatment(const FilterCondition& condition) noexcept;

// The value a text stands for under a treatment, for ordering: a number
// (decoration stripped as calculation strips it), a date as its year, month
// and day (short date format), or a time of day in seconds (long time
// format). nullopt when the text does not convert, and always for String.
// `currentYear` completes dates written without their year.
std::optional<long double> FilterValue(std::string_view text, FilterTreatment treatment, int currentYear);

// Whether the condition dialog's test conversion of a search text succeeds:
// true for the String treatment and for the empty text.
bool SearchTextConverts(std::string_view text, FilterTreatment treatment);

// Fine, or dubious (the search may not pick what was meant: a search text
// that does not convert, or "＜"/"＞" on texts), or forbidden ("＝", "＜" or
// "＞" on all columns with a search text).
enum class ConditionCheck { Fine = 0, Dubious = 1, Forbidden = 2 };

ConditionCheck CheckCondition(const FilterCondition& condition);
// The worst of the three rows.
ConditionCheck CheckConditions(const FilterOptions& options);

// The operator's caption in the dialog and in the window's caption ("含む" …),
// code page 932.
std::string_view OperatorCaption(FilterOperator op) noexcept;

}  // namespace tabulo
