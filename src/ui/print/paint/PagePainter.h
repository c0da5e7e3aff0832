#pragma once

#include <QFont>
#include <QRect>

#include <cstdint>

#include "core/print/PageLayout.h"

class QPainter;

namespace tabulo::ui {

// How tenths of a millimetre on the sheet become pixels of one device: its
// resolution in each direction, and where its origin lies on the sheet (a
// printer draws from the corner of its printable area, a picture of the
// whole sheet from the sheet's corner).
struct DeviceScale {
  double dpiX = 96;
  double dpiY = 96;
  std::int32_t originX = 0;  // 0.1 mm
  std::int32_t originY = 0;
};

QRect ToDevice(const PrintBox& box, const DeviceScale& scale);

// Draws one laid-out page: every framed box with its rectangle, every text
// in its box (shrunk by the padding when framed) with its alignment, on one
// line, without mnemonic processing. `font` is the print font; its point
// size is taken at the painter's device resolution, so the preview and
// the paper show the same proportions.
void PaintPage(QPainter& painter, const PageLayout& layout, const DeviceScale& scale, const QFont& font);

}  // namespace tabulo::ui
