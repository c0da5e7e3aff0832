#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/document/GPItem.h"
#include "core/document/GridPrintInfo.h"
#include "core/document/TableDocument.h"
#include "core/print/PageGeometry.h"
#include "core/print/Pagination.h"

namespace tabulo {

// A rectangle on the sheet in tenths of a millimetre from its top-left
// corner; right and bottom are exclusive.
struct PrintBox {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const PrintBox&, const PrintBox&) = default;
};

enum class PrintTextKind { Header, Date, Title, Cell, PageNumber };

// One text of a page: the box it belongs to, the text and how it is
// placed in the box (the flags of a column's DrawFlags). A framed box gets a
// rectangle round it, and its text goes into the box shrunk by the padding.
struct PrintText {
  PrintTextKind kind;
  PrintBox box;
  std::u16string text;
  std::uint16_t drawFlags;
  bool framed;
};

// Everything one page shows, computed before anything is painted, so that
// the preview, a printer and a PDF file all draw the same thing.
struct PageLayout {
  static constexpr std::int32_t kPadding = 7;  // 0.7 mm inside every framed box

  PrintBox area;  // between the margins, to the printable area's right edge
  std::vector<PrintText> texts;
  // A printed column did not fit beside the ones before it; it and the
  // columns after it are left out ("列がはみ出しています。").
  bool columnsOverflow = false;
};

// A column as it is printed: its record and its index in the grid.
struct PrintColumn {
  const TGPItem* item;
  int column;
};

// What a page is laid out from.
struct PageContent {
  const TableDocument& grid;
  std::span<const PrintColumn> columns;  // in print order; those not Printed are skipped
  const TGridPrintInfo& info;
  PageGeometry page;
  std::string headerText;  // UTF-8: the window's caption
  std::string dateText;    // UTF-8: the moment of printing
  bool groupedNumbers = false;  // number cells as the grid shows them grouped (CellShownText)
};

// The drawing area of a page: left and top margin, the sheet's height less
// the bottom margin, and the printable area's right edge.
PrintBox DrawingArea(const TGridPrintInfo& info, const PageGeometry& page);

// Lays out page `pageIndex` (0-based) of `pages`: the header band, then the
// printed columns side by side, each with its title and the page's rows,
// then the page number on the area's last line. A column whose right edge
// passes the area's right edge ends the columns. A row whose bottom would
// pass the area's bottom is not placed.
PageLayout LayoutPage(const PageContent& content, const Pagination& pages, int pageIndex);

// "印刷ｴﾘｱ : W(mm) × V(mm)": the width from the left margin to the printable
// area's right edge and the height between the top and bottom margins. UTF-8.
std::string AreaLabel(const TGridPrintInfo& info, const PageGeometry& page);

// The text of the page-number line, "( 3 / 12 )".
std::string PageNumberText(int pageIndex, int pageCount);

}  // namespace tabulo
