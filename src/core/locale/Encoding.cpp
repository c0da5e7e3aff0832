#include "core/locale/Encoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>

#include <stdexcept>

#include "core/base/Errors.h"
#include "core/base/Messages.h"

namespace tabulo {
namespace {

// Replaces every byte sequence that does not decode with U+FFFD (ICU's own
// substitute for this code page would be U+001A).
void SubstituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*,
                                    int32_t, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close and clone need no action
  static const UChar replacement[] = {0xFFFD};
  *error = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, replacement, 1, 0, error);
}

[[noreturn]] void ThrowNotShiftJis(std::u16string_view text) {
  std::string utf8;
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strToUTF8WithSub(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), 0xFFFD,
                     nullptr, &error);
  utf8.resize(static_cast<std::size_t>(length));
  error = U_ZERO_ERROR;
  u_strToUTF8WithSub(utf8.data(), length, nullptr, text.data(), static_cast<int32_t>(text.size()),
                     0xFFFD, nullptr, &error);
  throw ConvertError(FormatMessage(MessageId::TextNotShiftJis, {utf8}));
}

// ICU's table for this code page follows an old convention that rotates
// three control codes (0x1A decodes as U+001C, 0x1C as U+007F, 0x7F as
// U+001A, and back). Code page 932 is ASCII below 0x80, so these are put
// straight after decoding and before encoding.
constexpr char16_t kAsciiControls[3] = {0x1A, 0x1C, 0x7F};
constexpr char16_t kIcuControls[3] = {0x1C, 0x7F, 0x1A};  // what ICU has at each place

bool HasRotatedControl(std::u16string_view text) {
  for (const char16_t unit : text) {
    if (unit == 0x1A || unit == 0x1C || unit == 0x7F) return true;
  }
  return false;
}

// Puts for each code of `from` in `text` the code of `to` at its place.
void ExchangeControls(std::u16string& text, const char16_t (&from)[3], const char16_t (&to)[3]) {
  for (char16_t& unit : text) {
    for (int i = 0; i < 3; ++i) {
      if (unit == from[i]) {
        unit = to[i];
        break;
      }
    }
  }
}

// What ICU decoded back to the ASCII codes.
void StraightenDecodedControls(std::u16string& text) {
  if (HasRotatedControl(text)) ExchangeControls(text, kIcuControls, kAsciiControls);
}

// The ASCII codes as ICU's table expects them for encoding.
std::u16string RotateForEncoding(std::u16string_view text) {
  std::u16string rotated(text);
  ExchangeControls(rotated, kAsciiControls, kIcuControls);
  return rotated;
}

}  // namespace

void Cp932Converter::Closer::operator()(UConverter* converter) const noexcept { ucnv_close(converter); }

Cp932Converter::Cp932Converter() {
  UErrorCode error = U_ZERO_ERROR;
  m_converter.reset(ucnv_open("windows-31j", &error));
  if (U_FAILURE(error)) throw std::runtime_error("ICU has no windows-31j converter");
  ucnv_setToUCallBack(m_converter.get(), SubstituteReplacementCharacter, nullptr, nullptr, nullptr,
                      &error);
  ucnv_setFromUCallBack(m_converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &error);
}

Cp932Converter::~Cp932Converter() = default;

std::u16string Cp932Converter::ToUtf16(std::string_view sjis) {
  std::u16string out;
  ToUtf16(sjis, out);
  return out;
}

void Cp932Converter::ToUtf16(std::string_view sjis, std::u16string& out) {
  out.clear();
  if (sjis.empty()) return;
  out.resize(sjis.size());  // never more UTF-16 units than bytes
  UErrorCode error = U_ZERO_ERROR;
  ucnv_resetToUnicode(m_converter.get());
  const int32_t length =
      ucnv_toUChars(m_converter.get(), out.data(), static_cast<int32_t>(out.size()), sjis.data(),
                    static_cast<int32_t>(sjis.size()), &error);
  if (U_FAILURE(error) && error != U_STRING_NOT_TERMINATED_WARNING) {
    throw std::runtime_error("code page 932 decoding failed");
  }
  out.resize(static_cast<std::size_t>(length));
  StraightenDecodedControls(out);
}

std::string Cp932Converter::ToUtf8(std::string_view sjis) {
  const std::u16string text = ToUtf16(sjis);
  std::string out(text.size() * 3, '\0');
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
              static_cast<int32_t>(text.size()), &error);
  if (U_FAILURE(error) && error != U_STRING_NOT_TERMINATED_WARNING) {
    throw std::runtime_error("UTF-8 encoding failed");
  }
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string Cp932Converter::FromUtf16(std::u16string_view text) {
  if (text.empty()) return {};
  if (HasRotatedControl(text)) return FromUtf16(RotateForEncoding(text), text);
  return FromUtf16(text, text);
}

std::string Cp932Converter::FromUtf16(std::u16string_view text, std::u16string_view typed) {
  std::string out(text.size() * 2, '\0');  // at most two bytes per UTF-16 unit
  UErrorCode error = U_ZERO_ERROR;
  ucnv_resetFromUnicode(m_converter.get());
  const int32_t length =
      ucnv_fromUChars(m_converter.get(), out.data(), static_cast<int32_t>(out.size()), text.data(),
                      static_cast<int32_t>(text.size()), &error);
  if (U_FAILURE(error) && error != U_STRING_NOT_TERMINATED_WARNING) {
    ThrowNotShiftJis(typed);
  }
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string Cp932Converter::FromUtf8(std::string_view utf8) {
  std::u16string text(utf8.size(), u'\0');
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(text.data(), static_cast<int32_t>(text.size()), &length, utf8.data(),
                static_cast<int32_t>(utf8.size()), &error);
  if (U_FAILURE(error) && error != U_STRING_NOT_TERMINATED_WARNING) {
    throw ConvertError(FormatMessage(MessageId::TextNotShiftJis, {"(UTF-8)"}));
  }
  text.resize(static_cast<std::size_t>(length));
  return FromUtf16(text);
}

std::u16string Utf16FromUtf8(std::string_view utf8) {
  std::u16string text(utf8.size(), u'\0');
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &length, utf8.data(),
                       static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &error);
  if (U_FAILURE(error) && error != U_STRING_NOT_TERMINATED_WARNING) return {};
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace tabulo
