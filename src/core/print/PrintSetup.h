#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/document/GridPrintInfo.h"
#include "core/document/TableDocument.h"
#include "core/print/PageLayout.h"

namespace tabulo {

// What the screen tells the print layout before the list print opens: its
// resolution, the grid's line width and font, and the height of its title row.
struct ScreenFacts {
  double dpi = 96;
  int gridLineWidth = 1;
  std::string fontName;  // code page 932
  std::uint8_t fontCharset = 0;
  std::int32_t fontSize = 9;
  std::uint8_t fontStyle = 0;
  int titleRowHeight = 20;  // pixels
};

// Gives every column that has no print width yet the width it has on the
// screen (with the grid line on both sides) and its place as print order,
// refreshes every column's ColumnIndex, and gives a layout that has no font
// yet the grid's font and a line as high as the grid's title row.
void ApplyPrintDefaults(TableDocument& grid, TGridPrintInfo& info, const ScreenFacts& screen);

// Every column of the grid, the row-number column included, in print order
// (PrintIndex; columns with equal indexes keep their grid order).
std::vector<PrintColumn> PrintOrder(const TableDocument& grid);

}  // namespace tabulo
