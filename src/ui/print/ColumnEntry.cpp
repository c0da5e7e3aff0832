#include "ui/print/ColumnEntry.h"

#include <cassert>
#include <utility>

namespace tabulo::ui {
namespace {

void SwapEntries(std::vector<ColumnEntry>& entries, std::vector<bool>& selected, std::size_t a, std::size_t b) {
  std::swap(entries[a], entries[b]);
  const bool flag = selected[a];
  selected[a] = selected[b];
  selected[b] = flag;
}

}  // namespace

void AssignPrintOrder(const std::vector<ColumnEntry>& entries) {
  for (std::size_t position = 0; position < entries.size(); ++position) {
    entries[position].item->PrintIndex = static_cast<std::int32_t>(position);
  }
}

void MoveSelectedUp(std::vector<ColumnEntry>& entries, std::vector<bool>& selected) {
  assert(selected.size() == entries.size());
  for (std::size_t position = 1; position < entries.size(); ++position) {
    if (!selected[position]) continue;
    if (position == 1) return;  // it would pass the row-number column
    SwapEntries(entries, selected, position, position - 1);
  }
}

void MoveSelectedDown(std::vector<ColumnEntry>& entries, std::vector<bool>& selected) {
  assert(selected.size() == entries.size());
  for (std::size_t position = entries.size(); position-- > 1;) {
    if (!selected[position]) continue;
    if (position + 1 == entries.size()) return;
    SwapEntries(entries, selected, position, position + 1);
  }
}

}  // namespace tabulo::ui
