// Edit steps of the table document: keeping what each change replaced, and
// putting it back for rollback, undo and redo.

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "core/document/OpenStep.h"
#include "core/document/TableDocument.h"

namespace tabulo {

namespace {

// Applying records must not keep records of its own.
class ReplayScope {
 public:
  explicit ReplayScope(bool& replaying) : m_replaying(replaying) { m_replaying = true; }
  ~ReplayScope() { m_replaying = false; }
  ReplayScope(const ReplayScope&) = delete;
  ReplayScope& operator=(const ReplayScope&) = delete;

 private:
  bool& m_replaying;
};

void LoadCells(const RowSlot& slot, std::vector<std::string_view>& cells) {
  const PackedRow packed = slot.Cells();
  cells.resize(packed.Count());
  for (std::uint32_t i = 0; i < packed.Count(); ++i) cells[i] = packed.Cell(i);
}

void TrimTrailingEmpty(std::vector<std::string_view>& cells) {
  while (!cells.empty() && cells.back().empty()) cells.pop_back();
}

}  // namespace

// ---- Keeping what changes replace --------------------------------------

CursorState TableDocument::Cursor() const noexcept {
  return {m_col, m_row, m_selection.Left, m_selection.Top, m_selection.Right, m_selection.Bottom, m_topRow, m_leftCol};
}

void TableDocument::SetCursor(const CursorState& state) {
  m_col = state.col;
  m_row = state.row;
  m_selection = {state.selLeft, state.selTop, state.selRight, state.selBottom};
  m_topRow = state.topRow;
  m_leftCol = state.leftCol;
  ClampCursor();
}

bool TableDocument::IsFreshRow(int row) const noexcept { return row >= m_open->freshFrom; }

void TableDocument::AddRecord(EditRecord record) {
  ChangeRecord& changes = m_open->step.changes;
  if (std::holds_alternative<ColumnState>(record) || std::holds_alternative<RowState>(record)) {
    changes.headersChanged = true;
  } else if (!std::holds_alternative<CellTexts>(record)) {
    changes.shapeChanged = true;
  }
  if (const auto* removed = std::get_if<RowsRemoved>(&record)) changes.Touch(m_col, removed->first);
  if (const auto* inserted = std::get_if<RowsInserted>(&record)) changes.Touch(m_col, inserted->first);
  if (std::holds_alternative<ColumnsRemoved>(record) || std::holds_alternative<ColumnsInserted>(record) ||
      std::holds_alternative<ColumnMoved>(record) || std::holds_alternative<ColumnsReordered>(record)) {
    NoteColumnsChanged();  // the kept states' indices no longer hold
  }
  if (const auto* removed = std::get_if<ColumnsRemoved>(&record)) changes.Touch(removed->first, m_row);
  if (const auto* inserted = std::get_if<ColumnsInserted>(&record)) changes.Touch(inserted->first, m_row);
  m_open->step.records.push_back(std::move(record));
}

CellTexts& TableDocument::CellJournal() {
  std::vector<EditRecord>& records = m_open->step.records;
  const std::size_t mark = m_open->marks.empty() ? 0 : m_open->marks.back();
  if (records.size() <= mark || !std::holds_alternative<CellTexts>(records.back())) records.emplace_back(CellTexts());
  return std::get<CellTexts>(records.back());
}

void TableDocument::JournalCell(int col, int row, std::string_view old) {
  if (IsFreshRow(row) || m_open->overflow) return;
  CellTexts& texts = CellJournal();
  if (texts.Full()) {
    m_open->overflow = true;
    return;
  }
  texts.Add(row, col, old);
  ChangeRecord& changes = m_open->step.changes;
  if (col == 0) {
    changes.headersChanged = true;
  } else {
    changes.AddCell(col, row);
  }
}

void TableDocument::JournalRowCells(int row, int firstCol, std::size_t count) {
  if (IsFreshRow(row)) return;
  const PackedRow packed = m_rows[static_cast<std::size_t>(row)].Cells();
  for (std::size_t i = 0; i < count; ++i) {
    const int col = firstCol + static_cast<int>(i);
    JournalCell(col, row, packed.Cell(static_cast<std::uint32_t>(col - 1)));
  }
}

bool TableDocument::KeepRowBlock(RowSlot& slot, int row) {
  if (IsFreshRow(row)) return false;
  std::vector<EditRecord>& records = m_open->step.records;
  const std::size_t mark = m_open->marks.empty() ? 0 : m_open->marks.back();
  if (records.size() <= mark || !std::holds_alternative<RowBlocks>(records.back())) records.emplace_back(RowBlocks());
  std::get<RowBlocks>(records.back()).entries.push_back({slot.data, slot.count, row, slot.chunk});
  m_open->step.changes.AddCell(1, row);
  m_open->step.changes.AddCell(std::max(1, ColCount() - 1), row);
  slot.data = nullptr;
  slot.count = 0;
  slot.chunk = RowMemory::kHeap;
  return true;
}

void TableDocument::SaveColumnState(int col) {
  std::vector<bool>& saved = m_open->columnSaved;
  if (col < 0 || col >= ColCount()) return;  // the caller's own check reports it
  if (saved.size() < static_cast<std::size_t>(ColCount())) saved.resize(static_cast<std::size_t>(ColCount()), false);
  if (saved[static_cast<std::size_t>(col)]) return;
  saved[static_cast<std::size_t>(col)] = true;
  AddRecord(ColumnState{col, m_columns[static_cast<std::size_t>(col)]});
}

void TableDocument::SaveRowState(int row) {
  if (row >= 1 && IsFreshRow(row)) return;
  const RowSlot& slot = m_rows[static_cast<std::size_t>(row)];
  AddRecord(RowState{row, slot.height, slot.link});
}

void TableDocument::NoteColumnsChanged() { m_open->columnSaved.clear(); }

void TableDocument::NoteRowsMoved() { m_open->freshFrom = INT_MAX; }

// ---- Steps -------------------------------------------------------------

void TableDocument::BeginStep(std::string caption) {
  if (m_open) {
    m_open->marks.push_back(m_open->step.records.size());
    m_open->columnSaved.clear();
    return;
  }
  m_open = std::make_unique<OpenStep>();
  m_open->step.caption = std::move(caption);
  m_open->step.before = Cursor();
  m_open->freshFrom = RowCount();
}

ChangeRecord TableDocument::CommitStep() {
  if (!m_open) throw std::logic_error("no edit step is open");
  if (!m_open->marks.empty()) {
    m_open->marks.pop_back();
    return {};
  }
  std::unique_ptr<OpenStep> open = std::move(m_open);
  EditStep& step = open->step;
  step.after = Cursor();
  const ChangeRecord changes = step.changes;
  if (open->overflow) {
    // Too much was replaced to keep: nothing before this point can be undone.
    for (EditRecord& record : step.records) ReleaseRecord(record, m_memory);
    m_history.Clear(m_memory);
    m_history.MarkUnsaved();
  } else {
    DropUnchangedStates(step.records);
    if (!step.records.empty()) m_history.Push(std::move(step), m_memory);
  }
  return changes;
}

void TableDocument::DropUnchangedStates(std::vector<EditRecord>& records) const {
  // A column record handed out for changing (or a dialog left with Cancel)
  // may end as it was: when the earliest kept state of a column or row equals
  // its state now, all its kept states together change nothing. Only states
  // after the last change of shape still name the column or row they were
  // taken from, so only those are looked at.
  std::size_t columnsFrom = 0;
  std::size_t rowsFrom = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const EditRecord& record = records[i];
    if (std::holds_alternative<ColumnsRemoved>(record) || std::holds_alternative<ColumnsInserted>(record) ||
        std::holds_alternative<ColumnMoved>(record) || std::holds_alternative<ColumnsReordered>(record)) {
      columnsFrom = i + 1;
    } else if (std::holds_alternative<RowsRemoved>(record) || std::holds_alternative<RowsInserted>(record) ||
               std::holds_alternative<RowMoved>(record) || std::holds_alternative<RowsReordered>(record)) {
      rowsFrom = i + 1;
    }
  }
  // The first state of each column and row since then decides for all of them.
  enum : std::uint8_t { kUnseen, kChanged, kUnchanged };
  std::vector<std::uint8_t> columns(m_columns.size(), kUnseen);
  std::vector<std::uint8_t> rows;
  bool any = false;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (const auto* column = std::get_if<ColumnState>(&records[i]); column && i >= columnsFrom) {
      auto& seen = columns[static_cast<std::size_t>(column->col)];
      if (seen == kUnseen) seen = m_columns[static_cast<std::size_t>(column->col)] == column->column ? kUnchanged : kChanged;
      any |= seen == kUnchanged;
    } else if (const auto* row = std::get_if<RowState>(&records[i]); row && i >= rowsFrom) {
      if (rows.empty()) rows.assign(m_rows.size(), kUnseen);
      auto& seen = rows[static_cast<std::size_t>(row->row)];
      const RowSlot& slot = m_rows[static_cast<std::size_t>(row->row)];
      if (seen == kUnseen) seen = slot.height == row->height && slot.link == row->link ? kUnchanged : kChanged;
      any |= seen == kUnchanged;
    }
  }
  if (!any) return;
  std::size_t out = 0;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto* column = std::get_if<ColumnState>(&records[i]);
    const auto* row = std::get_if<RowState>(&records[i]);
    const bool drop = (column && i >= columnsFrom && columns[static_cast<std::size_t>(column->col)] == kUnchanged) ||
                      (row && i >= rowsFrom && rows[static_cast<std::size_t>(row->row)] == kUnchanged);
    if (drop) continue;
    if (out != i) records[out] = std::move(records[i]);
    ++out;
  }
  records.erase(records.begin() + static_cast<std::ptrdiff_t>(out), records.end());
}

