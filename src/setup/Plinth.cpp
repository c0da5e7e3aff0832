// Plinth, the setup program: registers Tabulo with the desktop, or with the
// argument "R" removes the registration again. It has no window: every step
// is a message box, or with "--yes" a line on standard output.
#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/setup/ConsoleBoxes.h"
#include "platform/setup/QtSetupBoxes.h"
#include "platform/setup/XdgShell.h"
#include "setup/CommandLine.h"
#include "setup/SetupMessages.h"
#include "setup/UnitMain.h"

namespace {

bool HasDisplay() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return true;
  }
  return false;
}

int Run(const plinth::SetupRequest& request, plinth::SetupBoxes& boxes) {
  plinth::XdgShell shell;
  const plinth::SetupContext context{{plinth::RunningProgramFolder()}, boxes, shell};
  const auto outcome = request.uninstall ? plinth::Uninstall(context) : plinth::Install(context);
  return outcome.succeeded ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const auto request = plinth::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (request.answerYes) {
    plinth::ConsoleBoxes boxes(std::cout);
    return Run(request, boxes);
  }
  if (!HasDisplay()) {
    std::cerr << plinth::messages::kNoDisplay << '\n';
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Plinth");
  plinth::QtSetupBoxes boxes;
  return Run(request, boxes);
}
