#include "platform/qt/QtHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/qt/HelpWindow.h"

namespace tabulo::platform {

QString HelpContextPage(int context) { return QString::number(context) + QStringLiteral(".html"); }

QString LocateHelpPage(const QString& helpFolder, const QString& page) {
  const QDir folder(helpFolder);
  for (const auto& name : {page, QString::fromLatin1(kHelpContentsPage)}) {
    const QFileInfo file(folder.filePath(name));
    if (file.isFile()) return file.absoluteFilePath();
  }
  return {};
}

QtHelp::QtHelp(QString programFolder)
    : m_helpFolder(QDir(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)
                       .filePath(QStringLiteral("help"))) {}

QtHelp::~QtHelp() = default;

void QtHelp::ShowContext(int context) { Show(HelpContextPage(context)); }
void QtHelp::ShowContents() { Show(QString::fromLatin1(kHelpContentsPage)); }
void QtHelp::ShowSearch() { Show(QString::fromLatin1(kHelpSearchPage)); }
void QtHelp::ShowHowToUse() { Show(QString::fromLatin1(kHelpHowToPage)); }

void QtHelp::Show(const QString& page) {
  const auto path = LocateHelpPage(m_helpFolder, page);
  if (path.isEmpty()) return;
  if (!m_window) m_window = std::make_unique<HelpWindow>(m_helpFolder);
  m_window->ShowPage(path);
}

}  // namespace tabulo::platform
