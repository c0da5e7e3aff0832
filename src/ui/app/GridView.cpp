#include "ui/app/GridView.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "ui/app/CellDelegate.h"

namespace tabulo::ui {

GridView::GridView(QWidget* parent) : QTableView(parent) {
  setObjectName("SGCSV");
  setItemDelegate(new CellDelegate(this));
  setWordWrap(false);
  setHorizontalScrollMode(ScrollPerPixel);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(20);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->viewport()->installEventFilter(this);
  horizontalHeader()->viewport()->installEventFilter(this);
  if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);
  SetInputMode(false);
}

void GridView::SetInputMode(bool input) {
  m_inputMode = input;
  if (input) {
    const QModelIndex current = currentIndex();
    setSelectionMode(SingleSelection);
    if (current.isValid()) selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed | SelectedClicked);
  } else {
    if (state() == EditingState) {
      // The open editor is the viewport's child; keep what was typed.
      for (QWidget* editor : viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        commitData(editor);
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
      }
    }
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ContiguousSelection);
  }
  horizontalHeader()->setSectionsClickable(!input);
  verticalHeader()->setSectionsClickable(!input);
  setCornerButtonEnabled(!input);
}

void GridView::SetRowHeight(int height) {
  verticalHeader()->setDefaultSectionSize(std::max(height, 1));
  horizontalHeader()->setFixedHeight(std::max(height, 1));  // the title row is a row like the others
}

void GridView::SetRowNumberWidth(int width) { verticalHeader()->setFixedWidth(std::max(width, 0)); }

void GridView::OpenEditor() {
  if (m_inputMode && currentIndex().isValid() && state() != EditingState) edit(currentIndex());
}

void GridView::SetImeMode(std::uint8_t imeMode, Qt::InputMethodHints hints) {
  m_imeMode = imeMode;
  setInputMethodHints(hints);
  for (QWidget* editor : viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    editor->setInputMethodHints(hints);
  }
}

void GridView::mousePressEvent(QMouseEvent* event) {
  // The right button opens the popup on the selection as it is.
  if (event->button() == Qt::RightButton) return;
  QTableView::mousePressEvent(event);
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !m_inputMode &&
      event->modifiers() == Qt::NoModifier) {
    emit EnterPressed();
    return;
  }
  QTableView::keyPressEvent(event);
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableView::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache ? QAbstractItemDelegate::NoHint : hint);
  // The cell delegate ends an edit with this hint when Enter is pressed.
  if (hint == QAbstractItemDelegate::SubmitModelCache) emit EnterPressed();
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    if (auto* corner = qobject_cast<QAbstractButton*>(watched)) return PaintCorner(corner);
  }
  if (watched == verticalHeader()->viewport() && m_inputMode &&
      HandleHeaderDrag(verticalHeader(), event, m_rowDragFrom, &GridView::RowDragged)) {
    return true;
  }
  if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      const int section = horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
      if (section >= 0) emit TitleRightClicked(section + 1);
      return true;
    }
  }
  if (watched == horizontalHeader()->viewport() && m_inputMode && m_columnsMovable &&
      HandleHeaderDrag(horizontalHeader(), event, m_columnDragFrom, &GridView::ColumnDragged)) {
    return true;
  }
  return QTableView::eventFilter(watched, event);
}

bool GridView::PaintCorner(QWidget* corner) {
  QStyleOptionHeader option;
  option.initFrom(corner);
  option.rect = corner->rect();
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.textAlignment = Qt::AlignCenter;
  option.text = QStringLiteral("行番");
  QPainter painter(corner);
  corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
  return true;
}

bool GridView::HandleHeaderDrag(QHeaderView* header, QEvent* event, int& dragFrom,
                                void (GridView::*dragged)(int, int)) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      const QPoint at = mouse->position().toPoint();
      const int section = header->logicalIndexAt(at);
      if (section < 0) return false;
      // Near a section's edge the press resizes it, as the header does itself.
      const int offset = (header->orientation() == Qt::Horizontal ? at.x() : at.y()) - header->sectionViewportPosition(section);
      const int grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
      if (header->sectionResizeMode(section) != QHeaderView::Fixed &&
          (offset < grip || header->sectionSize(section) - offset <= grip)) {
        return false;
      }
      dragFrom = section;
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const int from = dragFrom;
      dragFrom = -1;
      if (from < 0 || mouse->button() != Qt::LeftButton) return false;
      const int to = header->logicalIndexAt(mouse->position().toPoint());
      if (to >= 0 && to != from) emit(this->*dragged)(from + 1, to + 1);
      return true;
    }
    default: return false;
  }
}

}  // namespace tabulo::ui
