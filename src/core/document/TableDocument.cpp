#include "core/document/TableDocument.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <string>

#include "core/base/Errors.h"
#include "core/base/Messages.h"
#include "core/document/OpenStep.h"

namespace tabulo {
namespace {

void RequireIndex(bool ok, const char* what) {
  if (!ok) throw std::out_of_range(what);
}

std::uint16_t ToHeight(int height) { return static_cast<std::uint16_t>(std::clamp(height, 0, 0xFFFF)); }

// Whether `order` puts 0 .. count-1 in a new order keeping 0 first; `seen`
// ends with every position marked when it does.
bool IsOrderKeepingFirst(std::span<const int> order, std::size_t count, std::vector<bool>& seen) {
  seen.assign(count, false);
  if (order.size() != count || order.empty() || order[0] != 0) return false;
  for (const int from : order) {
    if (from < 0 || static_cast<std::size_t>(from) >= count || seen[static_cast<std::size_t>(from)]) return false;
    seen[static_cast<std::size_t>(from)] = true;
  }
  return true;
}

}  // namespace

TableDocument::TableDocument() : m_columns(2), m_rows(2) {}

TableDocument::~TableDocument() {
  m_open.reset();  // an open step's records are dropped with their blocks below
  m_history.Clear(m_memory);
  ReleaseAllRows();
}

TableDocument::TableDocument(TableDocument&& other) noexcept
    : m_columns(std::move(other.m_columns)),
      m_rows(std::move(other.m_rows)),
      m_memory(std::move(other.m_memory)),
      m_defaultColWidth(other.m_defaultColWidth),
      m_defaultRowHeight(other.m_defaultRowHeight),
      m_col(other.m_col),
      m_row(other.m_row),
      m_selection(other.m_selection),
      m_topRow(other.m_topRow),
      m_leftCol(other.m_leftCol),
      m_encoding(other.m_encoding),
      m_history(std::move(other.m_history)),
      m_open(std::move(other.m_open)) {
  other.m_rows.clear();
  other.m_history = EditHistory();
}

TableDocument& TableDocument::operator=(TableDocument&& other) noexcept {
  if (this != &other) {
    m_open.reset();
    m_history.Clear(m_memory);
    ReleaseAllRows();
    m_history = std::move(other.m_history);
    other.m_history = EditHistory();
    m_open = std::move(other.m_open);
    m_columns = std::move(other.m_columns);
    m_rows = std::move(other.m_rows);
    other.m_rows.clear();
    m_memory = std::move(other.m_memory);
    m_defaultColWidth = other.m_defaultColWidth;
    m_defaultRowHeight = other.m_defaultRowHeight;
    m_col = other.m_col;
    m_row = other.m_row;
    m_selection = other.m_selection;
    m_topRow = other.m_topRow;
    m_leftCol = other.m_leftCol;
    m_encoding = other.m_encoding;
  }
  return *this;
}

void TableDocument::ReleaseCells(RowSlot& slot) noexcept {
  m_memory.Release(slot.data, slot.Cells().BlockSize(), slot.chunk);
  slot.data = nullptr;
  slot.count = 0;
  slot.chunk = RowMemory::kHeap;
}

void TableDocument::ReleaseAllRows() noexcept {
  for (RowSlot& slot : m_rows) ReleaseCells(slot);
}

void TableDocument::StoreCells(RowSlot& slot, std::span<const std::string_view> cells, bool bulk) {
  const std::size_t size = PackedRow::BlockSizeFor(cells);
  RowMemory::Block block;
  std::uint32_t count = 0;
  if (size > 0) {
    block = m_memory.Allocate(size, bulk);
    count = PackedRow::Pack(block.data, cells);  // before the release: `cells` may view the old block
  }
  ReleaseCells(slot);
  slot.data = block.data;
  slot.count = count;
  slot.chunk = block.chunk;
}

void TableDocument::StoreCell(RowSlot& slot, std::uint32_t index, std::string_view text) {
  const PackedRow old = slot.Cells();
  const RowMemory::Block block = m_memory.Allocate(PackedRow::BlockSizeWithCell(old, index, text), true);
  PackedRow::PackWithCell(block.data, old, index, text);  // before the release: `text` may view the old block
  const std::uint32_t count = slot.count;
  ReleaseCells(slot);
  slot.data = block.data;
  slot.count = count;
  slot.chunk = block.chunk;
}

RowSlot& TableDocument::Slot(int row) {
  RequireIndex(row >= 0 && row < RowCount(), "row index");
  return m_rows[static_cast<std::size_t>(row)];
}

void TableDocument::SetColCount(int count) {
  if (count > kMaxColCount) {
    throw TabuloError(FormatMessage(MessageId::TooManyColumns, {std::to_string(kMaxColCount - 1)}));
  }
  count = std::max(count, 1);
  const int old = ColCount();
  if (count == old) return;
  if (Journaling()) {
    if (count < old) {
      ColumnsRemoved removed{count, {}, {}};
      TakeColumns(count, old - count, removed.columns, removed.cells);
      AddRecord(std::move(removed));
      ClampCursor();
      return;
    }
    AddRecord(ColumnsInserted{old, count - old});
  }
  if (count < old) {
    RebuildRowsFrom(count, [count](std::vector<std::string_view>& cells) {
      cells.resize(static_cast<std::size_t>(count - 1));
    });
  }
  Column fresh;
  fresh.width = m_defaultColWidth;
  m_columns.resize(static_cast<std::size_t>(count), fresh);
  ClampCursor();
}

void TableDocument::SetRowCount(int count) {
  if (count > kMaxRowCount) {
    throw TabuloError(FormatMessage(MessageId::TooManyRows, {std::to_string(kMaxRowCount - 1)}));
  }
  count = std::max(count, 1);
  const int old = RowCount();
  if (count == old) return;
  if (Journaling()) {
    if (count < old) {
      RowsRemoved removed{count, {}, {}};
      TakeRows(count, old - count, removed.rows);
      AddRecord(std::move(removed));
      m_open->freshFrom = std::min(m_open->freshFrom, count);
      ClampCursor();
      return;
    }
    AddRecord(RowsInserted{old, count - old, {}});
    m_open->freshFrom = std::min(m_open->freshFrom, old);
  }
  if (count < old) {
    for (auto slot = m_rows.begin() + count; slot != m_rows.end(); ++slot) ReleaseCells(*slot);
    m_rows.erase(m_rows.begin() + count, m_rows.end());
  } else {
    while (RowCount() < count) {
      RowSlot& slot = m_rows.emplace_back();
      slot.height = ToHeight(m_defaultRowHeight);
    }
  }
  ClampCursor();
}

void TableDocument::ReserveRows(int count) {
  m_rows.reserve(static_cast<std::size_t>(std::clamp(count, 1, kMaxRowCount)));
}

std::string_view TableDocument::Cell(int col, int row) const noexcept {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return {};
  if (row == 0) return m_columns[static_cast<std::size_t>(col)].item.Title;
  const RowSlot& slot = m_rows[static_cast<std::size_t>(row)];
  if (col == 0) return slot.label.View();
  return slot.Cells().Cell(static_cast<std::uint32_t>(col - 1));
}

void TableDocument::SetCell(int col, int row, std::string_view text) {
  RequireIndex(col >= 0 && col < ColCount() && row >= 0 && row < RowCount(), "cell index");
  if (Cell(col, row) == text) return;
  if (row == 0) {
    if (Journaling()) SaveColumnState(col);
    m_columns[static_cast<std::size_t>(col)].item.Title = std::string(text);
    return;
  }
  RowSlot& slot = m_rows[static_cast<std::size_t>(row)];
  if (col == 0) {
    if (text.size() > kMaxRowLabelBytes) throw std::invalid_argument("row-number text too long");
    if (Journaling()) JournalCell(0, row, slot.label.View());
    slot.label.length = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), slot.label.text);
    return;
  }
  const auto index = static_cast<std::size_t>(col - 1);
  const PackedRow packed = slot.Cells();
  if (Journaling()) JournalCell(col, row, packed.Cell(static_cast<std::uint32_t>(index)));
  std::vector<std::string_view> cells(std::max<std::size_t>(packed.Count(), index + 1));
  for (std::uint32_t i = 0; i < packed.Count(); ++i) cells[i] = packed.Cell(i);
  cells[index] = text;
  StoreCells(slot, cells, false);
}

