#include "core/rows/FilterConditions.h"

#include <algorithm>

#include "core/document/NumberText.h"
#include "core/locale/DateTime.h"

namespace tabulo {

FilterTreatment DefaultTreatment(const TGPItem& item) {
  switch (item.Type()) {
    case ColumnType::String: return FilterTreatment::String;
    case ColumnType::Date: return FilterTreatment::Date;
    case ColumnType::Time: return FilterTreatment::Time;
    case ColumnType::Integer:
    case ColumnType::Numeric:
    case ColumnType::Currency: break;
  }
  return FilterTreatment::Number;
}

FilterTreatment EffectiveTreatment(const FilterCondition& condition) noexcept {
  return condition.column == 0 ? FilterTreatment::String : condition.treatment;
}

std::optional<long double> FilterValue(std::string_view text, FilterTreatment treatment, int currentYear) {
  switch (treatment) {
    case FilterTreatment::String: break;
    case FilterTreatment::Number: return ReadCellNumber(text);
    case FilterTreatment::Date:
      if (const auto date = ParseShortDate(text, currentYear)) {
        return static_cast<long double>(date->year) * 10000 + date->month * 100 + date->day;
      }
      break;
    case FilterTreatment::Time:
      if (const auto time = ParseTime(text)) return static_cast<long double>(time->hour * 3600 + time->minute * 60 + time->second);
      break;
  }
  return std::nullopt;
}

bool SearchTextConverts(std::string_view text, FilterTreatment treatment) {
  if (text.empty() || treatment == FilterTreatment::String) return true;
  return FilterValue(text, treatment, Today().year).has_value();
}

ConditionCheck CheckCondition(const FilterCondition& condition) {
  const bool ordering = condition.op == FilterOperator::Less || condition.op == FilterOperator::Greater;
  if (condition.column == 0 && !condition.text.empty() && (ordering || condition.op == FilterOperator::Equal)) {
    return ConditionCheck::Forbidden;
  }
  const FilterTreatment treatment = EffectiveTreatment(condition);
  if (!SearchTextConverts(condition.text, treatment) || (treatment == FilterTreatment::String && ordering)) {
    return ConditionCheck::Dubious;
  }
  return ConditionCheck::Fine;
}

ConditionCheck CheckConditions(const FilterOptions& options) {
  ConditionCheck worst = ConditionCheck::Fine;
  for (const FilterCondition& condition : options.conditions) worst = std::max(worst, CheckCondition(condition));
  return worst;
}

std::string_view OperatorCaption(FilterOperator op) noexcept {
  switch (op) {
    case FilterOperator::Contains: return "\x8A\xDC\x82\xDE";                  // "含む"
    case FilterOperator::Excludes: return "\x8A\xDC\x82\xDC\x82\xC8\x82\xA2";  // "含まない"
    case FilterOperator::Equal: return "\x81\x81";                            // "＝"
    case FilterOperator::Less: return "\x81\x83";                             // "＜"
    case FilterOperator::Greater: return "\x81\x84";                          // "＞"
  }
  return {};
}

}  // namespace tabulo
