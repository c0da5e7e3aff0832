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

// The normalised keys of all rows in one buffer (the first half of the
// progress). A key is stored as its cells, each as a four-byte length and
// the normalised bytes, so that cells never run into one another.
class StoredKeys {
 public:
  StoredKeys(const TableDocument& grid, const DuplicateOptions& options, ProgressScope& scope) {
    const int last = grid.RowCount() - 1;
    m_starts.reserve(static_cast<std::size_t>(std::max(last, 0)) + 2);
    m_starts.push_back(0);  // no row 0
    m_starts.push_back(0);
    CompareNormalizer normalise(options.ignoreKana, options.ignoreWidth, options.ignoreCase, grid.Encoding().encoding);
    constexpr int kSample = 4096;  // rows from which the room for all keys is estimated
    for (int row = 1; row <= last; ++row) {
      for (int col : options.columns) {
        const std::string_view cell = normalise(grid.Cell(col, row));
        const auto size = static_cast<std::uint32_t>(cell.size());
        char length[sizeof size];
        std::memcpy(length, &size, sizeof size);
        m_bytes.append(length, sizeof size);
        m_bytes.append(cell);
      }
      m_starts.push_back(m_bytes.size());
      if (row == kSample && last > kSample) {
        m_bytes.reserve(m_bytes.size() / kSample * static_cast<std::size_t>(last) * 9 / 8);
      }
      if ((row & 0xFFFF) == 0) scope.Update(static_cast<std::uint64_t>(row), static_cast<std::uint64_t>(last) * 2);
    }
  }

  std::size_t Hash(int row) const noexcept { return std::hash<std::string_view>()(Key(row)); }
  bool Equal(int a, int b) const noexcept { return Key(a) == Key(b); }
  std::string Joined(int row) const {
    const std::string_view key = Key(row);
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
  std::string_view Key(int row) const noexcept {
    const auto r = static_cast<std::size_t>(row);
    return std::string_view(m_bytes).substr(m_starts[r], m_starts[r + 1] - m_starts[r]);
  }

  std::string m_bytes;
  std::vector<std::size_t> m_starts;  // by row; row r's key ends where row r + 1's starts
};

// The rows grouped by key, each group's rows in ascending order.
struct Grouping {
  std::vector<std::int32_t> firstRow;  // per group
  std::vector<std::int32_t> lastRow;
  std::vector<std::int32_t> size;
  std::vector<std::int32_t> next;      // per row: the next row of its group, or 0
};

// Groups data rows 1 to `last` with an open-addressed table of groups. A slot
// holds a group and the upper bits of its key's hash, so that most probes
// that meet another group never look at that group's key (the second half
// of the progress).
Grouping GroupKeys(const StoredKeys& keys, int last, ProgressScope& scope) {
  struct Slot {
    std::int32_t group = -1;
    std::uint32_t check = 0;
  };
  const auto count = static_cast<std::size_t>(std::max(last, 0));
  Grouping grouping;
  grouping.next.assign(count + 1, 0);
  std::vector<Slot> slots(std::bit_ceil(std::max<std::size_t>(count * 2, 16)));
  const std::size_t mask = slots.size() - 1;
  for (int row = 1; row <= last; ++row) {
    const std::size_t hash = keys.Hash(row);
    const auto check = static_cast<std::uint32_t>(hash >> 32);
    std::size_t slot = hash & mask;
    while (slots[slot].group >= 0 &&
           (slots[slot].check != check ||
            !keys.Equal(grouping.firstRow[static_cast<std::size_t>(slots[slot].group)], row))) {
      slot = (slot + 1) & mask;
    }
    if (slots[slot].group < 0) {
      slots[slot] = {static_cast<std::int32_t>(grouping.firstRow.size()), check};
      grouping.firstRow.push_back(row);
      grouping.lastRow.push_back(row);
      grouping.size.push_back(1);
    } else {
      const auto group = static_cast<std::size_t>(slots[slot].group);
      grouping.next[static_cast<std::size_t>(grouping.lastRow[group])] = row;
      grouping.lastRow[group] = row;
      ++grouping.size[group];
    }
    if ((row & 0xFFFF) == 0) scope.Update(static_cast<std::uint64_t>(row) + count, count * 2);
  }
  return grouping;
}

// The groups of two or more, in the collation of their keys (text in
// `encoding`) when `ordered`.
std::vector<std::size_t> ChosenGroups(const Grouping& grouping, const StoredKeys& keys, bool ordered,
                                      TextEncoding encoding) {
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
  TextKeys collation(SortKind::Text, chosen.size(), encoding);
  std::vector<Entry> entries;
  entries.reserve(chosen.size());
  for (std::size_t group : chosen) entries.push_back({keys.Joined(grouping.firstRow[group]), nullptr, group});
  // The collator remembers texts by address: they must not move meanwhile.
  for (Entry& entry : entries) entry.collationKey = collation.KeyOf(entry.joined);
  collation.RankKeys();
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const std::uint32_t x = TextKeys::RankOf(a.collationKey);
    const std::uint32_t y = TextKeys::RankOf(b.collationKey);
    if (x != y) return x < y;
    // Two groups may join to the same text when a cell holds a TAB.
    return a.joined != b.joined ? a.joined < b.joined : a.group < b.group;
  });
  for (std::size_t i = 0; i < entries.size(); ++i) chosen[i] = entries[i].group;
  return chosen;
}

DuplicateGroups CollectGroups(const StoredKeys& keys, int last, bool ordered, TextEncoding encoding,
                              ProgressScope& scope) {
  const Grouping grouping = GroupKeys(keys, last, scope);
  DuplicateGroups groups;
  for (std::size_t group : ChosenGroups(grouping, keys, ordered, encoding)) {
    groups.starts.push_back(groups.rows.size());
    for (std::int32_t row = grouping.firstRow[group]; row > 0; row = grouping.next[static_cast<std::size_t>(row)]) {
      groups.rows.push_back(row);
    }
  }
  return groups;
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
  const StoredKeys keys(grid, options, scope);
  return CollectGroups(keys, last, ordered, grid.Encoding().encoding, scope);
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
