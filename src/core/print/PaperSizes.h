#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tabulo {

// The paper sizes the print layout can name, by the paper size code of the
// printer driver interface that the layout record stores (9 = A4).
struct PaperSize {
  std::int16_t code;
  std::int32_t width;   // 0.1 mm, portrait
  std::int32_t height;  // 0.1 mm, portrait
  std::string_view name;  // the form name a printer reports
};

inline constexpr std::int16_t kPaperA4 = 9;
inline constexpr std::int16_t kPortrait = 1;
inline constexpr std::int16_t kLandscape = 2;

// Every size we know, A4 first.
std::span<const PaperSize> KnownPaperSizes();

// The size of `code`; A4 for a code we do not know (a layout written on
// another machine may name any of the driver interface's hundred sizes).
const PaperSize& PaperSizeOf(std::int16_t code);

}  // namespace tabulo
