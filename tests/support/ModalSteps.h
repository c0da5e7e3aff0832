#pragma once

// Steps run on a modal dialog or a narrowed window once the code under test
// has opened it. Used by the Qt tests only.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/app/TTabulo.h"

namespace tabulo::test {

// Runs `steps` on the modal dialog once it is open.
inline void OnDialog(std::function<void(QWidget&)> steps) {
  QTimer::singleShot(0, [steps] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog != nullptr);
    steps(*dialog);
  });
}

// Runs `steps` on the narrowed window once it is shown.
inline void OnNarrowedWindow(std::function<void(ui::TTabulo&)> steps, int tries = 200) {
  QTimer::singleShot(10, [steps, tries] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* window = qobject_cast<ui::TTabulo*>(widget);
      if (window != nullptr && window->Narrowed() && window->isVisible()) return steps(*window);
    }
    if (tries > 0) OnNarrowedWindow(steps, tries - 1);
  });
}

}  // namespace tabulo::test