void TableDocument::RollbackStep() noexcept {
  if (!m_open) return;
  std::vector<EditRecord>& records = m_open->step.records;
  const bool inner = !m_open->marks.empty();
  const std::size_t mark = inner ? m_open->marks.back() : 0;
  try {
    ChangeRecord ignored;
    ReplayScope replay(m_replaying);
    for (std::size_t i = records.size(); i > mark; --i) ApplyRecord(records[i - 1], ignored);
    if (!inner) SetCursor(m_open->step.before);
  } catch (...) {
    // Out of memory while putting things back: what is left cannot be undone.
    m_history.Clear(m_memory);
  }
  for (std::size_t i = mark; i < records.size(); ++i) ReleaseRecord(records[i], m_memory);
  records.erase(records.begin() + static_cast<std::ptrdiff_t>(mark), records.end());
  if (inner) {
    m_open->marks.pop_back();
    m_open->columnSaved.clear();
  } else {
    m_open.reset();
  }
}

ChangeRecord TableDocument::Undo() {
  ChangeRecord changes;
  if (m_open || !m_history.CanUndo()) return changes;
  EditStep& step = m_history.NextUndo();
  ApplyRecords(step, true, changes);
  SetCursor(step.before);
  m_history.Undone();
  return changes;
}

ChangeRecord TableDocument::Redo() {
  ChangeRecord changes;
  if (m_open || !m_history.CanRedo()) return changes;
  EditStep& step = m_history.NextRedo();
  ApplyRecords(step, false, changes);
  SetCursor(step.after);
  m_history.Redone();
  return changes;
}

