#include "ui/app/ChosenCaption.h"

#include <QPalette>
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

}  // namespace tabulo::ui
