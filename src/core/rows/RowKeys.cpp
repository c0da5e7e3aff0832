#include "core/rows/RowKeys.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
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

// A key while the rows are read: text keys hold their stored keys until
// they are ranked.
struct KeySource {
  TKeyItem item;
  std::unique_ptr<TextKeys> texts;
  int currentYear = 0;  // for dates without a year

  std::uint64_t Encode(std::string_view text) const {
    if (texts) return reinterpret_cast<std::uintptr_t>(texts->KeyOf(text));
    const std::optional<double> value = ValueOf(item.kind, text, currentYear);
    return Direct(value ? OrderedBits(*value) : kNoValue);
  }
  // A stored key's rank, in the key's direction.
  std::uint64_t Rank(std::uint64_t stored) const {
    return Direct(TextKeys::RankOf(reinterpret_cast<const unsigned char*>(static_cast<std::uintptr_t>(stored))));
  }
  std::uint64_t Direct(std::uint64_t bits) const { return item.ascending ? bits : ~bits; }
};

}  // namespace

TRowKeys::TRowKeys(const TableDocument& grid, std::span<const TKeyItem> keys, ProgressSink* progress) {
  if (keys.empty()) throw std::invalid_argument("no sort key");
  keys = keys.first(std::min<std::size_t>(keys.size(), kMaxSortKeys));
  const auto rows = static_cast<std::size_t>(grid.RowCount() - 1);
  std::vector<KeySource> sources;
  for (const TKeyItem& item : keys) {
    if (item.column < 1 || item.column >= grid.ColCount()) throw std::invalid_argument("sort key column");
    KeySource& source = sources.emplace_back();
    source.item = item;
    const bool text = item.kind == SortKind::Text || item.kind == SortKind::TextCase || item.kind == SortKind::Bytes;
    if (text) source.texts = std::make_unique<TextKeys>(item.kind, rows, grid.Encoding().encoding);
    if (item.kind == SortKind::Date) source.currentYear = Today().year;
  }
  m_restWidth = sources.size() - 1;
  m_items.resize(rows);
  m_rest.resize(rows * m_restWidth);

  {
    ProgressScope scope(progress);
    for (std::size_t i = 0; i < rows; ++i) {
      const PackedRow cells = grid.RowCells(static_cast<int>(i + 1));
      const auto cell = [&](const KeySource& source) {
        return cells.Cell(static_cast<std::uint32_t>(source.item.column - 1));
      };
      m_items[i] = {sources[0].Encode(cell(sources[0])), static_cast<std::uint32_t>(i + 1)};
      for (std::size_t k = 1; k < sources.size(); ++k) m_rest[i * m_restWidth + k - 1] = sources[k].Encode(cell(sources[k]));
      if ((i & 0xFFF) == 0) scope.Update(i, rows);
    }
  }

  // Text keys become ranks; their stored keys go once they are read.
  m_peakBytes = m_items.capacity() * sizeof(TRowItem) + m_rest.capacity() * sizeof(std::uint64_t);
  for (const KeySource& source : sources) {
    if (source.texts) m_peakBytes += source.texts->MemoryBytes();
  }
  std::size_t rankingBytes = 0;
  for (std::size_t k = 0; k < sources.size(); ++k) {
    KeySource& source = sources[k];
    if (!source.texts) continue;
    rankingBytes = std::max(rankingBytes, source.texts->RankKeys());
    if (k == 0) {
      for (TRowItem& item : m_items) item.key = source.Rank(item.key);
    } else {
      for (std::size_t i = 0; i < rows; ++i) {
        std::uint64_t& key = m_rest[i * m_restWidth + k - 1];
        key = source.Rank(key);
      }
    }
    source.texts.reset();
  }
  m_peakBytes += rankingBytes;
}

}  // namespace tabulo
