// What the grid shows and how: column widths, row height, font, the bars,
// digit grouping, and the About box.

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

#include "core/app/ColumnWidths.h"
#include "core/document/DocumentOperations.h"
#include "platform/qt/FontMapping.h"
#include "ui/app/CellDelegate.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/EncodingNames.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/ProgressBarSink.h"
#include "ui/app/TTabulo.h"
#include "ui/app/VersionFormCSV.h"
#include "ui/print/paint/GlyphWidths.h"

namespace tabulo::ui {

QFont TTabulo::GridQFont(const platform::FontChoice& choice) { return platform::QFontFromChoice(choice); }

void TTabulo::SetGridFont(const QFont& chosen) {
  const QFont font = GridFont(chosen);
  SGCSV->setFont(font);
  SGCSV->horizontalHeader()->setFont(font);
  SGCSV->verticalHeader()->setFont(font);
  // Measured now rather than at the first fitting of widths, which then
  // stays quick even for the first file opened.
  std::unique_ptr<GlyphWidths>& shiftJis = m_glyphWidths[static_cast<int>(TextEncoding::ShiftJis)];
  if (!shiftJis || shiftJis->Font() != SGCSV->font()) {
    shiftJis = std::make_unique<GlyphWidths>(SGCSV->font(), TextEncoding::ShiftJis);
    m_glyphWidths[static_cast<int>(TextEncoding::Utf8)].reset();
  }
}

void TTabulo::ResetView() {
  m_model->DocumentReset();
  SGCSV->SetRowHeight(m_document.grid.DefaultRowHeight());
  ApplyColumnWidths();
  SyncViewFromDocument();
  m_panels[5]->setText(QString::fromStdString(m_documentFile.string()));
  m_encodingPanel->setText(EncodingName(m_document.grid.Encoding()));
}

void TTabulo::ShowRowsBeforeTitleQuestion() {
  // The rows are read and have their default columns: numbered and on the
  // screen now, the first line is in sight while the user decides.
  RenumberRows(m_document.grid);
  m_document.grid.SetCurrentCell(1, 1);
  m_model->DocumentReset();
  SGCSV->SetRowHeight(m_document.grid.DefaultRowHeight());
  ApplyColumnWidths();
  SyncViewFromDocument();
  repaint();
}

void TTabulo::ApplyColumnWidths() {
  const TableDocument& grid = m_document.grid;
  QHeaderView* header = SGCSV->horizontalHeader();
  const QSignalBlocker blocker(header);
  // With updates off the header does not work out each section's place on the
  // screen after every resize, which made wide files take seconds.
  header->setUpdatesEnabled(false);
  for (int col = 1; col < grid.ColCount(); ++col) header->resizeSection(col - 1, grid.ColWidth(col));
  header->setUpdatesEnabled(true);
  SGCSV->SetRowNumberWidth(grid.ColWidth(0));
}

void TTabulo::FitColumnWidths(bool selectedOnly) {
  TableDocument& grid = m_document.grid;
  m_widthsChanged = true;  // not a step of the history, but saved with the file
  const int first = selectedOnly ? grid.Selection().Left : 0;
  const int last = selectedOnly ? grid.Selection().Right : grid.ColCount() - 1;
  std::unique_ptr<GlyphWidths>& measure = m_glyphWidths[static_cast<int>(grid.Encoding().encoding)];
  if (!measure) measure = std::make_unique<GlyphWidths>(SGCSV->font(), grid.Encoding().encoding);
  const auto* delegate = static_cast<const CellDelegate*>(SGCSV->itemDelegate());
  FitLayout layout;
  layout.margin = delegate->Margin();
  layout.clientWidth = SGCSV->viewport()->width() + SGCSV->verticalHeader()->width();
  layout.gridLineWidth = SGCSV->showGrid() ? 1 : 0;
  // A header draws its text between two such margins (and cuts it short
  // with "…" when it does not fit between them).
  layout.headerPadding = 2 * SGCSV->horizontalHeader()->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr,
                                                                           SGCSV->horizontalHeader());
  BusyCursor busy;
  tabulo::FitColumnWidths(grid, first, last, mmAdjustDraw->isChecked(), *measure, layout, m_progress.get());
  ApplyColumnWidths();
}

void TTabulo::mmColWidthClick() {
  SyncDocumentFromView();
  RunCommand(m_services.prompter, [this] { FitColumnWidths(false); });
}

void TTabulo::mmRowHeightClick() {
  m_services.prompter.Beep(Sound::Question);
  TableDocument& grid = m_document.grid;
  const auto answer = m_services.inputBox.Ask(std::string(MessageText(MessageId::RowHeightTitle)),
                                              std::string(MessageText(MessageId::RowHeightPrompt)),
                                              std::to_string(grid.DefaultRowHeight()));
  if (!answer) return;
  bool ok = false;
  const int height = QString::fromStdString(*answer).trimmed().toInt(&ok);
  // A row must stay visible: heights below 1 are refused like other bad input.
  if (!ok || height < 1) {
    m_services.prompter.Ask(MessageId::NotAnInteger, {*answer});
    return;
  }
  SetRowHeights(height);
}

void TTabulo::SetRowHeights(int height) {
  TableDocument& grid = m_document.grid;
  grid.SetDefaultRowHeight(height);
  for (int row = 0; row < grid.RowCount(); ++row) grid.SetRowHeight(row, height);  // the title row too
  SGCSV->SetRowHeight(height);
}

void TTabulo::FitRowHeightToFont() {
  // A line of the font, a pixel above and below it, and the grid line.
  const int needed = QFontMetrics(SGCSV->font()).height() + 3;
  if (m_document.grid.DefaultRowHeight() < needed) SetRowHeights(needed);
}

void TTabulo::mmFontClick() {
  m_services.prompter.Beep(Sound::Question);
  const auto chosen = m_services.fontDialog.Choose(m_gridFont, platform::FontUse::Screen);
  if (!chosen) return;
  m_gridFont = *chosen;
  SetGridFont(GridQFont(m_gridFont));
  FitRowHeightToFont();
  SGCSV->viewport()->update();
}

void TTabulo::ShowBar(QWidget* bar, QAction* item, bool visible) {
  item->setChecked(visible);
  bar->setVisible(visible);
}

void TTabulo::mmSHowToolBarClick() { ShowBar(PanelToolBar, mmSHowToolBar, mmSHowToolBar->isChecked()); }

void TTabulo::mmShowPanelCalcClick() {
  const bool visible = mmShowPanelCalc->isChecked();
  ShowBar(PanelCalc, mmShowPanelCalc, visible);
  if (visible) CBCalcLine->setFocus();
}

void TTabulo::mmShowPanelFindClick() {
  const bool visible = mmShowPanelFind->isChecked();
  ShowBar(PanelFind, mmShowPanelFind, visible);
  if (visible) CBFindText->setFocus();
}

void TTabulo::mmShowStatusBarClick() { ShowBar(statusBar(), mmShowStatusBar, mmShowStatusBar->isChecked()); }

void TTabulo::mmAdjustDrawClick() { m_model->SetShowGrouped(mmAdjustDraw->isChecked()); }

void TTabulo::mmAboutTabuloClick() {
  TVersionFormCSV about(this);
  about.exec();
}

}  // namespace tabulo::ui
