#pragma once

#include <QAbstractListModel>
#include <vector>

#include "core/locale/TextConverter.h"
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

  // `encoding` is the texts' (the row-number column's are code page 932).
  ColumnListModel(const std::vector<ColumnEntry>& entries, AttributeDialogMode mode, TextEncoding encoding,
                  QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Every line may show something new: records changed or entries moved.
  void EntriesChanged();

 private:
  const std::vector<ColumnEntry>& m_entries;
  AttributeDialogMode m_mode;
  // Converting does not change what the model shows, but the converters keep
  // state between calls.
  mutable TextConverter m_converter;
  mutable TextConverter m_labels{TextEncoding::ShiftJis};
};

}  // namespace tabulo::ui
