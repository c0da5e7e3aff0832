#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtHelp.h"
#include "ui/app/HelpContexts.h"

using tabulo::platform::HelpContextPage;
using tabulo::platform::HelpWindow;
using tabulo::platform::LocateHelpPage;
using tabulo::platform::QtHelp;

namespace {

void WritePage(const QString& path, const QString& title) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                            "<body><a href=\"index.html\">目次</a></body></html>")
                 .arg(title)
                 .toUtf8());
}

HelpWindow* OpenHelpWindow() {
  for (auto* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<HelpWindow*>(widget); window != nullptr && window->isVisible()) return window;
  }
  return nullptr;
}

QString ShownFile(HelpWindow* window) {
  return QFileInfo(window->findChild<QTextBrowser*>(QStringLiteral("HelpText"))->source().toLocalFile()).fileName();
}

// The help folder of the repository, which the build copies beside the program.
QDir ShippedHelpFolder() {
  return QDir(qEnvironmentVariable("TABULO_TEST_DATA_DIR") + QStringLiteral("/../../help"));
}

QString ReadUtf8(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class QtHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void locatePage() {
    QTemporaryDir program;
    const auto folder = program.filePath("help");
    QVERIFY(QDir().mkpath(folder));
    // No page and no contents: nothing to show.
    QVERIFY(LocateHelpPage(folder, HelpContextPage(10004)).isEmpty());
    WritePage(folder + "/index.html", "目次");
    WritePage(folder + "/10004.html", "メインウィンドウ");
    QCOMPARE(LocateHelpPage(folder, HelpContextPage(10004)), QDir(folder).absoluteFilePath("10004.html"));
    // A context without a page of its own shows the contents.
    QCOMPARE(LocateHelpPage(folder, HelpContextPage(10099)), QDir(folder).absoluteFilePath("index.html"));
    QVERIFY(LocateHelpPage(program.filePath("elsewhere"), "index.html").isEmpty());
  }

  void withoutTheFolderNothingHappens() {
    QTemporaryDir program;
    QtHelp help(program.path());
    help.ShowContext(tabulo::help::kHelpMainWindow);
    help.ShowContents();
    help.ShowSearch();
    help.ShowHowToUse();
    QCoreApplication::processEvents();
    QVERIFY(OpenHelpWindow() == nullptr);
  }

  void showsPagesInOneWindowWithHistory() {
    QTemporaryDir program;
    const auto folder = program.filePath("help");
    QVERIFY(QDir().mkpath(folder));
    WritePage(folder + "/index.html", "目次");
    WritePage(folder + "/10009.html", "検索ツールバー");
    WritePage(folder + "/search.html", "トピックの検索");

    QtHelp help(program.path());
    help.ShowContext(tabulo::help::kHelpFindBar);
    auto* window = OpenHelpWindow();
    QVERIFY(window != nullptr);
    QCOMPARE(ShownFile(window), QStringLiteral("10009.html"));
    QVERIFY(window->windowTitle().contains(QStringLiteral("検索ツールバー")));

    help.ShowSearch();
    QCOMPARE(OpenHelpWindow(), window);
    QCOMPARE(ShownFile(window), QStringLiteral("search.html"));
    help.ShowHowToUse();  // no page of its own: the contents
    QCOMPARE(ShownFile(window), QStringLiteral("index.html"));

    auto* back = window->findChild<QToolButton*>(QStringLiteral("btnBack"));
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(ShownFile(window), QStringLiteral("search.html"));
    window->findChild<QToolButton*>(QStringLiteral("btnForward"))->click();
    QCOMPARE(ShownFile(window), QStringLiteral("index.html"));
    window->close();
  }

  // The pages that ship: one for every context the program asks for, plus the
  // fixed ones, all UTF-8 with a title, linked only to one another, and every
  // page reachable from the topic index.
  void shippedPagesAreCompleteAndLinked() {
    const auto folder = ShippedHelpFolder();
    QVERIFY2(folder.exists(), qPrintable(folder.absolutePath()));
    namespace h = tabulo::help;
    QStringList required{"index.html", "search.html", "howto.html"};
    for (const int context : {h::kHelpMainWindow, h::kHelpSaveOptions, h::kHelpCalcBar, h::kHelpFindBar,
                              h::kHelpFilter, h::kHelpFileMenu, h::kHelpEditMenu, h::kHelpDataMenu,
                              h::kHelpRowColumnMenu, h::kHelpViewMenu, h::kHelpOptionMenu}) {
      required << HelpContextPage(context);
    }
    for (const auto& page : required) QVERIFY2(folder.exists(page), qPrintable(page));

    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    static const QRegularExpression title(QStringLiteral("<title>[^<]+</title>"));
    const auto pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    const auto index = ReadUtf8(folder.filePath("search.html"));
    for (const auto& page : pages) {
      const auto text = ReadUtf8(folder.filePath(page));
      QVERIFY2(text.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(page));
      QVERIFY2(title.match(text).hasMatch(), qPrintable(page));
      QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(page));
      QVERIFY2(!text.contains(QStringLiteral("src=")), qPrintable(page));
      for (auto it = link.globalMatch(text); it.hasNext();) {
        const auto href = it.next().captured(1);
        if (href.startsWith(QLatin1Char('#'))) continue;  // a place on the same page
        const auto target = href.section(QLatin1Char('#'), 0, 0);
        QVERIFY2(!target.isEmpty() && !target.contains(QLatin1Char(':')) && folder.exists(target),
                 qPrintable(page + " → " + target));
      }
      if (page != QStringLiteral("search.html")) {
        QVERIFY2(index.contains(QStringLiteral("href=\"%1").arg(page)), qPrintable(page));
      }
    }
  }
};

QTEST_MAIN(QtHelpTest)
#include "QtHelpTest.moc"
