#include "core/print/Pagination.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/print/PageGeometry.h"
#include "core/print/PaperSizes.h"

namespace tabulo {
namespace {

// A page of exactly `lines` lines of 5.0 mm between 10 mm margins.
TGridPrintInfo LinesOf5mm() {
  TGridPrintInfo info;
  info.TopMargin = 100;
  info.BottomMargin = 100;
  info.RowHeight = 50;
  return info;
}
double PageHeightFor(int lines) { return 200.0 + 50.0 * lines + 49.9; }

TEST(Pagination, EachBandTakesALineAndTheRestHoldRows) {
  TGridPrintInfo info = LinesOf5mm();
  const double height = PageHeightFor(8);  // header, title, 5 rows, page number
  EXPECT_EQ(Paginate(info, height, 10).linesPerPage, 8);
  EXPECT_EQ(Paginate(info, height, 10).rowsPerPage, 5);
  EXPECT_EQ(Paginate(info, height, 10).pageCount, 2);
  EXPECT_EQ(Paginate(info, height, 11).pageCount, 3);
  EXPECT_EQ(Paginate(info, height, 0).pageCount, 1);

  info.ShowFileName = false;  // the date alone still takes the header line
  EXPECT_EQ(Paginate(info, height, 10).rowsPerPage, 5);
  info.ShowDate = false;
  EXPECT_EQ(Paginate(info, height, 10).rowsPerPage, 6);
  info.ShowTitle = false;
  info.ShowPage = false;
  EXPECT_EQ(Paginate(info, height, 10).rowsPerPage, 8);
  EXPECT_EQ(Paginate(info, height, 10).FirstRow(1), 9);
}

TEST(Pagination, ALineTooHighForThePagePrintsNoRows) {
  TGridPrintInfo info = LinesOf5mm();
  info.RowHeight = 1000;
  Pagination pages = Paginate(info, 2970, 100);
  EXPECT_FALSE(pages.RowsFit());
  EXPECT_EQ(pages.pageCount, 1);

  info.RowHeight = 0;  // from a damaged file: no division by zero
  pages = Paginate(info, 2970, 100);
  EXPECT_FALSE(pages.RowsFit());
  EXPECT_EQ(pages.pageCount, 1);

  info.RowHeight = 1;  // absurd margins: no overflow either
  info.TopMargin = -2'000'000'000;
  info.BottomMargin = -2'000'000'000;
  pages = Paginate(info, 2970, 100);
  EXPECT_TRUE(pages.RowsFit());
  EXPECT_EQ(pages.pageCount, 1);
}

TEST(Pagination, CopiesFollowOneAnotherOrTheWholeRangeRepeats) {
  EXPECT_EQ(PrintSequence(1, 2, 2, false), (std::vector<int>{1, 1, 2, 2}));
  EXPECT_EQ(PrintSequence(1, 2, 2, true), (std::vector<int>{1, 2, 1, 2}));
  EXPECT_EQ(PrintSequence(0, 0, 1, true), (std::vector<int>{0}));
  EXPECT_TRUE(PrintSequence(2, 1, 1, false).empty());
  EXPECT_TRUE(PrintSequence(0, 3, 0, false).empty());
}

TEST(PageGeometry, MarginsOutsideThePrintableAreaTakeItsEdge) {
  const PrinterMetrics metrics = PdfPrinterMetrics(kPaperA4, kPortrait, 600);
  EXPECT_EQ(metrics.physicalWidth, 4961);  // 210 mm at 600 dpi
  const PageGeometry page = GeometryOf(metrics);
  EXPECT_NEAR(page.height, 2970, 0.2);
  EXPECT_EQ(page.offsetX, 50);
  const MarginRanges ranges = MarginRangesOf(page);
  EXPECT_EQ(ranges.left.minimum, 50);
  EXPECT_EQ(ranges.left.maximum, 2050);
  EXPECT_EQ(ranges.bottom.minimum, 50);
  EXPECT_EQ(ranges.bottom.maximum, 2920);

  TGridPrintInfo info;
  info.LeftMargin = 20;
  info.TopMargin = 3000;
  info.BottomMargin = 100;
  ClampMargins(info, ranges);
  EXPECT_EQ(info.LeftMargin, 50);
  EXPECT_EQ(info.TopMargin, 50);
  EXPECT_EQ(info.BottomMargin, 100);
}

TEST(PageGeometry, LandscapeTurnsTheSheetAndUnknownSizesAreA4) {
  const PrinterMetrics metrics = PdfPrinterMetrics(12345, kLandscape, 300);
  EXPECT_EQ(metrics.paperSize, kPaperA4);
  EXPECT_GT(metrics.physicalWidth, metrics.physicalHeight);
  EXPECT_EQ(PaperLabel(metrics), "A4");
  PrinterMetrics unnamed = metrics;
  unnamed.formName.clear();
  EXPECT_EQ(PaperLabel(unnamed), "( 297 x 210 )");
  EXPECT_EQ(OrientationLabel(kPortrait), "ポートレイト（縦）");
  EXPECT_EQ(OrientationLabel(kLandscape), "ランドスケープ （横）");
}

}  // namespace
}  // namespace tabulo