void TableDocument::ClearHistory() { m_history.Clear(m_memory); }

// ---- Putting back ------------------------------------------------------

void TableDocument::ApplyRecords(EditStep& step, bool undo, ChangeRecord& changes) {
  ReplayScope replay(m_replaying);
  if (undo) {
    for (std::size_t i = step.records.size(); i > 0; --i) ApplyRecord(step.records[i - 1], changes);
  } else {
    for (EditRecord& record : step.records) ApplyRecord(record, changes);
  }
}

void TableDocument::ApplyRecord(EditRecord& record, ChangeRecord& changes) {
  if (auto* texts = std::get_if<CellTexts>(&record)) {
    ApplyCellTexts(*texts, changes);
    return;
  }
  if (auto* blocks = std::get_if<RowBlocks>(&record)) {
    // Blocks go back last to first, and the blocks they replace are kept in
    // that order (as with cell texts).
    std::vector<RowBlocks::Entry>& entries = blocks->entries;
    std::reverse(entries.begin(), entries.end());
    for (RowBlocks::Entry& entry : entries) {
      RowSlot& slot = Slot(entry.row);
      std::swap(slot.data, entry.data);
      std::swap(slot.count, entry.count);
      std::swap(slot.chunk, entry.chunk);
      changes.AddCell(1, entry.row);
      changes.AddCell(std::max(1, ColCount() - 1), entry.row);
    }
    return;
  }
  if (auto* state = std::get_if<ColumnState>(&record)) {
    std::swap(m_columns.at(static_cast<std::size_t>(state->col)), state->column);
    changes.headersChanged = true;
    changes.Touch(state->col, m_row);
    return;
  }
  if (auto* state = std::get_if<EncodingState>(&record)) {
    std::swap(m_encoding, state->encoding);
    changes.shapeChanged = true;  // every text reads differently now
    return;
  }
  if (auto* state = std::get_if<RowState>(&record)) {
    RowSlot& slot = Slot(state->row);
    std::swap(slot.height, state->height);
    std::swap(slot.link, state->link);
    changes.headersChanged = true;
    return;
  }
  changes.shapeChanged = true;
  EditRecord opposite;
  if (auto* removed = std::get_if<RowsRemoved>(&record)) {
    const auto count = static_cast<int>(removed->rows.size());
    if (removed->positions.empty()) {
      m_rows.insert(m_rows.begin() + removed->first, removed->rows.begin(), removed->rows.end());
    } else {
      PutRowSet(removed->positions, removed->rows);
    }
    removed->rows.clear();
    changes.Touch(m_col, removed->first);
    opposite = RowsInserted{removed->first, count, std::move(removed->positions)};
  } else if (auto* inserted = std::get_if<RowsInserted>(&record)) {
    RowsRemoved taken{inserted->first, {}, std::move(inserted->positions)};
    if (taken.positions.empty()) {
      TakeRows(inserted->first, inserted->count, taken.rows);
    } else {
      TakeRowSet(taken.positions, taken.rows);
    }
    changes.Touch(m_col, inserted->first);
    opposite = std::move(taken);
  } else if (auto* rowMove = std::get_if<RowMoved>(&record)) {
    MoveRow(rowMove->from, rowMove->to);
    changes.Touch(m_col, rowMove->to);
    opposite = RowMoved{rowMove->to, rowMove->from};
  } else if (auto* rowOrder = std::get_if<RowsReordered>(&record)) {
    RowVector moved = PermutedRows(rowOrder->order, rowOrder->back);
    m_rows.swap(moved);
    opposite = RowsReordered{std::move(rowOrder->order), !rowOrder->back};
  } else if (auto* removedColumns = std::get_if<ColumnsRemoved>(&record)) {
    const auto count = static_cast<int>(removedColumns->columns.size());
    PutColumns(removedColumns->first, removedColumns->columns, removedColumns->cells);
    changes.Touch(removedColumns->first, m_row);
    opposite = ColumnsInserted{removedColumns->first, count};
  } else if (auto* insertedColumns = std::get_if<ColumnsInserted>(&record)) {
    ColumnsRemoved taken{insertedColumns->first, {}, {}};
    TakeColumns(insertedColumns->first, insertedColumns->count, taken.columns, taken.cells);
    changes.Touch(insertedColumns->first, m_row);
    opposite = std::move(taken);
  } else if (auto* columnMove = std::get_if<ColumnMoved>(&record)) {
    MoveColumn(columnMove->from, columnMove->to);
    changes.Touch(columnMove->to, m_row);
    opposite = ColumnMoved{columnMove->to, columnMove->from};
  } else if (auto* reorder = std::get_if<ColumnsReordered>(&record)) {
    std::vector<int> inverse = InverseOrder(reorder->order);
    ReorderColumns(reorder->order);
    opposite = ColumnsReordered{std::move(inverse)};
  }
  record = std::move(opposite);
  ClampCursor();
}

