#include "platform/setup/QtSetupBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace plinth {
namespace {

QMessageBox::Icon IconOf(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// Qt lays out "\n" breaks; the texts keep CR LF as the setup messages have them.
QString BoxText(const std::string& text) {
  return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

bool QtSetupBoxes::Ask(const std::string& caption, const std::string& text) {
  QApplication::beep();
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption), BoxText(text));
  auto* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
  auto* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

void QtSetupBoxes::Tell(const std::string& caption, const std::string& text, BoxIcon icon) {
  QApplication::beep();
  QMessageBox box(IconOf(icon), QString::fromUtf8(caption), BoxText(text));
  auto* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

}  // namespace plinth
