#pragma once

#include <cstdint>
#include <string_view>

#include "core/document/GPItem.h"
#include "core/document/PackedRow.h"
#include "core/document/RowMemory.h"

namespace tabulo {

// The pieces a table document is built of: a data row's slot and a column.
// They are plain values; the document owns the row blocks a slot points to,
// and an edit step that removed a row holds on to its block until the step
// is undone or dropped.

inline constexpr std::size_t kMaxRowLabelBytes = 11;
inline constexpr int kInitialColWidth = 80;
inline constexpr int kInitialRowHeight = 20;

// The row-number text of a data row, stored inline.
struct RowLabel {
  std::uint8_t length = 0;
  char text[kMaxRowLabelBytes] = {};
  std::string_view View() const noexcept { return {text, length}; }
  friend bool operator==(const RowLabel& a, const RowLabel& b) noexcept { return a.View() == b.View(); }
};

// One data row: its packed cells (columns 1..) in the document's row memory,
// its row-number text, link and height. 32 bytes.
struct RowSlot {
  const char* data = nullptr;
  std::uint32_t count = 0;
  std::int32_t link = -1;
  RowLabel label;
  std::uint16_t height = kInitialRowHeight;
  std::uint16_t chunk = RowMemory::kHeap;

  PackedRow Cells() const noexcept { return PackedRow(data, count); }
};

struct GridColumn {
  TGPItem item;
  int width = kInitialColWidth;
  friend bool operator==(const GridColumn&, const GridColumn&) = default;
};

}  // namespace tabulo
