// The main window under script: modes, commands' states, file commands,
// histories, settings, the close question, find and jumps.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/app/GridView.h"

#include "core/app/FileHistory.h"
#include "core/app/TabuloCnf.h"
#include "core/document/DocumentOperations.h"
#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "support/WindowFixture.h"
#include "ui/app/TTabulo.h"

using tabulo::Answer;
using tabulo::test::Sjis;

namespace tabulo::ui {

class MainWindowTest final : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::WindowFixture {
    std::filesystem::path Write(const char* name, std::string_view bytes) const {
      test::WriteFile(dir / name, bytes);
      return dir / name;
    }
    // Types into a cell as the cell editor does.
    void Type(int col, int row, const char* text) {
      window->Model()->setData(window->Model()->index(row - 1, col - 1), QString::fromUtf8(text), Qt::EditRole);
    }
    // Closes the window; the close question is answered by `answer` when asked.
    bool Close() {
      QCloseEvent event;
      QApplication::sendEvent(window.get(), &event);
      return event.isAccepted();
    }
  };

 private slots:
  void startsInEditModeWithANewDocument() {
    Fixture f;
    TableDocument& grid = f.window->Grid();
    QCOMPARE(grid.ColCount(), 10);
    QCOMPARE(grid.RowCount(), 10);
    QVERIFY(!f.window->InputMode());
    QCOMPARE(f.window->windowTitle(), QString("Tabulo - NewFile.csv"));
    QCOMPARE(f.window->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("列   1"));
    QCOMPARE(f.window->findChild<QLabel*>("SBar1Panel1")->text(), QString("編集"));
  }

