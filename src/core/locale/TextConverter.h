#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/locale/Cp932.h"

namespace tabulo {

class Cp932Converter;

// Conversion between a document's bytes, in either of its encodings, and
// Unicode, at the edges (screen, clipboard, arguments, JSON). Cells keep
// their bytes; as with code page 932, never round-trip stored text.
class TextConverter {
 public:
  explicit TextConverter(TextEncoding encoding);
  ~TextConverter();
  TextConverter(const TextConverter&) = delete;
  TextConverter& operator=(const TextConverter&) = delete;

  TextEncoding Encoding() const noexcept { return m_encoding; }

  // Bytes that form no character become U+FFFD.
  std::u16string ToUtf16(std::string_view bytes);
  void ToUtf16(std::string_view bytes, std::u16string& out);
  std::string ToUtf8(std::string_view bytes);

  // Throws ConvertError for a character the encoding cannot hold (code page
  // 932), for a lone surrogate, or for malformed UTF-8.
  std::string FromUtf16(std::u16string_view text);
  std::string FromUtf8(std::string_view utf8);

 private:
  TextEncoding m_encoding;
  std::unique_ptr<Cp932Converter> m_cp932;  // for code page 932 only
};

// One of the program's own texts (code page 932) as a document of
// `encoding` holds it.
std::string ProgramText(std::string_view cp932, TextEncoding encoding);

// Well-formed UTF-8 bytes of a UTF-8 text, every byte that forms no
// character replaced by U+FFFD.
std::string WellFormedUtf8(std::string_view bytes);

}  // namespace tabulo
