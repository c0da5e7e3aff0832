#include <QHeaderView>

#include <system_error>

#include "core/print/PrintSetup.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/print/ColumnEntry.h"
#include "ui/print/PrinterSystem.h"
#include "ui/print/TGridPrint.h"

namespace tabulo::ui {

void TTabulo::UsePrinters(std::unique_ptr<PrinterSystem> printers) { m_printers = std::move(printers); }

void TTabulo::BtnPrintClick() {
  if (!m_printerAvailable) return;
  // The print window changes the columns' records (print widths and order,
  // and all of them when a print format is loaded): one step of the history.
  RunEdit("一覧印刷", [&] {
    TableDocument& grid = m_document.grid;
    std::unique_ptr<TGridPrint> window;
    {
      BusyCursor busy;
      ScreenFacts screen;
      screen.dpi = SGCSV->logicalDpiX();
      screen.gridLineWidth = SGCSV->showGrid() ? 1 : 0;
      screen.fontName = m_gridFont.name;
      screen.fontCharset = static_cast<std::uint8_t>(m_gridFont.charset);
      screen.fontSize = m_gridFont.size;
      screen.fontStyle = static_cast<std::uint8_t>(m_gridFont.style);
      screen.titleRowHeight = SGCSV->horizontalHeader()->height();
      for (int col = 0; col < grid.ColCount(); ++col) {
        if (std::as_const(grid).Item(col).DisplayWidth != grid.ColWidth(col)) grid.Item(col).DisplayWidth = grid.ColWidth(col);
      }
      ApplyPrintDefaults(grid, m_document.printInfo, screen);
      std::vector<ColumnEntry> columns;
      for (const PrintColumn& column : PrintOrder(grid)) {
        columns.push_back({&grid.Item(column.column), std::string(grid.Cell(column.column, 1)), column.column});
      }
      std::error_code ignored;
      if (!m_files.printFormats.empty()) std::filesystem::create_directories(m_files.printFormats, ignored);
      window = std::make_unique<TGridPrint>(this, m_services, *m_printers, grid, std::move(columns),
                                            mmAdjustDraw->isChecked());
      // The PDF goes beside the document, named after it.
      window->Init(m_document.printInfo, windowTitle(), m_files.printFormats,
                   std::filesystem::path(m_documentFile).replace_extension(".pdf"));
    }
    window->exec();
    window->TakeSettings(m_document.printInfo);
    // A print format brings display widths along.
    if (window->FormatLoaded()) {
      for (int col = 0; col < grid.ColCount(); ++col) grid.SetColWidth(col, grid.Item(col).DisplayWidth);
    }
  });
}

}  // namespace tabulo::ui
