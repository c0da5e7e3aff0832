#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/TableDocument.h"
#include "core/editing/CharClassMapping.h"
#include "core/rows/FilterCollator.h"
#include "core/rows/FilterConditions.h"

namespace tabulo {

// The test a narrowing search applies to each data row, prepared once for
// a scan: the search texts normalised, their values converted, and buffers
// for the row texts kept from row to row.
class RowMatcher {
 public:
  // The grid must outlive the matcher and keep its shape while it is used.
  RowMatcher(const TableDocument& grid, const FilterOptions& options);
  ~RowMatcher();
  RowMatcher(const RowMatcher&) = delete;
  RowMatcher& operator=(const RowMatcher&) = delete;

  // Whether data row `row` satisfies the conditions: every condition with a
  // search text (AND), or any of them (OR). Conditions without one count as
  // satisfied under AND and as unsatisfied under OR.
  bool Matches(int row);

 private:
  struct Condition {
    int column = 0;
    FilterTreatment treatment = FilterTreatment::String;
    FilterOperator op = FilterOperator::Contains;
    std::string search;                        // normalised
    std::optional<long double> value;          // of the search text, for "＝", "＜", "＞"
    std::unique_ptr<FilterCollator> collator;  // for "＜" and "＞" on texts
  };

  bool Test(Condition& condition, int row);
  // The text a condition looks at in `row`, normalised; valid until the next call.
  std::string_view Subject(const Condition& condition, int row);
  std::string_view RowText(int row);

  const TableDocument& m_grid;
  bool m_useOr;
  int m_currentYear;
  std::vector<Condition> m_conditions;
  CompareNormalizer m_normalize;
  std::string m_rowText;
  int m_rowTextRow = 0;
};

}  // namespace tabulo
