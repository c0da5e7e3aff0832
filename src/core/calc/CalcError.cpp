#include "core/calc/CalcError.h"

#include <string>

#include "core/base/Messages.h"

namespace tabulo {
namespace {

MessageId MessageOf(CalcFault fault) {
  switch (fault) {
    case CalcFault::Overflow: return MessageId::CalcOverflow;
    case CalcFault::InvalidOperation: return MessageId::CalcInvalidOperation;
    case CalcFault::ZeroDivide: return MessageId::CalcZeroDivide;
  }
  return MessageId::CalcInvalidOperation;
}

}  // namespace

CalcError::CalcError(CalcFault fault) : TabuloError(std::string(MessageText(MessageOf(fault)))), m_fault(fault) {}

}  // namespace tabulo
