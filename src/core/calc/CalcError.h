#pragma once

#include "core/base/Errors.h"

namespace tabulo {

// The floating-point faults that make one cell's calculation fail.
enum class CalcFault {
  Overflow,          // a result too large for extended precision (Exp(12000))
  InvalidOperation,  // no meaningful result (Ln(-1), (-8)^(1/3), Trunc(3E9))
  ZeroDivide,        // an infinite result from a finite operand (Ln(0), 0^-1)
};

// A floating-point fault while a formula was evaluated for one cell. The
// caller counts the cell as failed, like every other failure of that cell.
class CalcError : public TabuloError {
 public:
  explicit CalcError(CalcFault fault);
  CalcFault Fault() const noexcept { return m_fault; }

 private:
  CalcFault m_fault;
};

}  // namespace tabulo
