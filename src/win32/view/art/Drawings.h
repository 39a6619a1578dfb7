// The drawings themselves, as character rows (see Art.h).
#pragma once

#include "win32/view/art/Art.h"

namespace quintel::win32::art {

// The program's logo: a globe struck by a lightning bolt.
extern const Art Logo16;
extern const Art Logo32;
// 7x7 marks laid on the logo's corner for the tray icon's states.
extern const Art TickBadge;
extern const Art CrossBadge;

// The main window's toolbar, 16x16 each.
extern const Art Network;
extern const Art Modem;
extern const Art Computer;
extern const Art Floppy;
extern const Art Echo;
extern const Art Globe;
extern const Art Question;
extern const Art Undo;
extern const Art Tick;
extern const Art Door;

// A speedometer, 48x48, for the dialog that explains the modes.
extern const Art Speedometer;

}  // namespace quintel::win32::art
