#include "core/locale/CaseMapping.h"

#include "core/locale/Cp932.h"

namespace tabulo {
namespace {

template <typename Map>
std::string MapSingleByteLetters(std::string_view text, Map map) {
  std::string out(text);
  for (std::size_t pos = 0; pos < out.size(); pos += CharLength(out, pos)) {
    if (CharLength(out, pos) == 1) out[pos] = map(out[pos]);
  }
  return out;
}

}  // namespace

std::string UpperCase(std::string_view text) {
  return MapSingleByteLetters(text, [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

std::string LowerCase(std::string_view text) {
  return MapSingleByteLetters(text, [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
}

}  // namespace tabulo
