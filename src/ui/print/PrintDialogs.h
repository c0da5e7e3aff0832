#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/print/PrinterSystem.h"

class QWidget;

namespace tabulo::ui {

// "プリンターの設定": the printer of `names`, the paper and the orientation.
// Changes `choice` and returns true on OK.
bool ExecPrinterSetupDialog(QWidget* parent, const std::vector<std::string>& names, PrinterChoice& choice);

// "印刷" for the PDF printer: all pages or a range of 1 .. pageCount, copies,
// collation, and the file to write (at first `pdfFile`). nullopt when cancelled.
std::optional<PrintRequest> ExecPdfPrintDialog(QWidget* parent, int pageCount, const std::filesystem::path& pdfFile);

}  // namespace tabulo::ui
