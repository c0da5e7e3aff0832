#include "core/editing/CharClassMapping.h"

namespace tabulo {

std::string MapCharClass(std::string_view text, CharMapping mapping, TextEncoding encoding) {
  std::string out;
  out.reserve(text.size());
  AppendMappedText(text, mapping, out, encoding);
  return out;
}

std::string NormalizeForCompare(std::string_view text, bool ignoreKana, bool ignoreWidth, bool ignoreCase,
                                TextEncoding encoding) {
  CompareNormalizer normalize(ignoreKana, ignoreWidth, ignoreCase, encoding);
  return std::string(normalize(text));
}

std::string_view CompareNormalizer::operator()(std::string_view text) {
  if (!Active()) return text;
  std::string_view key = text;
  // Each mapping reads the key so far and writes into the other buffer;
  // a mapping that changes nothing leaves the key where it is.
  const auto apply = [&](CharMapping mapping) {
    std::string& out = key.data() == m_key.data() ? m_next : m_key;
    out.clear();
    if (AppendMappedText(key, mapping, out, m_encoding)) key = out;
  };
  if (m_ignoreKana) apply(CharMapping::Katakana);
  if (m_ignoreWidth) apply(CharMapping::HalfWidth);
  if (m_ignoreCase) apply(CharMapping::Upper);
  return key;
}

}  // namespace tabulo
