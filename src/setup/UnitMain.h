#pragma once

#include "platform/setup/SetupShell.h"
#include "setup/InstallFolder.h"

namespace plinth {

// What one run of setup works with: the installation folder (Plinth's own),
// the boxes it asks and tells through, and the desktop it registers with.
struct SetupContext {
  InstallFolder installed;
  SetupBoxes& boxes;
  SetupShell& shell;
};

// How a run went: true when every step it took succeeded. A failed step has
// shown its message (or, for the uninstall entry, failed quietly) and the
// run went on.
struct SetupOutcome {
  bool succeeded = true;
};

// Registers Tabulo with the desktop: the menu entries, the desktop shortcut
// and the file managers' menus (each if the user says Yes), and the uninstall
// entry; removes the entries of earlier versions.
SetupOutcome Install(const SetupContext& context);

// Removes all that Install registers, after the user agreed; the uninstall
// entry's key stays without its values. Nothing there is no error.
SetupOutcome Uninstall(const SetupContext& context);

}  // namespace plinth
