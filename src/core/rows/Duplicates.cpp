#include "core/rows/Duplicates.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string_view>

#include "core/base/Progress.h"
#include "core/editing/CharClassMapping.h"
#include "core/rows/TextKeys.h"

namespace tabulo {
namespace {

// The keys of all rows in one buffer. A key is stored as its cells, each as
// a four-byte length and the normalised bytes, so that cells never run into
// one another; the TAB-joined form the collation sees is made from it for
// the few keys that need ordering.
class RowKeyStore {
 public:
  explicit RowKeyStore(std::size_t rows) { m_starts.reserve(rows + 1); m_starts.push_back(0); }

  void AddCell(std::string_view cell) {
    const auto size = static_cast<std::uint32_t>(cell.size());
    char length[sizeof size];
    std::memcpy(length, &size, sizeof size);
    m_bytes.append(length, sizeof size);
    m_bytes.append(cell);
  }
  void EndKey() { m_starts.push_back(m_bytes.size()); }

  // The stored key of the i-th row added.
  std::string_view Key(std::size_t i) const noexcept {
    return std::string_view(m_bytes).substr(m_starts[i], m_starts[i + 1] - m_starts[i]);
  }

  // The key as TAB + cell for each cell.
  static std::string Joined(std::string_view key) {
    std::string joined;
    joined.reserve(key.size());
    std::size_t at = 0;
    while (at < key.size()) {
      std::uint32_t size;
      std::memcpy(&size, key.data() + at, sizeof size);
      at += sizeof size;
      joined += '\t';
      joined.append(key.substr(at, size));
      at += size;
    }
    return joined;
  }

 private:
  std::string m_bytes;
  std::vector<std::size_t> m_starts;
};

// Groups the rows by key with an open-addressed table of group numbers.
struct Grouping {
  std::vector<std::int32_t> firstRow;  // per group, as an index of the store
  std::vector<std::int32_t> lastRow;
  std::vector<std::int32_t> size;
  std::vector<std::int32_t> next;      // per row: the next row of its group, or -1
};

Grouping GroupKeys(const RowKeyStore& store, std::size_t count) {
  Grouping grouping;
  grouping.next.assign(count, -1);
  std::vector<std::int32_t> slots(std::bit_ceil(std::max<std::size_t>(count * 2, 16)), -1);
  const std::size_t mask = slots.size() - 1;
  const std::hash<std::string_view> hash;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view key = store.Key(i);
    std::size_t slot = hash(key) & mask;
    while (slots[slot] >= 0 && store.Key(static_cast<std::size_t>(grouping.firstRow[static_cast<std::size_t>(slots[slot])])) != key) {
      slot = (slot + 1) & mask;
    }
    const auto row = static_cast<std::int32_t>(i);
    if (slots[slot] < 0) {
      slots[slot] = static_cast<std::int32_t>(grouping.firstRow.size());
      grouping.firstRow.push_back(row);
      grouping.lastRow.push_back(row);
      grouping.size.push_back(1);
    } else {
      const auto group = static_cast<std::size_t>(slots[slot]);
      grouping.next[static_cast<std::size_t>(grouping.lastRow[group])] = row;
      grouping.lastRow[group] = row;
      ++grouping.size[group];
    }
  }
  return grouping;
}

// The groups of two or more, ordered as the options say.
std::vector<std::size_t> ChosenGroups(const Grouping& grouping, const RowKeyStore& store, bool ordered) {
  std::vector<std::size_t> chosen;
  for (std::size_t group = 0; group < grouping.size.size(); ++group) {
    if (grouping.size[group] > 1) chosen.push_back(group);
  }
  if (!ordered || chosen.size() < 2) return chosen;

  struct Entry {
    std::string joined;
    const unsigned char* collationKey;
    std::size_t group;
  };
  TextKeys collation(SortKind::Text, chosen.size());
  std::vector<Entry> entries;
  entries.reserve(chosen.size());
  for (std::size_t group : chosen) {
    std::string joined = RowKeyStore::Joined(store.Key(static_cast<std::size_t>(grouping.firstRow[group])));
    entries.push_back({std::move(joined), nullptr, group});
  }
  // The collation keys point into the store of `collation`; the texts must not move meanwhile.
  for (Entry& entry : entries) entry.collationKey = collation.KeyOf(entry.joined);
  collation.RankKeys();
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const std::uint32_t x = TextKeys::RankOf(a.collationKey);
    const std::uint32_t y = TextKeys::RankOf(b.collationKey);
    if (x != y) return x < y;
    // Equal keys never meet here (each group has its own key); a TAB
    // inside a cell can make two groups join to the same text.
    return a.joined != b.joined ? a.joined < b.joined : a.group < b.group;
  });
  for (std::size_t i = 0; i < entries.size(); ++i) chosen[i] = entries[i].group;
  return chosen;
}

}  // namespace

std::string DuplicateKeyDescription(const TableDocument& grid, std::span<const int> columns) {
  std::string description;
  for (int col : columns) {
    if (!description.empty()) description += ',';
    description += '[';
    description.append(grid.Cell(col, 0));
    description += ']';
  }
  return description;
}

DuplicateGroups FindDuplicateGroups(const TableDocument& grid, const DuplicateOptions& options, bool ordered,
                                    ProgressSink* progress) {
  for (int col : options.columns) {
    if (col < 1 || col >= grid.ColCount()) throw std::invalid_argument("not a data column");
  }
  ProgressScope scope(progress);
  const int last = grid.RowCount() - 1;
  const auto count = static_cast<std::size_t>(std::max(last, 0));
  RowKeyStore store(count);
  CompareNormalizer normalise(options.ignoreKana, options.ignoreWidth, options.ignoreCase);
  for (int row = 1; row <= last; ++row) {
    for (int col : options.columns) store.AddCell(normalise(grid.Cell(col, row)));
    store.EndKey();
    if ((row & 0xFFFF) == 0) scope.Update(static_cast<std::uint64_t>(row), count);
  }

  const Grouping grouping = GroupKeys(store, count);
  DuplicateGroups groups;
  for (std::size_t group : ChosenGroups(grouping, store, ordered)) {
    groups.starts.push_back(groups.rows.size());
    for (std::int32_t i = grouping.firstRow[group]; i >= 0; i = grouping.next[static_cast<std::size_t>(i)]) {
      groups.rows.push_back(i + 1);
    }
  }
  return groups;
}

std::vector<int> LaterDuplicateRows(const DuplicateGroups& groups) {
  std::vector<int> later;
  later.reserve(groups.rows.size() - std::min(groups.rows.size(), groups.starts.size()));
  for (std::size_t g = 0; g < groups.starts.size(); ++g) {
    const std::size_t end = g + 1 < groups.starts.size() ? groups.starts[g + 1] : groups.rows.size();
    later.insert(later.end(), groups.rows.begin() + static_cast<std::ptrdiff_t>(groups.starts[g] + 1),
                 groups.rows.begin() + static_cast<std::ptrdiff_t>(end));
  }
  std::sort(later.begin(), later.end());
  return later;
}

void MarkRowsForDeletion(TableDocument& grid, std::span<const int> rows) {
  for (int row : rows) grid.SetCell(0, row, kDeletedRowLabel);
}

}  // namespace tabulo
