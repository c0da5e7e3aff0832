#pragma once

#include <QAbstractTableModel>

#include "core/document/TextLines.h"
#include "core/fixed/FixedFieldCnf.h"
#include "core/locale/Encoding.h"

namespace tabulo::ui {

// The import dialog's preview: one row per line of the file, one column per
// field of the definition (entry 1 on; the row numbers are the vertical
// header). Each cell is its field cut from the line at the moment it is
// drawn, in the colours CheckField gives it, so nothing is stored per cell
// and a file of a million lines shows at once.
class FixedPreviewModel final : public QAbstractTableModel {
 public:
  FixedPreviewModel(const TextLines& lines, const TFixedFieldCnf& definition, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // After entries were inserted, deleted or replaced.
  void Reset();
  // After lengths, types or the clean-up options changed.
  void Repaint();

 private:
  const TextLines& m_lines;
  const TFixedFieldCnf& m_definition;
  mutable Cp932Converter m_converter;
};

}  // namespace tabulo::ui
