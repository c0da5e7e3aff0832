// What a new user sees of the window: its first size, the rows on the screen
// while the title question is asked, the status bar's selection, the
// function menu of the calculation bar, row heights and the display font.

#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <functional>

#include "core/calc/CalcItems.h"
#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "support/WindowFixture.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"

using tabulo::Answer;

namespace tabulo::ui {
namespace {

// Lets a test look at the window while a question is open.
class PeekingPrompter final : public Prompter {
 public:
  explicit PeekingPrompter(platform::ScriptedPrompter& answers) : m_answers(answers) {}
  std::function<void(const Prompt&)> peek;

 private:
  Answer Show(const Prompt& prompt) override {
    if (peek) peek(prompt);
    return m_answers.Ask(prompt);
  }

  platform::ScriptedPrompter& m_answers;
};

}  // namespace

class WindowLookTest final : public QObject {
  Q_OBJECT

 private slots:
  void firstStartOpensAtTwoThirdsOfTheScreen() {
    test::TempDir dir;
    platform::ScriptedPlatform platform;
    TTabulo window(platform.AsServices(), {dir / "Tabulo.Ctl", dir / "Csv.his", dir / "Fixed.his", dir.Path(), dir / "FixedCnf", dir / "GPC"});
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(window.width(), std::max(screen.width() * 2 / 3, window.minimumWidth()));
    QCOMPARE(window.height(), std::max(screen.height() * 2 / 3, window.minimumHeight()));
    QVERIFY(screen.contains(window.geometry()));
  }

  void theTitleQuestionIsAskedOverTheNewFilesRows() {
    test::TempDir dir;
    platform::ScriptedPlatform platform;
    PeekingPrompter prompter(platform.prompter);
    platform::Services services = platform.AsServices();
    TTabulo window({prompter, services.fileDialogs, services.inputBox, services.fontDialog, services.help,
                    services.processes, services.clipboard},
                   {dir / "Tabulo.Ctl", dir / "Csv.his", dir / "Fixed.his", dir.Path(), dir / "FixedCnf", dir / "GPC"});
    window.show();
    window.Grid().SetCell(1, 1, "previous");
    test::WriteFile(dir / "new.csv", "id,name\r\n1,pen\r\n2,ink\r\n");
    QStringList seen;
    prompter.peek = [&](const Prompt& prompt) {
      if (prompt.id != MessageId::UseFirstLineAsTitlesQuestion) return;
      const GridModel* model = window.Model();
      seen << model->data(model->index(0, 0), Qt::DisplayRole).toString()
           << model->data(model->index(0, 1), Qt::DisplayRole).toString()
           << model->headerData(2, Qt::Vertical, Qt::DisplayRole).toString()
           << QString::number(model->rowCount());
    };
    platform.prompter.Then(Answer::Yes);
    window.OpenCsvFile(dir / "new.csv");
    QCOMPARE(seen, QStringList({"id", "name", "3", "3"}));
    QCOMPARE(window.Model()->rowCount(), 2);  // and the answer is applied afterwards
  }

  void theSelectionPanelHoldsSixDigitRowNumbers() {
    test::WindowFixture f;
    f.Grid().SetRowCount(200'001);
    f.window->Model()->DocumentReset();
    f.Select({1, 123'456, 9, 199'999});
    auto* panel = f.window->findChild<QLabel*>("SBar1Panel3");
    QTRY_VERIFY(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
    QVERIFY(panel->text().contains("199999"));
  }

  void theFunctionMenuOpensUnderItsButtonWithWholeDescriptions() {
    test::WindowFixture f;
    auto* button = f.window->findChild<QPushButton*>("btnFuncName");
    button->click();
    auto* menu = f.window->findChild<QMenu*>("PMFuncName");
    QTRY_VERIFY(menu->isVisible());
    const QPoint under = button->mapToGlobal(QPoint(0, button->height()));
    QCOMPARE(menu->geometry().top(), under.y());
    QVERIFY(menu->geometry().left() <= under.x());  // moved left only when too wide for the screen's right
    QVERIFY(menu->screen()->availableGeometry().contains(menu->geometry()));
    // Every description of the table shows in full.
    auto* list = menu->findChild<QListWidget*>("FunctionList");
    const QString shown = [&] {
      QStringList texts;
      for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
      return texts.join('\n');
    }();
    for (const TFuncItem& func : FuncItems()) {
      if (!func.Description.empty()) QVERIFY(shown.contains(QString::fromUtf8(func.Description.data(), static_cast<qsizetype>(func.Description.size()))));
    }
    // Choosing an item inserts it and closes the menu.
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QCOMPARE(f.window->CalcLine()->currentText(), QString("Self"));
  }

  void theRowHeightCommandSetsTheTitleRowToo() {
    test::WindowFixture f;
    f.platform.inputBox.Then(std::string("33"));
    f.Action("mmRowHeight")->trigger();
    QCOMPARE(f.window->View()->horizontalHeader()->height(), 33);
    QCOMPARE(f.window->View()->verticalHeader()->sectionSize(0), 33);
    QCOMPARE(f.Grid().RowHeight(0), 33);
  }

  void aChosenFontIsKeptAndRowsGrowToHoldIt() {
    test::WindowFixture f;
    f.Action("mmCloseMsg")->setChecked(false);
    f.platform.fontDialog.Then(platform::FontChoice{"DejaVu Sans", 128, 14, 0});
    f.Action("mmFont")->trigger();
    GridView* view = f.window->View();
    QCOMPARE(view->font().family(), QString("DejaVu Sans"));
    const int needed = QFontMetrics(view->font()).height() + 3;
    QVERIFY(f.Grid().DefaultRowHeight() >= needed);
    QVERIFY(view->verticalHeader()->sectionSize(0) >= needed);
    QVERIFY(view->horizontalHeader()->height() >= needed);

    f.window->close();
    f.Open();  // the next start shows the same font at the same height
    QCOMPARE(f.window->View()->font().family(), QString("DejaVu Sans"));
    QCOMPARE(f.window->View()->font().pointSize(), 14);
    QVERIFY(f.Grid().DefaultRowHeight() >= needed);
  }

  void theStartFileShowsItsPlainAbsolutePath() {
    test::WindowFixture f;
    test::WriteFile(f.dir / "a.csv", "x,y\r\n");
    std::filesystem::create_directory(f.dir / "sub");
    f.window->SetCommandLine({(f.dir.Path() / "." / "sub" / ".." / "a.csv").string()});
    f.platform.prompter.Then(Answer::No);
    f.window->hide();
    f.window->show();  // the first showing opens the start file
    QTRY_COMPARE(f.window->DocumentFile(), f.dir / "a.csv");
    QCOMPARE(f.window->findChild<QLabel*>("SBar1Panel5")->text(), QString::fromStdString((f.dir / "a.csv").string()));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::WindowLookTest)
#include "WindowLookTest.moc"
