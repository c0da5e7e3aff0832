#include "core/locale/Cp932Order.h"

#include <memory>
#include <unordered_map>

#include "core/base/Errors.h"
#include "core/locale/Cp932.h"
#include "core/locale/Encoding.h"

namespace tabulo {
namespace {

// No code page 932 byte is 0xFD..0xFF, so these mark what comes after it.
constexpr char kOutsideCodePage = '\xFE';
constexpr char kStrayByte = '\xFF';

// Every character of code page 932 beyond ASCII, with the bytes it is
// saved as (a character with two codes takes the one conversion gives).
std::unique_ptr<const std::unordered_map<char32_t, std::string>> BuildCodes() {
  auto codes = std::make_unique<std::unordered_map<char32_t, std::string>>();
  Cp932Converter converter;
  const auto add = [&](const std::string& bytes) {
    const std::u16string unicode = converter.ToUtf16(bytes);
    if (unicode.empty() || unicode.find(u'\uFFFD') != std::u16string::npos) return;
    const std::string utf8 = converter.ToUtf8(bytes);
    if (Utf8CharLength(utf8, 0) != utf8.size()) return;
    const char32_t code = Utf8CodePoint(utf8);
    if (codes->contains(code)) return;
    try {
      codes->emplace(code, converter.FromUtf16(unicode));
    } catch (const ConvertError&) {
    }
  };
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    if (!IsLeadByte(static_cast<char>(byte))) add(std::string(1, static_cast<char>(byte)));
  }
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (IsTrailByte(static_cast<char>(trail))) add({static_cast<char>(lead), static_cast<char>(trail)});
    }
  }
  return codes;
}

const std::unordered_map<char32_t, std::string>& Codes() {
  static const auto codes = BuildCodes();
  return *codes;
}

}  // namespace

void AppendCp932OrderKey(std::string_view utf8, std::string& out) {
  const auto& codes = Codes();
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t length = Utf8CharLength(utf8, pos);
    const std::string_view character = utf8.substr(pos, length);
    pos += length;
    const auto first = static_cast<unsigned char>(character[0]);
    if (first < 0x80) {
      out += character;
    } else if (length == 1) {
      out += kStrayByte;
      out += character;
    } else if (const auto found = codes.find(Utf8CodePoint(character)); found != codes.end()) {
      out += found->second;
    } else {
      const char32_t code = Utf8CodePoint(character);
      out += kOutsideCodePage;
      out += static_cast<char>(code >> 16);
      out += static_cast<char>((code >> 8) & 0xFF);
      out += static_cast<char>(code & 0xFF);
    }
  }
}

}  // namespace tabulo
