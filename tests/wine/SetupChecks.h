// What the setup program and the Windows Installer package leave on the
// machine, read back as Windows and Explorer read it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quintel::wine {

// The files that ship, relative to the program's folder.
extern const char* const ShippedFiles[5];

std::string ShellFolder(int csidl);
// The common Start menu's Quintel folder, and the common Startup folder's
// keep-alive shortcut.
std::string StartMenuFolder();
std::string StartupLink();

bool Exists(const std::string& path);

// Quintel.exe's folder in the build, which holds what the setups ship.
std::string BuiltFolder();
// A program that notes in "<its own path>.ran" that it was started.
std::string DecoyExe();
// Where Windows would look first for "<root>\Program Files\Quintel Test\Quintel.exe"
// given without quotes: "<root>\Program.exe" and "<root>\Program Files\Quintel.exe".
std::vector<std::string> UnquotedPathDecoys(const std::string& root);
// A test failure for each of `decoys` that was started.
void ExpectNoDecoyRan(const std::vector<std::string>& decoys);
// Every file and folder under `folder`, relative to it.
std::vector<std::string> ListTree(const std::string& folder);

struct Shortcut {
    std::string target;
    std::string arguments;
};
// The target and arguments of a .lnk file, read the way Explorer does
// (COM must be initialised).
std::optional<Shortcut> ReadShortcut(const std::string& path);

bool CompanionRunning();

// Whether the tests run under Wine rather than Windows (ntdll says so).
bool RunningOnWine();

// The companion started from `folder` without waiting, as Quintel.exe
// starts it, pinging this machine only; waits for its window.
HANDLE StartCompanionIn(const std::string& folder);

}  // namespace quintel::wine
