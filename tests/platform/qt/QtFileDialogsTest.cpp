#include <QFileDialog>
#include <QFileSystemModel>
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "platform/qt/QtFileDialogs.h"

using tabulo::platform::FileDialogOptions;
using tabulo::platform::QtFileDialogs;
using tabulo::platform::QtNameFilters;

namespace {

constexpr char kCsvFilter[] =
    "CSV形式ファイル(*.csv,*.txt,*.tsv)|*.csv;*.txt;*.tsv|全てのファイル(*.*)|*.*";

// Runs `handle` on the next modal window of type T other than `after`, once
// it is open; it must close that window (or open the next one).
template <typename T>
void WhenModalOpens(std::function<void(T*)> handle, QWidget* after = nullptr) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, handle, after] {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if (modal == nullptr || modal == after || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    handle(modal);
  });
  timer->start();
}

// The names the dialog lists in its folder, once its model has read it.
QStringList ListedNames(QFileDialog* dialog) {
  auto* model = dialog->findChild<QFileSystemModel*>();
  if (model == nullptr) return {};
  const auto root = model->index(dialog->directory().absolutePath());
  if (!QTest::qWaitFor([&] { return model->rowCount(root) > 0; }, 5000)) return {};
  // The model filters and sorts on a short timer after a change of filter.
  QTest::qWait(100);
  QStringList names;
  for (int row = 0; row < model->rowCount(root); ++row) {
    const auto index = model->index(row, 0, root);
    // The dialog hides what its name filters reject by disabling it.
    if (model->flags(index) & Qt::ItemIsEnabled) names << model->fileName(index);
  }
  names.sort();
  return names;
}

// QFileDialog hides accept(); through QDialog it is the dialog's own.
void Accept(QDialog* dialog) { dialog->accept(); }

void ClickButton(QMessageBox* box, const char* text) {
  for (auto* button : box->buttons()) {
    if (button->text() == QString::fromUtf8(text)) return button->click();
  }
  QFAIL("the question has no such button");
}

void Touch(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class QtFileDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void nameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("open and save filter")
        << QString::fromUtf8(kCsvFilter)
        << QStringList{"CSV形式ファイル(*.csv,*.txt,*.tsv) (*.csv *.txt *.tsv)", "全てのファイル(*.*) (*)"};
    QTest::newRow("no filter") << "" << QStringList{};
    QTest::newRow("description without patterns") << "説明だけ" << QStringList{};
    QTest::newRow("trailing description dropped") << "A|*.a|B" << QStringList{"A (*.a)"};
    QTest::newRow("blanks and empty patterns skipped") << "A| *.a ; ;*.b |B|" << QStringList{"A (*.a *.b)"};
    QTest::newRow("only *.* becomes *") << "X|*.*x;*.*" << QStringList{"X (*.*x *)"};
  }

  void nameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(QtNameFilters(filter.toStdString()), expected);
  }

  // The translated filters as the open dialog applies them: letter case does
  // not matter, and "全てのファイル" shows files without an extension too.
  void openShowsWhatTheFiltersLetThrough() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const char* name : {"a.csv", "B.CSV", "c.tsv", "d.doc", "readme"}) Touch(folder.filePath(name));

    FileDialogOptions options;
    options.title = "CSVファイルのオープン";
    options.filter = kCsvFilter;
    options.defaultExtension = "csv";
    options.initialFolder = folder.path().toStdString();
    options.mustExist = true;

    QStringList csvListed, allListed;
    QString title;
    WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
      title = dialog->windowTitle();
      csvListed = ListedNames(dialog);
      dialog->selectNameFilter(dialog->nameFilters().at(1));
      allListed = ListedNames(dialog);
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("B.CSV"));
      Accept(dialog);
      if (dialog->isVisible()) dialog->reject();  // a failure, not a hang
    });
    const auto chosen = QtFileDialogs().Open(options);

    QCOMPARE(title, QStringLiteral("CSVファイルのオープン"));
    QCOMPARE(csvListed, (QStringList{"B.CSV", "a.csv", "c.tsv"}));
    QCOMPARE(allListed, (QStringList{"B.CSV", "a.csv", "c.tsv", "d.doc", "readme"}));
    QCOMPARE(chosen.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(chosen.front().string()), folder.filePath("B.CSV"));
  }

  void saveAddsTheDefaultExtension() {
    QTemporaryDir folder;
    FileDialogOptions options;
    options.filter = kCsvFilter;
    options.defaultExtension = "csv";
    options.fileName = folder.filePath("新しい表").toStdString();
    options.confirmOverwrite = true;
    WhenModalOpens<QFileDialog>([](QFileDialog* dialog) {
      Accept(dialog);
      if (dialog->isVisible()) dialog->reject();  // a failure, not a hang
    });
    const auto saved = QtFileDialogs().Save(options);
    QVERIFY(saved.has_value());
    QCOMPARE(QString::fromStdString(saved->string()), folder.filePath("新しい表.csv"));
  }

  // Overwriting asks first: "No" keeps the dialog open, "Yes" takes the file.
  void saveAsksBeforeOverwriting() {
    QTemporaryDir folder;
    Touch(folder.filePath("old.csv"));
    FileDialogOptions options;
    options.defaultExtension = "csv";
    options.fileName = folder.filePath("old.csv").toStdString();
    options.confirmOverwrite = true;

    int questions = 0;
    bool stayedOpen = false;
    WhenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
      // accept() returns once the question is answered.
      WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
        ++questions;
        ClickButton(box, "いいえ(&N)");
      });
      Accept(dialog);
      stayedOpen = dialog->isVisible();
      WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
        ++questions;
        ClickButton(box, "はい(&Y)");
      });
      Accept(dialog);
      if (dialog->isVisible()) dialog->reject();  // a failure, not a hang
    });
    const auto saved = QtFileDialogs().Save(options);

    QCOMPARE(questions, 2);
    QVERIFY(stayedOpen);
    QVERIFY(saved.has_value());
    QCOMPARE(QString::fromStdString(saved->string()), folder.filePath("old.csv"));
  }
};

QTEST_MAIN(QtFileDialogsTest)
#include "QtFileDialogsTest.moc"
