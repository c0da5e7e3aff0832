#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/print/PageGeometry.h"
#include "ui/print/paint/PdfPages.h"

class QWidget;

namespace tabulo::ui {

// The printer, paper and orientation the print layout record names.
struct PrinterChoice {
  int index = -1;  // in PrinterNames(); -1 the default printer
  std::int16_t paperSize = 9;
  std::int16_t orientation = 1;
  friend bool operator==(const PrinterChoice&, const PrinterChoice&) = default;
};

// What the print dialog asked for: pages (0-based, inclusive), copies and
// their order, and for the PDF printer the file to write.
struct PrintRequest {
  int firstPage = 0;
  int lastPage = 0;
  int copies = 1;
  bool collate = true;
  std::filesystem::path pdfFile;
};

// The printers of the desktop, their pages, their dialogs and their jobs,
// in one place so that the print window can be tested with a script. The
// PDF printer ("PDF ファイル") is always there, the last of the list, so that
// preview and printing work on a machine without a printer.
class PrinterSystem {
 public:
  virtual ~PrinterSystem() = default;
  // The printers' names (UTF-8), the PDF printer last; never empty.
  virtual std::vector<std::string> PrinterNames() = 0;
  // The desktop's default printer, or the PDF printer when there is none.
  virtual int DefaultPrinter() = 0;
  virtual bool IsPdf(int index) = 0;
  // The page `choice` prints on; `choice.index` must be a printer of the list.
  virtual PrinterMetrics Metrics(const PrinterChoice& choice) = 0;
  // The printer-setup dialog: printer, paper and orientation; false when cancelled.
  virtual bool SetupPrinter(QWidget* parent, PrinterChoice& choice) = 0;
  // The print dialog for pages 1 .. pageCount; nullopt when cancelled. The
  // PDF printer offers `pdfFile` as the file to write.
  virtual std::optional<PrintRequest> AskPrint(QWidget* parent, const PrinterChoice& choice, int pageCount,
                                               const std::filesystem::path& pdfFile) = 0;
  // Prints the pages of `sequence` (0-based, in order): on a printer each
  // page as a job of its own, on the PDF printer one file holding them all.
  // Returns the pages that could not be printed (a failed job is dropped and
  // the next page goes on); throws FileError when the PDF file cannot be written.
  virtual std::vector<int> Print(const PrinterChoice& choice, const PrintRequest& request, const PdfDocument& pages,
                                 const std::vector<int>& sequence) = 0;
};

}  // namespace tabulo::ui
