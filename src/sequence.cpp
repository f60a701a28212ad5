// The launch sequence.
//
// Each step either ends the run or passes on to the next; the last one, the
// attempt from the launcher's own directory, always ends it.  Errors are
// left to the unhandled-error report: an unreadable InstallDir value, and
// the own-directory attempt's refused directory change.  A start that the
// system refuses is not an error and ends the run quietly.
#include "src/sequence.h"

#include "src/arguments.h"
#include "src/install_dir.h"
#include "src/launch_attempt.h"
#include "src/running_instance.h"
#include "src/settings.h"

namespace {

// The window class of the main application's main window.
const char kMainWindowClass[] = "ROrUvidaZazeZude";

void LaunchFromOwnDirectory() {
  Text own_path = ArgumentAt(0);
  LaunchDir = DirectoryOfPath(own_path);
  LaunchFromDirectory();  // a refused start is not an error
}

}  // namespace

void LaunchSequence() {
  if (SkipAutoStart()) return;
  if (!ForceMultiEnabled() && ActivateRunningInstance(kMainWindowClass)) return;
  if (LaunchFromInstallDir()) return;
  LaunchFromOwnDirectory();
}
