#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>
#include <utility>

#include "cli/BatchOpen.h"
#include "cli/BatchSave.h"
#include "cli/Verbs.h"
#include "core/app/ColumnWidths.h"
#include "core/app/TabuloCnf.h"
#include "core/base/Errors.h"
#include "core/editing/DateInsert.h"
#include "core/print/ListPrint.h"
#include "core/print/PrintFormatFile.h"
#include "core/print/PrintSetup.h"
#include "platform/qt/FontMapping.h"
#include "ui/print/paint/GlyphWidths.h"
#include "ui/print/paint/PdfPages.h"

namespace tabulo::cli {

namespace {

constexpr double kPdfDpi = 600;

// Fonts and painting need Qt's application object; the batch tool makes one
// for the print on the offscreen platform, so that it runs without a display.
class GuiForPrinting {
 public:
  GuiForPrinting() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the desktop it does not need (no runtime folder, …)
    // are no business of a script's standard error.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
  }

 private:
  int m_argc = 1;
  char m_name[11] = "tabulo-cli";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QGuiApplication> m_application;
};

// A table read without a side file gets the widths the window gives it: each
// column as wide as its widest text in the grid's default font, with the
// cell margins of a screen of 96 dots per inch.
void FitWidthsAsTheWindowDoes(TableDocument& grid, bool grouped) {
  const ui::GlyphWidths measure(ui::GridFont(platform::QFontFromChoice(
                                    {std::string(kDefaultGridFontName), kDefaultGridFontCharset,
                                     kDefaultGridFontSize, 0})),
                                grid.Encoding().encoding);
  FitLayout layout;
  layout.margin = 3;         // 0.7 mm
  layout.headerPadding = 8;  // the header's margin on both sides
  layout.clientWidth = 1200;
  FitColumnWidths(grid, 0, grid.ColCount() - 1, grouped, measure, layout, nullptr);
}

// "--format-file": the layout record and every column's record, read over
// the document's in column order.
void LoadPrintFormat(Document& document, const std::string& path) {
  TableDocument& grid = document.grid;
  std::vector<TGPItem> items;
  for (int col = 0; col < grid.ColCount(); ++col) items.push_back(std::as_const(grid).Item(col));
  ReadPrintFormatFile(path, document.printInfo, items, grid.Encoding().encoding);
  for (int col = 0; col < grid.ColCount(); ++col) grid.Item(col) = items[static_cast<std::size_t>(col)];
}

int ParsePageNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

// "--pages FIRST-LAST" as 0-based page indexes; all pages when not given.
std::pair<int, int> PageRange(const std::string& text, int pageCount) {
  if (text.empty()) return {0, pageCount - 1};
  const std::size_t dash = text.find('-');
  const int first = ParsePageNumber(std::string_view(text).substr(0, dash));
  const int last = dash == std::string::npos ? first : ParsePageNumber(std::string_view(text).substr(dash + 1));
  if (first < 1 || last < first || last > pageCount) {
    throw UsageError(FormatMessage(MessageId::CliPrintBadPages, {std::to_string(pageCount)}));
  }
  return {first - 1, last - 1};
}

}  // namespace

std::vector<CliOption> PrintOptions() {
  std::vector<CliOption> options = OpenOptions();
  options.push_back({"--output", "-o", {}, ""});
  options.push_back({"--pages", "", {}, ""});
  options.push_back({"--format-file", "", {}, ""});
  options.push_back({"--grouped", "", YesNo(), "no"});
  return options;
}

int RunPrint(const ParsedArgs& args, std::ostream&, std::ostream& err) {
  if (args.files.size() != 1) throw UsageError(FormatMessage(MessageId::CliWrongFileCount, {"1"}));
  RequireOutput(args);
  const GuiForPrinting gui;
  Document document;
  const OpenResult opened = OpenInput(document, args.files[0], args, err);
  if (!opened.sideFileRead) FitWidthsAsTheWindowDoes(document.grid, args.Yes("--grouped"));
  if (!args.Value("--format-file").empty()) LoadPrintFormat(document, args.Value("--format-file"));

  TGridPrintInfo& info = document.printInfo;
  ScreenFacts screen;
  screen.fontName = std::string(kDefaultGridFontName);
  screen.fontCharset = kDefaultGridFontCharset;
  screen.fontSize = kDefaultGridFontSize;
  screen.titleRowHeight = document.grid.DefaultRowHeight();
  ApplyPrintDefaults(document.grid, info, screen);
  const PrinterMetrics sheet = PdfPrinterMetrics(info.PaperSize, info.Orientation, kPdfDpi);
  ClampMargins(info, MarginRangesOf(GeometryOf(sheet)));

  const std::string header = "Tabulo - " + std::filesystem::path(args.files[0]).filename().string();
  const ListPrint print(document.grid, PrintOrder(document.grid), info, sheet, header,
                        InsertedDateText(2, CurrentDateAndTime()), args.Yes("--grouped"));
  if (!print.Pages().RowsFit()) throw TabuloError(std::string(MessageText(MessageId::PrintNoRowFits)));
  const auto [first, last] = PageRange(args.Value("--pages"), print.PageCount());
  if (print.Layout(first).columnsOverflow) err << MessageText(MessageId::PrintColumnsOverflow) << '\n';

  ui::PdfDocument pdf;
  pdf.sheet = sheet;
  pdf.font = platform::PrintQFontFromChoice({info.FontName, info.FontCharset, info.FontSize, info.FontStyle});
  pdf.title = header;
  pdf.layoutOf = [&print](int page) { return print.Layout(page); };
  const std::vector<int> sequence = PrintSequence(first, last, 1, true);
  ui::WritePdf(args.Value("--output"), pdf, sequence);
  err << FormatMessage(MessageId::CliPrintPageCount, {std::to_string(print.PageCount())}) << '\n';
  return 0;
}

}  // namespace tabulo::cli
