#include "core/rows/FilterMatcher.h"

#include "core/locale/Cp932.h"
#include "core/locale/DateTime.h"

namespace tabulo {

RowMatcher::RowMatcher(const TableDocument& grid, const FilterOptions& options)
    : m_grid(grid),
      m_useOr(options.useOr),
      m_currentYear(Today().year),
      m_normalize(options.ignoreKana, options.ignoreWidth, options.ignoreCase, grid.Encoding().encoding) {
  for (const FilterCondition& given : options.conditions) {
    Condition condition;
    condition.search = std::string(m_normalize(given.text));
    if (condition.search.empty()) continue;
    condition.column = given.column;
    condition.treatment = EffectiveTreatment(given);
    condition.op = given.op;
    const bool compares = condition.op != FilterOperator::Contains && condition.op != FilterOperator::Excludes;
    if (compares && condition.treatment != FilterTreatment::String) {
      condition.value = FilterValue(condition.search, condition.treatment, m_currentYear);
    } else if (condition.op == FilterOperator::Less || condition.op == FilterOperator::Greater) {
      condition.collator = std::make_unique<FilterCollator>(condition.search, grid.Encoding().encoding);
    }
    m_conditions.push_back(std::move(condition));
  }
}

RowMatcher::~RowMatcher() = default;

bool RowMatcher::Matches(int row) {
  for (Condition& condition : m_conditions) {
    if (Test(condition, row) == m_useOr) return m_useOr;
  }
  return !m_useOr;
}

bool RowMatcher::Test(Condition& condition, int row) {
  // A search text that does not convert fails every row.
  const bool compares = condition.op != FilterOperator::Contains && condition.op != FilterOperator::Excludes;
  if (compares && condition.treatment != FilterTreatment::String && !condition.value) return false;
  const std::string_view subject = Subject(condition, row);
  switch (condition.op) {
    case FilterOperator::Contains:
      return FindWholeText(subject, condition.search, 0, m_grid.Encoding().encoding) != std::string_view::npos;
    case FilterOperator::Excludes:
      return FindWholeText(subject, condition.search, 0, m_grid.Encoding().encoding) == std::string_view::npos;
    case FilterOperator::Equal:
    case FilterOperator::Less:
    case FilterOperator::Greater: break;
  }
  if (condition.treatment == FilterTreatment::String) {
    if (condition.op == FilterOperator::Equal) return subject == condition.search;
    const int order = condition.collator->Compare(subject);
    return condition.op == FilterOperator::Less ? order < 0 : order > 0;
  }
  const auto value = FilterValue(subject, condition.treatment, m_currentYear);
  if (!value) return false;
  if (condition.op == FilterOperator::Equal) return *value == *condition.value;
  return condition.op == FilterOperator::Less ? *value < *condition.value : *value > *condition.value;
}

std::string_view RowMatcher::Subject(const Condition& condition, int row) {
  if (condition.column == 0) return m_normalize(RowText(row));
  if (condition.column < 0 || condition.column >= m_grid.ColCount()) return m_normalize({});
  return m_normalize(m_grid.RowCells(row).Cell(static_cast<std::uint32_t>(condition.column - 1)));
}

std::string_view RowMatcher::RowText(int row) {
  // Every cell, the row number first, each followed by CR LF.
  if (m_rowTextRow == row) return m_rowText;
  m_rowText.clear();
  m_rowText.append(m_grid.Cell(0, row));
  m_rowText.append("\r\n");
  const PackedRow cells = m_grid.RowCells(row);
  const int colCount = m_grid.ColCount();
  for (int col = 1; col < colCount; ++col) {
    m_rowText.append(cells.Cell(static_cast<std::uint32_t>(col - 1)));
    m_rowText.append("\r\n");
  }
  m_rowTextRow = row;
  return m_rowText;
}

}  // namespace tabulo