void TableDocument::SetRowCells(int row, const FieldList& fields, std::size_t first, std::size_t count) {
  RequireIndex(row >= 1 && row < RowCount() && first + count <= fields.size(), "row index");
  count = std::min(count, static_cast<std::size_t>(ColCount() - 1));
  RowSlot& slot = Slot(row);
  if (Journaling()) KeepRowBlock(slot, row);
  const std::size_t size = PackedRow::BlockSizeFor(fields, first, count);
  RowMemory::Block block;
  if (size > 0) {
    block = m_memory.Allocate(size, true);
    count = PackedRow::Pack(block.data, fields, first, count);
  }
  ReleaseCells(slot);
  slot.data = block.data;
  slot.count = size > 0 ? static_cast<std::uint32_t>(count) : 0;
  slot.chunk = block.chunk;
}

void TableDocument::ReplaceRowCells(int row, int firstCol, std::span<const std::string_view> values) {
  RequireIndex(row >= 1 && row < RowCount() && firstCol >= 1, "row index");
  RowSlot& slot = m_rows[static_cast<std::size_t>(row)];
  const PackedRow packed = slot.Cells();
  const auto first = static_cast<std::size_t>(firstCol - 1);
  const std::size_t usable = std::min(values.size(), static_cast<std::size_t>(std::max(ColCount() - firstCol, 0)));
  // A change of every stored cell keeps the old block whole; a change of a
  // few keeps just their texts.
  const bool wholeRow = firstCol == 1 && usable >= packed.Count();
  if (Journaling() && !(wholeRow && packed.Count() > 0 && KeepRowBlock(slot, row))) JournalRowCells(row, firstCol, usable);
  if (usable == 1 && first < packed.Count() && slot.data == packed.Data()) {
    StoreCell(slot, static_cast<std::uint32_t>(first), values[0]);
    return;
  }
  std::vector<std::string_view> cells(std::max<std::size_t>(packed.Count(), first + usable));
  for (std::uint32_t i = 0; i < packed.Count(); ++i) cells[i] = packed.Cell(i);
  for (std::size_t i = 0; i < usable; ++i) cells[first + i] = values[i];
  StoreCells(slot, cells, true);
}

