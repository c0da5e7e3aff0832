#pragma once

#include <memory>
#include <string>
#include <string_view>

struct UConverter;

namespace tabulo {

// Conversion between code page 932 bytes and Unicode through ICU's
// Windows-31J converter (cp932 with the NEC and IBM extensions, so 髙, Ⅲ and
// ㎝ survive a round trip). Cells stay code page 932 bytes everywhere in core;
// convert only at the edges (screen, clipboard, command line, JSON output).
// Decoding and re-encoding is not lossless for cp932's duplicate characters
// (0x8790 comes back as 0x81E0), so never round-trip stored text.
// Owns one ICU converter: cheap to create, not to be shared between threads.
class Cp932Converter {
 public:
  Cp932Converter();
  ~Cp932Converter();
  Cp932Converter(const Cp932Converter&) = delete;
  Cp932Converter& operator=(const Cp932Converter&) = delete;

  // Bytes that do not decode become U+FFFD.
  std::u16string ToUtf16(std::string_view sjis);
  // The same into `out`, whose memory is reused (for loops over many cells).
  void ToUtf16(std::string_view sjis, std::u16string& out);
  std::string ToUtf8(std::string_view sjis);

  // Throws ConvertError (TextNotShiftJis) for a character that code page 932
  // cannot hold, or for malformed UTF-8.
  std::string FromUtf16(std::u16string_view text);
  std::string FromUtf8(std::string_view utf8);

 private:
  // `text` with its control codes as ICU's table has them; `typed` as the
  // caller gave it, for the message.
  std::string FromUtf16(std::u16string_view text, std::u16string_view typed);

  struct Closer {
    void operator()(UConverter* converter) const noexcept;
  };
  std::unique_ptr<UConverter, Closer> m_converter;
};

// UTF-8 as UTF-16; malformed sequences become U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);

}  // namespace tabulo
