// The switches' side: telling the companion that already runs what to do.
#pragma once

#include "win32/korvet/KorvetSwitches.h"

namespace quintel::korvet {

// Posts the message of Stop, Pause or Resume to the running companion's
// window and returns the exit code (see KorvetControl.h). Stop succeeds
// whether or not a companion ran, and waits a little for it to end so an
// uninstaller may remove the file straight afterwards.
int SendToRunningCompanion(Action action);

}  // namespace quintel::korvet
