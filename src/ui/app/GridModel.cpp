#include "ui/app/GridModel.h"

#include <QColor>

#include "core/base/Errors.h"
#include "core/document/EditTransaction.h"
#include "ui/app/CellText.h"

namespace tabulo::ui {
namespace {

constexpr const char* kTypingCaption = "入力";

// Totals rows are blue on aqua whatever their values.
const CellColors kTotalsRowColors{Color::Rgb(0, 0, 255), Color::Rgb(0, 255, 255)};

}  // namespace

GridModel::GridModel(TableDocument& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_grid.RowCount() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_grid.ColCount() - 1;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const TableDocument& grid = m_grid;  // reading only: no step keeps what painting looks at
  const int col = index.column() + 1;
  const int row = index.row() + 1;
  switch (role) {
    case Qt::DisplayRole: return CellDisplayText(grid.Item(col), grid.Cell(col, row), m_showGrouped, Converter());
    case Qt::EditRole: return ToQString(grid.Cell(col, row));
    case Qt::TextAlignmentRole: return QVariant::fromValue(AlignmentOf(grid.Item(col).DrawFlags));
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
      const CellColors colors =
          grid.IsTotalsRow(row) ? kTotalsRowColors : grid.Item(col).GetCellColors(grid.Cell(col, row));
      const QColor color = ToQColor(role == Qt::ForegroundRole ? colors.font : colors.brush);
      if (!color.isValid()) return {};  // the view's own palette
      return color;
    }
    default: return {};
  }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  // Closing an editor without a change writes nothing: converting the text
  // back would turn code page 932's duplicate characters into their other
  // codes and could not store stray bytes at all.
  if (value.toString() == ToQString(m_grid.Cell(index.column() + 1, index.row() + 1))) return true;
  std::string text;
  try {
    text = Converter().FromUtf16(value.toString().toStdU16String());
  } catch (const ConvertError& error) {
    emit TextNotStorable(QString::fromUtf8(error.what()));
    return false;
  }
  // Typing into a cell is one step of the document's history.
  EditTransaction edit(m_grid, kTypingCaption);
  m_grid.SetCell(index.column() + 1, index.row() + 1, text);
  edit.Commit();
  emit dataChanged(index, index);
  emit CellTyped();
  return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::DisplayRole) {
    if (orientation == Qt::Horizontal) return ToQString(m_grid.Cell(section + 1, 0));
    return QString::fromStdU16String(m_labels.ToUtf16(m_grid.Cell(0, section + 1)));
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

TextConverter& GridModel::Converter() const {
  const TextEncoding encoding = m_grid.Encoding().encoding;
  if (!m_converter || m_converter->Encoding() != encoding) m_converter = std::make_unique<TextConverter>(encoding);
  return *m_converter;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void GridModel::SetShowGrouped(bool grouped) {
  if (grouped == m_showGrouped) return;
  m_showGrouped = grouped;
  if (rowCount() > 0 && columnCount() > 0) emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
}

void GridModel::DocumentReset() {
  beginResetModel();
  endResetModel();
}

void GridModel::RowsChanged(int firstRow, int lastRow) {
  if (columnCount() == 0 || firstRow > lastRow) return;
  emit dataChanged(index(firstRow - 1, 0), index(lastRow - 1, columnCount() - 1));
}

void GridModel::HeadersChanged() {
  if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

}  // namespace tabulo::ui