void TableDocument::ApplyCellTexts(CellTexts& texts, ChangeRecord& changes) {
  // Entries go back last to first, and the texts they replace are kept in
  // that order, so the next application (the other way) again runs last to
  // first over the new record.
  CellTexts replaced;
  replaced.Reserve(texts.size(), texts.TextBytes() + texts.TextBytes() / 4);
  std::vector<std::string_view> cells;
  std::size_t i = texts.size();
  while (i > 0) {
    const int row = texts[i - 1].row;
    std::size_t begin = i - 1;
    while (begin > 0 && texts[begin - 1].row == row) --begin;
    if (row == 0) {
      for (std::size_t k = i; k > begin; --k) {
        const int col = texts[k - 1].col;
        std::string& title = m_columns.at(static_cast<std::size_t>(col)).item.Title;
        replaced.Add(0, col, title);
        title.assign(texts.Text(k - 1));
        changes.headersChanged = true;
      }
    } else if (begin + 1 == i && texts[begin].col >= 1 &&
               static_cast<std::uint32_t>(texts[begin].col - 1) < Slot(row).count) {
      // One stored cell of the row, as a formula run leaves them.
      RowSlot& slot = Slot(row);
      const auto index = static_cast<std::uint32_t>(texts[begin].col - 1);
      replaced.Add(row, texts[begin].col, slot.Cells().Cell(index));
      StoreCell(slot, index, texts.Text(begin));
      changes.AddCell(texts[begin].col, row);
    } else {
      RowSlot& slot = Slot(row);
      LoadCells(slot, cells);
      bool cellsChanged = false;
      for (std::size_t k = i; k > begin; --k) {
        const int col = texts[k - 1].col;
        const std::string_view text = texts.Text(k - 1);
        if (col == 0) {
          replaced.Add(row, 0, slot.label.View());
          slot.label.length = static_cast<std::uint8_t>(std::min(text.size(), kMaxRowLabelBytes));
          std::copy_n(text.begin(), slot.label.length, slot.label.text);
          changes.headersChanged = true;
          continue;
        }
        const auto index = static_cast<std::size_t>(col - 1);
        if (cells.size() <= index) cells.resize(index + 1);
        replaced.Add(row, col, cells[index]);
        cells[index] = text;
        cellsChanged = true;
        changes.AddCell(col, row);
      }
      if (cellsChanged) {
        TrimTrailingEmpty(cells);
        StoreCells(slot, cells, true);
      }
    }
    i = begin;
  }
  texts = std::move(replaced);
}

