#pragma once

#include <QTableView>

#include <cstdint>

class QHeaderView;

namespace tabulo::ui {

// The table grid `SGCSV`: a view over GridModel with the title row as its
// horizontal header, the row numbers as its vertical header and "行番" in the
// corner. In edit mode cells are selected as one rectangle (headers select
// whole rows and columns, dragging extends); in input mode the current cell
// is edited in place, rows are moved by dragging their row number and columns
// by dragging their title.
class GridView final : public QTableView {
  Q_OBJECT

 public:
  explicit GridView(QWidget* parent = nullptr);

  void SetInputMode(bool input);
  bool InputMode() const noexcept { return m_inputMode; }

  // Every row, the title row included, is this high; the row-number column
  // this wide.
  void SetRowHeight(int height);
  void SetRowNumberWidth(int width);

  // Whether a title dragged onto another moves its column (input mode, not
  // in a narrowed window).
  void SetColumnsMovable(bool movable) { m_columnsMovable = movable; }

  // Opens the cell editor on the current cell (input mode).
  void OpenEditor();
  bool Editing() const { return state() == EditingState; }

  // The input-method mode of the column being entered (1..8) and the hints
  // that stand for it here; they apply to the view and its editor.
  void SetImeMode(std::uint8_t imeMode, Qt::InputMethodHints hints);
  std::uint8_t ImeMode() const noexcept { return m_imeMode; }

 signals:
  // Enter was pressed in edit mode, or pressed to finish an edit.
  void EnterPressed();
  // A row number was dragged from one data row to another (1-based).
  void RowDragged(int from, int to);
  // A title was dragged from one column onto another (1-based).
  void ColumnDragged(int from, int to);
  // The right button was pressed on a column's title (1-based column).
  void TitleRightClicked(int col);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool PaintCorner(QWidget* corner);
  // A press on one section of `header` and a release on another: reports
  // the two sections through `dragged`. Whether the event was taken.
  bool HandleHeaderDrag(QHeaderView* header, QEvent* event, int& dragFrom, void (GridView::*dragged)(int, int));

  bool m_inputMode = false;
  bool m_columnsMovable = false;
  std::uint8_t m_imeMode = 3;
  int m_rowDragFrom = -1;     // the model row whose number is being dragged
  int m_columnDragFrom = -1;  // the model column whose title is being dragged
};

}  // namespace tabulo::ui
