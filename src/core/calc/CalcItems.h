#pragma once

#include <array>
#include <cassert>
#include <span>
#include <string_view>

#include "core/document/TableDocument.h"

namespace tabulo {

// The names the formula language knows: variables, statistics, and the
// operators and functions. Three constant tables; their order is the order
// in which the parser tries the names and the order of the insertion menus.

// The values pending while a formula runs. The compiler rejects a formula
// that would need more than kCapacity of them at once, so the routines below
// never check the bounds; each states how many values it needs.
class TCalcStack {
 public:
  static constexpr int kCapacity = 50;

  int Size() const noexcept { return m_top + 1; }
  void Push(long double value) noexcept {
    assert(m_top + 1 < kCapacity);
    m_values[static_cast<std::size_t>(++m_top)] = value;
  }
  long double Pop() noexcept {
    assert(m_top >= 0);
    return m_values[static_cast<std::size_t>(m_top--)];
  }
  long double& Top() noexcept {
    assert(m_top >= 0);
    return m_values[static_cast<std::size_t>(m_top)];
  }

 private:
  std::array<long double, kCapacity> m_values;
  int m_top = -1;
};

// The cells of the row a formula is evaluated for, by column: column 0 is
// the row-number cell, and a column outside the grid reads as empty.
class TCalcRow {
 public:
  TCalcRow(const TableDocument& grid, int row) noexcept : m_grid(grid), m_row(row) {}
  std::string_view Cell(int col) const noexcept { return m_grid.Cell(col, m_row); }
  int ColCount() const noexcept { return m_grid.ColCount(); }

 private:
  const TableDocument& m_grid;
  int m_row;
};

// A variable: its value for the target cell (col, row) of `grid`.
struct TVarItem {
  std::string_view Name;
  long double (*Proc)(const TableDocument& grid, int col, int row);
  std::string_view Description;  // UTF-8, for the insertion menu
};

// A statistic over the columns R1..R2 of the target row. Proc takes R2 from
// the top of the stack and R1 from below it and leaves the statistic in R1's
// place. Cells that do not read as numbers are skipped; no numbers give 0.
struct TToukeiItem {
  std::string_view Name;
  void (*Proc)(const TCalcRow& cells, TCalcStack& stack);
  std::string_view Description;
};

// An operator (the first kOperatorCount entries) or a one-argument function.
// An operator replaces the two topmost values, the left operand being the
// lower one, by its result; a function replaces the top value. A domain
// check that fails throws SilentAbort (a division by zero, Sqrt of a
// negative number …), a result of Ceil, Floor, Round or Trunc beyond 32 bits
// CalcError; other floating-point faults only raise the status flags, which
// the evaluator checks.
struct TFuncItem {
  std::string_view Name;
  void (*Proc)(TCalcStack& stack);
  std::string_view Description;  // empty for the operators
};

// The operators "^", "*", "/", "+", "-" open the function table, in that order.
inline constexpr std::size_t kOperatorCount = 5;
inline constexpr std::size_t kPowerOperator = 0;
inline constexpr std::size_t kMultiplyOperator = 1;
inline constexpr std::size_t kDivideOperator = 2;
inline constexpr std::size_t kAddOperator = 3;
inline constexpr std::size_t kSubtractOperator = 4;

// Self, ColNo, RowNo, ColCount, RowCount, PI.
std::span<const TVarItem> VarItems() noexcept;
// Sum, Mean, Max, Min, Variance, StdDev.
std::span<const TToukeiItem> ToukeiItems() noexcept;
// The five operators, then the 26 functions from ABS to RadToGrad.
std::span<const TFuncItem> FuncItems() noexcept;

}  // namespace tabulo
