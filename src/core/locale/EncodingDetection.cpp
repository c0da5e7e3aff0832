#include "core/locale/EncodingDetection.h"

#include <cstdint>
#include <cstring>

#include "core/locale/Utf8Blocks.h"

namespace tabulo {
namespace {

// Whether eight bytes at `at` are all ASCII.
bool AllAscii8(const char* at) noexcept {
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  return (word & 0x8080808080808080ULL) == 0;
}

}  // namespace

void EncodingSniffer::FeedHead(std::string_view bytes) noexcept {
  while (m_headSize < sizeof m_head && !bytes.empty()) {
    m_head[m_headSize++] = bytes.front();
    bytes.remove_prefix(1);
  }
}

void EncodingSniffer::Feed(std::string_view bytes) noexcept {
  if (m_headSize < sizeof m_head) FeedHead(bytes);
  if (!m_wellFormed) return;
  const char* at = bytes.data();
  const char* const end = at + bytes.size();
  // Whole characters inside the piece are checked a character at a time;
  // only a character cut by the piece's end goes byte by byte (StepByte).
  while (at < end && m_pending > 0) {
    if (!StepByte(static_cast<unsigned char>(*at++))) return;
  }
  // The bulk goes sixteen bytes at a time where the processor can.
  const Utf8BlockCheck blocks = CheckUtf8Blocks(std::string_view(at, static_cast<std::size_t>(end - at)));
  if (!blocks.wellFormed) {
    m_wellFormed = false;
    return;
  }
  m_multiByte = m_multiByte || blocks.multiByte;
  at += blocks.checked;
  while (at < end) {
    while (end - at >= 8 && AllAscii8(at)) at += 8;
    if (at == end) break;
    if (static_cast<unsigned char>(*at) < 0x80) {
      ++at;
      continue;
    }
    const std::string_view rest(at, static_cast<std::size_t>(end - at));
    const std::size_t length = Utf8CharLength(rest, 0);
    if (length > 1) {
      at += length;
      m_multiByte = true;
      continue;
    }
    // Not a whole character here: damage, or a character the piece cuts.
    while (at < end) {
      if (!StepByte(static_cast<unsigned char>(*at++))) return;
    }
  }
}

bool EncodingSniffer::StepByte(unsigned char byte) noexcept {
  if (m_pending == 0) {
    if (byte < 0x80) return true;
    const Utf8Lead promise = Utf8LeadOf(byte);
    if (promise.length == 0) {
      m_wellFormed = false;
      return false;
    }
    m_pending = static_cast<unsigned>(promise.length - 1);
    m_low = promise.low;
    m_high = promise.high;
    return true;
  }
  if (byte < m_low || byte > m_high) {
    m_wellFormed = false;
    return false;
  }
  m_low = 0x80;
  m_high = 0xBF;
  if (--m_pending == 0) m_multiByte = true;
  return true;
}

bool EncodingSniffer::Settled() const noexcept {
  return m_headSize == sizeof m_head && (!m_wellFormed || Result().byteOrderMark);
}

FileEncoding EncodingSniffer::Result() const noexcept {
  if (m_headSize == sizeof m_head && std::string_view(m_head, sizeof m_head) == kUtf8ByteOrderMark) {
    return {TextEncoding::Utf8, true};
  }
  // A character cut off by the end of the text makes it no UTF-8.
  if (m_wellFormed && m_pending == 0 && m_multiByte) return {TextEncoding::Utf8, false};
  return {TextEncoding::ShiftJis, false};
}

FileEncoding DetectEncoding(std::string_view text) noexcept {
  EncodingSniffer sniffer;
  sniffer.Feed(text);
  return sniffer.Result();
}

FileEncoding ChooseEncoding(EncodingChoice choice, const FileEncoding& detected) noexcept {
  switch (choice) {
    case EncodingChoice::Auto: return detected;
    case EncodingChoice::ShiftJis: return {TextEncoding::ShiftJis, false};
    case EncodingChoice::Utf8: return {TextEncoding::Utf8, detected.byteOrderMark};
  }
  return detected;
}

}  // namespace tabulo
