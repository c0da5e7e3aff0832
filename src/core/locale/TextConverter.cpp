#include "core/locale/TextConverter.h"

#include <unicode/ustring.h>

#include "core/base/Errors.h"
#include "core/base/Messages.h"
#include "core/locale/Encoding.h"

namespace tabulo {

TextConverter::TextConverter(TextEncoding encoding) : m_encoding(encoding) {
  if (encoding == TextEncoding::ShiftJis) m_cp932 = std::make_unique<Cp932Converter>();
}

TextConverter::~TextConverter() = default;

std::u16string TextConverter::ToUtf16(std::string_view bytes) {
  std::u16string out;
  ToUtf16(bytes, out);
  return out;
}

void TextConverter::ToUtf16(std::string_view bytes, std::u16string& out) {
  if (m_cp932) {
    m_cp932->ToUtf16(bytes, out);
    return;
  }
  out = Utf16FromUtf8(bytes);
}

std::string TextConverter::ToUtf8(std::string_view bytes) {
  return m_cp932 ? m_cp932->ToUtf8(bytes) : WellFormedUtf8(bytes);
}

std::string TextConverter::FromUtf16(std::u16string_view text) {
  if (m_cp932) return m_cp932->FromUtf16(text);
  if (text.empty()) return {};
  std::string out(text.size() * 3, '\0');  // at most three bytes per UTF-16 unit
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length, text.data(), static_cast<int32_t>(text.size()),
              &error);
  if (U_FAILURE(error) && error != U_STRING_NOT_TERMINATED_WARNING) {
    throw ConvertError(FormatMessage(MessageId::TextNotUtf8, {}));
  }
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string TextConverter::FromUtf8(std::string_view utf8) {
  if (m_cp932) return m_cp932->FromUtf8(utf8);
  if (!IsWellFormedUtf8(utf8)) throw ConvertError(FormatMessage(MessageId::TextNotUtf8, {}));
  return std::string(utf8);
}

std::string ProgramText(std::string_view cp932, TextEncoding encoding) {
  if (encoding == TextEncoding::ShiftJis) return std::string(cp932);
  return TextConverter(TextEncoding::ShiftJis).ToUtf8(cp932);
}

std::string WellFormedUtf8(std::string_view bytes) {
  if (IsWellFormedUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + 8);
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = Utf8CharLength(bytes, pos);
    if (length == 1 && static_cast<unsigned char>(bytes[pos]) >= 0x80) {
      out += "\xEF\xBF\xBD";
    } else {
      out.append(bytes.substr(pos, length));
    }
    pos += length;
  }
  return out;
}

}  // namespace tabulo
