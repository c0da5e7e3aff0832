#include "ui/app/BackgroundTexture.h"

#include <algorithm>
#include <cstdlib>

namespace tabulo {
namespace {

constexpr int kBevel = 8;
constexpr int kBevelShade = 50;

uchar Clamped(int value) { return static_cast<uchar>(std::clamp(value, 0, 255)); }

}  // namespace

QImage MakeBackgroundTexture(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    uchar* pixel = image.scanLine(y);
    for (int x = 0; x < width; ++x, pixel += 3) {
      const int red = std::max(0, 255 - std::abs(width + height - (x + y)));
      const int blue = std::max(0, 255 - (x + y));
      const bool raised = (y < kBevel && x + y < width) || (x < kBevel && x + y < height);
      const bool lowered = !raised && (y > height - kBevel - 1 || x > width - kBevel - 1);
      const int shade = raised ? kBevelShade : lowered ? -kBevelShade : 0;
      pixel[0] = Clamped(red + shade);
      pixel[1] = Clamped(shade);
      pixel[2] = Clamped(blue + shade);
    }
  }
  return image;
}

}  // namespace tabulo
