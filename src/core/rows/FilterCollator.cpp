#include "core/rows/FilterCollator.h"

#include <unicode/ucol.h>

#include <stdexcept>

namespace tabulo {

void FilterCollator::Closer::operator()(UCollator* collator) const noexcept { ucol_close(collator); }

FilterCollator::FilterCollator(std::string_view search, TextEncoding encoding) : m_converter(encoding) {
  UErrorCode error = U_ZERO_ERROR;
  m_collator.reset(ucol_open("ja", &error));
  if (U_FAILURE(error)) throw std::runtime_error("ICU has no Japanese collation");
  ucol_setStrength(m_collator.get(), UCOL_TERTIARY);
  m_search = m_converter.ToUtf16(search);
}

FilterCollator::~FilterCollator() = default;

int FilterCollator::Compare(std::string_view subject) {
  const std::u16string text = m_converter.ToUtf16(subject);
  return static_cast<int>(ucol_strcoll(m_collator.get(), text.data(), static_cast<int32_t>(text.size()),
                                       m_search.data(), static_cast<int32_t>(m_search.size())));
}

}  // namespace tabulo
