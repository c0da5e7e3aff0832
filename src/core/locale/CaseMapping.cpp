#include "core/locale/CaseMapping.h"

#include "core/locale/CharClass.h"

namespace tabulo {
namespace {

std::string Mapped(std::string_view text, CharMapping mapping) {
  std::string out;
  out.reserve(text.size());
  AppendMappedText(text, mapping, out);
  return out;
}

}  // namespace

std::string UpperCase(std::string_view text) { return Mapped(text, CharMapping::Upper); }

std::string LowerCase(std::string_view text) { return Mapped(text, CharMapping::Lower); }

}  // namespace tabulo