void TableDocument::ClearRowCells(int row) {
  RequireIndex(row >= 1 && row < RowCount(), "row index");
  if (Journaling() && KeepRowBlock(Slot(row), row)) return;
  ReleaseCells(Slot(row));
}

void TableDocument::CopyRowCells(int row, const PackedRow& cells) {
  RequireIndex(row >= 1 && row < RowCount(), "row index");
  const auto usable = static_cast<std::uint32_t>(ColCount() - 1);
  if (cells.Count() > usable) {
    std::vector<std::string_view> kept(usable);
    for (std::uint32_t i = 0; i < usable; ++i) kept[i] = cells.Cell(i);
    ReplaceRowCells(row, 1, kept);
    return;
  }
  RowSlot& slot = Slot(row);
  // A kept block stays alive in the step, so `cells` may view it.
  if (Journaling()) KeepRowBlock(slot, row);
  const std::size_t size = cells.BlockSize();
  RowMemory::Block block;
  if (size > 0) {
    block = m_memory.Allocate(size, true);
    std::memcpy(block.data, cells.Data(), size);
  }
  ReleaseCells(slot);
  slot.data = block.data;
  slot.count = size > 0 ? cells.Count() : 0;
  slot.chunk = block.chunk;
}

void TableDocument::ClearAllCells() {
  if (Journaling()) {
    for (int col = 0; col < ColCount(); ++col) SaveColumnState(col);
    for (int row = 1; row < RowCount(); ++row) {
      JournalCell(0, row, m_rows[static_cast<std::size_t>(row)].label.View());
      JournalRowCells(row, 1, m_rows[static_cast<std::size_t>(row)].count);
    }
  }
  for (Column& column : m_columns) column.item.Title.clear();
  for (RowSlot& slot : m_rows) {
    ReleaseCells(slot);
    slot.label = RowLabel();
  }
}

void TableDocument::SetColWidth(int col, int width) {
  RequireIndex(col >= 0 && col < ColCount(), "column index");
  if (Journaling()) SaveColumnState(col);
  m_columns[static_cast<std::size_t>(col)].width = std::clamp(width, 0, 0xFFFF);
}

void TableDocument::SetEncoding(const FileEncoding& encoding) {
  if (encoding == m_encoding) return;
  if (Journaling()) AddRecord(EncodingState{m_encoding});
  m_encoding = encoding;
}

