#include "core/document/PackedRow.h"

#include <limits>

#include "core/base/Errors.h"
#include "core/base/Messages.h"

namespace tabulo {
namespace {

constexpr std::size_t kEndSize = sizeof(std::uint32_t);

std::size_t CheckedBlockSize(std::size_t count, std::size_t textBytes) {
  if (count > std::numeric_limits<std::uint32_t>::max() / kEndSize ||
      textBytes > std::numeric_limits<std::uint32_t>::max()) {
    throw TabuloError(std::string(MessageText(MessageId::LineTooLong)));
  }
  return count == 0 ? 0 : kEndSize * count + textBytes;
}

// Trailing empty cells need no room.
std::size_t StoredCount(std::span<const std::string_view> cells) {
  std::size_t count = cells.size();
  while (count > 0 && cells[count - 1].empty()) --count;
  return count;
}

}  // namespace

std::size_t PackedRow::BlockSizeFor(std::span<const std::string_view> cells) {
  const std::size_t count = StoredCount(cells);
  std::size_t textBytes = 0;
  for (std::size_t i = 0; i < count; ++i) textBytes += cells[i].size();
  return CheckedBlockSize(count, textBytes);
}

std::size_t PackedRow::BlockSizeFor(const FieldList& fields, std::size_t first, std::size_t count) {
  if (count == 0) return 0;
  const auto& ends = fields.Ends();
  const std::uint32_t base = first == 0 ? 0 : ends[first - 1];
  return CheckedBlockSize(count, ends[first + count - 1] - base);
}

std::uint32_t PackedRow::Pack(char* out, std::span<const std::string_view> cells) {
  const std::size_t count = StoredCount(cells);
  char* text = out + kEndSize * count;
  std::uint32_t end = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!cells[i].empty()) std::memcpy(text + end, cells[i].data(), cells[i].size());
    end += static_cast<std::uint32_t>(cells[i].size());
    std::memcpy(out + kEndSize * i, &end, kEndSize);
  }
  return static_cast<std::uint32_t>(count);
}

std::uint32_t PackedRow::Pack(char* out, const FieldList& fields, std::size_t first, std::size_t count) {
  if (count == 0) return 0;
  const auto& ends = fields.Ends();
  const std::uint32_t base = first == 0 ? 0 : ends[first - 1];
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t end = ends[first + i] - base;
    std::memcpy(out + kEndSize * i, &end, kEndSize);
  }
  const std::uint32_t textBytes = ends[first + count - 1] - base;
  if (textBytes > 0) std::memcpy(out + kEndSize * count, fields.Bytes().data() + base, textBytes);
  return static_cast<std::uint32_t>(count);
}

std::size_t PackedRow::BlockSizeWithCell(const PackedRow& row, std::uint32_t index, std::string_view text) {
  const std::uint32_t begin = index == 0 ? 0 : row.EndAt(index - 1);
  const std::uint32_t end = row.EndAt(index);
  const std::size_t textBytes = std::size_t{row.EndAt(row.m_count - 1)} - (end - begin) + text.size();
  return CheckedBlockSize(row.m_count, textBytes);
}

std::uint32_t PackedRow::PackWithCell(char* out, const PackedRow& row, std::uint32_t index, std::string_view text) {
  const std::uint32_t count = row.m_count;
  const std::uint32_t begin = index == 0 ? 0 : row.EndAt(index - 1);
  const std::uint32_t end = row.EndAt(index);
  const std::uint32_t total = row.EndAt(count - 1);
  const auto delta = static_cast<std::uint32_t>(text.size()) - (end - begin);  // wraps when shorter, as intended
  std::memcpy(out, row.m_data, kEndSize * index);
  for (std::uint32_t k = index; k < count; ++k) {
    const std::uint32_t moved = row.EndAt(k) + delta;
    std::memcpy(out + kEndSize * k, &moved, kEndSize);
  }
  const char* oldText = row.m_data + kEndSize * count;
  char* newText = out + kEndSize * count;
  std::memcpy(newText, oldText, begin);
  if (!text.empty()) std::memcpy(newText + begin, text.data(), text.size());
  std::memcpy(newText + begin + text.size(), oldText + end, total - end);
  return count;
}

}  // namespace tabulo
