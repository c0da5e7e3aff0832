#include "platform/qt/HelpWindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/qt/QtHelp.h"

namespace tabulo::platform {
namespace {

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_helpFolder(helpFolder) {
  setObjectName(QStringLiteral("HelpWindow"));
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(QStringLiteral("Tabulo ヘルプ"));
  resize(640, 560);

  btnBack = MakeButton(this, "btnBack", QStringLiteral("← 戻る"), QStringLiteral("前に見たページに戻ります。"));
  btnBack->setShortcut(QKeySequence::Back);
  btnBack->setEnabled(false);
  btnForward = MakeButton(this, "btnForward", QStringLiteral("進む →"), QStringLiteral("戻る前のページに進みます。"));
  btnForward->setShortcut(QKeySequence::Forward);
  btnForward->setEnabled(false);
  btnContents = MakeButton(this, "btnContents", QStringLiteral("目次"), QStringLiteral("ヘルプの目次を表示します。"));
  btnSearch = MakeButton(this, "btnSearch", QStringLiteral("トピックの検索"),
                         QStringLiteral("キーワードからトピックを探します。"));

  HelpText = new QTextBrowser(this);
  HelpText->setObjectName(QStringLiteral("HelpText"));
  HelpText->setOpenLinks(true);
  HelpText->setOpenExternalLinks(false);
  HelpText->setSearchPaths({helpFolder});

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnBack);
  buttons->addWidget(btnForward);
  buttons->addSpacing(12);
  buttons->addWidget(btnContents);
  buttons->addWidget(btnSearch);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(buttons);
  layout->addWidget(HelpText);

  ConnectEvents();
}

void HelpWindow::ConnectEvents() {
  connect(btnBack, &QToolButton::clicked, HelpText, &QTextBrowser::backward);
  connect(btnForward, &QToolButton::clicked, HelpText, &QTextBrowser::forward);
  connect(btnContents, &QToolButton::clicked, this, [this] { btnPageClick(kHelpContentsPage); });
  connect(btnSearch, &QToolButton::clicked, this, [this] { btnPageClick(kHelpSearchPage); });
  connect(HelpText, &QTextBrowser::backwardAvailable, btnBack, &QToolButton::setEnabled);
  connect(HelpText, &QTextBrowser::forwardAvailable, btnForward, &QToolButton::setEnabled);
  connect(HelpText, &QTextBrowser::sourceChanged, this, &HelpWindow::HelpTextSourceChanged);
}

void HelpWindow::ShowPage(const QString& path) {
  const auto url = QUrl::fromLocalFile(path);
  if (HelpText->source() != url) HelpText->setSource(url);
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

void HelpWindow::btnPageClick(const char* page) {
  const auto path = LocateHelpPage(m_helpFolder, QString::fromLatin1(page));
  if (!path.isEmpty()) HelpText->setSource(QUrl::fromLocalFile(path));
}

void HelpWindow::HelpTextSourceChanged(const QUrl&) {
  const auto title = HelpText->documentTitle();
  setWindowTitle(title.isEmpty() ? QStringLiteral("Tabulo ヘルプ") : QStringLiteral("Tabulo ヘルプ - ") + title);
}

}  // namespace tabulo::platform
