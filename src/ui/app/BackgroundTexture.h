#pragma once

#include <QImage>

namespace tabulo {

// The background of the splash window and the About box: a blue top-left
// corner fading to black and a red bottom-right corner, with a raised bevel
// eight pixels wide. For the pixel (x, y) of a width × height image:
//   red = max(0, 255 − |width + height − (x + y)|), blue = max(0, 255 − (x + y)), green = 0;
// in the top band (y < 8 and x + y < width) and the left band (x < 8 and
// x + y < height) every component is raised by 50; elsewhere, where
// y > height − 9 or x > width − 9, every component is lowered by 50; results
// are clamped to 0..255. A 24-bit image (QImage::Format_RGB888); an empty
// size gives a null image.
QImage MakeBackgroundTexture(int width, int height);

}  // namespace tabulo
