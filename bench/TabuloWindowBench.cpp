// Measures opening the corpus in the main window, offscreen: reading, the
// side-file check, renumbering, fitting every column's width and the first
// paint; then jumping to the last row, scrolling and selecting a whole column;
// range operations, reordering columns, and calculations over every row;
// sorting and narrowing through their dialogs, and the duplicate rows shown
// in a narrowed window.
//   QT_QPA_PLATFORM=offscreen tabulo-window-bench CORPUS

#include <QAction>
#include <QLineEdit>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QApplication>
#include <QPixmap>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>

#include "bench/ResidentMemory.h"
#include "bench/Timing.h"
#include "core/base/FileIo.h"
#include "core/document/CsvReader.h"
#include "platform/ScriptedServices.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/calc/TCalcForm.h"

using bench::Clock;
using bench::Seconds;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: tabulo-window-bench CORPUS\n");
    return 2;
  }
  // Opening a file makes its folder the current one, so the path must not be relative.
  const std::filesystem::path corpus = std::filesystem::absolute(argv[1]);
  const auto config = std::filesystem::temp_directory_path() / "tabulo-window-bench";
  std::filesystem::create_directories(config);

  tabulo::platform::ScriptedPlatform platform;
  tabulo::ui::WindowFiles files{config / "Tabulo.Ctl", config / "Csv.his", config / "Fixed.his", config, config / "FixedCnf", config / "GPC"};
  const auto created = Clock::now();
  tabulo::ui::TTabulo window(platform.AsServices(), files);
  window.resize(1200, 800);
  window.show();
  QApplication::processEvents();
  const double startup = std::chrono::duration<double>(Clock::now() - created).count();

  // The core alone, for comparison.
  double core = 1e30;
  for (int i = 0; i < 3; ++i) {
    tabulo::TableDocument grid;
    core = std::min(core, Seconds([&] { tabulo::LoadTextIntoGrid(corpus, grid, true, platform.prompter, nullptr); }));
  }

  const long before = ResidentKiB();
  double open = 1e30;
  for (int i = 0; i < 3; ++i) {
    platform.prompter.Then(tabulo::Answer::No);  // the title question
    open = std::min(open, Seconds([&] {
                      window.OpenCsvFile(corpus);
                      (void)window.grab();  // the first paint
                    }));
  }
  const long opened = ResidentKiB();
  std::printf("window created and shown    %7.3f s\n", startup);
  std::printf("LoadTextIntoGrid alone      %7.3f s\n", core);
  std::printf("open in the window          %7.3f s  (%.2f x the core)\n", open, open / core);

  auto* view = window.View();
  const double last = Seconds([&] {
    window.findChild<QAction*>("mmJumpLastRow")->trigger();
    (void)window.grab();
  });
  const double scroll = Seconds([&] {
    for (int i = 0; i < 50; ++i) {
      view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() - 20000);
      view->viewport()->repaint();
    }
  });
  const double column = Seconds([&] {
    window.findChild<QAction*>("mmColSelect")->trigger();
    (void)window.grab();
  });
  std::printf("jump to the last row        %7.3f s\n", last);
  std::printf("50 scroll steps and paints  %7.3f s\n", scroll);
  std::printf("select a whole column       %7.3f s\n", column);
  std::printf("resident memory with the file open: %.1f MB above the empty window\n", (opened - before) / 1024.0);

  // Undo and redo of the last command, repaint included.
  const auto undoRedo = [&window](const char* what) {
    window.activateWindow();
    window.View()->setFocus();  // not a text box, whose own undo would come first
    const std::size_t steps = window.Grid().History().UndoCount();
    const double undo = Seconds([&] {
      window.mmUndoClick();
      (void)window.grab();
    });
    if (window.Grid().History().UndoCount() + 1 != steps) std::printf("  (the undo did not reach the table)\n");
    const double redo = Seconds([&] {
      window.mmRedoClick();
      (void)window.grab();
    });
    std::printf("  undo %-24s %7.3f s, redo %7.3f s\n", what, undo, redo);
  };

  // Range operations on whole columns.
  tabulo::TableDocument& grid = window.Grid();
  const int lastRow = grid.RowCount() - 1;
  const double copy = Seconds([&] {
    grid.SetSelection({2, 1, 2, lastRow});
    window.SyncViewFromDocument();
    window.mmCopyClick();
  });
  const double paste = Seconds([&] {
    grid.SetSelection({10, 1, 10, lastRow});
    window.SyncViewFromDocument();
    window.mmPasteClick(0);
    (void)window.grab();
  });
  const double clear = Seconds([&] {
    grid.SetSelection({1, 1, grid.ColCount() - 1, lastRow});
    window.SyncViewFromDocument();
    window.mmClearClick();
    (void)window.grab();
  });
  std::printf("copy a whole column           %7.3f s  (%zu characters on the clipboard)\n", copy,
              platform.clipboard.text ? platform.clipboard.text->size() : 0);
  std::printf("paste it into another column  %7.3f s\n", paste);
  std::printf("clear 10 columns x all rows   %7.3f s\n", clear);
  undoRedo("of the clearing");
  const double deleteRows = Seconds([&] {
    grid.SetSelection({1, 1, 1, lastRow / 2});
    window.SyncViewFromDocument();
    platform.prompter.Then(tabulo::Answer::Yes);
    window.btnRowDeleteClick();
    (void)window.grab();
  });
  std::printf("delete half of the rows       %7.3f s\n", deleteRows);
  undoRedo("of the deletion");

  // Reordering every column through the attribute dialog (reopened on a fresh copy of the file).
  platform.prompter.Then(tabulo::Answer::No);
  window.OpenCsvFile(corpus);
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    auto* list = dialog->findChild<QListView*>("LBPrintOption");
    list->selectAll();
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Deselect);
    list->selectionModel()->select(list->model()->index(list->model()->rowCount() - 1, 0), QItemSelectionModel::Deselect);
    dialog->findChild<QPushButton*>("BtnDown")->click();  // all but the last move down: the last moves to the front
    dialog->findChild<QPushButton*>("BtnClose")->click();
  });
  const double reorder = Seconds([&] {
    window.btnGPIClick();
    (void)window.grab();
  });
  std::printf("reorder the columns (dialog)  %7.3f s\n", reorder);

  // Calculations over every row: a formula from the calculation bar into a
  // whole column, then totals rows of two columns from the dialog.
  platform.prompter.Then(tabulo::Answer::No);
  window.OpenCsvFile(corpus);
  window.findChild<QAction*>("mmShowPanelCalc")->trigger();
  window.CalcLine()->setEditText("TRUNC( ( %7% + %8% ) / 3 * 10 + 0.5 ) / 10");
  const double bar = Seconds([&] {
    window.Grid().SetSelection({10, 1, 10, window.Grid().RowCount() - 1});
    window.SyncViewFromDocument();
    platform.prompter.Then(tabulo::Answer::Yes);  // replace the selection
    platform.prompter.Then(tabulo::Answer::Ok);   // the file's title line is no number
    window.BtnDoCalcClick();
    (void)window.grab();
  });
  std::printf("formula into a whole column   %7.3f s\n", bar);
  undoRedo("of the formula");
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<tabulo::ui::TCalcForm*>(QApplication::activeModalWidget());
    dialog->SetPage(tabulo::ui::TCalcForm::PageDown);
    auto* list = dialog->findChild<QListWidget*>("LBKoumoku");
    list->item(6)->setSelected(true);
    list->item(7)->setSelected(true);
    dialog->findChild<QCheckBox*>("CBGoukei")->setChecked(true);
    dialog->btnCalcClick();
  });
  const double totals = Seconds([&] {
    platform.prompter.Then(tabulo::Answer::Ok);
    window.findChild<QAction*>("mmCalc")->trigger();
    (void)window.grab();
  });
  std::printf("totals rows of two columns    %7.3f s  (sum and mean)\n", totals);
  undoRedo("of the totals rows");
  const tabulo::TableDocument& result = window.Grid();
  const int sumRow = result.RowCount() - 2;
  std::printf("  row 2 of the formula column: %s; totals: %s, %s\n", std::string(result.Cell(10, 2)).c_str(),
              std::string(result.Cell(7, sumRow)).c_str(), std::string(result.Cell(8, sumRow)).c_str());
  // Rewriting whole columns from the menus: the kana names to half width and
  // the prices rounded, each with its repaint.
  platform.prompter.Then(tabulo::Answer::No);
  window.OpenCsvFile(corpus);
  const auto rewrite = [&](const char* what, int col, const std::function<void()>& command) {
    window.Grid().SetSelection({col, 1, col, window.Grid().RowCount() - 1});
    window.SyncViewFromDocument();
    const double seconds = Seconds([&] {
      command();
      (void)window.grab();
    });
    std::printf("%-29s %7.3f s\n", what, seconds);
    undoRedo(what);
  };
  rewrite("full to half width (kana)", 3, [&] { window.mmUpperClick(5); });
  rewrite("round the prices", 6, [&] { window.mmRoundClick(0); });

  // Sorting by the prices through the dialog (closed, then the repaint).
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    dialog->findChild<QListWidget*>("LBNoSort")->item(5)->setSelected(true);  // 価格
    dialog->findChild<QPushButton*>("BtnGoWrite")->click();
    dialog->findChild<QPushButton*>("BtnKind3")->click();
    dialog->findChild<QPushButton*>("btnOk")->click();
  });
  const double sort = Seconds([&] {
    window.btnSortClick();
    (void)window.grab();
  });
  std::printf("sort by the prices (dialog)   %7.3f s\n", sort);
  undoRedo("of the sort");

  // Narrowing to half the rows (IDs below 500,001): the narrowed window
  // opens, then closes writing back every row untouched but one.
  QTimer::singleShot(0, [&window] {
    QWidget* dialog = QApplication::activeModalWidget();
    dialog->findChild<QComboBox*>("CBK1")->setCurrentIndex(1);
    dialog->findChild<QComboBox*>("CBType1")->setCurrentIndex(1);  // 数値
    dialog->findChild<QComboBox*>("CBJ1")->setCurrentIndex(3);     // ＜
    dialog->findChild<QLineEdit*>("EditS1")->setText(QString::number(window.Grid().RowCount() / 2 + 1));
    dialog->findChild<QPushButton*>("btnOk")->click();
  });
  platform.prompter.Then(tabulo::Answer::Ok);   // the number of rows
  platform.prompter.Then(tabulo::Answer::Yes);  // write back
  const auto start = std::chrono::steady_clock::now();
  double shown = 0;
  // Waits for the narrowed window, then edits one cell and closes it.
  std::function<void()> whenShown = [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* narrowed = qobject_cast<tabulo::ui::TTabulo*>(widget);
      if (narrowed == nullptr || !narrowed->Narrowed() || !narrowed->isVisible()) continue;
      (void)narrowed->grab();
      shown = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::printf("narrowed window of %d rows   %7.3f s to show\n", narrowed->Grid().RowCount() - 1, shown);
      narrowed->Grid().SetCell(2, 1, "edited");
      narrowed->close();
      return;
    }
    QTimer::singleShot(5, whenShown);
  };
  QTimer::singleShot(5, whenShown);
  const double narrowing = Seconds([&] {
    window.btnQueryClick();
    (void)window.grab();
  });
  std::printf("write-back and repaint        %7.3f s  (the whole narrowing %.3f s)\n", narrowing - shown, narrowing);

  // The duplicate rows by ID shown in a narrowed window: 50,000 rows take
  // the ID of the row above them, so 100,000 rows have a twin.
  tabulo::TableDocument& ids = window.Grid();
  for (int row = 2, pairs = 0; row < ids.RowCount() && pairs < 50000; row += 20, ++pairs) {
    ids.SetCell(1, row, std::string(ids.Cell(1, row - 1)));
  }
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    dialog->findChild<QListWidget*>("ColList")->item(0)->setSelected(true);  // ID
    dialog->findChild<QPushButton*>("btnOk")->click();
  });
  platform.prompter.Then(tabulo::Answer::Ok);  // the number of rows
  platform.prompter.Then(tabulo::Answer::No);  // no write-back
  const auto extractStart = std::chrono::steady_clock::now();
  std::function<void()> whenExtracted = [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* narrowed = qobject_cast<tabulo::ui::TTabulo*>(widget);
      if (narrowed == nullptr || !narrowed->Narrowed() || !narrowed->isVisible()) continue;
      (void)narrowed->grab();
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - extractStart).count();
      std::printf("duplicates by ID, %d rows   %7.3f s to show\n", narrowed->Grid().RowCount() - 1, seconds);
      narrowed->close();
      return;
    }
    QTimer::singleShot(5, whenExtracted);
  };
  QTimer::singleShot(5, whenExtracted);
  window.mmDaburiClick();
  std::filesystem::remove_all(config);
  return 0;
}
