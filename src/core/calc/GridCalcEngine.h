#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/CalcItems.h"
#include "core/document/TableDocument.h"

namespace tabulo {

// The column whose title is `title`, compared without regard to the case of
// single-byte letters, searched from column 0 (the row-number column, "行番")
// upwards; the first match wins. -1 when no title matches.
int FindTitleColumn(const TableDocument& grid, std::string_view title);

// One step of a compiled formula, in postfix order.
struct TCalcToken {
  enum class Kind : std::uint8_t { Literal, Column, Variable, Statistic, Function };

  Kind kind = Kind::Literal;
  // Literal: its value, converted once when the formula is compiled. A
  // literal too large for extended precision is kept as an overflow, which
  // fails every evaluation that reaches it.
  long double value = 0;
  bool overflow = false;
  int column = 0;                        // Column
  const TVarItem* var = nullptr;         // Variable
  const TToukeiItem* toukei = nullptr;   // Statistic
  const TFuncItem* func = nullptr;       // Function (operators included)
};

// Compiles a formula once and evaluates it for any cell of a table document.
// A formula works on one row: "[単価]*[数量]" multiplies the cells of the
// columns titled 単価 and 数量 in the row of the target cell.
//
// The formula language: numbers (digits with at most one "."; a leading "+"
// or "-" belongs to the number, so 5*-3 works but -[A] does not; no
// exponent), column references "[title]" or "%index%", parentheses, the
// operators + - * / ^ (left-associative; * and / before + and -, ^ before
// both), and the variables, statistics and functions of CalcItems.h. ASCII
// spaces outside titles are ignored.
//
// Evaluation changes nothing in the engine, so a compiled engine may serve
// several threads at once; it allocates nothing but the result text.
class TGridCalcEngine {
 public:
  TGridCalcEngine() = default;
  explicit TGridCalcEngine(const TableDocument* grid) noexcept : m_grid(grid) {}

  // The table document column titles are looked up in and cells are read
  // from; the engine does not own it. Compile again after columns change.
  void SetGrid(const TableDocument* grid) noexcept { m_grid = grid; }
  const TableDocument* Grid() const noexcept { return m_grid; }

  // Compiles `formula` (code page 932). The previous program is dropped
  // first, so after a failure the engine holds none. Throws SilentAbort for
  // a formula that does not parse (an empty one included), one that nests
  // deeper than kMaxNesting or needs more than TCalcStack::kCapacity pending
  // values, and ConvertError when a statistic's column index is not a 32-bit
  // integer. Without a grid no column title matches.
  void SetExpression(std::string_view formula);

  bool HasProgram() const noexcept { return !m_program.empty(); }
  std::span<const TCalcToken> Program() const noexcept { return m_program; }

  // The formula's value for the target cell (col, row) of the grid: column
  // references read that row, Self, ColNo and RowNo describe that cell.
  // Cells that are not numbers count as 0. Throws SilentAbort without a
  // program or a grid, for a division by zero and for a function's domain
  // check (Sqrt of a negative number, ArcCos or ArcSin outside -1..1,
  // CoTan(0)); CalcError for a floating-point overflow, invalid operation or
  // division by zero inside a function, and for Ceil, Floor, Round or Trunc
  // beyond 32 bits. Leaves the floating-point status flags as it found them.
  long double EvaluateValue(int col, int row) const;

  // EvaluateValue written in the general number format (15 significant
  // digits: "0.333333333333333", "1E15", "1.5E-7"). Throws as EvaluateValue.
  std::string Evaluate(int col, int row) const;

  // Parentheses and function calls nested deeper than this are rejected.
  static constexpr int kMaxNesting = 256;

 private:
  const TableDocument* m_grid = nullptr;
  std::vector<TCalcToken> m_program;
};

}  // namespace tabulo
