#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;
class QUrl;

namespace tabulo::platform {

// The help viewer: one window, not modal, with back, forward, the contents
// and the topic index. It does not keep the program running when the last
// other window closes.
class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(const QString& helpFolder, QWidget* parent = nullptr);

  // Shows the page (an absolute file path) and brings the window to the front.
  void ShowPage(const QString& path);

 private:
  void ConnectEvents();
  // The contents and topic-index buttons, with the page each one opens.
  void btnPageClick(const char* page);
  void HelpTextSourceChanged(const QUrl& source);

  QString m_helpFolder;
  QToolButton* btnBack;
  QToolButton* btnForward;
  QToolButton* btnContents;
  QToolButton* btnSearch;
  QTextBrowser* HelpText;
};

}  // namespace tabulo::platform
