#include "core/document/PackedRow.h"

#include <limits>

#include "core/base/Errors.h"
#include "core/base/Messages.h"

namespace tabulo {
namespace {

constexpr std::size_t kEndSize = sizeof(std::uint32_t);

void CheckRowSize(std::size_t count, std::size_t textBytes) {
  if (count > std::numeric_limits<std::uint32_t>::max() / kEndSize ||
      textBytes > std::numeric_limits<std::uint32_t>::max()) {
    throw TabuloError(std::string(MessageText(MessageId::LineTooLong)));
  }
}

}  // namespace

PackedRow PackedRow::FromFields(const FieldList& fields, std::size_t first, std::size_t count) {
  PackedRow row;
  if (count == 0) return row;
  const auto& ends = fields.Ends();
  const std::uint32_t base = first == 0 ? 0 : ends[first - 1];
  const std::uint32_t textBytes = ends[first + count - 1] - base;
  CheckRowSize(count, textBytes);
  row.m_data = std::make_unique_for_overwrite<char[]>(kEndSize * count + textBytes);
  char* out = row.m_data.get();
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t end = ends[first + i] - base;
    std::memcpy(out + kEndSize * i, &end, kEndSize);
  }
  if (textBytes > 0) std::memcpy(out + kEndSize * count, fields.Bytes().data() + base, textBytes);
  row.m_count = static_cast<std::uint32_t>(count);
  return row;
}

PackedRow PackedRow::FromCells(std::span<const std::string_view> cells) {
  PackedRow row;
  std::size_t count = cells.size();
  while (count > 0 && cells[count - 1].empty()) --count;  // trailing empty cells need no room
  if (count == 0) return row;
  std::size_t textBytes = 0;
  for (std::size_t i = 0; i < count; ++i) textBytes += cells[i].size();
  CheckRowSize(count, textBytes);
  row.m_data = std::make_unique_for_overwrite<char[]>(kEndSize * count + textBytes);
  char* ends = row.m_data.get();
  char* text = ends + kEndSize * count;
  std::uint32_t end = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!cells[i].empty()) std::memcpy(text + end, cells[i].data(), cells[i].size());
    end += static_cast<std::uint32_t>(cells[i].size());
    std::memcpy(ends + kEndSize * i, &end, kEndSize);
  }
  row.m_count = static_cast<std::uint32_t>(count);
  return row;
}

}  // namespace tabulo
