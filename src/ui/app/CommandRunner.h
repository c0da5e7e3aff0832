#pragma once

#include <functional>

class QWidget;

namespace tabulo {
class Prompter;
}

namespace tabulo::ui {

// Runs one command of a window. An exception must never leave a Qt slot, so
// every command runs here: a silent abort stays silent, any other failure
// gets the hand beep and the standard error box with its message. Returns
// whether the command finished without an exception.
bool RunCommand(Prompter& prompter, const std::function<void()>& command);

// The hourglass cursor for the length of a scope, restored on every path.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Suspends a widget's painting for the length of a scope and repaints it at
// the end, on every path.
class SuspendedUpdates {
 public:
  explicit SuspendedUpdates(QWidget* widget);
  ~SuspendedUpdates();
  SuspendedUpdates(const SuspendedUpdates&) = delete;
  SuspendedUpdates& operator=(const SuspendedUpdates&) = delete;

 private:
  QWidget* m_widget;
  bool m_wasEnabled;
};

}  // namespace tabulo::ui
