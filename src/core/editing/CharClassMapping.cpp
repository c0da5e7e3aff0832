#include "core/editing/CharClassMapping.h"

#include <utility>

namespace tabulo {

std::string MapCharClass(std::string_view text, CharMapping mapping) {
  std::string out;
  out.reserve(text.size());
  AppendMappedText(text, mapping, out);
  return out;
}

std::string NormalizeForCompare(std::string_view text, bool ignoreKana, bool ignoreWidth, bool ignoreCase) {
  std::string key(text);
  std::string next;
  const auto apply = [&](CharMapping mapping) {
    next.clear();
    if (AppendMappedText(key, mapping, next)) std::swap(key, next);
  };
  if (ignoreKana) apply(CharMapping::Katakana);
  if (ignoreWidth) apply(CharMapping::HalfWidth);
  if (ignoreCase) apply(CharMapping::Upper);
  return key;
}

}  // namespace tabulo
