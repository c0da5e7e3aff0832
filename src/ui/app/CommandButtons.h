#pragma once

#include <QString>

class QHBoxLayout;
class QPushButton;
class QShortcut;
class QWidget;

namespace tabulo::ui {

// How a command dialog's button row looks.
struct CommandButtonLook {
  QString ok;     // the command's caption ("OK", "実行(&S)", "整列", …)
  QString abort;  // "中止(&A)" or "キャンセル"
  bool coloured = true;  // OK's caption blue and the abort button's red
  // Enter on the help or abort button runs the command (the default button)
  // instead of pressing the focused button.
  bool enterRunsCommand = true;
};

// The row at the foot of a command dialog: "ヘルプ(&H)" on the left, the
// command's button (the default button) and the abort button on the right,
// named BtnHelp, btnOk and btnAbort, and F1 for help.
struct CommandButtons {
  QPushButton* help;
  QPushButton* ok;
  QPushButton* abort;
  QShortcut* helpKey;
  QHBoxLayout* row;
};

CommandButtons NewCommandButtons(QWidget* dialog, const CommandButtonLook& look);

}  // namespace tabulo::ui
