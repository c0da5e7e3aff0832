#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/locale/TextConverter.h"

struct UCollator;

namespace tabulo {

// The order in which "＜" and "＞" compare texts: the Japanese locale's
// collation with letter case counted (lower case first), as the system's
// string comparison orders them. The texts are code page 932 and go through
// Unicode only to be compared. Not to be shared between threads.
class FilterCollator {
 public:
  // Compares every subject with `search`. Throws std::runtime_error when ICU
  // lacks the collation data.
  // Texts are in `encoding`.
  explicit FilterCollator(std::string_view search, TextEncoding encoding = TextEncoding::ShiftJis);
  ~FilterCollator();
  FilterCollator(const FilterCollator&) = delete;
  FilterCollator& operator=(const FilterCollator&) = delete;

  // Negative when `subject` comes before the search text, 0 when the two
  // are equal in this order, positive when it comes after.
  int Compare(std::string_view subject);

 private:
  struct Closer {
    void operator()(UCollator* collator) const noexcept;
  };
  std::unique_ptr<UCollator, Closer> m_collator;
  TextConverter m_converter;
  std::u16string m_search;
};

}  // namespace tabulo
