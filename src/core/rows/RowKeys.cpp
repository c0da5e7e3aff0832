#include "core/rows/RowKeys.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "core/base/Progress.h"
#include "core/document/NumberText.h"
#include "core/document/TableDocument.h"
#include "core/locale/DateSerial.h"
#include "core/locale/DateTime.h"
#include "core/rows/TextKeys.h"

namespace tabulo {
namespace {

constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kNoValue = 0;

// A value as an integer that orders as the values do: negative numbers have
// all bits turned, others only the sign bit. Both zeros become one; the
// smallest value (minus infinity) still lies above kNoValue.
std::uint64_t OrderedBits(double value) {
  if (value == 0) value = 0;
  const auto bits = std::bit_cast<std::uint64_t>(value);
  return (bits & kSignBit) != 0 ? ~bits : bits | kSignBit;
}

std::optional<double> ValueOf(SortKind kind, std::string_view text, int currentYear) {
  std::optional<long double> value;
  switch (kind) {
    case SortKind::Number: value = ReadCellNumber(text); break;
    case SortKind::Date:
      if (const auto date = ParseShortDate(text, currentYear)) value = DateSerial(*date);
      break;
    case SortKind::Time:
      if (const auto time = ParseTime(text)) value = TimeSerial(*time);
      break;
    case SortKind::Text:
    case SortKind::TextCase:
    case SortKind::Bytes: break;
  }
  if (!value || std::isnan(*value)) return std::nullopt;
  return static_cast<double>(*value);
}

bool IsText(SortKind kind) { return kind == SortKind::Text || kind == SortKind::TextCase || kind == SortKind::Bytes; }

}  // namespace

TRowKeys::TRowKeys(const TableDocument& grid, std::span<const TKeyItem> keys, ProgressSink* progress) {
  if (keys.empty()) throw std::invalid_argument("no sort key");
  keys = keys.first(std::min<std::size_t>(keys.size(), kMaxSortKeys));
  const auto rows = static_cast<std::size_t>(grid.RowCount() - 1);
  for (const TKeyItem& item : keys) {
    if (item.column < 1 || item.column >= grid.ColCount()) throw std::invalid_argument("sort key column");
    Key& key = m_keys.emplace_back();
    key.item = item;
    if (IsText(item.kind)) key.texts = std::make_unique<TextKeys>(item.kind, rows);
    if (m_keys.size() > 1) key.values.resize(rows);
  }
  if (std::any_of(keys.begin(), keys.end(), [](const TKeyItem& item) { return item.kind == SortKind::Date; })) {
    m_currentYear = Today().year;
  }

  ProgressScope scope(progress);
  m_items.resize(rows);
  for (std::size_t i = 0; i < rows; ++i) {
    const int row = static_cast<int>(i + 1);
    const PackedRow cells = grid.RowCells(row);
    m_items[i].row = static_cast<std::uint32_t>(row);
    m_items[i].key = Encode(m_keys[0], cells.Cell(static_cast<std::uint32_t>(m_keys[0].item.column - 1)));
    for (std::size_t k = 1; k < m_keys.size(); ++k) {
      m_keys[k].values[i] = Encode(m_keys[k], cells.Cell(static_cast<std::uint32_t>(m_keys[k].item.column - 1)));
    }
    if ((i & 0xFFF) == 0) scope.Update(i, rows);
  }
}

TRowKeys::~TRowKeys() = default;

std::uint64_t TRowKeys::Encode(Key& key, std::string_view text) const {
  if (key.texts) return reinterpret_cast<std::uintptr_t>(key.texts->KeyOf(text));
  const std::optional<double> value = ValueOf(key.item.kind, text, m_currentYear);
  const std::uint64_t bits = value ? OrderedBits(*value) : kNoValue;
  return key.item.ascending ? bits : ~bits;
}

int TRowKeys::CompareValues(const Key& key, std::uint64_t a, std::uint64_t b) noexcept {
  if (key.texts) {
    const int result = TextKeys::Compare(reinterpret_cast<const unsigned char*>(static_cast<std::uintptr_t>(a)),
                                         reinterpret_cast<const unsigned char*>(static_cast<std::uintptr_t>(b)));
    return key.item.ascending ? result : -result;
  }
  return (a > b) - (a < b);
}

int TRowKeys::CompareRows(const TRowItem& a, const TRowItem& b) const noexcept {
  int result = CompareValues(m_keys[0], a.key, b.key);
  for (std::size_t k = 1; result == 0 && k < m_keys.size(); ++k) {
    const BigVector<std::uint64_t>& values = m_keys[k].values;
    result = CompareValues(m_keys[k], values[a.row - 1], values[b.row - 1]);
  }
  return result;
}

std::size_t TRowKeys::MemoryBytes() const noexcept {
  std::size_t bytes = m_items.capacity() * sizeof(TRowItem);
  for (const Key& key : m_keys) {
    bytes += key.values.capacity() * sizeof(std::uint64_t);
    if (key.texts) bytes += key.texts->MemoryBytes();
  }
  return bytes;
}

}  // namespace tabulo