void TableDocument::TakeRows(int first, int count, std::vector<RowSlot>& into) {
  if (first < 1 || count < 0 || first + count > RowCount()) throw std::out_of_range("row index");
  const auto begin = m_rows.begin() + first;
  into.assign(begin, begin + count);
  m_rows.erase(begin, begin + count);
}

void TableDocument::TakeRowSet(std::span<const int> positions, std::vector<RowSlot>& into) {
  if (positions.empty() || positions.front() < 1 || positions.back() >= RowCount()) throw std::out_of_range("row index");
  into.clear();
  into.reserve(positions.size());
  auto write = static_cast<std::size_t>(positions.front());
  std::size_t next = 0;
  for (std::size_t read = write; read < m_rows.size(); ++read) {
    if (next < positions.size() && read == static_cast<std::size_t>(positions[next])) {
      into.push_back(m_rows[read]);
      ++next;
    } else {
      m_rows[write++] = m_rows[read];
    }
  }
  m_rows.resize(write);
}

void TableDocument::PutRowSet(std::span<const int> positions, std::vector<RowSlot>& rows) {
  const std::size_t oldCount = m_rows.size();
  if (positions.size() != rows.size() || positions.empty() || positions.front() < 1 ||
      static_cast<std::size_t>(positions.back()) >= oldCount + rows.size()) {
    throw std::out_of_range("row index");
  }
  m_rows.resize(oldCount + rows.size());
  // From the end down: each place takes either the next row put back or the
  // next row moved up; below the first place nothing moves.
  std::size_t read = oldCount;
  std::size_t next = rows.size();
  for (std::size_t write = m_rows.size(); next > 0;) {
    --write;
    if (write == static_cast<std::size_t>(positions[next - 1])) {
      m_rows[write] = rows[--next];
    } else {
      m_rows[write] = m_rows[--read];
    }
  }
  rows.clear();
}

