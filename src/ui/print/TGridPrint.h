#pragma once

#include <QDialog>
#include <QImage>

#include <filesystem>
#include <vector>

#include "core/document/GridPrintInfo.h"
#include "core/document/TableDocument.h"
#include "core/print/ListPrint.h"
#include "platform/Services.h"
#include "ui/print/ColumnEntry.h"
#include "ui/print/PrinterSystem.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QVBoxLayout;

namespace tabulo::ui {

class TSpinFloatEdit;

// The list print window "一覧表印刷": a preview of one page of the table as
// it prints, the print layout's settings (header items, lines, title row,
// page number, font, margins, line height), the printer, the column
// settings, print-format files and printing. The columns' records are
// changed in place; the layout record goes back to the caller through
// TakeSettings.
class TGridPrint final : public QDialog {
  Q_OBJECT

 public:
  // `columns`: every column's entry, the row-number column included, in
  // print order; their records must outlive the window.
  TGridPrint(QWidget* parent, platform::Services services, PrinterSystem& printers, const TableDocument& grid,
             std::vector<ColumnEntry> columns, bool groupedNumbers);

  // Takes the layout record and the header text (the main window's caption)
  // and shows the format buttons only when `formatFolder` exists. The PDF
  // printer offers `pdfFile` as the file to write.
  void Init(const TGridPrintInfo& record, const QString& headerText, const std::filesystem::path& formatFolder,
            const std::filesystem::path& pdfFile = {});
  // The record's settings into the controls, the printer and its paper.
  void ApplySettings(const TGridPrintInfo& record);
  // The controls' settings, the printer and its paper into `record`.
  void TakeSettings(TGridPrintInfo& record) const;
  void RefreshPrinterInfo();
  void RefreshPreview();

  // For tests and the benchmark.
  int PageIndex() const noexcept { return m_pageIndex; }
  int PageCount() const noexcept { return m_pageCount; }
  const QImage& PagePicture() const noexcept { return m_picture; }
  // Whether a print-format file changed the columns' records.
  bool FormatLoaded() const noexcept { return m_formatLoaded; }

  // The handlers, named after their controls.
  void btnPrevClick();
  void btnNextClick();
  // Page Up and Page Down page through the preview like the two buttons;
  // Ctrl+Home and Ctrl+End go to the first and the last page.
  void ShowPage(int pageIndex);
  void BtnFontClick();
  void SpeedButton2Click();
  void BtnPrinterClick();
  void BtnPrintClick();
  void BtnGpcLoadClick();
  void BtnGpcSaveClick();
  void btnHelpClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildPreviewBar();
  QWidget* BuildSettingsTabs();
  QWidget* BuildButtons();
  void BuildStatusBar(QVBoxLayout* root);
  void ConnectEvents();
  void UpdateCheckColours();
  void UpdateLabelFont();
  std::vector<PrintColumn> PrintColumns() const;
  ListPrint MakeListPrint(const TGridPrintInfo& info) const;
  PdfDocument PagesOf(const ListPrint& print) const;
  QImage DrawPreviewPage(const PageLayout& page, double dpiX, double dpiY) const;
  double PreviewScale() const;
  void SortByPrintIndex();
  std::vector<TGPItem> ItemsInColumnOrder() const;
  void SetItemsInColumnOrder(const std::vector<TGPItem>& items);

  platform::Services m_services;
  PrinterSystem& m_printers;
  const TableDocument& m_grid;
  std::vector<ColumnEntry> m_columns;  // in print order
  bool m_groupedNumbers;
  QString m_headerText;
  std::filesystem::path m_formatFolder;
  std::filesystem::path m_pdfFile;
  platform::FontChoice m_font;
  PrinterChoice m_printer;
  PrinterMetrics m_metrics;
  int m_pageIndex = 0;
  int m_pageCount = 1;
  bool m_applying = false;
  bool m_formatLoaded = false;
  QImage m_picture;

  QPushButton* btnPrev = nullptr;
  QLabel* pnlPage = nullptr;
  QPushButton* btnNext = nullptr;
  QRadioButton* RGSize[3] = {};  // 等倍, 用紙幅, 用紙長
  QLabel* LabelArea = nullptr;
  QLabel* LabelOk = nullptr;
  QScrollArea* ScrollBox = nullptr;
  QLabel* PaintBox = nullptr;
  QTabWidget* PageControl = nullptr;
  QCheckBox* CBFileName = nullptr;
  QCheckBox* CBDate = nullptr;
  QCheckBox* CBLine = nullptr;
  QCheckBox* CBTitle = nullptr;
  QCheckBox* CBPage = nullptr;
  QPushButton* BtnFont = nullptr;
  QLabel* LabelFont = nullptr;
  TSpinFloatEdit* SpinMrgX = nullptr;
  TSpinFloatEdit* SpinMrgY = nullptr;
  TSpinFloatEdit* SpinMrgY2 = nullptr;
  TSpinFloatEdit* SpinRowHeight = nullptr;
  QPushButton* Button10 = nullptr;
  QPushButton* SpeedButton2 = nullptr;
  QPushButton* BtnPrinter = nullptr;
  QPushButton* BtnPrint = nullptr;
  QPushButton* BtnGpcLoad = nullptr;
  QPushButton* BtnGpcSave = nullptr;
  QPushButton* btnHelp = nullptr;
  QPushButton* BtnClose = nullptr;
  QLabel* m_panels[6] = {};
};

}  // namespace tabulo::ui
