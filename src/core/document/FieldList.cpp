#include "core/document/FieldList.h"

#include <limits>

#include "core/base/Errors.h"
#include "core/base/Messages.h"

namespace tabulo {

void FieldList::EndField() {
  // Offsets are 32-bit, which bounds one line at 4 GiB of cell text.
  if (m_bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw TabuloError(std::string(MessageText(MessageId::LineTooLong)));
  }
  m_ends.push_back(static_cast<std::uint32_t>(m_bytes.size()));
}

}  // namespace tabulo
