#pragma once

#include <QAbstractListModel>
#include <vector>

#include "core/locale/Encoding.h"
#include "ui/print/ColumnEntry.h"

namespace tabulo::ui {

// The lines of the column attribute list over the dialog's entries, which
// the dialog changes in place and then announces with EntriesChanged. A line
// gives the delegate its six field texts and whether the column is printed.
class ColumnListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Role {
    FieldTextsRole = Qt::UserRole + 1,  // QStringList, in ListField order
    PrintedRole,                        // bool
  };

  ColumnListModel(const std::vector<ColumnEntry>& entries, AttributeDialogMode mode, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Every line may show something new: records changed or entries moved.
  void EntriesChanged();

 private:
  const std::vector<ColumnEntry>& m_entries;
  AttributeDialogMode m_mode;
  // Converting does not change what the model shows, but the converter keeps
  // state between calls.
  mutable Cp932Converter m_converter;
};

}  // namespace tabulo::ui
