#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/LargeAllocator.h"
#include "core/document/ChangeRecord.h"
#include "core/document/EditHistory.h"
#include "core/document/FieldList.h"
#include "core/document/GPItem.h"
#include "core/document/GridParts.h"
#include "core/document/PackedRow.h"
#include "core/document/RowMemory.h"
#include "core/locale/EncodingDetection.h"

namespace tabulo {

// A rectangle of cells, inclusive on all sides, in grid coordinates.
struct TGridRect {
  int Left = 1;
  int Top = 1;
  int Right = 1;
  int Bottom = 1;
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// Texts the row-number column holds besides the numbers.
inline constexpr std::string_view kTotalsRowLabel = "\x8F\x57\x8C\x76";  // "集計"
inline constexpr std::string_view kDeletedRowLabel = "\x8F\xC1\x8B\x8E";  // "消去"
inline constexpr std::string_view kRowNumberTitle = "\x8D\x73\x94\xD4";   // "行番"

// The table document: a grid of code page 932 text cells with the grid's
// coordinates. Row 0 is the title row and column 0 the row-number column,
// both fixed; data start at (1, 1). The title cell of every column, column 0
// included, is that column's attribute record (its Title), so moving,
// inserting or deleting a column carries its attributes along. Each data row
// also carries its row-number text, a height and a link slot (the source row
// of a narrowed window).
//
// Coordinates are (col, row) as in the grid. Reading a cell outside the grid
// gives the empty text; writing one throws std::out_of_range.
class TableDocument {
 public:
  static constexpr int kMaxColCount = 65536;  // column 0 included
  // Far beyond what fits a desktop's memory for real data, but a file of
  // nothing but line breaks must get a message, not exhaust memory.
  static constexpr int kMaxRowCount = 100'000'000;
  static constexpr int kInitialColWidth = tabulo::kInitialColWidth;
  static constexpr int kInitialRowHeight = tabulo::kInitialRowHeight;
  static constexpr std::size_t kMaxRowLabelBytes = tabulo::kMaxRowLabelBytes;

  // An empty grid of 2 columns and 2 rows (the window builds a new document
  // from it with NewDocument).
  TableDocument();
  ~TableDocument();
  TableDocument(const TableDocument&) = delete;
  TableDocument& operator=(const TableDocument&) = delete;
  TableDocument(TableDocument&& other) noexcept;
  TableDocument& operator=(TableDocument&& other) noexcept;

  int ColCount() const noexcept { return static_cast<int>(m_columns.size()); }
  int RowCount() const noexcept { return static_cast<int>(m_rows.size()); }
  static constexpr int FixedCols() noexcept { return 1; }
  static constexpr int FixedRows() noexcept { return 1; }

  // Growing adds empty columns with fresh records and the default width;
  // shrinking drops the last columns with their cells. At least 1, at most
  // kMaxColCount (throws TabuloError beyond).
  void SetColCount(int count);
  // Growing adds empty rows with the default height; shrinking drops the
  // last rows. At least 1, at most kMaxRowCount (throws TabuloError beyond).
  void SetRowCount(int count);
  // Makes room for `count` rows ahead of a bulk read.
  void ReserveRows(int count);

  std::string_view Cell(int col, int row) const noexcept;
  // The stored cells of data row `row` from column 1 (cell index 0 is
  // column 1), for loops over whole rows; empty for the title row or a row
  // outside the grid. Cells beyond the last column may still be stored.
  PackedRow RowCells(int row) const noexcept {
    return row >= 1 && row < RowCount() ? m_rows[static_cast<std::size_t>(row)].Cells() : PackedRow();
  }
  // Row 0 sets the column's Title; column 0 the row-number text (at most
  // kMaxRowLabelBytes bytes, else std::invalid_argument).
  void SetCell(int col, int row, std::string_view text);
  // Replaces data row `row`'s cells from column 1 with fields [first, first +
  // count) of `fields`, dropping those beyond the last column; column 0 is
  // not touched. Meant for filling many rows one after another.
  void SetRowCells(int row, const FieldList& fields, std::size_t first, std::size_t count);
  // Sets cells firstCol .. firstCol + values.size() - 1 of data row `row` in
  // one rebuild of the row (values beyond the last column are dropped). Meant
  // for range operations over many rows.
  void ReplaceRowCells(int row, int firstCol, std::span<const std::string_view> values);
  // Empties every cell of a data row from column 1 on.
  void ClearRowCells(int row);
  // Replaces data row `row`'s cells from column 1 with a copy of `cells` (a
  // row of this or another document, as RowCells gives it) in one block
  // copy; cells beyond the last column are dropped. Column 0 is not touched.
  void CopyRowCells(int row, const PackedRow& cells);
  // Empties every cell, titles and row numbers included.
  void ClearAllCells();

