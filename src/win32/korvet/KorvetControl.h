// How other programs reach the running keep-alive companion (Korvet.exe):
// the main program, an uninstaller and the tests. Plain constants, so a
// caller needs no header of the companion's beyond this one.
//
//     HWND korvet = FindWindowA(korvet::WindowClass, nullptr);
//     if (korvet) PostMessageA(korvet, korvet::PauseMessage, 0, 0);
//     bool paused = korvet && SendMessageA(korvet, korvet::StateQueryMessage, 0, 0)
//                                 == korvet::StatePaused;
//
// The same from a command line: "Korvet.exe /pause", "/resume", "/stop".
#pragma once

namespace quintel::korvet {

// The class of the companion's hidden top-level window; there is at most
// one such window, as at most one companion runs.
inline constexpr char WindowClass[] = "QuintelKorvet";

// Held by the running companion; a second start sees it and leaves.
inline constexpr char InstanceMutex[] = "Quintel.Korvet";

// Posted or sent to the window. Pausing stops the pings until resumed; resuming
// starts a fresh interval. Every start of the companion begins resumed.
inline constexpr unsigned PauseMessage = 0x8000 + 1;   // WM_APP + 1
inline constexpr unsigned ResumeMessage = 0x8000 + 2;  // WM_APP + 2
inline constexpr unsigned StopMessage = 0x0010;        // WM_CLOSE

// Sent (SendMessage) to the window: the answer is StateRunning or
// StatePaused. A companion that does not know the message answers 0.
inline constexpr unsigned StateQueryMessage = 0x8000 + 3;  // WM_APP + 3
inline constexpr long StateRunning = 1;
inline constexpr long StatePaused = 2;

// Present on the window (any non-null value) while it is paused; read it
// with GetPropA(window, PausedProperty).
inline constexpr char PausedProperty[] = "QuintelKorvetPaused";

// Exit codes of the command-line switches.
inline constexpr int ExitOk = 0;
inline constexpr int ExitNotRunning = 1;  // /pause or /resume with no companion
inline constexpr int ExitUsage = 2;       // an argument the companion does not know
inline constexpr int ExitUnusableFolder = 4;  // its folder's name is outside the ANSI code page

}  // namespace quintel::korvet
