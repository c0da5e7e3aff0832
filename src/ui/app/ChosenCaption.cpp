#include "ui/app/ChosenCaption.h"

#include <QColor>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace tabulo::ui {

void PaintCaption(QWidget& control, bool chosen) {
  QPalette palette;  // no role set: every colour comes from the parent
  if (chosen) {
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::blue);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::blue);
  }
  control.setPalette(palette);
}

void PaintButtonCaption(QPushButton& button, const QColor& colour) {
  QPalette palette = button.palette();
  palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
  palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
  button.setPalette(palette);
}

}  // namespace tabulo::ui
