#include "core/rows/Merge.h"

#include <stdexcept>
#include <string>

#include "core/base/Progress.h"
#include "core/editing/CharClassMapping.h"
#include "core/rows/CompList.h"
#include "core/rows/MergeSource.h"

namespace tabulo {
namespace {

struct Pairing {
  int col;
  int field;
  MergeRole role;
};

// The key of one line or row: the parts joined, then normalised.
class KeyBuilder {
 public:
  KeyBuilder(const MergeOptions& options, TextEncoding encoding)
      : m_normalise(options.ignoreKana, options.ignoreWidth, options.ignoreCase, encoding) {}
  void Start() { m_joined.clear(); }
  void Add(std::string_view part) { m_joined.append(part); }
  std::string_view Key() { return m_normalise(m_joined); }

 private:
  CompareNormalizer m_normalise;
  std::string m_joined;
};

}  // namespace

bool MergeAllowed(const MergeOptions& options) {
  bool key = false;
  bool update = false;
  for (const TSourceItem& item : options.items) {
    if (item.field < 0) continue;
    key = key || item.role == MergeRole::Key;
    update = update || item.role == MergeRole::Replace || item.role == MergeRole::Append;
  }
  return key && update;
}

int MergeRows(TableDocument& grid, const MergeSource& other, const MergeOptions& options, ProgressSink* progress) {
  if (!MergeAllowed(options)) throw std::invalid_argument("a merge needs a key and a column to update");
  if (options.items.size() > static_cast<std::size_t>(grid.ColCount())) {
    throw std::invalid_argument("more merge items than columns");
  }
  std::vector<Pairing> keys;
  std::vector<Pairing> updates;
  for (std::size_t col = 0; col < options.items.size(); ++col) {
    const TSourceItem& item = options.items[col];
    if (item.field < 0 || item.role == MergeRole::None) continue;
    const Pairing pairing{static_cast<int>(col), item.field, item.role};
    if (item.role == MergeRole::Key) {
      keys.push_back(pairing);
    } else if (col == 0) {
      throw std::invalid_argument("the row numbers cannot take merged data");
    } else {
      updates.push_back(pairing);
    }
  }

  const Delimiter delimiter = other.FieldDelimiter();
  KeyBuilder builder(options, grid.Encoding().encoding);
  TCompList list;
  {
    ProgressScope scope(progress);
    list.Reserve(other.LineCount(), 0);
    for (std::size_t line = 0; line < other.LineCount(); ++line) {
      const std::string_view text = other.Line(line);
      if (text.empty()) continue;
      builder.Start();
      for (const Pairing& key : keys) builder.Add(ExtractField(text, delimiter, key.field));
      list.Add(line, builder.Key());
      if ((line & 0x3FFF) == 0) scope.Update(line, other.LineCount());
    }
    list.Sort();
  }

  ProgressScope scope(progress);
  const int rows = grid.RowCount();
  std::vector<std::pair<int, std::size_t>> matches;  // row, line
  for (int row = 0; row < rows; ++row) {
    builder.Start();
    for (const Pairing& key : keys) builder.Add(grid.Cell(key.col, row));
    const long long line = list.FindKey(builder.Key());
    if (line >= 0) matches.emplace_back(row, static_cast<std::size_t>(line));
    if ((row & 0xFFFF) == 0) scope.Update(static_cast<std::uint64_t>(row), static_cast<std::uint64_t>(rows) * 2);
  }
  // Column by column, so that each column changes in one run.
  std::string value;
  for (std::size_t u = 0; u < updates.size(); ++u) {
    const Pairing& update = updates[u];
    for (const auto& [row, line] : matches) {
      const std::string field = ExtractField(other.Line(line), delimiter, update.field);
      if (update.role == MergeRole::Replace) {
        if (grid.Cell(update.col, row) != field) grid.SetCell(update.col, row, field);
      } else if (!field.empty()) {
        value.assign(grid.Cell(update.col, row));
        value += field;
        grid.SetCell(update.col, row, value);
      }
    }
    scope.Update(rows + static_cast<std::uint64_t>(rows) * (u + 1) / updates.size(), static_cast<std::uint64_t>(rows) * 2);
  }
  return static_cast<int>(matches.size());
}

}  // namespace tabulo
