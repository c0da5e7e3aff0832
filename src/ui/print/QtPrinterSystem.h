#pragma once

#include "ui/print/PrinterSystem.h"

namespace tabulo::ui {

// The desktop's printers through Qt Print Support, and the PDF printer.
class QtPrinterSystem final : public PrinterSystem {
 public:
  std::vector<std::string> PrinterNames() override;
  int DefaultPrinter() override;
  bool IsPdf(int index) override;
  PrinterMetrics Metrics(const PrinterChoice& choice) override;
  bool SetupPrinter(QWidget* parent, PrinterChoice& choice) override;
  std::optional<PrintRequest> AskPrint(QWidget* parent, const PrinterChoice& choice, int pageCount,
                                       const std::filesystem::path& pdfFile) override;
  std::vector<int> Print(const PrinterChoice& choice, const PrintRequest& request, const PdfDocument& pages,
                         const std::vector<int>& sequence) override;

  // The resolution of the PDF printer's pages.
  static constexpr double kPdfDpi = 600;
};

}  // namespace tabulo::ui
