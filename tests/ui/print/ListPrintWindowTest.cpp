// The list print window: its settings going back to the document's layout,
// the pages of the preview, printing with copies, and print formats.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "core/print/PrintFormatFile.h"
#include "support/ModalSteps.h"
#include "support/WindowFixture.h"
#include "ui/print/PrinterSystem.h"
#include "ui/print/TGridPrint.h"
#include "ui/print/TSpinFloatEdit.h"

using tabulo::Answer;

namespace tabulo::ui {
namespace {

using test::OnDialog;

// One printer and the PDF printer, answering the print dialog from a script
// and keeping the pages it was given.
class ScriptedPrinters final : public PrinterSystem {
 public:
  std::vector<std::string> PrinterNames() override { return {"Office", "PDF ファイル"}; }
  int DefaultPrinter() override { return 0; }
  bool IsPdf(int index) override { return index == 1; }
  PrinterMetrics Metrics(const PrinterChoice& choice) override { return PdfPrinterMetrics(choice.paperSize, choice.orientation, 300); }
  bool SetupPrinter(QWidget*, PrinterChoice&) override { return false; }
  std::optional<PrintRequest> AskPrint(QWidget*, const PrinterChoice&, int pageCount,
                                       const std::filesystem::path&) override {
    askedPages = pageCount;
    return request;
  }
  std::vector<int> Print(const PrinterChoice&, const PrintRequest&, const PdfDocument& pages,
                         const std::vector<int>& sequence) override {
    printed = sequence;
    for (int page : sequence) (void)pages.layoutOf(page);
    return {};
  }

  std::optional<PrintRequest> request;
  int askedPages = 0;
  std::vector<int> printed;
};

TGridPrint& PrintWindow(QWidget& dialog) { return static_cast<TGridPrint&>(dialog); }

}  // namespace

class ListPrintWindowTest final : public QObject {
  Q_OBJECT

 private:
  // 100 rows in two columns, 20 rows a page (lines of 10 mm).
  struct Fixture : test::WindowFixture {
    ScriptedPrinters* printers;
    Fixture() {
      auto scripted = std::make_unique<ScriptedPrinters>();
      printers = scripted.get();
      window->UsePrinters(std::move(scripted));
      Grid().SetColCount(3);
      Grid().SetRowCount(101);
      for (int row = 1; row <= 100; ++row) {
        Grid().SetCell(0, row, std::to_string(row));
        Grid().SetCell(1, row, "item" + std::to_string(row));
        Grid().SetCell(2, row, std::to_string(row * 10));
      }
      TGridPrintInfo& info = window->DocumentState().printInfo;
      info.FontName = "Gothic";
      info.RowHeight = 100;
      info.TopMargin = 100;
      info.BottomMargin = 100;  // 277 mm: 27 lines, 24 of them rows
      window->SyncViewFromDocument();
    }
  };