void TableDocument::SetRowHeight(int row, int height) {
  RowSlot& slot = Slot(row);
  if (slot.height == ToHeight(height)) return;
  if (Journaling()) SaveRowState(row);
  slot.height = ToHeight(height);
}

void TableDocument::SetRowLink(int row, int sourceRow) {
  RowSlot& slot = Slot(row);
  if (slot.link == sourceRow) return;
  if (Journaling()) SaveRowState(row);
  slot.link = sourceRow;
}

void TableDocument::SetDefaultColWidth(int width) { m_defaultColWidth = std::clamp(width, 0, 0xFFFF); }

void TableDocument::SetDefaultRowHeight(int height) { m_defaultRowHeight = ToHeight(height); }

int TableDocument::ClampCol(int col) const noexcept { return std::clamp(col, 1, std::max(1, ColCount() - 1)); }

int TableDocument::ClampRow(int row) const noexcept { return std::clamp(row, 1, std::max(1, RowCount() - 1)); }

void TableDocument::ClampCursor() {
  m_col = ClampCol(m_col);
  m_row = ClampRow(m_row);
  m_selection = {ClampCol(m_selection.Left), ClampRow(m_selection.Top), ClampCol(m_selection.Right),
                 ClampRow(m_selection.Bottom)};
  m_topRow = ClampRow(m_topRow);
  m_leftCol = ClampCol(m_leftCol);
}

void TableDocument::SetCol(int col) { SetCurrentCell(col, m_row); }

void TableDocument::SetRow(int row) { SetCurrentCell(m_col, row); }

void TableDocument::SetCurrentCell(int col, int row) {
  m_col = ClampCol(col);
  m_row = ClampRow(row);
  m_selection = {m_col, m_row, m_col, m_row};
}

void TableDocument::SetSelection(const TGridRect& rect) {
  m_selection = {ClampCol(rect.Left), ClampRow(rect.Top), ClampCol(rect.Right), ClampRow(rect.Bottom)};
  m_col = m_selection.Left;
  m_row = m_selection.Top;
}

void TableDocument::SetSelectionAndCurrent(const TGridRect& rect, int col, int row) {
  SetSelection(rect);
  m_col = ClampCol(col);
  m_row = ClampRow(row);
}

void TableDocument::MoveRow(int from, int to) {
  RequireIndex(from >= 1 && from < RowCount() && to >= 1 && to < RowCount(), "row index");
  if (from == to) return;
  if (Journaling()) {
    AddRecord(RowMoved{to, from});
    NoteRowsMoved();
  }
  const auto begin = m_rows.begin();
  if (from < to) {
    std::rotate(begin + from, begin + from + 1, begin + to + 1);
  } else if (from > to) {
    std::rotate(begin + to, begin + from, begin + from + 1);
  }
}

void TableDocument::MoveColumn(int from, int to) {
  RequireIndex(from >= 1 && from < ColCount() && to >= 1 && to < ColCount(), "column index");
  if (from == to) return;
  if (Journaling()) {
    AddRecord(ColumnMoved{to, from});
  }
  const auto begin = m_columns.begin();
  if (from < to) {
    std::rotate(begin + from, begin + from + 1, begin + to + 1);
  } else {
    std::rotate(begin + to, begin + from, begin + from + 1);
  }
  const auto f = static_cast<std::size_t>(from - 1);
  const auto t = static_cast<std::size_t>(to - 1);
  RebuildRowsFrom(std::min(from, to), [f, t](std::vector<std::string_view>& cells) {
    cells.resize(std::max({cells.size(), f + 1, t + 1}));
    if (f < t) {
      std::rotate(cells.begin() + static_cast<std::ptrdiff_t>(f),
                  cells.begin() + static_cast<std::ptrdiff_t>(f + 1),
                  cells.begin() + static_cast<std::ptrdiff_t>(t + 1));
    } else {
      std::rotate(cells.begin() + static_cast<std::ptrdiff_t>(t),
                  cells.begin() + static_cast<std::ptrdiff_t>(f),
                  cells.begin() + static_cast<std::ptrdiff_t>(f + 1));
    }
  });
}

