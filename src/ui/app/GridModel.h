#pragma once

#include <QAbstractTableModel>

#include <memory>

#include "core/document/TableDocument.h"
#include "core/locale/TextConverter.h"

namespace tabulo::ui {

// The table document as Qt's views see it: model row r and column c are the
// document's data cell (c + 1, r + 1); the title row is the horizontal header
// and the row-number column the vertical header. Cells become Unicode only
// here, for the visible cells a view asks for.
class GridModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridModel(TableDocument& grid, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Draw integer, numeric and currency cells digit-grouped (the stored text
  // does not change).
  void SetShowGrouped(bool grouped);
  bool ShowGrouped() const noexcept { return m_showGrouped; }

  // Tells the views that the document changed shape or content throughout.
  void DocumentReset();
  // Tells the views that the cells of data rows [firstRow, lastRow] changed.
  void RowsChanged(int firstRow, int lastRow);
  // Tells the views that titles or row numbers changed.
  void HeadersChanged();

  TableDocument& Grid() noexcept { return m_grid; }
  // A title or cell's bytes as the window shows them.
  QString ToQString(std::string_view bytes) const { return QString::fromStdU16String(Converter().ToUtf16(bytes)); }

 signals:
  // A typed text holds characters that the document's encoding cannot store.
  void TextNotStorable(const QString& message);
  // A typed text was stored (as a step of the document's history).
  void CellTyped();

 private:
  // The converter of the document's encoding, which an open, a conversion
  // or undoing one may change at any time.
  TextConverter& Converter() const;

  TableDocument& m_grid;
  mutable std::unique_ptr<TextConverter> m_converter;
  // The row-number column holds the program's own code page 932 texts.
  mutable TextConverter m_labels{TextEncoding::ShiftJis};
  bool m_showGrouped = false;
};

}  // namespace tabulo::ui