 private slots:
  void SettingsGoBackToTheDocumentAndPagesFollowThem() {
    Fixture f;
    f.platform.fontDialog.Then(platform::FontChoice{"Mincho", 0, 12, 1});
    OnDialog([](QWidget& dialog) {
      TGridPrint& print = PrintWindow(dialog);
      QCOMPARE(print.PageCount(), 5);
      QCOMPARE(dialog.findChild<QLabel*>("pnlPage")->text(), QStringLiteral("1 / 5"));
      QVERIFY(!dialog.findChild<QPushButton*>("btnPrev")->isEnabled());
      dialog.findChild<QPushButton*>("btnNext")->click();
      QCOMPARE(print.PageIndex(), 1);
      dialog.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&dialog));
      QTest::keyClick(&dialog, Qt::Key_End, Qt::ControlModifier);
      QCOMPARE(print.PageIndex(), 4);
      QVERIFY(!dialog.findChild<QPushButton*>("btnNext")->isEnabled());
      QTest::keyClick(&dialog, Qt::Key_PageUp);
      QCOMPARE(print.PageIndex(), 3);
      // Without header, title and page number the page holds 27 rows.
      for (const char* name : {"CBFileName", "CBDate", "CBTitle", "CBPage"}) dialog.findChild<QCheckBox*>(name)->click();
      QCOMPARE(print.PageCount(), 4);
      dialog.findChild<QPushButton*>("BtnFont")->click();
      QVERIFY(dialog.findChild<QLabel*>("LabelFont")->text().contains(QStringLiteral("Size:12")));
      auto* left = dialog.findChild<TSpinFloatEdit*>("SpinMrgX");
      left->SetValue(255);
      QVERIFY(!print.PagePicture().isNull());
      dialog.findChild<QPushButton*>("BtnClose")->click();
    });
    f.window->BtnPrintClick();
    const TGridPrintInfo& info = f.window->DocumentState().printInfo;
    QCOMPARE(info.ShowTitle, false);
    QCOMPARE(info.ShowFileName, false);
    QCOMPARE(info.LeftMargin, 255);
    QCOMPARE(info.PrinterIndex, 0);
    QCOMPARE(info.FontName, std::string("Mincho"));
    QCOMPARE(info.FontSize, 12);
    QCOMPARE(info.FontStyle, std::uint8_t{1});
    // Columns without a print width got the one they have on the screen.
    QVERIFY(f.Grid().Item(1).PrintWidth > 0);
  }

  void PagesArePrintedInTheOrderOfTheCopies() {
    Fixture f;
    f.printers->request = PrintRequest{1, 2, 2, false, {}};
    OnDialog([](QWidget& dialog) {
      dialog.findChild<QPushButton*>("BtnPrint")->click();
      dialog.findChild<QPushButton*>("BtnClose")->click();
    });
    f.window->BtnPrintClick();
    QCOMPARE(f.printers->askedPages, 5);
    QCOMPARE(f.printers->printed, (std::vector<int>{1, 1, 2, 2}));

    f.printers->request = PrintRequest{1, 2, 2, true, {}};
    OnDialog([](QWidget& dialog) {
      dialog.findChild<QPushButton*>("BtnPrint")->click();
      dialog.findChild<QPushButton*>("BtnClose")->click();
    });
    f.window->BtnPrintClick();
    QCOMPARE(f.printers->printed, (std::vector<int>{1, 2, 1, 2}));
  }

  void ALineHigherThanThePagePrintsNothing() {
    Fixture f;
    f.window->DocumentState().printInfo.RowHeight = 2000;
    f.printers->request = PrintRequest{0, 0, 1, true, {}};
    OnDialog([](QWidget& dialog) {
      QVERIFY(!dialog.findChild<QLabel*>("LabelOk")->text().isEmpty());
      dialog.findChild<QPushButton*>("BtnPrint")->click();
      dialog.findChild<QPushButton*>("BtnClose")->click();
    });
    f.window->BtnPrintClick();
    QCOMPARE(f.printers->askedPages, 0);
    QVERIFY(f.printers->printed.empty());
  }

  void PrintFormatsAreSavedAndLoadedBack() {
    Fixture f;
    const std::filesystem::path file = f.dir / "GPC" / "list.GPC";
    f.platform.fileDialogs.Then({file});
    OnDialog([](QWidget& dialog) {
      QVERIFY(dialog.findChild<QPushButton*>("BtnGpcSave")->isVisible());
      dialog.findChild<QCheckBox*>("CBLine")->click();
      dialog.findChild<QPushButton*>("BtnGpcSave")->click();
      dialog.findChild<QPushButton*>("BtnClose")->click();
    });
    f.window->BtnPrintClick();
    QVERIFY(std::filesystem::exists(file));

    // Lines back on and a column title changed; the format brings both back.
    f.window->DocumentState().printInfo.Lines = true;
    f.Grid().SetCell(1, 0, "changed");
    f.platform.fileDialogs.Then({file});
    f.platform.prompter.Then(Answer::Yes);
    OnDialog([](QWidget& dialog) {
      dialog.findChild<QPushButton*>("BtnGpcLoad")->click();
      QVERIFY(!dialog.findChild<QCheckBox*>("CBLine")->isChecked());
      dialog.findChild<QPushButton*>("BtnClose")->click();
    });
    f.window->BtnPrintClick();
    QCOMPARE(f.window->DocumentState().printInfo.Lines, false);
    QVERIFY(f.Grid().Cell(1, 0) != "changed");

    // A damaged file: the error, and the window stays as it was.
    test::WriteFile(f.dir / "GPC" / "bad.GPC", "junk");
    f.platform.fileDialogs.Then({f.dir / "GPC" / "bad.GPC"});
    f.platform.prompter.Then(Answer::Yes);
    f.platform.prompter.Then(Answer::Ok);
    OnDialog([](QWidget& dialog) {
      dialog.findChild<QPushButton*>("BtnGpcLoad")->click();
      dialog.findChild<QPushButton*>("BtnClose")->click();
    });
    f.window->BtnPrintClick();
    QCOMPARE(f.platform.prompter.Asked().back().id, MessageId::PrintFormatLoadFailed);
    QVERIFY(f.platform.prompter.AllAnswered());
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::ListPrintWindowTest)
#include "ListPrintWindowTest.moc"
