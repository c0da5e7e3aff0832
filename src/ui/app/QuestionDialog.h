#pragma once

#include <QDialog>

#include "core/base/Prompter.h"
#include "ui/app/OwnerCentre.h"

namespace tabulo::ui {

// Runs a settings dialog as every command dialog opens: centred over
// `parent`'s window (or the screen), announced with the question sound.
// Whether the user accepted it.
inline bool ExecQuestionDialog(QDialog& dialog, QWidget* parent, Prompter& prompter) {
  MoveToOwnerCentre(&dialog, parent != nullptr ? parent->window() : nullptr);
  prompter.Beep(Sound::Question);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tabulo::ui
