#include "core/locale/EncodingDetection.h"

#include <cstdint>
#include <cstring>

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
  while (at < end) {
    if (m_pending == 0) {
      while (end - at >= 8 && AllAscii8(at)) at += 8;
      if (at == end) break;
      const auto lead = static_cast<unsigned char>(*at++);
      if (lead < 0x80) continue;
      m_low = 0x80;
      m_high = 0xBF;
      if (lead >= 0xC2 && lead <= 0xDF) {
        m_pending = 1;
      } else if (lead >= 0xE0 && lead <= 0xEF) {
        m_pending = 2;
        if (lead == 0xE0) m_low = 0xA0;
        if (lead == 0xED) m_high = 0x9F;
      } else if (lead >= 0xF0 && lead <= 0xF4) {
        m_pending = 3;
        if (lead == 0xF0) m_low = 0x90;
        if (lead == 0xF4) m_high = 0x8F;
      } else {
        m_wellFormed = false;
        return;
      }
      continue;
    }
    const auto next = static_cast<unsigned char>(*at++);
    if (next < m_low || next > m_high) {
      m_wellFormed = false;
      return;
    }
    m_low = 0x80;
    m_high = 0xBF;
    if (--m_pending == 0) m_multiByte = true;
  }
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
