#include "ui/print/QtPrinterSystem.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "core/base/Messages.h"
#include "core/print/PaperSizes.h"
#include "ui/print/PrintDialogs.h"
#include "ui/print/paint/PagePainter.h"

namespace tabulo::ui {

namespace {

// The paper sizes of the layout record and Qt's names for them.
constexpr std::array<std::pair<std::int16_t, QPageSize::PageSizeId>, 9> kPageSizeIds{{
    {9, QPageSize::A4},
    {8, QPageSize::A3},
    {11, QPageSize::A5},
    {70, QPageSize::A6},
    {12, QPageSize::JisB4},
    {13, QPageSize::JisB5},
    {1, QPageSize::Letter},
    {5, QPageSize::Legal},
    {43, QPageSize::Postcard},
}};

QPageSize::PageSizeId PageSizeIdOf(std::int16_t code) {
  const auto* found = std::find_if(kPageSizeIds.begin(), kPageSizeIds.end(),
                                   [code](const auto& entry) { return entry.first == code; });
  return found != kPageSizeIds.end() ? found->second : QPageSize::A4;
}

QStringList SystemPrinters() { return QPrinterInfo::availablePrinterNames(); }

// A printer set up for `choice`, or null for the PDF printer.
std::unique_ptr<QPrinter> PrinterFor(const PrinterChoice& choice) {
  const QStringList printers = SystemPrinters();
  if (choice.index < 0 || choice.index >= printers.size()) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(printers[choice.index]), QPrinter::HighResolution);
  printer->setPageSize(QPageSize(PageSizeIdOf(choice.paperSize)));
  printer->setPageOrientation(choice.orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer->setFullPage(false);  // the painter's origin is the printable area's corner
  return printer;
}

}  // namespace

std::vector<std::string> QtPrinterSystem::PrinterNames() {
  std::vector<std::string> names;
  for (const QString& name : SystemPrinters()) names.push_back(name.toStdString());
  names.emplace_back(MessageText(MessageId::PdfPrinterName));
  return names;
}

int QtPrinterSystem::DefaultPrinter() {
  const QStringList printers = SystemPrinters();
  const auto found = printers.indexOf(QPrinterInfo::defaultPrinterName());
  return found >= 0 ? static_cast<int>(found) : static_cast<int>(printers.size());
}

bool QtPrinterSystem::IsPdf(int index) { return index == SystemPrinters().size(); }

PrinterMetrics QtPrinterSystem::Metrics(const PrinterChoice& choice) {
  const std::unique_ptr<QPrinter> printer = PrinterFor(choice);
  if (!printer) return PdfPrinterMetrics(choice.paperSize, choice.orientation, kPdfDpi);
  const int dpi = printer->resolution();
  const QPageLayout layout = printer->pageLayout();
  const QRect full = layout.fullRectPixels(dpi);
  const QRect paint = layout.paintRectPixels(dpi);
  PrinterMetrics metrics;
  metrics.physicalWidth = full.width();
  metrics.physicalHeight = full.height();
  metrics.printableWidth = paint.width();
  metrics.printableHeight = paint.height();
  metrics.offsetX = paint.left();
  metrics.offsetY = paint.top();
  metrics.dpiX = dpi;
  metrics.dpiY = dpi;
  metrics.paperSize = PaperSizeOf(choice.paperSize).code;
  metrics.orientation = layout.orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
  metrics.formName = layout.pageSize().name().toStdString();
  return metrics;
}

bool QtPrinterSystem::SetupPrinter(QWidget* parent, PrinterChoice& choice) {
  return ExecPrinterSetupDialog(parent, PrinterNames(), choice);
}

std::optional<PrintRequest> QtPrinterSystem::AskPrint(QWidget* parent, const PrinterChoice& choice, int pageCount,
                                                      const std::filesystem::path& pdfFile) {
  const std::unique_ptr<QPrinter> printer = PrinterFor(choice);
  if (!printer) return ExecPdfPrintDialog(parent, pageCount, pdfFile);
  QPrintDialog dialog(printer.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setMinMax(1, pageCount);
  dialog.setFromTo(1, pageCount);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  PrintRequest request;
  const bool range = printer->printRange() == QPrinter::PageRange;
  request.firstPage = range ? std::max(printer->fromPage(), 1) - 1 : 0;
  request.lastPage = range ? std::min(printer->toPage(), pageCount) - 1 : pageCount - 1;
  request.copies = std::max(printer->copyCount(), 1);
  request.collate = printer->collateCopies();
  return request;
}

std::vector<int> QtPrinterSystem::Print(const PrinterChoice& choice, const PrintRequest& request,
                                        const PdfDocument& pages, const std::vector<int>& sequence) {
  const std::unique_ptr<QPrinter> printer = PrinterFor(choice);
  if (!printer) {
    WritePdf(request.pdfFile, pages, sequence);
    return {};
  }
  // Copies are made by printing again, so the printer makes one of each.
  printer->setCopyCount(1);
  printer->setDocName(QString::fromStdString(pages.title));
  const PageGeometry page = GeometryOf(Metrics(choice));
  const DeviceScale scale{static_cast<double>(printer->resolution()), static_cast<double>(printer->resolution()),
                          page.offsetX, page.offsetY};
  std::vector<int> failed;
  int done = 0;
  for (const int pageIndex : sequence) {
    QPainter painter;
    if (painter.begin(printer.get())) {
      PaintPage(painter, pages.layoutOf(pageIndex), scale, pages.font);
      painter.end();
    } else {
      failed.push_back(pageIndex);
    }
    if (pages.progress) pages.progress(++done, static_cast<int>(sequence.size()));
  }
  return failed;
}

}  // namespace tabulo::ui
