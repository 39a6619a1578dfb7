// Where Windows keeps its own programs and libraries, and loading those
// only from there. A bare name is searched for in the application folder
// and the current folder first, and the Save dialog can make any folder a
// user can write to the current one: a program or DLL planted there under
// a system name would run with this program's rights.
#pragma once

#include <windows.h>

#include <string>

namespace quintel::win32 {

// GetSystemDirectoryA and GetWindowsDirectoryA, without a trailing
// backslash (both end in one only at a drive's root).
std::string SystemFolder();
std::string WindowsFolder();

// `name` in `folder`, with one backslash between.
std::string InFolder(const std::string& folder, const std::string& name);

// Loads the system library `name` by its full path in the system folder.
HMODULE LoadSystemLibrary(const char* name);

// Takes the current folder out of the DLL search of this process
// (SetDllDirectoryA with an empty text). Looked up at run time: Windows
// 95, 98, ME, 2000 and XP before its first service pack lack it, and there
// every library this program loads itself is loaded by full path anyway.
void KeepCurrentFolderOutOfDllSearch();

}  // namespace quintel::win32