void TableDocument::TakeColumns(int first, int count, std::vector<GridColumn>& columns, CellTexts& cells) {
  const auto firstIndex = static_cast<std::size_t>(first);
  const auto end = firstIndex + static_cast<std::size_t>(count);
  if (first < 1 || count < 0 || end > m_columns.size()) throw std::out_of_range("column index");
  columns.assign(std::make_move_iterator(m_columns.begin() + first),
                 std::make_move_iterator(m_columns.begin() + static_cast<std::ptrdiff_t>(end)));
  std::vector<std::string_view> row;
  for (std::size_t r = 1; r < m_rows.size(); ++r) {
    RowSlot& slot = m_rows[r];
    if (slot.count < static_cast<std::uint32_t>(first)) continue;
    LoadCells(slot, row);
    const std::size_t from = firstIndex - 1;
    const std::size_t to = std::min(row.size(), end - 1);
    for (std::size_t c = from; c < to; ++c) {
      if (!row[c].empty()) cells.Add(static_cast<int>(r), static_cast<int>(c + 1), row[c]);
    }
    row.erase(row.begin() + static_cast<std::ptrdiff_t>(from), row.begin() + static_cast<std::ptrdiff_t>(to));
    StoreCells(slot, row, true);
  }
  m_columns.erase(m_columns.begin() + first, m_columns.begin() + static_cast<std::ptrdiff_t>(end));
}

void TableDocument::PutColumns(int first, std::vector<GridColumn>& columns, const CellTexts& cells) {
  const auto count = columns.size();
  m_columns.insert(m_columns.begin() + first, std::make_move_iterator(columns.begin()),
                   std::make_move_iterator(columns.end()));
  columns.clear();
  std::vector<std::string_view> row;
  std::size_t entry = 0;
  const auto from = static_cast<std::size_t>(first - 1);
  for (std::size_t r = 1; r < m_rows.size(); ++r) {
    RowSlot& slot = m_rows[r];
    const bool hasTexts = entry < cells.size() && cells[entry].row == static_cast<int>(r);
    if (!hasTexts && slot.count <= from) continue;
    LoadCells(slot, row);
    if (row.size() > from) row.insert(row.begin() + static_cast<std::ptrdiff_t>(from), count, std::string_view());
    for (; entry < cells.size() && cells[entry].row == static_cast<int>(r); ++entry) {
      const auto index = static_cast<std::size_t>(cells[entry].col - 1);
      if (row.size() <= index) row.resize(index + 1);
      row[index] = cells.Text(entry);
    }
    StoreCells(slot, row, true);
  }
}

TableDocument::RowVector TableDocument::PermutedRows(std::span<const int> order, bool back) const {
  // A new vector rather than following the permutation's cycles in place:
  // the slots are then read or written independently of each other, which
  // the processor overlaps, instead of one after another.
  RowVector moved(m_rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    const auto other = static_cast<std::size_t>(order[i]);
    if (back) {
      moved[other] = m_rows[i];
    } else {
      moved[i] = m_rows[other];
    }
  }
  return moved;
}

std::vector<int> TableDocument::InverseOrder(std::span<const int> order) const {
  std::vector<int> inverse(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) inverse[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
  return inverse;
}

}  // namespace tabulo
