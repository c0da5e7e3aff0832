#include "ui/fixed/FixedPreviewModel.h"

#include <QColor>

#include "core/document/TableDocument.h"
#include "ui/app/CellText.h"

namespace tabulo::ui {

FixedPreviewModel::FixedPreviewModel(const TextLines& lines, const TFixedFieldCnf& definition, QObject* parent)
    : QAbstractTableModel(parent), m_lines(lines), m_definition(definition) {}

int FixedPreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(m_lines.size(), TableDocument::kMaxRowCount));
}

int FixedPreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(m_definition.Count() - 1, 0);
}

QVariant FixedPreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const TGPItem* field = m_definition.Field(index.column() + 1);
  if (field == nullptr) return {};
  const std::string_view cut = CutField(m_lines[static_cast<std::size_t>(index.row())], *field);
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdU16String(m_converter.ToUtf16(cut));
    case Qt::TextAlignmentRole: {
      const std::uint16_t flags = field->DrawFlags != 0 ? field->DrawFlags : DefaultDrawFlagsFor(field->Type());
      return QVariant::fromValue(AlignmentOf(flags));
    }
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
      const CellColors colors = m_definition.CheckField(*field, cut);
      const QColor color = ToQColor(role == Qt::ForegroundRole ? colors.font : colors.brush);
      if (!color.isValid()) return {};
      return color;
    }
    default: return {};
  }
}

QVariant FixedPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const TGPItem* field = m_definition.Field(section + 1);
  return field ? QString::fromStdU16String(m_converter.ToUtf16(field->Title)) : QString();
}

void FixedPreviewModel::Reset() {
  beginResetModel();
  endResetModel();
}

void FixedPreviewModel::Repaint() {
  if (rowCount() > 0 && columnCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  emit headerDataChanged(Qt::Horizontal, 0, std::max(columnCount() - 1, 0));
}

}  // namespace tabulo::ui
