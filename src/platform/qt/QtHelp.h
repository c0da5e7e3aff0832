#pragma once

#include <memory>

#include <QString>

#include "platform/Services.h"

namespace tabulo::platform {

class HelpWindow;

// The help pages live in the folder "help" beside the program: one page per
// help context number, "<number>.html", and the fixed pages below.
inline constexpr char kHelpContentsPage[] = "index.html";
inline constexpr char kHelpSearchPage[] = "search.html";
inline constexpr char kHelpHowToPage[] = "howto.html";

QString HelpContextPage(int context);

// The file to show for `page` in `helpFolder`: the page itself, else the
// contents (for a context that has no page of its own). Empty when neither
// exists, in particular when the folder is missing.
QString LocateHelpPage(const QString& helpFolder, const QString& page);

// Help on the pages above, shown in one HelpWindow that stays open beside the
// program's windows. Without the help folder every request does nothing.
// Create and destroy it while the QApplication exists.
class QtHelp final : public Help {
 public:
  // `programFolder` holds the "help" folder: the running program's folder
  // when empty.
  explicit QtHelp(QString programFolder = {});
  ~QtHelp() override;

  void ShowContext(int context) override;
  void ShowContents() override;
  void ShowSearch() override;
  void ShowHowToUse() override;

 private:
  void Show(const QString& page);

  QString m_helpFolder;
  std::unique_ptr<HelpWindow> m_window;
};

}  // namespace tabulo::platform
