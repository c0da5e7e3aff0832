#include "platform/qt/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tabulo::platform {
namespace {

QMessageBox::Icon IconOf(BoxStyle style) {
  switch (style) {
    case BoxStyle::Confirmation: return QMessageBox::Question;
    case BoxStyle::Information: return QMessageBox::Information;
    case BoxStyle::Warning: return QMessageBox::Warning;
    case BoxStyle::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

QString TitleOf(BoxStyle style) {
  switch (style) {
    case BoxStyle::Confirmation: return QStringLiteral("確認");
    case BoxStyle::Information: return QStringLiteral("情報");
    case BoxStyle::Warning: return QStringLiteral("警告");
    case BoxStyle::Error: return QStringLiteral("エラー");
  }
  return QStringLiteral("Tabulo");
}

}  // namespace

void QtPrompter::Beep(Sound) {
  // The desktop has one bell; the kinds of sound cannot be told apart here.
  QApplication::beep();
}

Answer QtPrompter::Show(const Prompt& prompt) {
  Beep(prompt.sound);
  QMessageBox box(IconOf(prompt.style), TitleOf(prompt.style), QString::fromUtf8(prompt.text), QMessageBox::NoButton,
                  m_parent);
  QPushButton* ok = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  QPushButton* cancel = nullptr;
  switch (prompt.buttons) {
    case Buttons::Ok:
      ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
      box.setDefaultButton(ok);
      box.setEscapeButton(ok);
      break;
    case Buttons::OkCancel:
      ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
      cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
      box.setDefaultButton(ok);
      box.setEscapeButton(cancel);
      break;
    case Buttons::YesNoCancel:
      yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
      cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
      box.setDefaultButton(yes);
      box.setEscapeButton(cancel);
      break;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
      yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
      no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
      box.setDefaultButton(prompt.buttons == Buttons::YesNo ? yes : no);
      box.setEscapeButton(no);
      break;
  }
  box.exec();
  const auto* clicked = box.clickedButton();
  if (clicked == nullptr) {
    return prompt.buttons == Buttons::YesNoCancel || prompt.buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
  }
  if (clicked == ok) return Answer::Ok;
  if (clicked == yes) return Answer::Yes;
  if (clicked == no) return Answer::No;
  return Answer::Cancel;
}

}  // namespace tabulo::platform
