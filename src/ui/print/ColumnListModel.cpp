#include "ui/print/ColumnListModel.h"

#include <QStringList>

#include "ui/print/ColumnFieldTexts.h"

namespace tabulo::ui {

ColumnListModel::ColumnListModel(const std::vector<ColumnEntry>& entries, AttributeDialogMode mode,
                                 TextEncoding encoding, QObject* parent)
    : QAbstractListModel(parent), m_entries(entries), m_mode(mode), m_converter(encoding) {}

int ColumnListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant ColumnListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ColumnEntry& entry = m_entries[static_cast<std::size_t>(index.row())];
  TextConverter& converter = entry.column == 0 ? m_labels : m_converter;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:  // the name field may be too narrow for all of it
      return FieldTextsOf(entry, m_mode, converter)[FieldName];
    case FieldTextsRole: {
      const ColumnFieldTexts texts = FieldTextsOf(entry, m_mode, converter);
      return QStringList(texts.begin(), texts.end());
    }
    case PrintedRole: return entry.item->Printed != 0;
    default: return {};
  }
}

void ColumnListModel::EntriesChanged() {
  if (!m_entries.empty()) emit dataChanged(index(0), index(rowCount() - 1));
}

}  // namespace tabulo::ui
