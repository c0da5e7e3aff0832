#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "core/document/FieldList.h"

namespace tabulo {

// The cells of one row packed in a single block: `count` 32-bit end offsets,
// then the cells' bytes back to back. One block per row instead of one string
// per cell keeps a million-row file within about its own size in memory.
// This is a view; the table document owns the blocks.
class PackedRow {
 public:
  PackedRow() = default;
  PackedRow(const char* data, std::uint32_t count) noexcept : m_data(data), m_count(count) {}

  const char* Data() const noexcept { return m_data; }
  std::uint32_t Count() const noexcept { return m_count; }

  // Cell `index` (0-based); empty beyond Count().
  std::string_view Cell(std::uint32_t index) const noexcept {
    if (index >= m_count) return {};
    const std::uint32_t begin = index == 0 ? 0 : EndAt(index - 1);
    return std::string_view(m_data + kEndSize * m_count + begin, EndAt(index) - begin);
  }

  // Size of the whole block.
  std::size_t BlockSize() const noexcept {
    return m_count == 0 ? 0 : kEndSize * m_count + EndAt(m_count - 1);
  }

  // Block sizes for cells to be packed; 0 means no block is needed. Throws
  // TabuloError when a row would exceed the 32-bit offsets.
  static std::size_t BlockSizeFor(std::span<const std::string_view> cells);
  static std::size_t BlockSizeFor(const FieldList& fields, std::size_t first, std::size_t count);
  // Packs into `out`, which holds the size computed above; returns the count.
  static std::uint32_t Pack(char* out, std::span<const std::string_view> cells);
  static std::uint32_t Pack(char* out, const FieldList& fields, std::size_t first, std::size_t count);
  // The same for `row` with cell `index` (below row.Count()) replaced by
  // `text`: two copies instead of one per cell, for the many single-cell
  // rewrites of a formula run and of its undo. The count stays.
  static std::size_t BlockSizeWithCell(const PackedRow& row, std::uint32_t index, std::string_view text);
  static std::uint32_t PackWithCell(char* out, const PackedRow& row, std::uint32_t index, std::string_view text);

 private:
  static constexpr std::size_t kEndSize = sizeof(std::uint32_t);

  std::uint32_t EndAt(std::uint32_t index) const noexcept {
    std::uint32_t end;
    std::memcpy(&end, m_data + kEndSize * index, sizeof end);
    return end;
  }

  const char* m_data = nullptr;
  std::uint32_t m_count = 0;
};

}  // namespace tabulo
