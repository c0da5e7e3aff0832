#pragma once

#include <string_view>

#include "core/locale/Cp932.h"

namespace tabulo {

// The byte-order mark that starts many UTF-8 files.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The encoding of a file's text, and whether it starts with a byte-order
// mark: what detection finds, and what a document keeps to be saved back.
struct FileEncoding {
  TextEncoding encoding = TextEncoding::ShiftJis;
  bool byteOrderMark = false;  // the text starts with kUtf8ByteOrderMark
  // A UTF-8 file whose lines end in LF alone is written back so; every
  // other file's lines end in CR LF, as they always have.
  bool lineFeedOnly = false;
  friend bool operator==(const FileEncoding&, const FileEncoding&) = default;
};

// Tells a file's encoding from its bytes, fed in order in pieces of any size
// (a character may be cut between two pieces): a UTF-8 byte-order mark, or
// text that is well-formed UTF-8 and holds at least one multi-byte character,
// is UTF-8; anything else is code page 932. Text of ASCII alone is code page
// 932, which reads it the same. Stops looking once the text is no UTF-8.
class EncodingSniffer {
 public:
  void Feed(std::string_view bytes) noexcept;
  // The verdict on everything fed so far, taken as the whole text.
  FileEncoding Result() const noexcept;
  // Whether more bytes can no longer change the verdict (a byte-order mark
  // was seen, or the text proved to be no UTF-8).
  bool Settled() const noexcept;

 private:
  void FeedHead(std::string_view bytes) noexcept;
  // Takes one byte into the character being read; false once the text
  // proved to be no UTF-8.
  bool StepByte(unsigned char byte) noexcept;

  char m_head[3] = {};
  unsigned m_headSize = 0;
  bool m_wellFormed = true;
  bool m_multiByte = false;
  unsigned m_pending = 0;       // continuation bytes still expected
  unsigned char m_low = 0x80;   // the range of the next continuation byte
  unsigned char m_high = 0xBF;
};

// The encoding of a whole text.
FileEncoding DetectEncoding(std::string_view text) noexcept;

// How a file is to be read: in the encoding its bytes show, or as told.
enum class EncodingChoice { Auto, ShiftJis, Utf8 };

// The encoding a file is read in, given the choice and what its bytes showed.
// Told UTF-8, the file keeps a byte-order mark it has; told code page 932, a
// mark is no mark but the first bytes of the text.
FileEncoding ChooseEncoding(EncodingChoice choice, const FileEncoding& detected) noexcept;

}  // namespace tabulo
