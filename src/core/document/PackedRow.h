#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>

#include "core/document/FieldList.h"

namespace tabulo {

// The cells of one row in a single allocation: `count` 32-bit end offsets,
// then the cells' bytes back to back. One allocation per row instead of one
// string per cell keeps a million-row file within about its own size in
// memory; changing a cell rebuilds that row only.
class PackedRow {
 public:
  PackedRow() = default;

  // Cells from a field list, entries [first, first + count).
  static PackedRow FromFields(const FieldList& fields, std::size_t first, std::size_t count);
  static PackedRow FromCells(std::span<const std::string_view> cells);

  std::uint32_t Count() const noexcept { return m_count; }

  // Cell `index` (0-based); empty beyond Count().
  std::string_view Cell(std::uint32_t index) const noexcept {
    if (index >= m_count) return {};
    const std::uint32_t begin = index == 0 ? 0 : EndAt(index - 1);
    return std::string_view(Text() + begin, EndAt(index) - begin);
  }

  // Total bytes of cell text.
  std::uint32_t TextSize() const noexcept { return m_count == 0 ? 0 : EndAt(m_count - 1); }

 private:
  std::uint32_t EndAt(std::uint32_t index) const noexcept {
    std::uint32_t end;
    std::memcpy(&end, m_data.get() + sizeof(std::uint32_t) * index, sizeof end);
    return end;
  }
  const char* Text() const noexcept { return m_data.get() + sizeof(std::uint32_t) * m_count; }

  std::unique_ptr<char[]> m_data;
  std::uint32_t m_count = 0;
};

}  // namespace tabulo
