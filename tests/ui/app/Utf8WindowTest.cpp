// A UTF-8 file in the window: shown, typed into, found, copied and saved in
// its own encoding, and saved in another one only as the user chose.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "core/locale/TextConverter.h"
#include "support/ModalSteps.h"
#include "support/TestFiles.h"
#include "support/WindowFixture.h"
#include "ui/app/GridModel.h"

using tabulo::Answer;

namespace tabulo::ui {

class Utf8WindowTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::WindowFixture {
    std::filesystem::path Write(const char* name, std::string_view bytes) {
      test::WriteFile(dir / name, bytes);
      return dir / name;
    }
    // Opens `path`, answering the title question with No.
    void OpenFile(const std::filesystem::path& path) {
      platform.prompter.Then(Answer::No);
      window->OpenCsvFile(path);
    }
    QString Shown(int col, int row) const {
      const GridModel* model = window->Model();
      return model->data(model->index(row - 1, col - 1), Qt::DisplayRole).toString();
    }
    QString EncodingPanel() const { return window->findChild<QLabel*>("SBar1Encoding")->text(); }
  };

  static void WhenModal(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        act(*dialog);
      } else {
        QTest::qFail("no modal dialog is showing", __FILE__, __LINE__);
      }
    });
  }

 private slots:
  void aUtf8FileIsShownTypedIntoAndSavedBackInItsEncoding() {
    Fixture f;
    const std::string original = "\xEF\xBB\xBF名前,絵〜\r\n田中,😀\r\n";
    const auto path = f.Write("u.csv", original);
    f.OpenFile(path);
    QCOMPARE(f.EncodingPanel(), QStringLiteral("UTF-8 (BOM付き)"));
    QCOMPARE(f.Shown(2, 1), QStringLiteral("絵〜"));
    QCOMPARE(f.Shown(2, 2), QStringLiteral("😀"));
    // Default titles and row numbers read as text, not as stray bytes.
    const QString title = f.window->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
    QVERIFY(!title.isEmpty() && !title.contains(QChar(0xFFFD)));
    QCOMPARE(f.window->Model()->headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("2"));

    // Saved unchanged, the file comes back byte for byte.
    f.Action("mmFileSave")->trigger();
    QCOMPARE(test::ReadFile(path), original);

    GridModel* model = f.window->Model();
    QVERIFY(model->setData(model->index(1, 0), QStringLiteral("鈴木🍣"), Qt::EditRole));
    QCOMPARE(f.Grid().Cell(1, 2), std::string_view("鈴木🍣"));
    f.Action("mmFileSave")->trigger();
    QCOMPARE(test::ReadFile(path), std::string("\xEF\xBB\xBF名前,絵〜\r\n鈴木🍣,😀\r\n"));

    auto* find = f.window->findChild<QComboBox*>("CBFindText");
    find->setEditText(QStringLiteral("😀"));
    f.Action("mmFind")->trigger();
    QCOMPARE(f.Grid().Col(), 2);
    QCOMPARE(f.Grid().Row(), 2);
  }

  // Sorting and narrowing a UTF-8 table: the dialogs list its titles, the
  // narrowed window is titled with the condition and holds the matches.
  void aUtf8TableSortsAndNarrows() {
    Fixture f;
    f.OpenFile(f.Write("u.csv", "\xEF\xBB\xBFあ,😀\r\nイ,🍣\r\nア,😀\r\n"));
    test::OnDialog([](QWidget& dialog) {
      auto* columns = dialog.findChild<QListWidget*>("LBNoSort");
      QVERIFY(columns->item(1)->text().endsWith(QStringLiteral(":😀")));
      columns->item(0)->setSelected(true);
      dialog.findChild<QPushButton*>("BtnGoWrite")->click();
      dialog.findChild<QPushButton*>("btnOk")->click();
    });
    f.Action("mmSort")->trigger();
    QCOMPARE(f.Shown(1, 1) + f.Shown(1, 2) + f.Shown(1, 3), QStringLiteral("アあイ"));  // as a Shift-JIS copy sorts

    f.platform.prompter.Then(Answer::Ok);   // the number of matches
    f.platform.prompter.Then(Answer::Yes);  // "?" for the emoji
    f.platform.prompter.Then(Answer::Yes);  // write back
    test::OnDialog([](QWidget& dialog) {
      dialog.findChild<QComboBox*>("CBK1")->setCurrentIndex(2);
      dialog.findChild<QLineEdit*>("EditS1")->setText(QStringLiteral("😀"));
      dialog.findChild<QPushButton*>("btnOk")->click();
    });
    bool checked = false;
    test::OnNarrowedWindow([&checked](TTabulo& narrowed) {
      QCOMPARE(narrowed.Grid().RowCount(), 3);
      QVERIFY(narrowed.windowTitle().contains(QStringLiteral(" →選択( [")));
      QVERIFY(narrowed.windowTitle().contains(QStringLiteral(" 含む 😀] )")));
      QCOMPARE(narrowed.findChild<QLabel*>("SBar1Encoding")->text(), QStringLiteral("UTF-8 (BOM付き)"));
      // Saved as Shift-JIS there, its texts still come back as UTF-8.
      QVERIFY(narrowed.ChangeEncoding(FileEncoding{}));
      QCOMPARE(narrowed.Grid().Cell(1, 1), std::string_view(test::Sjis("ア")));
      checked = true;
      narrowed.findChild<QAction*>("mmSentakuOff")->trigger();
    });
    f.Action("mmSentaku")->trigger();
    QVERIFY(checked);
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.EncodingPanel(), QStringLiteral("UTF-8 (BOM付き)"));
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("ア"));
    QCOMPARE(f.Grid().Cell(2, 1), std::string_view("?"));
    QCOMPARE(f.Grid().Cell(2, 3), std::string_view("🍣"));
  }

  // A formula names a UTF-8 title; the replace dialog lists the titles and
  // joins a typed emoji.
  void formulasAndReplacesTakeTheDocumentsText() {
    Fixture f;
    f.platform.prompter.Then(Answer::Yes);  // the first line holds the titles
    f.window->OpenCsvFile(f.Write("u.csv", "数量😀,メモ\r\n2,a\r\n3,b\r\n"));
    f.window->CalcLine()->setEditText(QStringLiteral("[数量😀] * 10"));
    f.Select({2, 1, 2, 2});
    f.platform.prompter.Then(Answer::Yes);  // run the formula over the selection
    f.window->BtnDoCalcClick();
    QCOMPARE(f.Grid().Cell(2, 2), std::string_view("30"));
    // The history lives in the settings as Shift-JIS: an emoji formula stays out of it.
    QCOMPARE(f.window->CalcLine()->count(), 0);

    f.Select({2, 1, 2, 2});
    test::OnDialog([](QWidget& dialog) {
      dialog.findChild<QRadioButton*>("RGMethod2")->click();  // データ連結
      auto* front = dialog.findChild<QComboBox*>("CBPreData");
      QCOMPARE(front->itemText(1), QStringLiteral("数量😀"));
      front->setCurrentIndex(1);
      dialog.findChild<QComboBox*>("CBNextData")->setEditText(QStringLiteral("🍣"));
      dialog.findChild<QPushButton*>("btnOk")->click();
    });
    f.Action("mmReplace")->trigger();
    QCOMPARE(f.Grid().Cell(2, 1), std::string_view("220🍣"));
  }

  void theOpenDialogsChoiceOverridesDetection() {
    Fixture f;
    const auto path = f.Write("u.csv", "題,a\r\n");
    f.platform.fileDialogs.Then({path}, 1);  // "Shift-JIS"
    f.platform.prompter.Then(Answer::No);
    f.window->btnFileOpenClick();
    QCOMPARE(f.EncodingPanel(), QStringLiteral("Shift-JIS"));
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view("題"));  // the same bytes, read as code page 932

    f.platform.fileDialogs.Then({path});  // "自動判別" stays chosen
    f.platform.prompter.Then(Answer::No);
    f.window->btnFileOpenClick();
    QCOMPARE(f.EncodingPanel(), QStringLiteral("UTF-8"));
    QCOMPARE(f.Shown(1, 1), QStringLiteral("題"));
  }

  // Cells copied from a UTF-8 document into a Shift-JIS one go through
  // Unicode: their bytes would mean something else there.
  void cellsPasteIntoADocumentOfTheOtherEncodingAsText() {
    Fixture f;
    f.OpenFile(f.Write("u.csv", "題,😀\r\n"));
    f.Select({1, 1, 1, 1});
    f.Action("mmCopy")->trigger();
    QCOMPARE(*f.platform.clipboard.text, std::u16string(u"題\r\n"));
    f.Action("mmNewWindow")->setChecked(false);
    f.window->btnNewFileClick();
    QCOMPARE(f.EncodingPanel(), QStringLiteral("Shift-JIS"));
    f.Select({1, 1, 1, 1});
    f.window->mmPasteClick(0);
    QCOMPARE(f.Grid().Cell(1, 1), std::string_view(test::Sjis("題")));
  }

  void savingAsShiftJisAsksBeforeCharactersAreLost() {
    Fixture f;
    const auto path = f.Write("u.csv", "題,😀\r\n");
    f.OpenFile(path);
    const auto saveAsShiftJis = [&] {
      WhenModal([](QWidget& dialog) {
        dialog.findChild<QComboBox*>("CBEncoding")->setCurrentIndex(0);
        dialog.findChild<QPushButton*>("btnOk")->click();
      });
      return f.window->SaveDocumentAs();
    };

    f.platform.prompter.Then(Answer::No);
    QVERIFY(!saveAsShiftJis());
    const Prompt& asked = f.platform.prompter.Asked().back();
    QCOMPARE(asked.id, MessageId::EncodingLossQuestion);
    QVERIFY(asked.text.find("1 個のセルに Shift-JIS で表せない文字") != std::string::npos);
    QVERIFY(asked.text.find("列 2 行 1") != std::string::npos);
    QCOMPARE(f.EncodingPanel(), QStringLiteral("UTF-8"));
    QCOMPARE(test::ReadFile(path), std::string("題,😀\r\n"));  // nothing written

    f.platform.prompter.Then(Answer::Yes);
    QVERIFY(saveAsShiftJis());
    QCOMPARE(f.EncodingPanel(), QStringLiteral("Shift-JIS"));
    QCOMPARE(test::ReadFile(path), test::Sjis("題") + ",?\r\n");

    // The conversion is one step: undone, the emoji and the encoding are back.
    f.Action("mmUndo")->trigger();
    QCOMPARE(f.EncodingPanel(), QStringLiteral("UTF-8"));
    QCOMPARE(f.Shown(2, 1), QStringLiteral("😀"));
    QVERIFY(f.platform.prompter.AllAnswered());
  }

  void savingAsUtf8KeepsEveryCharacterOfAShiftJisDocument() {
    Fixture f;
    const auto path = f.Write("s.csv", test::Sjis("題,ｱ髙\r\n"));
    f.OpenFile(path);
    QCOMPARE(f.EncodingPanel(), QStringLiteral("Shift-JIS"));
    WhenModal([](QWidget& dialog) {
      dialog.findChild<QComboBox*>("CBEncoding")->setCurrentIndex(2);
      dialog.findChild<QPushButton*>("btnOk")->click();
    });
    QVERIFY(f.window->SaveDocumentAs());
    QCOMPARE(test::ReadFile(path), std::string("\xEF\xBB\xBF題,ｱ髙\r\n"));
    QCOMPARE(f.EncodingPanel(), QStringLiteral("UTF-8 (BOM付き)"));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::Utf8WindowTest)
#include "Utf8WindowTest.moc"
