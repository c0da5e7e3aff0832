#include "core/rows/Sort.h"

#include <utility>
#include <vector>

#include "core/document/TableDocument.h"
#include "core/rows/RowQuickSort.h"

namespace tabulo {

void SortRows(TableDocument& grid, std::span<const TKeyItem> keys, ProgressSink* progress) {
  if (keys.empty() || grid.RowCount() < 3) return;
  std::vector<int> order;
  {
    TRowKeys rowKeys(grid, keys, progress);
    const std::span<TRowItem> items = rowKeys.Items();
    QuickSortItems(items, [&rowKeys](const TRowItem& a, const TRowItem& b) { return rowKeys.CompareRows(a, b); });
    order.resize(items.size() + 1);
    for (std::size_t i = 0; i < items.size(); ++i) order[i + 1] = static_cast<int>(items[i].row);
  }  // the keys go before the rows move
  bool moved = false;
  for (std::size_t i = 0; i < order.size() && !moved; ++i) moved = order[i] != static_cast<int>(i);
  if (moved) grid.ReorderRows(std::move(order));
}

}  // namespace tabulo
