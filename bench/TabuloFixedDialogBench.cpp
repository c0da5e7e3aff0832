// Measures the fixed-length import dialog over a large file, offscreen: from
// reading the file to the first painted page with the layout typed in, then
// paging down through the preview.
//   QT_QPA_PLATFORM=offscreen tabulo-fixed-dialog-bench FILE
// FILE is made by tabulo-fixed-bench --out.

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QTableWidget>
#include <cstdio>
#include <filesystem>

#include "bench/FixedRecords.h"
#include "bench/Timing.h"
#include "core/document/TextLines.h"
#include "platform/ScriptedServices.h"
#include "ui/fixed/TFormFixedOpen.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return 2;
  }
  tabulo::platform::ScriptedPlatform platform;
  tabulo::platform::Services services = platform.AsServices();
  tabulo::Document document;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tabulo-fixed-dialog-bench";
  std::unique_ptr<tabulo::ui::TFormFixedOpen> dialog;
  const double shown = bench::Seconds([&] {
    dialog = std::make_unique<tabulo::ui::TFormFixedOpen>(nullptr, services, document,
                                                          tabulo::TextLines::Read(argv[1]), folder, nullptr);
    auto* layout = dialog->findChild<QTableWidget*>("DG2");
    for (std::size_t i = 0; i < bench::kFixedLengths.size(); ++i) {
      layout->item(0, static_cast<int>(i))->setText(QString::number(bench::kFixedLengths[i]));
    }
    dialog->show();
    (void)dialog->grab();
  });
  std::printf("dialog with the layout, first page   %7.3f s\n", shown);
  auto* layout = dialog->findChild<QTableWidget*>("DG2");
  constexpr int kPages = 50;
  const double paging = bench::Seconds([&] {
    for (int i = 0; i < kPages; ++i) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
      QApplication::sendEvent(layout, &key);
      (void)dialog->grab();
    }
  });
  std::printf("page down and paint                  %7.3f s a page (%d pages)\n", paging / kPages, kPages);
  dialog.reset();
  std::filesystem::remove_all(folder);
  return 0;
}