  bool IsTotalsRow(int row) const noexcept { return row >= 1 && Cell(0, row) == kTotalsRowLabel; }

  // Within an edit step the record is kept as it was before it is handed
  // out for changing.
  TGPItem& Item(int col) {
    if (Journaling()) SaveColumnState(col);
    return m_columns.at(static_cast<std::size_t>(col)).item;
  }
  const TGPItem& Item(int col) const { return m_columns.at(static_cast<std::size_t>(col)).item; }

  int ColWidth(int col) const { return m_columns.at(static_cast<std::size_t>(col)).width; }
  void SetColWidth(int col, int width);
  int RowHeight(int row) const { return m_rows.at(static_cast<std::size_t>(row)).height; }
  void SetRowHeight(int row, int height);
  int DefaultColWidth() const noexcept { return m_defaultColWidth; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const noexcept { return m_defaultRowHeight; }
  void SetDefaultRowHeight(int height);

  // The source row a narrowed window's row stands for; -1 when none.
  int RowLink(int row) const { return m_rows.at(static_cast<std::size_t>(row)).link; }
  void SetRowLink(int row, int sourceRow);

  // The current cell; setting it collapses the selection onto it. Both stay
  // within the data area (at least 1).
  int Col() const noexcept { return m_col; }
  int Row() const noexcept { return m_row; }
  void SetCol(int col);
  void SetRow(int row);
  void SetCurrentCell(int col, int row);
  const TGridRect& Selection() const noexcept { return m_selection; }
  // Takes the rectangle as given (clamped to the data area); the current cell
  // becomes its top-left corner.
  void SetSelection(const TGridRect& rect);
  // Both at once, as a view reports them (the current cell need not be a
  // corner of the selection).
  void SetSelectionAndCurrent(const TGridRect& rect, int col, int row);
  int TopRow() const noexcept { return m_topRow; }
  void SetTopRow(int row) { m_topRow = ClampRow(row); }
  int LeftCol() const noexcept { return m_leftCol; }
  void SetLeftCol(int col) { m_leftCol = ClampCol(col); }

  // Bytes the document holds in row chunks, for tests and measurements.
  std::size_t ChunkBytes() const noexcept { return m_memory.ChunkBytes(); }

  // Grid primitives. A move carries cells, records, widths, heights and
  // links; a delete removes them. Indices must lie within the grid.
  void MoveRow(int from, int to);
  void MoveColumn(int from, int to);
  void DeleteRows(int first, int last);
  // Deletes the data rows listed in `rows` (ascending, no repeats, each a
  // data row; std::invalid_argument otherwise) in one pass over the rows,
  // so that many scattered rows cost no more than a few contiguous ones.
  void DeleteRowSet(std::span<const int> rows);
  void DeleteColumns(int first, int last);
  // Puts the columns in a new order in one pass: the column at position i
  // becomes the one that was at order[i]. `order` must be a permutation of
  // 0 .. ColCount()-1 with order[0] == 0 (the row-number column stays first);
  // std::invalid_argument otherwise.
  void ReorderColumns(std::span<const int> order);
  // Puts the rows in a new order in one pass, as whole slots: the row at
  // position i becomes the one that was at order[i], with its cells,
  // row-number text, height and link. `order` must be a permutation of
  // 0 .. RowCount()-1 with order[0] == 0 (the title row stays first);
  // std::invalid_argument otherwise. An edit step keeps the order itself (4
  // bytes a row), not the rows; meanwhile the new order of the slots takes 32
  // bytes a row.
  void ReorderRows(std::vector<int> order);

  // Edit steps. The changes a command makes between BeginStep and
  // CommitStep form one step of the history, which Undo takes back and Redo
  // makes again; RollbackStep takes back what changed since the matching
  // BeginStep (a failing command leaves no half change). Steps nest: an inner
  // step joins the outer one, and only the outermost goes into the history
  // (when it changed anything). Each returns what it changed, for the views.
  // The cursor and selection come back as they were before the step (undo)
  // or after it (redo). Within a step, every change of cells, rows, columns,
  // column records and widths, row heights and links is kept; the cursor,
  // the scroll position and the default sizes are not.
  void BeginStep(std::string caption);
  ChangeRecord CommitStep();
  void RollbackStep() noexcept;
  bool InStep() const noexcept { return m_open != nullptr; }
  ChangeRecord Undo();
  ChangeRecord Redo();
  const EditHistory& History() const noexcept { return m_history; }
  // Forgets every step (a new or newly opened document); unmodified.
  void ClearHistory();
  void MarkSaved() noexcept { m_history.MarkSaved(); }

  // The encoding of the cells' bytes and of the file they were read from
  // (code page 932 for a new document). Cells are never converted by
  // setting it: the reader sets it for the bytes it stores, and a
  // conversion, within an edit step, after converting them.
  const FileEncoding& Encoding() const noexcept { return m_encoding; }
  void SetEncoding(const FileEncoding& encoding);
  void SetHistoryMemoryLimit(std::size_t bytes) { m_history.SetMemoryLimit(bytes, m_memory); }

 private:
  struct OpenStep;

  bool Journaling() const noexcept { return m_open != nullptr && !m_replaying; }
  CellTexts& CellJournal();
  bool IsFreshRow(int row) const noexcept;
  void JournalCell(int col, int row, std::string_view old);
  void JournalRowCells(int row, int firstCol, std::size_t count);
  // Keeps the row's whole block in the step instead of giving it back; true
  // when it did (the slot then has no block of its own).
  bool KeepRowBlock(RowSlot& slot, int row);
  void SaveColumnState(int col);
  void SaveRowState(int row);
  void NoteColumnsChanged();
  void DropUnchangedStates(std::vector<EditRecord>& records) const;
  void NoteRowsMoved();
  void AddRecord(EditRecord record);
  CursorState Cursor() const noexcept;
  void SetCursor(const CursorState& state);
  // Applying records (TableDocumentSteps.cpp): each puts back what it holds
  // and becomes the record of what it replaced.
  void ApplyRecords(EditStep& step, bool undo, ChangeRecord& changes);
  void ApplyRecord(EditRecord& record, ChangeRecord& changes);
  void ApplyCellTexts(CellTexts& texts, ChangeRecord& changes);
  void TakeRows(int first, int count, std::vector<RowSlot>& into);
  // Takes out the rows at `positions` (ascending) in one pass, and puts such
  // rows back (`positions` counted after putting them back).
  void TakeRowSet(std::span<const int> positions, std::vector<RowSlot>& into);
  void PutRowSet(std::span<const int> positions, std::vector<RowSlot>& rows);
  void TakeColumns(int first, int count, std::vector<GridColumn>& columns, CellTexts& cells);
  void PutColumns(int first, std::vector<GridColumn>& columns, const CellTexts& cells);
  std::vector<int> InverseOrder(std::span<const int> order) const;
  using RowVector = std::vector<RowSlot, LargeAllocator<RowSlot>>;
  // The slots in a new order: slot order[i] at i, or with `back` slot i at
  // order[i].
  RowVector PermutedRows(std::span<const int> order, bool back) const;

  using Column = GridColumn;

  RowSlot& Slot(int row);
  // Packs `cells` into a new block for `slot`, giving back its old one.
  void StoreCells(RowSlot& slot, std::span<const std::string_view> cells, bool bulk);
  // The same with one stored cell (index below the slot's count) replaced.
  void StoreCell(RowSlot& slot, std::uint32_t index, std::string_view text);
  void ReleaseCells(RowSlot& slot) noexcept;
  void ReleaseAllRows() noexcept;
  void ClampCursor();
  int ClampCol(int col) const noexcept;
  int ClampRow(int row) const noexcept;
  // Rebuilds every row whose stored cells reach column `fromCol`, passing
  // the row's cells (index 0 = column 1) to `edit` to be rearranged.
  template <typename Edit>
  void RebuildRowsFrom(int fromCol, Edit edit);

  std::vector<Column> m_columns;
  RowVector m_rows;
  RowMemory m_memory;
  int m_defaultColWidth = kInitialColWidth;
  int m_defaultRowHeight = kInitialRowHeight;
  int m_col = 1;
  int m_row = 1;
  TGridRect m_selection;
  int m_topRow = 1;
  int m_leftCol = 1;
  FileEncoding m_encoding;
  EditHistory m_history;
  std::unique_ptr<OpenStep> m_open;
  bool m_replaying = false;
};

}  // namespace tabulo