  void showsTheDocumentItIsGiven() {
    Fixture f;
    Document document;
    NewDocument(document);
    document.grid.SetColCount(3);
    document.grid.SetRowCount(4);
    document.grid.Item(1).Title = Sjis("品名");
    document.grid.SetCell(1, 1, Sjis("ペン"));
    document.grid.SetCell(2, 3, "120");
    TTabulo second(f.platform.AsServices(), f.Files(), std::move(document));
    second.show();
    const GridModel* model = second.Model();
    QCOMPARE(model->columnCount(), 2);
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("品名"));
    QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("列   2"));
    QCOMPARE(model->index(0, 0).data(Qt::DisplayRole).toString(), QString("ペン"));
    QCOMPARE(model->index(2, 1).data(Qt::DisplayRole).toString(), QString("120"));
    QCOMPARE(f.window->Grid().ColCount(), 10);  // the first window keeps its own new document
  }

  void modeChangeSwitchesCommandsAndPanels() {
    Fixture f;
    QVERIFY(f.Action("mmSelectAll")->isEnabled());
    f.Action("mmModeChange")->trigger();
    QVERIFY(f.window->InputMode());
    QVERIFY(!f.Action("mmSelectAll")->isEnabled());
    QVERIFY(!f.Action("mmRowSelect")->isEnabled());
    QCOMPARE(f.window->findChild<QLabel*>("SBar1Panel1")->text(), QString("入力"));
    QCOMPARE(f.window->findChild<QLabel*>("SBar1Panel2")->text(), QString("Data Type"));
    QCOMPARE(f.window->findChild<QLabel*>("SBar1Panel3")->text(), QString("文字列"));
    f.Action("mmModeChange")->trigger();
    QVERIFY(!f.window->InputMode());
  }

  void deleteCommandsNeedMoreThanOneRowOrColumn() {
    Fixture f;
    const auto path = f.Write("one.csv", "a\r\n");
    f.platform.prompter.Then(Answer::No);  // blank question: one line per row
    f.platform.prompter.Then(Answer::No);  // title question
    f.window->OpenCsvFile(path);
    QCOMPARE(f.window->Grid().ColCount(), 2);
    QVERIFY(!f.Action("mmColDel")->isEnabled());
    QVERIFY(!f.Action("mmRowDel")->isEnabled());
    QVERIFY(f.Action("mmRowAdd")->isEnabled());
    f.Action("mmRowAdd")->trigger();
    QVERIFY(f.Action("mmRowDel")->isEnabled());
  }

  void enterMovesByTheChosenDirectionAndWraps() {
    Fixture f;
    TableDocument& grid = f.window->Grid();
    grid.SetCurrentCell(9, 9);
    f.window->SyncViewFromDocument();
    QTest::keyClick(f.window->View(), Qt::Key_Return);
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.Row(), 1);
    f.Action("mmCurUp")->trigger();
    QCOMPARE(f.window->Direction(), EnterDirection::Up);
    QVERIFY(f.window->findChild<QToolButton*>("BtnUp")->isChecked());
    QTest::keyClick(f.window->View(), Qt::Key_Return);
    QCOMPARE(grid.Col(), 9);
    QCOMPARE(grid.Row(), 9);
  }

  void openingAskTheTitleQuestionOnlyWithoutASideFile() {
    Fixture f;
    const auto path = f.Write("shop.csv", Sjis("品名,価格\r\nペン,120\r\n"));
    f.platform.prompter.Then(Answer::Yes);
    f.window->OpenCsvFile(path);
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.window->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("価格"));
    QCOMPARE(f.window->windowTitle(), QString("Tabulo - shop.csv"));
    QCOMPARE(f.window->DocumentFile(), path);
    QCOMPARE(f.window->Grid().RowCount(), 2);

    // Saved with attributes, it reopens without the question and with its widths.
    f.window->Grid().SetColWidth(2, 123);
    f.window->mmFileSaveClick();
    QVERIFY(std::filesystem::exists(f.dir / "shop.cfg"));
    f.window->Grid().SetColWidth(2, 50);
    f.window->OpenCsvFile(path);
    QVERIFY(f.platform.prompter.AllAnswered());
    QCOMPARE(f.window->View()->horizontalHeader()->sectionSize(1), 123);
  }

  void openingInInputModeReturnsToEditMode() {
    Fixture f;
    const auto path = f.Write("a.csv", "x,y\r\n");
    f.window->SetInputMode(true);
    f.platform.prompter.Then(Answer::No);
    f.window->OpenCsvFile(path);
    QVERIFY(!f.window->InputMode());
  }

  void openFailureChangesNothing() {
    Fixture f;
    f.window->Grid().SetCell(1, 1, "kept");
    f.platform.prompter.Then(Answer::Ok);  // the error box
    f.window->OpenCsvFile(f.dir / "missing.csv");
    QCOMPARE(f.window->Grid().Cell(1, 1), std::string_view("kept"));
    QCOMPARE(f.window->windowTitle(), QString("Tabulo - NewFile.csv"));
    QCOMPARE(f.platform.prompter.Asked().at(0).style, BoxStyle::Error);
  }

  void appendReportsAFailingFileAndGoesOn() {
    Fixture f;
    const auto first = f.Write("1.csv", "a,b\r\n");
    const auto third = f.Write("3.csv", "c,d,e\r\n");
    f.platform.prompter.Then(Answer::No);
    f.window->OpenCsvFile(first);
    f.platform.fileDialogs.Then({first, f.dir / "missing.csv", third});
    f.platform.prompter.Then(Answer::Yes);  // go on after the failure
    f.window->mmAppendFileClick();
    const TableDocument& grid = f.window->Grid();
    QCOMPARE(grid.RowCount(), 4);
    QCOMPARE(grid.Cell(2, 3), std::string_view("d"));
    QCOMPARE(grid.ColCount(), 3);  // appending never widens
    QCOMPARE(grid.Cell(0, 3), std::string_view("3"));
    const Prompt& failure = f.platform.prompter.Asked().back();
    QVERIFY(failure.text.find("missing.csv") != std::string::npos);
    QCOMPARE(failure.buttons, Buttons::YesNo);
    QCOMPARE(f.window->windowTitle(), QString("Tabulo - 1.csv"));
  }

  void appendReportsAFailingLastFileWithoutAQuestion() {
    Fixture f;
    const auto first = f.Write("1.csv", "a,b\r\n");
    f.platform.prompter.Then(Answer::No);
    f.window->OpenCsvFile(first);
    f.platform.fileDialogs.Then({first, f.dir / "missing.csv"});
    f.platform.prompter.Then(Answer::Ok);
    f.window->mmAppendFileClick();
    QCOMPARE(f.window->Grid().RowCount(), 3);
    const Prompt& failure = f.platform.prompter.Asked().back();
    QVERIFY(failure.text.find("missing.csv") != std::string::npos);
    QCOMPARE(failure.buttons, Buttons::Ok);
    QCOMPARE(failure.sound, Sound::Exclamation);
    QVERIFY(f.platform.prompter.AllAnswered());
  }

  void historyMovesRepeatsToTheTopIgnoringCaseAndKeepsTwentyOnDisk() {
    Fixture f;
    std::vector<std::filesystem::path> files;
    for (int i = 0; i < 25; ++i) {
      files.push_back(f.Write(("f" + std::to_string(i) + ".csv").c_str(), "a,b\r\n"));
      f.platform.prompter.Then(Answer::No);
      f.window->OpenCsvFile(files.back());
    }
    const FileHistory& history = f.window->CsvHistory();
    QCOMPARE(history.at(1), files[24].string());
    QCOMPARE(history.at(0), f.dir.Path().string() + "/");
    QCOMPARE(f.window->findChild<QMenu*>("mmCsvHistorys")->actions().size(), 21);
    // The same file again, spelt in other letter case, moves to the top.
    const std::filesystem::path shouted = f.dir / "F3.CSV";
    std::filesystem::rename(files[3], shouted);
    f.platform.prompter.Then(Answer::No);
    f.window->OpenCsvFile(shouted);
    QCOMPARE(std::count_if(history.begin(), history.end(),
                           [&](const std::string& entry) { return entry == files[3].string(); }),
             0);
    QCOMPARE(history.at(1), shouted.string());

    f.Action("mmCloseMsg")->setChecked(false);
    QVERIFY(f.Close());
    const auto onDisk = LoadFileHistory(f.dir / "Csv.his");
    QVERIFY(onDisk.has_value());
    QCOMPARE(onDisk->size(), std::size_t{21});
  }

  void settingsAreWrittenAtCloseAndAppliedAtStart() {
    Fixture f;
    f.Action("mmCloseMsg")->setChecked(false);
    f.Action("mmNewWindow")->setChecked(false);
    f.Action("mmShowPanelFind")->trigger();  // hide the find bar
    f.platform.inputBox.Then(std::string("27"));
    f.platform.prompter.Then(Answer::Ok);
    f.window->mmRowHeightClick();
    QVERIFY(f.Close());
    TTabuloCnf settings;
    QVERIFY(settings.Load(f.dir / "Tabulo.Ctl"));
    QCOMPARE(settings.RowHeight, 27);
    QVERIFY(!settings.ShowFindBar);
    QVERIFY(!settings.AskOnClose);
    QVERIFY(settings.AskTitleRow);

    f.Open();
    QVERIFY(!f.Action("mmCloseMsg")->isChecked());
    QVERIFY(!f.Action("mmNewWindow")->isChecked());
    QVERIFY(!f.Action("mmShowPanelFind")->isChecked());
    QCOMPARE(f.window->Grid().DefaultRowHeight(), 27);
  }

  void closeQuestionHasThreeAnswers() {
    Fixture f;
    f.Type(1, 1, "typed");
    f.platform.prompter.Then(Answer::Cancel);
    QVERIFY(!f.Close());
    f.platform.prompter.Then(Answer::No);
    QVERIFY(f.Close());
    // Yes runs save as; cancelling its dialog keeps the window open.
    f.Open();
    f.Type(1, 1, "typed");
    f.platform.prompter.Then(Answer::Yes);
    QTimer::singleShot(0, [] {
      if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    QVERIFY(!f.Close());
    QCOMPARE(f.platform.prompter.Asked().back().id, MessageId::SaveBeforeExitQuestion);
    QVERIFY(!std::filesystem::exists(f.dir / "NewFile.csv"));
    // Undone back to the state it was opened in, there is nothing to ask.
    f.Action("mmUndo")->trigger();
    const std::size_t asked = f.platform.prompter.Asked().size();
    QVERIFY(f.Close());
    QCOMPARE(f.platform.prompter.Asked().size(), asked);
  }

  // Answering Yes and then failing to save must not lose the edits: the
  // window stays open, and a dropped file is not opened over them.
  void aFailedSaveKeepsTheWindowAndItsEdits() {
    Fixture f;
    f.Type(1, 1, "edited");
    std::filesystem::create_directory(f.dir / "NewFile.csv");  // a folder in the save's way
    const auto saveFails = [&] {
      f.platform.prompter.Then(Answer::Yes);  // save first
      f.platform.prompter.Then(Answer::Ok);   // the error box
      QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("btnOk")->click(); });
    };
    saveFails();
    QVERIFY(!f.Close());
    QCOMPARE(f.platform.prompter.Asked().back().style, BoxStyle::Error);

    f.Action("mmNewWindow")->setChecked(false);
    const auto dropped = f.Write("dropped.csv", "a,b\r\n");
    saveFails();
    f.window->FileDropped(dropped);
    QCOMPARE(f.platform.prompter.Asked().back().style, BoxStyle::Error);
    QCOMPARE(f.Grid().Cell(1, 1), std::string("edited"));
    QVERIFY(f.window->DocumentFile() != dropped);
    QVERIFY(f.platform.prompter.AllAnswered());
  }

  void findSearchesFromTheCurrentCellAndBeepsWithoutAMatch() {
    Fixture f;
    const auto path = f.Write("find.csv", "x,abc\r\nXABCX,y\r\n");
    f.platform.prompter.Then(Answer::No);
    f.window->OpenCsvFile(path);
    auto* text = f.window->findChild<QComboBox*>("CBFindText");
    text->setEditText("abc");
    f.Action("mmFind")->trigger();
    TableDocument& grid = f.window->Grid();
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 1);
    f.Action("mmFind")->trigger();
    QCOMPARE(grid.Col(), 1);
    QCOMPARE(grid.Row(), 2);
    f.window->findChild<QCheckBox*>("CBFindCase")->setChecked(true);
    f.Action("mmFind")->trigger();
    QCOMPARE(f.platform.prompter.Beeps().back(), Sound::Default);
    QCOMPARE(f.window->FindHistory().size(), std::size_t{1});
    f.window->findChild<QRadioButton*>("RBFindUp")->setChecked(true);
    f.Action("mmFind")->trigger();
    QCOMPARE(grid.Col(), 2);
    QCOMPARE(grid.Row(), 1);
  }

  void jumpsRefuseRowsOutsideTheTable() {
    Fixture f;
    TableDocument& grid = f.window->Grid();
    for (const char* bad : {"10", "-1", "x", "0"}) {
      f.platform.inputBox.Then(std::string(bad));
      f.platform.prompter.Then(Answer::Ok);
      f.Action("mmJumpRow")->trigger();
      QCOMPARE(f.platform.prompter.Asked().back().text, std::string("移動できません。"));
    }
    f.platform.inputBox.Then(std::string(" 7 "));
    f.Action("mmJumpRow")->trigger();
    QCOMPARE(grid.Row(), 7);
    f.Action("mmJumpLastRow")->trigger();
    QCOMPARE(grid.Row(), 9);
    f.Action("mmJumpTopRow")->trigger();
    QCOMPARE(grid.Row(), 1);
  }

  void fittingWidthsFollowsTheTextAndTheRowNumbers() {
    Fixture f;
    const auto path = f.Write("w.csv", "a,a much longer text than the title\r\n");
    f.platform.prompter.Then(Answer::No);
    f.window->OpenCsvFile(path);
    const QHeaderView* header = f.window->View()->horizontalHeader();
    QVERIFY(header->sectionSize(1) > header->sectionSize(0));
    QVERIFY(header->sectionSize(0) < 80);
  }

  void commandLineJoinsArgumentsUntilTheyNameAFile() {
    Fixture f;
    const auto path = f.Write("my data.csv", "a,b\r\n");
    const std::string folder = f.dir.Path().string();
    f.window->SetCommandLine({folder + "/my", "data.csv", "ignored"});
    f.platform.prompter.Then(Answer::No);
    f.window->hide();
    f.window->show();  // the first showing opens the start file
    QTRY_COMPARE(f.window->DocumentFile(), path);

    Fixture g;
    g.window->SetCommandLine({folder + "/nothing", "here"});
    QTest::qWait(20);
    QCOMPARE(g.window->windowTitle(), QString("Tabulo - NewFile.csv"));
    QVERIFY(g.platform.prompter.Asked().empty());
  }

  void newFileOpensAnotherWindowWhenTheOptionIsOn() {
    Fixture f;
    f.Action("mmNewFile")->trigger();
    QCOMPARE(f.platform.processes.started.size(), std::size_t{1});
    QVERIFY(f.platform.processes.started[0].empty());
    f.Action("mmNewWindow")->setChecked(false);
    f.window->Grid().SetCell(1, 1, "gone");
    f.Action("mmNewFile")->trigger();
    QCOMPARE(f.platform.processes.started.size(), std::size_t{1});
    QCOMPARE(f.window->Grid().Cell(1, 1), std::string_view(""));
  }

  void typingInInputModeStoresTheTextAndEnterMovesOn() {
    Fixture f;
    f.window->SetInputMode(true);
    GridView* view = f.window->View();
    QVERIFY(view->Editing());  // input mode keeps the editor open on the current cell
    auto* editor = view->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, "abc");
    QTest::keyClick(editor, Qt::Key_Return);
    TableDocument& grid = f.window->Grid();
    QTRY_COMPARE(grid.Cell(1, 1), std::string_view("abc"));  // the editor hands its text over in the event loop
    QCOMPARE(grid.Col(), 2);  // moved right, with the editor open again
    QVERIFY(view->Editing());
    f.window->SetInputMode(false);
    QVERIFY(!view->Editing());
  }

  void draggingARowNumberMovesTheRowInInputMode() {
    Fixture f;
    TableDocument& grid = f.window->Grid();
    grid.SetCell(1, 1, "first");
    f.window->SetInputMode(true);
    QHeaderView* numbers = f.window->View()->verticalHeader();
    const QPoint from(numbers->width() / 2, numbers->sectionViewportPosition(0) + 5);
    const QPoint to(numbers->width() / 2, numbers->sectionViewportPosition(2) + 5);
    QTest::mousePress(numbers->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseRelease(numbers->viewport(), Qt::LeftButton, {}, to);
    QCOMPARE(grid.Cell(1, 3), std::string_view("first"));
    QCOMPARE(grid.Cell(0, 3), std::string_view("3"));
  }

  void helpAndAboutCommands() {
    Fixture f;
    f.Action("Contents1")->trigger();
    f.Action("HowtoUseHelp1")->trigger();
    QCOMPARE(f.platform.help.shown, (std::vector<int>{platform::RecordingHelp::kContents, platform::RecordingHelp::kHowToUse}));
  }

  void saveAsUsesTheChosenOptionsButOverwriteSaveTheDefaults() {
    Fixture f;
    f.window->Grid().SetCell(1, 1, "a b");
    f.window->Grid().SetCell(2, 1, "c");
    const std::filesystem::path target = f.dir / "out.csv";
    // In the save dialog: a new file name, the tab format, no attributes.
    f.platform.fileDialogs.Then({target});
    QTimer::singleShot(0, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      dialog->findChild<QPushButton*>("btnFileName")->click();
      dialog->findChild<QRadioButton*>("RGSaveType1")->click();
      dialog->findChild<QCheckBox*>("CBCTL")->click();
      dialog->findChild<QPushButton*>("btnOk")->click();
    });
    f.window->btnFileSaveAsClick();
    QCOMPARE(test::ReadFile(target).substr(0, 6), std::string("a b\tc\t"));
    QVERIFY(!std::filesystem::exists(f.dir / "out.cfg"));
    QCOMPARE(f.window->windowTitle(), QString("Tabulo - out.csv"));
    QCOMPARE(f.window->CsvHistory().at(1), target.string());
    // Overwrite save takes the default options: comma format with a side file.
    f.window->mmFileSaveClick();
    QCOMPARE(test::ReadFile(target).substr(0, 8), std::string("\"a b\",c,"));
    QVERIFY(std::filesystem::exists(f.dir / "out.cfg"));

    // "デフォルト" makes the dialog's choices the defaults.
    QTimer::singleShot(0, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      dialog->findChild<QRadioButton*>("RGSaveType4")->click();
      dialog->findChild<QPushButton*>("BitBtn1")->click();
      dialog->findChild<QPushButton*>("btnOk")->click();
    });
    f.window->btnFileSaveAsClick();
    QCOMPARE(f.window->DefaultSaveOptions().SaveType, 4);
  }

  void droppedFileOpensHereOrInANewWindow() {
    Fixture f;
    const auto path = f.Write("dropped.csv", "a,b\r\n");
    const auto drop = [&] { f.window->FileDropped(path); };
    drop();  // the new-window option is on
    QCOMPARE(f.platform.processes.started.at(0), path);
    f.Action("mmNewWindow")->setChecked(false);
    f.Type(1, 1, "typed");
    f.platform.prompter.Then(Answer::No);  // do not save the current data first
    f.platform.prompter.Then(Answer::No);  // the title question
    drop();
    QCOMPARE(f.platform.prompter.Asked().at(0).id, MessageId::SaveBeforeOpenQuestion);
    QCOMPARE(f.window->DocumentFile(), path);
  }

  void rowCommandsKeepTheSelectionInStep() {
    Fixture f;
    TableDocument& grid = f.window->Grid();
    grid.SetCell(1, 2, "second");
    grid.SetSelection({1, 2, 3, 3});
    f.window->SyncViewFromDocument();
    f.platform.prompter.Then(Answer::Yes);
    f.window->btnRowDeleteClick();
    QCOMPARE(grid.RowCount(), 8);
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(f.window->Model()->rowCount(), 7);
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::MainWindowTest)
#include "MainWindowTest.moc"
