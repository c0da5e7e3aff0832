#pragma once

#include <QFont>

#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "core/print/PageGeometry.h"
#include "core/print/PageLayout.h"

namespace tabulo::ui {

// What goes into a PDF file: the sheet it is printed on, the print font, and
// the layout of each page, asked for page by page so that a long print never
// holds more than one page.
struct PdfDocument {
  PrinterMetrics sheet;  // PdfPrinterMetrics: the paper, its orientation and resolution
  QFont font;
  std::string title;  // UTF-8, the file's title
  std::function<PageLayout(int pageIndex)> layoutOf;
  std::function<void(int done, int total)> progress;  // may be empty
};

// Writes the pages of `sequence` (0-based page indexes, in order, repeats
// allowed) into one PDF file, its fonts embedded so that the text can be
// searched and copied. The file is written beside its target and takes its
// place only when complete, so a failure leaves an older file as it was.
// Throws FileError when the file cannot be written.
void WritePdf(const std::filesystem::path& file, const PdfDocument& document, std::span<const int> sequence);

}  // namespace tabulo::ui
