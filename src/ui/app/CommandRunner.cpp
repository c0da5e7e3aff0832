#include "ui/app/CommandRunner.h"

#include <QApplication>
#include <QWidget>

#include <new>

#include "core/base/Errors.h"
#include "platform/Prompter.h"

namespace tabulo::ui {
namespace {

void ShowError(platform::Prompter& prompter, const char* text) {
  prompter.Ask(platform::Prompt{MessageId::Abort, text, platform::Sound::Hand, platform::BoxStyle::Error,
                                platform::Buttons::Ok});
}

}  // namespace

bool RunCommand(platform::Prompter& prompter, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const SilentAbort&) {
  } catch (const std::bad_alloc&) {
    ShowError(prompter, "メモリが不足しています。");
  } catch (const std::exception& error) {
    ShowError(prompter, error.what());
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
