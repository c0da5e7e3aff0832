// Measures the list print over the corpus, offscreen: the page count, the
// print window's first preview page, paging, the last page, and tabulo-cli
// print of 100 pages to a PDF file.
//   QT_QPA_PLATFORM=offscreen tabulo-print-bench CORPUS

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include "bench/Corpus.h"
#include "cli/Cli.h"
#include "core/print/ListPrint.h"
#include "core/print/PrintSetup.h"
#include "platform/ScriptedServices.h"
#include "ui/print/QtPrinterSystem.h"
#include "ui/print/TGridPrint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS\n", argv[0]);
    return 2;
  }
  tabulo::Document document;
  tabulo::TableDocument& grid = document.grid;
  const double read = bench::Seconds([&] { bench::LoadCorpus(argv[1], grid); });
  std::printf("reading the corpus                   %7.3f s\n", read);
  tabulo::ApplyPrintDefaults(grid, document.printInfo, tabulo::ScreenFacts{});
  for (int col = 0; col < grid.ColCount(); ++col) grid.Item(col).PrintWidth = 180;  // all ten columns fit

  tabulo::ui::QtPrinterSystem printers;
  const tabulo::PrinterMetrics sheet = printers.Metrics({printers.DefaultPrinter(), 9, 1});
  int pages = 0;
  constexpr int kCounts = 1000;
  const double counting = bench::Seconds([&] {
    for (int i = 0; i < kCounts; ++i) {
      const tabulo::ListPrint print(grid, tabulo::PrintOrder(grid), document.printInfo, sheet, "Tabulo", "", false);
      pages = print.PageCount();
    }
  });
  std::printf("page count (%d pages)              %7.2f us\n", pages, counting / kCounts * 1e6);

  tabulo::platform::ScriptedPlatform platform;
  std::vector<tabulo::ui::ColumnEntry> columns;
  for (const tabulo::PrintColumn& column : tabulo::PrintOrder(grid)) {
    columns.push_back({&grid.Item(column.column), std::string(grid.Cell(column.column, 1)), column.column});
  }
  std::unique_ptr<tabulo::ui::TGridPrint> window;
  const double opened = bench::Seconds([&] {
    window = std::make_unique<tabulo::ui::TGridPrint>(nullptr, platform.AsServices(), printers, grid, columns, true);
    window->resize(900, 700);
    window->Init(document.printInfo, QStringLiteral("Tabulo - corpus.csv"), {});
  });
  std::printf("print window with its first page     %7.3f s\n", opened);
  constexpr int kPaging = 20;
  const double paging = bench::Seconds([&] {
    for (int i = 0; i < kPaging; ++i) window->btnNextClick();
  });
  std::printf("next page, drawn                     %7.3f ms a page\n", paging / kPaging * 1000);
  const double last = bench::BestSeconds(5, [&] {
    window->ShowPage(0);
    window->ShowPage(pages - 1);
  }) / 2;
  std::printf("first or last page, drawn            %7.3f ms (page %d)\n", last * 1000, window->PageIndex() + 1);
  window.reset();

  const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "tabulo-print-bench.pdf";
  std::ostringstream out;
  std::ostringstream err;
  const double printed = bench::Seconds([&] {
    tabulo::cli::RunCli({"print", argv[1], "-o", pdf.string(), "--first-line-titles", "yes", "--pages", "1-100"}, out, err);
  });
  std::printf("tabulo-cli print, 100 pages, in all  %7.3f s (%ju bytes of PDF)\n", printed,
              static_cast<std::uintmax_t>(std::filesystem::exists(pdf) ? std::filesystem::file_size(pdf) : 0));
  std::filesystem::remove(pdf);
  return 0;
}
