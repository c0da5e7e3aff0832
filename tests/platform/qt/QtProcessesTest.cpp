#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/QtProcesses.h"

using tabulo::platform::NewInstanceArguments;
using tabulo::platform::QtProcesses;

class QtProcessesTest : public QObject {
  Q_OBJECT

 private slots:
  void fileIsOneArgument() {
    QVERIFY(NewInstanceArguments({}).isEmpty());
    QCOMPARE(NewInstanceArguments("/tmp/売上 2024/一月 分.csv"), QStringList{"/tmp/売上 2024/一月 分.csv"});
  }

  // A path with blanks reaches the new process whole: "touch" stands in for
  // the program and creates exactly the file it was given.
  void startedProcessGetsThePathWhole() {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("売上 2024")));
    const auto file = folder.filePath(QStringLiteral("売上 2024/一月 分.csv"));
    QtProcesses processes(QStringLiteral("touch"));
    processes.StartNewInstance(file.toStdString());
    QTRY_VERIFY(QFileInfo::exists(file));
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("売上"))));
  }
};

QTEST_MAIN(QtProcessesTest)
#include "QtProcessesTest.moc"
