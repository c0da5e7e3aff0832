#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/base/Errors.h"
#include "core/calc/CalcError.h"
#include "core/calc/GridCalcEngine.h"
#include "core/document/TableDocument.h"

namespace tabulo::test {

// What became of a formula, as one text: the result, or the way it failed.
inline constexpr std::string_view kRejected = "(rejected)";        // SilentAbort while compiling
inline constexpr std::string_view kNotAnInteger = "(not integer)"; // ConvertError while compiling
inline constexpr std::string_view kAborted = "(aborted)";          // SilentAbort while evaluating
inline constexpr std::string_view kOverflow = "(overflow)";
inline constexpr std::string_view kInvalid = "(invalid)";
inline constexpr std::string_view kZeroDivide = "(zero divide)";

inline std::string Outcome(const TableDocument& grid, std::string_view formula, int col = 1, int row = 1) {
  TGridCalcEngine engine(&grid);
  try {
    engine.SetExpression(formula);
  } catch (const SilentAbort&) {
    return std::string(kRejected);
  } catch (const ConvertError&) {
    return std::string(kNotAnInteger);
  }
  try {
    return engine.Evaluate(col, row);
  } catch (const SilentAbort&) {
    return std::string(kAborted);
  } catch (const CalcError& error) {
    switch (error.Fault()) {
      case CalcFault::Overflow: return std::string(kOverflow);
      case CalcFault::InvalidOperation: return std::string(kInvalid);
      case CalcFault::ZeroDivide: return std::string(kZeroDivide);
    }
  }
  return "(unknown fault)";
}

struct FormulaCase {
  std::string formula;
  std::string_view expected;
};

// Checks each formula's outcome for the target cell (col, row) of `grid`.
inline void ExpectOutcomes(const TableDocument& grid, const std::vector<FormulaCase>& cases, int col = 1,
                           int row = 1) {
  for (const auto& [formula, expected] : cases) {
    EXPECT_EQ(Outcome(grid, formula, col, row), expected) << "formula: " << formula;
  }
}

}  // namespace tabulo::test
