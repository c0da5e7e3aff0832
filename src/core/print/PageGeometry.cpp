#include "core/print/PageGeometry.h"

#include <cmath>

#include "core/print/PaperSizes.h"

namespace tabulo {

namespace {

constexpr double kTenthsPerInch = 253.999;
constexpr std::int32_t kPdfPrintableInset = 50;  // 5 mm

double ToTenths(double pixels, double dpi) { return dpi > 0 ? pixels / dpi * kTenthsPerInch : 0; }

}  // namespace

PageGeometry GeometryOf(const PrinterMetrics& metrics) {
  PageGeometry page;
  page.height = ToTenths(metrics.physicalHeight, metrics.dpiY);
  page.width = PixelsToTenthMm(metrics.physicalWidth, metrics.dpiX);
  page.offsetX = PixelsToTenthMm(metrics.offsetX, metrics.dpiX);
  page.offsetY = PixelsToTenthMm(metrics.offsetY, metrics.dpiY);
  page.printableWidth = PixelsToTenthMm(metrics.printableWidth, metrics.dpiX);
  page.printableHeight = PixelsToTenthMm(metrics.printableHeight, metrics.dpiY);
  return page;
}

MarginRanges MarginRangesOf(const PageGeometry& page) {
  const auto round = [](double value) { return static_cast<std::int32_t>(std::nearbyint(value)); };
  MarginRanges ranges{};
  ranges.left = {page.offsetX, page.offsetX + page.printableWidth};
  ranges.top = {page.offsetY, page.offsetY + page.printableHeight};
  ranges.bottom = {round(page.height - page.offsetY - page.printableHeight), round(page.height - page.offsetY)};
  return ranges;
}

void ClampMargins(TGridPrintInfo& info, const MarginRanges& ranges) {
  const auto clamp = [](std::int32_t& margin, const MarginRange& range) {
    if (margin < range.minimum || margin > range.maximum) margin = range.minimum;
  };
  clamp(info.LeftMargin, ranges.left);
  clamp(info.TopMargin, ranges.top);
  clamp(info.BottomMargin, ranges.bottom);
}

PrinterMetrics PdfPrinterMetrics(std::int16_t paperSize, std::int16_t orientation, double dpi) {
  const PaperSize& paper = PaperSizeOf(paperSize);
  const bool landscape = orientation == kLandscape;
  const std::int32_t width = landscape ? paper.height : paper.width;
  const std::int32_t height = landscape ? paper.width : paper.height;
  PrinterMetrics metrics;
  metrics.dpiX = dpi;
  metrics.dpiY = dpi;
  metrics.physicalWidth = TenthMmToPixels(width, dpi);
  metrics.physicalHeight = TenthMmToPixels(height, dpi);
  metrics.offsetX = TenthMmToPixels(kPdfPrintableInset, dpi);
  metrics.offsetY = metrics.offsetX;
  metrics.printableWidth = metrics.physicalWidth - 2 * metrics.offsetX;
  metrics.printableHeight = metrics.physicalHeight - 2 * metrics.offsetY;
  metrics.paperSize = paper.code;
  metrics.orientation = landscape ? kLandscape : kPortrait;
  metrics.formName = std::string(paper.name);
  return metrics;
}

std::string PaperLabel(const PrinterMetrics& metrics) {
  if (!metrics.formName.empty()) return metrics.formName;
  const auto millimetres = [](double pixels, double dpi) {
    return std::to_string(static_cast<long long>(std::nearbyint(ToTenths(pixels, dpi) / 10)));
  };
  return "( " + millimetres(metrics.physicalWidth, metrics.dpiX) + " x " +
         millimetres(metrics.physicalHeight, metrics.dpiY) + " )";
}

std::string OrientationLabel(std::int16_t orientation) {
  return orientation == kPortrait ? "ポートレイト（縦）" : "ランドスケープ （横）";
}

}  // namespace tabulo
