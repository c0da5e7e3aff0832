#pragma once

#include <cstdint>
#include <string>

#include "core/document/GridPrintInfo.h"

namespace tabulo {

// What a printer reports of the page it prints on, in its own pixels.
struct PrinterMetrics {
  std::int32_t physicalWidth = 0;   // the whole sheet
  std::int32_t physicalHeight = 0;
  std::int32_t printableWidth = 0;  // the part the printer can reach
  std::int32_t printableHeight = 0;
  std::int32_t offsetX = 0;  // the printable area's corner from the sheet's
  std::int32_t offsetY = 0;
  double dpiX = 0;
  double dpiY = 0;
  std::int16_t paperSize = 9;
  std::int16_t orientation = 1;
  std::string formName;  // UTF-8; may be empty
  friend bool operator==(const PrinterMetrics&, const PrinterMetrics&) = default;
};

// The same page in tenths of a millimetre from the sheet's top-left corner.
struct PageGeometry {
  double height = 0;  // H: the sheet's height, not rounded
  std::int32_t width = 0;
  std::int32_t offsetX = 0;
  std::int32_t offsetY = 0;
  std::int32_t printableWidth = 0;
  std::int32_t printableHeight = 0;
};

PageGeometry GeometryOf(const PrinterMetrics& metrics);

// The range a margin may take on this page (inclusive).
struct MarginRange {
  std::int32_t minimum;
  std::int32_t maximum;
};
struct MarginRanges {
  MarginRange left;
  MarginRange top;
  MarginRange bottom;
};

// Left from the printable area's left edge to its right edge, top likewise
// from its top to its bottom, and the bottom margin between the sheet's
// bottom and the printable area's top.
MarginRanges MarginRangesOf(const PageGeometry& page);

// Sets every margin of `info` that lies outside its range to the range's
// minimum.
void ClampMargins(TGridPrintInfo& info, const MarginRanges& ranges);

// The page of the PDF printer, which every machine has: the sheet of
// `paperSize` (A4 for a size we do not know) turned by `orientation`, at
// `dpi`, with a printable area 5 mm in from every edge, as on an ordinary
// office printer, so that a table never runs to the edge of the sheet.
PrinterMetrics PdfPrinterMetrics(std::int16_t paperSize, std::int16_t orientation, double dpi);

// The paper panel of the print window's status bar: the form name, or
// "( W x H )" in whole millimetres when the printer reports none. UTF-8.
std::string PaperLabel(const PrinterMetrics& metrics);
// "ポートレイト（縦）" for orientation 1, otherwise "ランドスケープ （横）".
std::string OrientationLabel(std::int16_t orientation);

}  // namespace tabulo
