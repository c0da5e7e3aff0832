#include "ui/app/CommandRunner.h"

#include <QApplication>
#include <QWidget>

#include <new>

#include "core/base/Errors.h"
#include "core/base/Prompter.h"

namespace tabulo::ui {

bool RunCommand(Prompter& prompter, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const SilentAbort&) {
  } catch (const std::bad_alloc&) {
    prompter.Ask(MessageId::OutOfMemory);
  } catch (const std::exception& error) {
    prompter.Ask(MessageId::CommandFailed, {error.what()});
  }
  return false;
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

SuspendedUpdates::SuspendedUpdates(QWidget* widget) : m_widget(widget), m_wasEnabled(widget->updatesEnabled()) {
  m_widget->setUpdatesEnabled(false);
}

SuspendedUpdates::~SuspendedUpdates() {
  m_widget->setUpdatesEnabled(m_wasEnabled);
  m_widget->update();
}

}  // namespace tabulo::ui
