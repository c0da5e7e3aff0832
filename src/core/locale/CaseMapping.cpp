#include "core/locale/CaseMapping.h"

#include "core/locale/CharClass.h"

namespace tabulo {
namespace {

std::string Mapped(std::string_view text, CharMapping mapping, TextEncoding encoding) {
  std::string out;
  out.reserve(text.size());
  AppendMappedText(text, mapping, out, encoding);
  return out;
}

}  // namespace

std::string UpperCase(std::string_view text, TextEncoding encoding) {
  return Mapped(text, CharMapping::Upper, encoding);
}

std::string LowerCase(std::string_view text, TextEncoding encoding) {
  return Mapped(text, CharMapping::Lower, encoding);
}

}  // namespace tabulo
