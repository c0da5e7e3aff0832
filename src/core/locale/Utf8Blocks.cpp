#include "core/locale/Utf8Blocks.h"

#include "core/locale/Cp932.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define TABULO_UTF8_BLOCKS 1
#endif

namespace tabulo {
namespace {

#ifdef TABULO_UTF8_BLOCKS

// The kinds of damage a pair of bytes can show, one bit each (two kinds that
// never meet share a bit): the three tables below give, for the first byte's
// high and low half and the second byte's high half, the kinds each allows,
// and a pair is damaged where all three agree on one.
constexpr unsigned char kTooShort = 1 << 0;      // a lead byte not followed by a continuation byte
constexpr unsigned char kTooLong = 1 << 1;       // a continuation byte after an ASCII byte
constexpr unsigned char kOverlong3 = 1 << 2;     // E0 80..9F
constexpr unsigned char kTooLarge = 1 << 3;      // F4 90..BF, F5..FF
constexpr unsigned char kSurrogate = 1 << 4;     // ED A0..BF
constexpr unsigned char kOverlong2 = 1 << 5;     // C0, C1
constexpr unsigned char kTooLarge1000 = 1 << 6;  // F5..FF 80..8F
constexpr unsigned char kOverlong4 = 1 << 6;     // F0 80..8F
constexpr unsigned char kTwoConts = 1 << 7;      // a continuation byte after a continuation byte
constexpr unsigned char kCarry = kTooShort | kTooLong | kTwoConts;

__attribute__((target("ssse3"))) __m128i Table(unsigned char b0, unsigned char b1, unsigned char b2,
                                               unsigned char b3, unsigned char b4, unsigned char b5,
                                               unsigned char b6, unsigned char b7, unsigned char b8,
                                               unsigned char b9, unsigned char b10, unsigned char b11,
                                               unsigned char b12, unsigned char b13, unsigned char b14,
                                               unsigned char b15) {
  return _mm_setr_epi8(static_cast<char>(b0), static_cast<char>(b1), static_cast<char>(b2), static_cast<char>(b3),
                       static_cast<char>(b4), static_cast<char>(b5), static_cast<char>(b6), static_cast<char>(b7),
                       static_cast<char>(b8), static_cast<char>(b9), static_cast<char>(b10), static_cast<char>(b11),
                       static_cast<char>(b12), static_cast<char>(b13), static_cast<char>(b14),
                       static_cast<char>(b15));
}

__attribute__((target("ssse3"))) Utf8BlockCheck CheckWithSsse3(std::string_view text) noexcept {
  const __m128i firstHigh = Table(kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong,
                                  kTwoConts, kTwoConts, kTwoConts, kTwoConts, kTooShort | kOverlong2, kTooShort,
                                  kTooShort | kOverlong3 | kSurrogate,
                                  kTooShort | kTooLarge | kTooLarge1000 | kOverlong4);
  constexpr unsigned char kLarge = kCarry | kTooLarge | kTooLarge1000;
  const __m128i firstLow = Table(kCarry | kOverlong3 | kOverlong2 | kOverlong4, kCarry | kOverlong2, kCarry, kCarry,
                                 kCarry | kTooLarge, kLarge, kLarge, kLarge, kLarge, kLarge, kLarge, kLarge, kLarge,
                                 kLarge | kSurrogate, kLarge, kLarge);
  constexpr unsigned char kCont = kTooLong | kOverlong2 | kTwoConts;
  const __m128i secondHigh = Table(kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort,
                                   kTooShort, kCont | kOverlong3 | kTooLarge1000 | kOverlong4,
                                   kCont | kOverlong3 | kTooLarge, kCont | kSurrogate | kTooLarge,
                                   kCont | kSurrogate | kTooLarge, kTooShort, kTooShort, kTooShort, kTooShort);
  const __m128i lowHalf = _mm_set1_epi8(0x0F);
  const __m128i thirdByteLead = _mm_set1_epi8(static_cast<char>(0xE0 - 0x80));
  const __m128i fourthByteLead = _mm_set1_epi8(static_cast<char>(0xF0 - 0x80));
  const __m128i highBit = _mm_set1_epi8(static_cast<char>(0x80));

  Utf8BlockCheck result;
  const std::size_t blocks = text.size() / 16;
  __m128i previous = _mm_setzero_si128();
  __m128i damage = _mm_setzero_si128();
  __m128i high = _mm_setzero_si128();
  for (std::size_t block = 0; block < blocks; ++block) {
    const __m128i input = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + block * 16));
    high = _mm_or_si128(high, input);
    if (_mm_movemask_epi8(_mm_or_si128(input, previous)) == 0) {
      previous = input;
      continue;  // ASCII, after ASCII
    }
    const __m128i prev1 = _mm_alignr_epi8(input, previous, 15);
    const __m128i special =
        _mm_and_si128(_mm_and_si128(_mm_shuffle_epi8(firstHigh, _mm_and_si128(_mm_srli_epi16(prev1, 4), lowHalf)),
                                    _mm_shuffle_epi8(firstLow, _mm_and_si128(prev1, lowHalf))),
                      _mm_shuffle_epi8(secondHigh, _mm_and_si128(_mm_srli_epi16(input, 4), lowHalf)));
    const __m128i prev2 = _mm_alignr_epi8(input, previous, 14);
    const __m128i prev3 = _mm_alignr_epi8(input, previous, 13);
    const __m128i due = _mm_and_si128(
        _mm_or_si128(_mm_subs_epu8(prev2, thirdByteLead), _mm_subs_epu8(prev3, fourthByteLead)), highBit);
    damage = _mm_or_si128(damage, _mm_xor_si128(due, special));
    previous = input;
  }
  const std::size_t end = blocks * 16;
  result.wellFormed = _mm_movemask_epi8(_mm_cmpeq_epi8(damage, _mm_setzero_si128())) == 0xFFFF;
  result.multiByte = _mm_movemask_epi8(high) != 0;
  // The last character may go on beyond the blocks: it is left to the caller
  // from its lead byte, as is a lead byte no pair has shown to be damaged.
  std::size_t start = end;
  while (start > 0 && end - start < 3 && IsUtf8Continuation(text[start - 1])) --start;
  if (start > 0) {
    const std::size_t lead = start - 1;
    const auto byte = static_cast<unsigned char>(text[lead]);
    const std::size_t length = Utf8CharLength(text.substr(0, end), lead);
    const bool whole = byte < 0x80 || (length > 1 && length == end - lead);
    result.checked = whole ? end : lead;
  }
  return result;
}

#endif

}  // namespace

Utf8BlockCheck CheckUtf8Blocks(std::string_view text) noexcept {
#ifdef TABULO_UTF8_BLOCKS
  if (text.size() >= 16 && __builtin_cpu_supports("ssse3")) return CheckWithSsse3(text);
#endif
  (void)text;
  return {};
}

}  // namespace tabulo