void TableDocument::DeleteRows(int first, int last) {
  RequireIndex(first >= 1 && first <= last && last < RowCount(), "row index");
  if (Journaling()) {
    RowsRemoved removed{first, {}, {}};
    TakeRows(first, last - first + 1, removed.rows);
    AddRecord(std::move(removed));
    int& fresh = m_open->freshFrom;
    if (fresh != INT_MAX) fresh = last < fresh ? fresh - (last - first + 1) : std::min(fresh, first);
    ClampCursor();
    return;
  }
  for (int r = first; r <= last; ++r) ReleaseCells(m_rows[static_cast<std::size_t>(r)]);
  m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
  ClampCursor();
}

void TableDocument::DeleteRowSet(std::span<const int> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i] < 1 || rows[i] >= RowCount() || (i > 0 && rows[i] <= rows[i - 1])) {
      throw std::invalid_argument("not a set of data rows");
    }
  }
  if (rows.empty()) return;
  if (Journaling()) {
    RowsRemoved removed{rows.front(), {}, std::vector<int>(rows.begin(), rows.end())};
    TakeRowSet(removed.positions, removed.rows);
    int& fresh = m_open->freshFrom;
    if (fresh != INT_MAX) fresh -= static_cast<int>(std::lower_bound(rows.begin(), rows.end(), fresh) - rows.begin());
    AddRecord(std::move(removed));
    ClampCursor();
    return;
  }
  std::vector<RowSlot> taken;
  TakeRowSet(rows, taken);
  for (RowSlot& slot : taken) ReleaseCells(slot);
  ClampCursor();
}

void TableDocument::DeleteColumns(int first, int last) {
  RequireIndex(first >= 1 && first <= last && last < ColCount(), "column index");
  if (Journaling()) {
    ColumnsRemoved removed{first, {}, {}};
    TakeColumns(first, last - first + 1, removed.columns, removed.cells);
    AddRecord(std::move(removed));
    ClampCursor();
    return;
  }
  const auto f = static_cast<std::size_t>(first - 1);
  const auto l = static_cast<std::size_t>(last - 1);
  RebuildRowsFrom(first, [f, l](std::vector<std::string_view>& cells) {
    const std::size_t end = std::min(cells.size(), l + 1);
    cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(f), cells.begin() + static_cast<std::ptrdiff_t>(end));
  });
  m_columns.erase(m_columns.begin() + first, m_columns.begin() + last + 1);
  ClampCursor();
}

void TableDocument::ReorderColumns(std::span<const int> order) {
  const auto count = static_cast<std::size_t>(ColCount());
  std::vector<bool> seen;
  if (!IsOrderKeepingFirst(order, count, seen)) throw std::invalid_argument("not a column order");
  if (Journaling()) {
    AddRecord(ColumnsReordered{InverseOrder(order)});
  }
  std::vector<Column> columns;
  columns.reserve(count);
  for (const int from : order) columns.push_back(std::move(m_columns[static_cast<std::size_t>(from)]));
  m_columns = std::move(columns);
  std::vector<std::string_view> moved;
  RebuildRowsFrom(1, [&](std::vector<std::string_view>& cells) {
    moved.assign(count - 1, std::string_view());
    for (std::size_t to = 1; to < count; ++to) {
      const auto from = static_cast<std::size_t>(order[to]);
      if (from - 1 < cells.size()) moved[to - 1] = cells[from - 1];
    }
    cells.swap(moved);
  });
}

void TableDocument::ReorderRows(std::vector<int> order) {
  std::vector<bool> seen;
  if (!IsOrderKeepingFirst(order, m_rows.size(), seen)) throw std::invalid_argument("not a row order");
  seen = std::vector<bool>();
  RowVector moved = PermutedRows(order, false);
  if (Journaling()) {
    AddRecord(RowsReordered{std::move(order), true});
    NoteRowsMoved();
  }
  m_rows.swap(moved);  // only now: nothing above may leave the rows half moved or unrecorded
}

template <typename Edit>
void TableDocument::RebuildRowsFrom(int fromCol, Edit edit) {
  std::vector<std::string_view> cells;
  for (std::size_t r = 1; r < m_rows.size(); ++r) {
    RowSlot& slot = m_rows[r];
    const PackedRow packed = slot.Cells();
    if (static_cast<int>(packed.Count()) < fromCol) continue;
    cells.assign(packed.Count(), std::string_view());
    for (std::uint32_t i = 0; i < packed.Count(); ++i) cells[i] = packed.Cell(i);
    edit(cells);
    StoreCells(slot, cells, true);
  }
}

}  // namespace tabulo
