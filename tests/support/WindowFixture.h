#pragma once

// A main window for window tests: its settings in a fresh folder, every
// desktop service answered by script. Used by the Qt tests only.

#include <QAction>

#include <memory>

#include "platform/ScriptedServices.h"
#include "support/TestFiles.h"
#include "ui/app/TTabulo.h"

namespace tabulo::test {

struct WindowFixture {
  TempDir dir;
  platform::ScriptedPlatform platform;
  std::unique_ptr<ui::TTabulo> window;

  WindowFixture() { Open(); }

  ui::WindowFiles Files() const {
    return {dir / "Tabulo.Ctl", dir / "Csv.his", dir / "Fixed.his", dir.Path(), dir / "FixedCnf", dir / "GPC"};
  }

  // A new window over the same settings folder (the previous one goes first).
  void Open() {
    window.reset();
    window = std::make_unique<ui::TTabulo>(platform.AsServices(), Files());
    window->resize(800, 600);
    window->show();
  }

  TableDocument& Grid() { return window->Grid(); }
  QAction* Action(const char* name) const { return window->findChild<QAction*>(name); }

  void Select(const TGridRect& rect) {
    Grid().SetSelection(rect);
    window->SyncViewFromDocument();
  }
};

}  // namespace tabulo::test
