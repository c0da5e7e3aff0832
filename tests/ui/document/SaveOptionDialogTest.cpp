#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/ScriptedServices.h"
#include "ui/document/TSaveOption.h"

namespace tabulo {
// For QCOMPARE's message when two records differ.
char* toString(const SaveOptions& options) {
  return qstrdup(QStringLiteral("{%1, %2, %3, %4}")
                     .arg(options.SaveType)
                     .arg(options.SaveAttributes)
                     .arg(options.WithTitle)
                     .arg(options.WithRowNumbers)
                     .toUtf8()
                     .constData());
}
}  // namespace tabulo

using tabulo::SaveOptions;
using tabulo::platform::ScriptedPlatform;
using tabulo::Sound;
using tabulo::ui::AskSaveOptions;
using tabulo::ui::TSaveOption;

namespace {

template <class Widget>
Widget& Find(const QWidget& dialog, const QString& name) {
  auto* widget = dialog.findChild<Widget*>(name);
  if (widget == nullptr) qFatal("the dialog has no control %s", qPrintable(name));
  return *widget;
}

QRadioButton& Item(const QWidget& dialog, int index) {
  return Find<QRadioButton>(dialog, QStringLiteral("RGSaveType%1").arg(index));
}
QCheckBox& Box(const QWidget& dialog, const char* name) { return Find<QCheckBox>(dialog, name); }
QPushButton& Button(const QWidget& dialog, const char* name) { return Find<QPushButton>(dialog, name); }

bool IsBlue(const QWidget& control) {
  return control.palette().color(QPalette::Active, QPalette::WindowText) == QColor(Qt::blue);
}
bool HasWindowTextColour(const QWidget& control) {
  return control.palette().color(QPalette::Active, QPalette::WindowText) ==
         control.window()->palette().color(QPalette::Active, QPalette::WindowText);
}

// Runs `act` on the modal dialog once exec() has shown it. A failed check
// inside `act` returns early, so whatever is still open is closed afterwards
// rather than left waiting for the test's timeout.
void WhenModal(std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      act(*dialog);
    } else {
      QTest::qFail("no modal dialog is showing", __FILE__, __LINE__);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(window); dialog != nullptr && dialog->isVisible()) dialog->reject();
    }
  });
}

// A dialog on scripted services, for the tests that need no modal loop.
struct Fixture {
  ScriptedPlatform platform;
  tabulo::platform::Services services = platform.AsServices();
  TSaveOption dialog{nullptr, services};
};

}  // namespace

class SaveOptionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void presetShowsTheFormat_data() {
    QTest::addColumn<int>("saveType");
    QTest::addColumn<int>("shown");
    for (int type = 0; type < 5; ++type) QTest::addRow("format %d", type) << type << type;
    QTest::newRow("out of range") << 7 << 0;
  }

  void presetShowsTheFormat() {
    QFETCH(int, saveType);
    QFETCH(int, shown);
    Fixture fixture;
    auto& dialog = fixture.dialog;
    dialog.Preset("/data/a.csv", SaveOptions{(shown + 2) % 5, true, false, false});
    dialog.Preset("/data/a.csv", SaveOptions{saveType, true, false, false});
    for (int index = 0; index < 5; ++index) {
      QCOMPARE(Item(dialog, index).isChecked(), index == shown);
      QCOMPARE(IsBlue(Item(dialog, index)), index == shown);
      if (index != shown) QVERIFY(HasWindowTextColour(Item(dialog, index)));
    }
    QCOMPARE(dialog.Choices().SaveType, shown);
  }

  void presetShowsTheBoxes_data() {
    QTest::addColumn<bool>("attributes");
    QTest::addColumn<bool>("title");
    QTest::addColumn<bool>("numbers");
    QTest::newRow("attributes only") << true << false << false;
    QTest::newRow("attributes hide the others") << true << true << true;
    QTest::newRow("title") << false << true << false;
    QTest::newRow("row numbers") << false << false << true;
    QTest::newRow("nothing") << false << false << false;
  }

  void presetShowsTheBoxes() {
    QFETCH(bool, attributes);
    QFETCH(bool, title);
    QFETCH(bool, numbers);
    Fixture fixture;
    auto& dialog = fixture.dialog;
    const SaveOptions options{3, attributes, title, numbers};
    dialog.Preset("/data/a.csv", options);
    const std::pair<const char*, bool> boxes[] = {{"CBCTL", attributes}, {"CBTitle", title}, {"CBNo", numbers}};
    for (const auto& [name, checked] : boxes) {
      QCOMPARE(Box(dialog, name).isChecked(), checked);
      QCOMPARE(IsBlue(Box(dialog, name)), checked);
    }
    QCOMPARE(Box(dialog, "CBTitle").isEnabled(), !attributes);
    QCOMPARE(Box(dialog, "CBNo").isEnabled(), !attributes);
    QCOMPARE(dialog.Choices(), options);
    QCOMPARE(dialog.Defaults(), options);
  }

  void clicksRecolourAndEnable() {
    Fixture fixture;
    auto& dialog = fixture.dialog;
    QVERIFY(IsBlue(Item(dialog, 0)));
    QVERIFY(!Box(dialog, "CBTitle").isEnabled());

    Item(dialog, 3).click();
    QVERIFY(IsBlue(Item(dialog, 3)));
    QVERIFY(HasWindowTextColour(Item(dialog, 0)));

    Box(dialog, "CBCTL").click();
    QVERIFY(HasWindowTextColour(Box(dialog, "CBCTL")));
    QVERIFY(Box(dialog, "CBTitle").isEnabled() && Box(dialog, "CBNo").isEnabled());
    Box(dialog, "CBTitle").click();
    QVERIFY(IsBlue(Box(dialog, "CBTitle")));

    // Saving the attributes again disables the title box; it keeps its tick
    // but must look disabled, not blue.
    Box(dialog, "CBCTL").click();
    QVERIFY(!Box(dialog, "CBTitle").isEnabled());
    QVERIFY(Box(dialog, "CBTitle").palette().color(QPalette::Disabled, QPalette::WindowText) != QColor(Qt::blue));
    QCOMPARE(dialog.Choices(), (SaveOptions{3, true, true, false}));
  }

  void fileNameButtonAsksForAPath() {
    Fixture fixture;
    auto& [platform, services, dialog] = fixture;
    dialog.Preset("", SaveOptions{});
    QVERIFY(!Button(dialog, "btnOk").isEnabled());
    platform.fileDialogs.Then({"/data/out/new.tsv"});
    Button(dialog, "btnFileName").click();
    QCOMPARE(Find<QLabel>(dialog, "PnlFileName").text(), QStringLiteral("/data/out/new.tsv"));
    QCOMPARE(dialog.FileName(), std::filesystem::path("/data/out/new.tsv"));
    QVERIFY(Button(dialog, "btnOk").isEnabled());

    platform.fileDialogs.Then({});  // cancelled
    Button(dialog, "btnFileName").click();
    const auto& asked = platform.fileDialogs.Opened().at(1);
    QCOMPARE(asked.title, std::string("CSVファイルの保存"));
    QCOMPARE(asked.fileName, std::filesystem::path("/data/out/new.tsv"));
    QCOMPARE(asked.initialFolder, std::filesystem::path("/data/out"));
    QCOMPARE(asked.defaultExtension, std::string("csv"));
    QCOMPARE(asked.filter,
             std::string("ＣＳＶ形式ファイル(*.csv,*.txt,*.tsv)|*.csv;*.txt;*.tsv|全てのファイル(*.*)|*.*"));
    QVERIFY(asked.confirmOverwrite && !asked.mustExist);
    QCOMPARE(dialog.FileName(), std::filesystem::path("/data/out/new.tsv"));
  }

  void helpButtonShowsItsPage() {
    Fixture fixture;
    Button(fixture.dialog, "BtnHelp").click();
    QCOMPARE(fixture.platform.help.shown, std::vector<int>{10005});
  }

  void okHandsBackPathAndChoicesButNotTheDefaults() {
    ScriptedPlatform platform;
    auto services = platform.AsServices();
    platform.fileDialogs.Then({"/data/b.csv"});
    QWidget parent;
    parent.setGeometry(60, 50, 700, 500);
    std::filesystem::path fileName = "/data/a.csv";
    const SaveOptions defaults{2, false, true, false};
    SaveOptions saveOptions = defaults;
    SaveOptions chosen;
    // A UTF-8 text with LF line ends, saved with a byte-order mark, keeps them.
    tabulo::FileEncoding encoding{tabulo::TextEncoding::Utf8, false, true};
    WhenModal([&](QWidget& dialog) {
      QCOMPARE(dialog.x(), 60 + (700 - dialog.width()) / 2);
      QCOMPARE(dialog.y(), 50 + (500 - dialog.height()) / 2);
      QVERIFY(Item(dialog, 2).isChecked());
      auto* box = dialog.findChild<QComboBox*>("CBEncoding");
      QCOMPARE(box->currentText(), QStringLiteral("UTF-8"));
      box->setCurrentIndex(2);
      Item(dialog, 1).click();
      Box(dialog, "CBNo").click();
      Button(dialog, "btnFileName").click();
      Button(dialog, "btnOk").click();
    });
    QVERIFY(AskSaveOptions(&parent, services, fileName, saveOptions, chosen, encoding));
    QCOMPARE(fileName, std::filesystem::path("/data/b.csv"));
    QVERIFY((encoding == tabulo::FileEncoding{tabulo::TextEncoding::Utf8, true, true}));
    QCOMPARE(chosen, (SaveOptions{1, false, true, true}));
    QCOMPARE(saveOptions, defaults);
    QCOMPARE(platform.prompter.Beeps(), std::vector<Sound>{Sound::Question});
  }

  void defaultButtonSetsTheRecordHandedBack() {
    ScriptedPlatform platform;
    auto services = platform.AsServices();
    std::filesystem::path fileName = "/data/a.csv";
    SaveOptions saveOptions;
    SaveOptions chosen;
    WhenModal([](QWidget& dialog) {
      Item(dialog, 3).click();
      Button(dialog, "BitBtn1").click();
      Item(dialog, 4).click();
      Button(dialog, "btnOk").click();
    });
    tabulo::FileEncoding encoding;
    QVERIFY(AskSaveOptions(nullptr, services, fileName, saveOptions, chosen, encoding));
    QVERIFY(encoding == tabulo::FileEncoding{});
    QCOMPARE(saveOptions, (SaveOptions{3, true, false, false}));
    QCOMPARE(chosen, (SaveOptions{4, true, false, false}));
  }

  void cancelLeavesPathAndChoices_data() {
    QTest::addColumn<bool>("pressDefault");
    QTest::addColumn<bool>("escape");
    QTest::newRow("中止") << false << false;
    QTest::newRow("escape") << false << true;
    QTest::newRow("デフォルト, then 中止") << true << false;
  }

  void cancelLeavesPathAndChoices() {
    QFETCH(bool, pressDefault);
    QFETCH(bool, escape);
    ScriptedPlatform platform;
    auto services = platform.AsServices();
    platform.fileDialogs.Then({"/data/b.csv"});
    std::filesystem::path fileName = "/data/a.csv";
    SaveOptions saveOptions;
    const SaveOptions untouched{4, false, true, true};
    SaveOptions chosen = untouched;
    tabulo::FileEncoding encoding{tabulo::TextEncoding::Utf8, true, false};
    WhenModal([&](QWidget& dialog) {
      Item(dialog, 1).click();
      dialog.findChild<QComboBox*>("CBEncoding")->setCurrentIndex(0);
      Button(dialog, "btnFileName").click();
      if (pressDefault) Button(dialog, "BitBtn1").click();
      if (escape) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
      } else {
        Button(dialog, "btnAbort").click();
      }
    });
    QVERIFY(!AskSaveOptions(nullptr, services, fileName, saveOptions, chosen, encoding));
    QCOMPARE(fileName, std::filesystem::path("/data/a.csv"));
    QVERIFY((encoding == tabulo::FileEncoding{tabulo::TextEncoding::Utf8, true, false}));
    QCOMPARE(chosen, untouched);
    QCOMPARE(saveOptions.SaveType, pressDefault ? 1 : 0);
  }
};

QTEST_MAIN(SaveOptionDialogTest)
#include "SaveOptionDialogTest.moc"
