// "&Undo Last Change" in the File menu, and the state of the last change
// in the first status bar panel.
#pragma once

namespace quintel {

class FrmMain;

// Once the user agrees, puts back every value and the settings file as
// they were before the last Apply, Restore or Undo, shows the restored
// choice, says what could not be put back, and offers the restart as
// Apply does.
void UndoLastChange(FrmMain& window);

// Panel 1 := whether the registry holds the saved settings and whether
// Windows must restart for them; the undo item is enabled when there is a
// change to undo.
void ShowChangeState(FrmMain& window);

}  // namespace quintel
