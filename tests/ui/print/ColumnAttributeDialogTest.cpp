// The column attribute dialog in both modes: what a line shows, what every
// button does to the selected records, the width and title boxes, moving
// lines, and the print order handed back.

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "core/locale/Encoding.h"
#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "ui/print/ColumnFieldTexts.h"
#include "ui/print/ColumnListModel.h"
#include "ui/print/ColumnWidthText.h"
#include "ui/print/TGridPrintOption.h"
#include "core/locale/TextConverter.h"

using tabulo::Answer;
using tabulo::Sound;
using tabulo::TGPItem;
using tabulo::test::Sjis;
using tabulo::ui::AttributeDialogMode;
using tabulo::ui::ColumnEntry;
using tabulo::ui::TGridPrintOption;

Q_DECLARE_METATYPE(AttributeDialogMode)

namespace {

constexpr int kEntryCount = 6;

// Six columns "行番", "列1" … "列5" with the defaults of a new table, in a
// dialog of the given mode. Entry i is column i until lines are moved.
struct Fixture {
  tabulo::platform::ScriptedPlatform platform;
  tabulo::platform::Services services = platform.AsServices();
  std::vector<TGPItem> items = std::vector<TGPItem>(kEntryCount);
  std::unique_ptr<TGridPrintOption> dialog;

  explicit Fixture(AttributeDialogMode mode, QWidget* parent = nullptr) {
    std::vector<ColumnEntry> entries;
    for (int column = 0; column < kEntryCount; ++column) {
      TGPItem& item = items[static_cast<std::size_t>(column)];
      item.Title = column == 0 ? Sjis("行番") : Sjis("列") + std::to_string(column);
      item.DisplayWidth = 64;
      item.PrintWidth = 200;
      entries.push_back({&item, std::to_string(column * 100), column});
    }
    dialog = std::make_unique<TGridPrintOption>(parent, services, mode, std::move(entries), tabulo::TextEncoding::ShiftJis);
  }

  TGPItem& Item(int column) { return items[static_cast<std::size_t>(column)]; }
  QListView& List() const { return *dialog->findChild<QListView*>(QStringLiteral("LBPrintOption")); }
  QPushButton& Button(const char* name) const {
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    if (button == nullptr) qFatal("the dialog has no button %s", name);
    return *button;
  }
  void Select(const QList<int>& rows) {
    QItemSelection selection;
    for (int row : rows) selection.select(List().model()->index(row, 0), List().model()->index(row, 0));
    List().selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  }
  QList<int> SelectedRows() const {
    QList<int> rows;
    for (int row = 0; row < kEntryCount; ++row) {
      if (List().selectionModel()->isRowSelected(row, {})) rows.push_back(row);
    }
    return rows;
  }
  // The columns in the list's order.
  QList<int> Order() const {
    QList<int> columns;
    for (const ColumnEntry& entry : dialog->Entries()) columns.push_back(entry.column);
    return columns;
  }
  QStringList Line(int row) const {
    return List().model()->index(row, 0).data(tabulo::ui::ColumnListModel::FieldTextsRole).toStringList();
  }
};

// The hand beep and an error box with OK.
bool IsErrorBox(const tabulo::Prompt& prompt) {
  return prompt.sound == Sound::Hand && prompt.style == tabulo::BoxStyle::Error &&
         prompt.buttons == tabulo::Buttons::Ok;
}

}  // namespace

class ColumnAttributeDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void lineShowsTheRecord_data() {
    QTest::addColumn<AttributeDialogMode>("mode");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("width");  // PrintWidth or DisplayWidth, by mode
    QTest::addColumn<int>("drawFlags");
    QTest::addColumn<int>("imeMode");
    QTest::addColumn<QStringList>("fields");
    const auto print = AttributeDialogMode::Print;
    const auto screen = AttributeDialogMode::Screen;
    QTest::newRow("print width") << print << 1 << 255 << 0x0826 << 1
                                 << QStringList{"整数", "25.5 (mm) ", "右寄せ", "中央", "IME OFF"};
    QTest::newRow("whole millimetres") << print << 2 << 300 << 0x0825 << 2
                                       << QStringList{"数値", "30.0 (mm) ", "中央", "中央", "IME ON"};
    QTest::newRow("under a millimetre") << print << 3 << 7 << 0x0820 << 4
                                        << QStringList{"日付型", "0.7 (mm) ", "左寄せ", "上寄せ", "(半)ｱﾙﾌｧ"};
    QTest::newRow("screen width") << screen << 4 << 80 << 0x0828 << 5
                                  << QStringList{"時間型", "80 Pixcel", "左寄せ", "下寄せ", "(全)ｱﾙﾌｧ"};
    QTest::newRow("currency") << screen << 5 << 0 << 0x0824 << 6
                              << QStringList{"通貨", "0 Pixcel", "左寄せ", "中央", "ひらがな"};
    QTest::newRow("string") << screen << 0 << 120 << 0x082A << 7
                            << QStringList{"文字列", "120 Pixcel", "右寄せ", "下寄せ", "(半)ｶﾀｶﾅ"};
    QTest::newRow("both vertical bits: centre") << screen << 0 << 1 << 0x082D << 8
                                                << QStringList{"文字列", "1 Pixcel", "中央", "中央", "(全)ｶﾀｶﾅ"};
    QTest::newRow("unknown type and mode") << screen << 9 << 64 << 0x0824 << 3
                                           << QStringList{"文字列", "64 Pixcel", "左寄せ", "中央", "無操作"};
    QTest::newRow("mode 0 is left alone too") << print << 0 << 10 << 0x0824 << 0
                                              << QStringList{"文字列", "1.0 (mm) ", "左寄せ", "中央", "無操作"};
  }

  void lineShowsTheRecord() {
    QFETCH(AttributeDialogMode, mode);
    QFETCH(int, dataType);
    QFETCH(int, width);
    QFETCH(int, drawFlags);
    QFETCH(int, imeMode);
    QFETCH(QStringList, fields);
    TGPItem item;
    item.Title = Sjis("金額");
    item.DataType = static_cast<std::uint8_t>(dataType);
    (mode == AttributeDialogMode::Print ? item.PrintWidth : item.DisplayWidth) = width;
    item.DrawFlags = static_cast<std::uint16_t>(drawFlags);
    item.ImeMode = static_cast<std::uint8_t>(imeMode);
    tabulo::TextConverter converter(tabulo::TextEncoding::ShiftJis);
    const auto texts = tabulo::ui::FieldTextsOf({&item, Sjis("１，２００円"), 3}, mode, converter);
    QCOMPARE(texts[tabulo::ui::FieldName], QStringLiteral("金額 : １，２００円"));
    QCOMPARE(QStringList(texts.begin() + 1, texts.end()), fields);
  }

  void widthIsReadInTheModesUnit_data() {
    QTest::addColumn<AttributeDialogMode>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");  // -1: refused
    const auto print = AttributeDialogMode::Print;
    const auto screen = AttributeDialogMode::Screen;
    QTest::newRow("mm") << print << "25.5" << 255;
    QTest::newRow("mm with blanks") << print << " 25.5\t" << 255;
    QTest::newRow("mm rounded up on the digits") << print << "2.55" << 26;
    QTest::newRow("mm rounded down") << print << "2.549" << 25;
    QTest::newRow("mm signed, no whole part") << print << "+.25" << 3;
    QTest::newRow("mm widest") << print << "10000" << 100000;
    QTest::newRow("mm too wide") << print << "10000.05" << -1;
    QTest::newRow("mm far too wide") << print << "99999999999999999999999" << -1;
    QTest::newRow("mm negative") << print << "-1.5" << -1;
    QTest::newRow("mm letters") << print << "abc" << -1;
    QTest::newRow("mm empty") << print << "" << -1;
    QTest::newRow("px") << screen << "80" << 80;
    QTest::newRow("px widest") << screen << "32767" << 32767;
    QTest::newRow("px too wide") << screen << "32768" << -1;
    QTest::newRow("px negative") << screen << "-5" << -1;
    QTest::newRow("px decimal") << screen << "80.5" << -1;
  }

  void widthIsReadInTheModesUnit() {
    QFETCH(AttributeDialogMode, mode);
    QFETCH(QString, text);
    QFETCH(int, stored);
    const auto width = tabulo::ui::ParseWidth(text.toStdString(), mode);
    QCOMPARE(width.value_or(-1), stored);
  }

  void movesFollowTheBlockRules_data() {
    QTest::addColumn<bool>("up");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::newRow("up 2 and 3") << true << QList<int>{2, 3} << QList<int>{0, 2, 3, 1, 4, 5} << QList<int>{1, 2};
    QTest::newRow("up 1 and 2: neither") << true << QList<int>{1, 2} << QList<int>{0, 1, 2, 3, 4, 5}
                                         << QList<int>{1, 2};
    QTest::newRow("up 1 and 4: the walk stops at 1") << true << QList<int>{1, 4} << QList<int>{0, 1, 2, 3, 4, 5}
                                                     << QList<int>{1, 4};
    QTest::newRow("up 3 and 5, apart") << true << QList<int>{3, 5} << QList<int>{0, 1, 3, 2, 5, 4}
                                       << QList<int>{2, 4};
    QTest::newRow("up 0: fixed") << true << QList<int>{0} << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{0};
    QTest::newRow("up 0 and 2") << true << QList<int>{0, 2} << QList<int>{0, 2, 1, 3, 4, 5} << QList<int>{0, 1};
    QTest::newRow("down 3 and 4") << false << QList<int>{3, 4} << QList<int>{0, 1, 2, 5, 3, 4} << QList<int>{4, 5};
    QTest::newRow("down the last: nothing") << false << QList<int>{5} << QList<int>{0, 1, 2, 3, 4, 5}
                                            << QList<int>{5};
    QTest::newRow("down 4 and 5: neither") << false << QList<int>{4, 5} << QList<int>{0, 1, 2, 3, 4, 5}
                                           << QList<int>{4, 5};
    QTest::newRow("down 0 and 1: 0 stays") << false << QList<int>{0, 1} << QList<int>{0, 2, 1, 3, 4, 5}
                                           << QList<int>{0, 2};
  }

  void movesFollowTheBlockRules() {
    QFETCH(bool, up);
    QFETCH(QList<int>, selected);
    QFETCH(QList<int>, order);
    QFETCH(QList<int>, selectedAfter);
    Fixture fixture(AttributeDialogMode::Screen);
    fixture.Select(selected);
    QSignalSpy repainted(fixture.List().model(), &QAbstractItemModel::dataChanged);

    fixture.Button(up ? "BtnUp" : "BtnDown").click();

    QCOMPARE(fixture.Order(), order);
    QCOMPARE(fixture.SelectedRows(), selectedAfter);
    QVERIFY(!repainted.isEmpty());
    // The lines show the moved records, not the old places.
    for (int row = 0; row < kEntryCount; ++row) {
      QVERIFY(fixture.Line(row).at(0).endsWith(QStringLiteral(" : %1").arg(order[row] * 100)));
    }
  }

  void buttonsChangeEverySelectedRecord_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("drawFlags");
    QTest::addColumn<int>("imeMode");
    QTest::addColumn<int>("printed");
    // Every record starts as a printed string column, right and bottom
    // aligned (0x082A), input method left alone.
    QTest::newRow("非印") << "btnNoPrint" << 0 << 0x082A << 3 << 0;
    QTest::newRow("文字列") << "btnStr" << 0 << 0x082A << 3 << 1;
    QTest::newRow("整数") << "btnInt" << 1 << 0x082A << 3 << 1;
    QTest::newRow("数値") << "btnFloat" << 2 << 0x082A << 3 << 1;
    QTest::newRow("通貨") << "btnCurr" << 5 << 0x082A << 3 << 1;
    QTest::newRow("日付型") << "btnDate" << 3 << 0x082A << 3 << 1;
    QTest::newRow("時間型") << "btnTime" << 4 << 0x082A << 3 << 1;
    QTest::newRow("左寄せ") << "btnLeft" << 0 << 0x0828 << 3 << 1;
    QTest::newRow("中央揃え (横)") << "btnCenter" << 0 << 0x0829 << 3 << 1;
    QTest::newRow("右寄せ") << "btnRight" << 0 << 0x082A << 3 << 1;
    QTest::newRow("上寄せ") << "btnTop" << 0 << 0x0822 << 3 << 1;
    QTest::newRow("中央揃え (縦) keeps right") << "btnVCenter" << 0 << 0x0826 << 3 << 1;
    QTest::newRow("下寄せ") << "btnBottom" << 0 << 0x082A << 3 << 1;
    QTest::newRow("無操作") << "btnDontCare" << 0 << 0x082A << 3 << 1;
    QTest::newRow("ON") << "btnOn" << 0 << 0x082A << 2 << 1;
    QTest::newRow("OFF") << "btnOff" << 0 << 0x082A << 1 << 1;
    QTest::newRow("ひらがな") << "btnHira" << 0 << 0x082A << 6 << 1;
    QTest::newRow("ｶﾀｶﾅ(半)") << "btnSKata" << 0 << 0x082A << 7 << 1;
    QTest::newRow("ｶﾀｶﾅ(全)") << "btnKata" << 0 << 0x082A << 8 << 1;
    QTest::newRow("ｱﾙﾌｧ(半)") << "btnSAlpha" << 0 << 0x082A << 4 << 1;
    QTest::newRow("ｱﾙﾌｧ(全)") << "btnAlpha" << 0 << 0x082A << 5 << 1;
  }

  void buttonsChangeEverySelectedRecord() {
    QFETCH(QString, button);
    QFETCH(int, dataType);
    QFETCH(int, drawFlags);
    QFETCH(int, imeMode);
    QFETCH(int, printed);
    Fixture fixture(AttributeDialogMode::Print);
    for (TGPItem& item : fixture.items) {
      item.DrawFlags = 0x082A;
      item.ImeMode = 3;
    }
    const std::vector<TGPItem> before = fixture.items;
    fixture.Select({1, 3, 4});
    QSignalSpy repainted(fixture.List().model(), &QAbstractItemModel::dataChanged);

    fixture.Button(button.toLatin1().constData()).click();

    for (int column = 0; column < kEntryCount; ++column) {
      TGPItem expected = before[static_cast<std::size_t>(column)];
      if (column == 1 || column == 3 || column == 4) {
        expected.DataType = static_cast<std::uint8_t>(dataType);
        expected.DrawFlags = static_cast<std::uint16_t>(drawFlags);
        expected.ImeMode = static_cast<std::uint8_t>(imeMode);
        expected.Printed = static_cast<std::uint8_t>(printed);
      }
      QVERIFY2(fixture.Item(column) == expected, qPrintable(QStringLiteral("column %1").arg(column)));
    }
    QCOMPARE(fixture.Order(), (QList<int>{0, 1, 2, 3, 4, 5}));
    QVERIFY(!repainted.isEmpty());
  }

  void printButtonPrintsAgain() {
    Fixture fixture(AttributeDialogMode::Print);
    for (TGPItem& item : fixture.items) item.Printed = 0;
    fixture.Select({0, 2});
    fixture.Button("btnPrint").click();
    QCOMPARE(int{fixture.Item(0).Printed}, 1);
    QCOMPARE(int{fixture.Item(2).Printed}, 1);
    QCOMPARE(int{fixture.Item(1).Printed}, 0);
  }

  void titleBecomesTheTypedText() {
    Fixture fixture(AttributeDialogMode::Screen);
    fixture.Select({2, 5});
    fixture.platform.inputBox.Then(std::string("売上高"));
    fixture.Button("btnTitle").click();

    const auto& asked = fixture.platform.inputBox.AskedBoxes();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].title, std::string("タイトルの変更"));
    QCOMPARE(asked[0].prompt, std::string("新しいタイトルを入力して下さい。"));
    QCOMPARE(asked[0].preset, std::string());
    QCOMPARE(fixture.Item(2).Title, Sjis("売上高"));
    QCOMPARE(fixture.Item(5).Title, Sjis("売上高"));
    QCOMPARE(fixture.Item(3).Title, Sjis("列3"));
    QCOMPARE(fixture.Line(2).at(0), QStringLiteral("売上高 : 200"));
  }

  void titleOutsideTheCodePageChangesNothing() {
    Fixture fixture(AttributeDialogMode::Print);
    fixture.Select({1, 2});
    const std::vector<TGPItem> before = fixture.items;
    fixture.platform.inputBox.Then(std::string("価格 한국"));
    fixture.platform.prompter.Then(Answer::Ok);
    fixture.Button("btnTitle").click();

    QVERIFY(fixture.items == before);
    const auto& prompts = fixture.platform.prompter.Asked();
    QCOMPARE(prompts.size(), std::size_t{1});
    QVERIFY(IsErrorBox(prompts[0]));
    QVERIFY(QString::fromStdString(prompts[0].text).startsWith(QStringLiteral("Shift-JIS に変換できない文字があります")));
  }

  void widthBoxSetsTheModesWidth_data() {
    QTest::addColumn<AttributeDialogMode>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");  // -1: refused with an error box
    QTest::addColumn<QString>("shown");
    const auto print = AttributeDialogMode::Print;
    const auto screen = AttributeDialogMode::Screen;
    QTest::newRow("print") << print << "25.5" << 255 << "25.5 (mm) ";
    QTest::newRow("screen") << screen << "80" << 80 << "80 Pixcel";
    QTest::newRow("letters, print") << print << "abc" << -1 << "20.0 (mm) ";
    QTest::newRow("negative, print") << print << "-3" << -1 << "20.0 (mm) ";
    QTest::newRow("letters, screen") << screen << "幅" << -1 << "64 Pixcel";
    QTest::newRow("negative, screen") << screen << "-80" << -1 << "64 Pixcel";
    QTest::newRow("absurd, screen") << screen << "100000" << -1 << "64 Pixcel";
  }

  void widthBoxSetsTheModesWidth() {
    QFETCH(AttributeDialogMode, mode);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    const bool print = mode == AttributeDialogMode::Print;
    Fixture fixture(mode);
    QCOMPARE(fixture.Button("btnWidth").text(), print ? QStringLiteral("印刷幅変更") : QStringLiteral("表示幅変更"));
    fixture.Select({1, 4});
    fixture.platform.inputBox.Then(typed.toStdString());
    if (stored < 0) fixture.platform.prompter.Then(Answer::Ok);
    fixture.Button("btnWidth").click();

    const auto& asked = fixture.platform.inputBox.AskedBoxes().at(0);
    QCOMPARE(asked.title, std::string(print ? "印刷幅の変更" : "表示幅の変更"));
    QCOMPARE(asked.prompt, std::string(print ? "新しい印刷幅を 0.1(mm)単位で入力して下さい。"
                                             : "新しい表示幅を Pixcel単位で入力して下さい。"));
    QCOMPARE(asked.preset, std::string());
    for (int column = 0; column < kEntryCount; ++column) {
      const bool changed = stored >= 0 && (column == 1 || column == 4);
      QCOMPARE(fixture.Item(column).PrintWidth, print && changed ? stored : 200);
      QCOMPARE(fixture.Item(column).DisplayWidth, !print && changed ? stored : 64);
    }
    QCOMPARE(fixture.Line(4).at(tabulo::ui::FieldWidth), shown);
    const auto& prompts = fixture.platform.prompter.Asked();
    QCOMPARE(prompts.size(), std::size_t{stored < 0 ? 1u : 0u});
    if (stored < 0) {
      QCOMPARE(QString::fromStdString(prompts[0].text), typed + QStringLiteral(" は数値ではありません。"));
      QVERIFY(IsErrorBox(prompts[0]));
    }
  }

  void cancelledOrUnselectedBoxesChangeNothing() {
    Fixture fixture(AttributeDialogMode::Print);
    const std::vector<TGPItem> before = fixture.items;
    fixture.Select({1});
    fixture.platform.inputBox.Then(std::nullopt);
    fixture.Button("btnWidth").click();
    fixture.platform.inputBox.Then(std::nullopt);
    fixture.Button("btnTitle").click();
    QCOMPARE(fixture.platform.inputBox.AskedBoxes().size(), std::size_t{2});

    // With no line selected there is nothing to change, so nothing is asked.
    fixture.List().clearSelection();
    fixture.Button("btnWidth").click();
    fixture.Button("btnTitle").click();
    QCOMPARE(fixture.platform.inputBox.AskedBoxes().size(), std::size_t{2});
    QVERIFY(fixture.items == before);
    QVERIFY(fixture.platform.prompter.Asked().empty());
  }

  void printOrderFollowsTheList() {
    Fixture fixture(AttributeDialogMode::Print);
    for (TGPItem& item : fixture.items) item.PrintIndex = 99;
    fixture.Select({4, 5});
    fixture.Button("BtnUp").click();
    fixture.Button("BtnUp").click();
    tabulo::ui::AssignPrintOrder(fixture.dialog->Entries());
    const int expected[kEntryCount] = {0, 1, 4, 5, 2, 3};  // by column
    for (int column = 0; column < kEntryCount; ++column) QCOMPARE(fixture.Item(column).PrintIndex, expected[column]);
  }

  void opensWithTheFirstLineSelectedAndCloses() {
    Fixture fixture(AttributeDialogMode::Screen);
    auto& dialog = *fixture.dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("列属性の設定（Ｆ１でヘルプを表示）"));
    QCOMPARE(fixture.SelectedRows(), QList<int>{0});
    QCOMPARE(fixture.List().currentIndex().row(), 0);
    QCOMPARE(fixture.List().selectionMode(), QAbstractItemView::ExtendedSelection);
    const int lineHeight = std::max(16, fixture.List().fontMetrics().height());
    QCOMPARE(fixture.List().sizeHintForRow(0), lineHeight);
    QVERIFY(fixture.List().viewport()->width() >= 470);
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());  // fixed

    QCOMPARE(fixture.Button("BtnUp").toolTip(), QStringLiteral("選択した項目を移動します。"));
    QCOMPARE(fixture.Button("BtnDown").toolTip(), QStringLiteral("選択した項目を移動します。"));
    QCOMPARE(fixture.Button("BtnClose").toolTip(), QStringLiteral("書式設定を終了します。"));
    QCOMPARE(fixture.Button("BtnClose").palette().color(QPalette::ButtonText), QColor(Qt::blue));

    dialog.HideMoveButtons();
    QVERIFY(!fixture.Button("BtnUp").isVisibleTo(&dialog));
    QVERIFY(!fixture.Button("BtnDown").isVisibleTo(&dialog));

    dialog.show();
    fixture.Button("BtnClose").click();
    QVERIFY(!dialog.isVisible());
  }

  void f1ShowsItsHelpPage() {
    Fixture fixture(AttributeDialogMode::Print);
    fixture.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(fixture.dialog.get()));
    QTest::keyClick(&fixture.List(), Qt::Key_F1);
    QCOMPARE(fixture.platform.help.shown, std::vector<int>{10015});
  }

  void centredOverTheParentAndKeptOnScreen() {
    QWidget parent;
    const QRect area = parent.screen()->availableGeometry();
    parent.setGeometry(area.left() + 11, area.top() + 20, area.width() - 21, area.height() - 30);
    Fixture centred(AttributeDialogMode::Screen, &parent);
    const QSize size = centred.dialog->size();
    QVERIFY(size.width() <= parent.width() && size.height() <= parent.height());
    QCOMPARE(centred.dialog->pos(), QPoint(parent.x() + (parent.width() - size.width()) / 2,
                                           parent.y() + (parent.height() - size.height()) / 2));

    parent.setGeometry(-5000, -5000, 300, 200);
    Fixture kept(AttributeDialogMode::Screen, &parent);
    QVERIFY(area.contains(kept.dialog->geometry().topLeft()));
  }

  void linesAreDrawnInTheirColours() {
    Fixture fixture(AttributeDialogMode::Screen);
    fixture.Item(2).Printed = 0;
    fixture.Select({3});
    fixture.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.dialog.get()));
    QListView& list = fixture.List();
    const QImage image = list.viewport()->grab().toImage();
    // Text is smoothed, so a text colour shows in pixels close to it; how
    // many are exactly it depends on the face the desktop picks.
    const auto count = [&](int row, const QColor& colour) {
      const QRect line = list.visualRect(list.model()->index(row, 0));
      const auto near = [&colour](const QColor& pixel) {
        return std::abs(pixel.red() - colour.red()) < 60 && std::abs(pixel.green() - colour.green()) < 60 &&
               std::abs(pixel.blue() - colour.blue()) < 60;
      };
      int found = 0;
      for (int y = line.top(); y <= line.bottom(); ++y) {
        for (int x = 30; x < 470; ++x) found += near(image.pixelColor(x, y)) ? 1 : 0;
      }
      return found;
    };
    const QColor blue(0, 0, 255);
    const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY(count(1, blue) > 20);       // printed: blue text
    QCOMPARE(count(2, blue), 0);        // not printed
    QVERIFY(count(3, highlight) > 1000);  // selected: highlight fill
    QCOMPARE(count(3, blue), 0);          // and highlight text, not blue
  }
};

QTEST_MAIN(ColumnAttributeDialogTest)
#include "ColumnAttributeDialogTest.moc"
