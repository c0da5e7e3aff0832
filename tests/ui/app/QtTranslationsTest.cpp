// Qt's own windows speak Japanese once its translations are installed.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "ui/app/QtTranslations.h"

namespace tabulo::ui {

class QtTranslationsTest final : public QObject {
  Q_OBJECT

 private slots:
  void dialogsAndContextMenusAreJapanese() {
    QVERIFY(InstallQtTranslations(*QCoreApplication::instance()));
    // The file dialog's column titles and a text box's own context menu.
    QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Name"), QString("名前"));
    QLineEdit box;
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList captions;
    for (const QAction* item : menu->actions()) captions << item->text();
    QVERIFY2(!captions.join(' ').contains("Undo"), qPrintable(captions.join(' ')));
  }
};

}  // namespace tabulo::ui

QTEST_MAIN(tabulo::ui::QtTranslationsTest)
#include "QtTranslationsTest.moc"
