#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <string>
#include <vector>

#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtFontDialog.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtInputBox.h"
#include "platform/qt/QtProcesses.h"
#include "platform/qt/QtPrompter.h"
#include "ui/app/ApplicationIcon.h"
#include "ui/app/QtTranslations.h"
#include "ui/app/SplashWindow.h"
#include "ui/app/TTabulo.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tabulo");
  QApplication::setWindowIcon(tabulo::ApplicationIcon());
  tabulo::ui::InstallQtTranslations(application);
  const QPointer<tabulo::TSplashWindow> splash = tabulo::TSplashWindow::ShowAtStart();

  tabulo::platform::QtPrompter prompter;
  tabulo::platform::QtFileDialogs fileDialogs;
  tabulo::platform::QtInputBox inputBox;
  tabulo::platform::QtFontDialog fontDialog;
  tabulo::platform::QtHelp help;
  tabulo::platform::QtProcesses processes;
  tabulo::platform::QtClipboard clipboard;
  const tabulo::platform::Services services{prompter, fileDialogs, inputBox, fontDialog, help, processes, clipboard};

  tabulo::ui::TTabulo window(services, tabulo::ui::DefaultWindowFiles());
  prompter.SetParent(&window);
  fileDialogs.SetParent(&window);
  inputBox.SetParent(&window);
  fontDialog.SetParent(&window);
  window.SetCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  window.show();
  if (splash) splash->close();

  // For the README's picture: TABULO_SCREENSHOT names a PNG file; once the
  // start file is open the window fits its column widths ("列幅再調節"), draws
  // itself into the file, and the program ends.
  if (const QString picture = qEnvironmentVariable("TABULO_SCREENSHOT"); !picture.isEmpty()) {
    QTimer::singleShot(1500, &window, [&window, picture] {
      if (auto* fit = window.findChild<QAction*>("mmColWidth")) fit->trigger();
      window.grab().save(picture, "PNG");
      QApplication::exit(0);
    });
  }
  return QApplication::exec();
}
