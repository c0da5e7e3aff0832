#include "core/print/PaperSizes.h"

#include <algorithm>
#include <array>

namespace tabulo {

namespace {

constexpr std::array kPaperSizes = {
    PaperSize{kPaperA4, 2100, 2970, "A4"},
    PaperSize{8, 2970, 4200, "A3"},
    PaperSize{11, 1480, 2100, "A5"},
    PaperSize{70, 1050, 1480, "A6"},
    PaperSize{12, 2570, 3640, "B4 (JIS)"},
    PaperSize{13, 1820, 2570, "B5 (JIS)"},
    PaperSize{1, 2159, 2794, "Letter"},
    PaperSize{5, 2159, 3556, "Legal"},
    PaperSize{43, 1000, 1480, "Japanese Postcard"},
};

}  // namespace

std::span<const PaperSize> KnownPaperSizes() { return kPaperSizes; }

const PaperSize& PaperSizeOf(std::int16_t code) {
  const auto* found = std::find_if(kPaperSizes.begin(), kPaperSizes.end(),
                                   [code](const PaperSize& size) { return size.code == code; });
  return found != kPaperSizes.end() ? *found : kPaperSizes.front();
}

}  // namespace tabulo
