#include "ui/app/CommandButtons.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "ui/app/ChosenCaption.h"
#include "ui/app/NamedControl.h"

namespace tabulo::ui {

CommandButtons NewCommandButtons(QWidget* dialog, const CommandButtonLook& look) {
  CommandButtons buttons{};
  buttons.help = Named(new QPushButton(QStringLiteral("ヘルプ(&H)"), dialog), "BtnHelp");
  buttons.abort = Named(new QPushButton(look.abort, dialog), "btnAbort");
  buttons.ok = Named(new QPushButton(look.ok, dialog), "btnOk");
  if (look.coloured) {
    PaintButtonCaption(*buttons.abort, Qt::red);
    PaintButtonCaption(*buttons.ok, Qt::blue);
  }
  buttons.ok->setDefault(true);
  if (look.enterRunsCommand) {
    buttons.help->setAutoDefault(false);
    buttons.abort->setAutoDefault(false);
  }
  buttons.helpKey = new QShortcut(QKeySequence::HelpContents, dialog);
  buttons.row = new QHBoxLayout;
  buttons.row->addWidget(buttons.help);
  buttons.row->addStretch();
  buttons.row->addWidget(buttons.ok);
  buttons.row->addWidget(buttons.abort);
  return buttons;
}

}  // namespace tabulo::ui
