// What Quintel does that could pick up a planted program or library, run
// from a folder a test has filled with decoys of the system's names: the
// ICMP library, the IP helper, the registry editor's export to the file
// named by the first argument, and the Control Panel's starter. Exits 0
// when all of them worked, else the number of the first that failed.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/Network.h"
#include "win32/SystemFolders.h"
#include "win32/Win32Network.h"
#include "win32/Win32Services.h"
#include "win32/Win32System.h"

namespace {

int Run() {
    using namespace quintel;
    win32::KeepCurrentFolderOutOfDllSearch();
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 2) return 10;
    char exportPath[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, argv[1], -1, exportPath, sizeof exportPath, nullptr, nullptr);
    LocalFree(argv);

    win32::Win32Icmp icmp;
    if (!icmp.Echo(0x0100007F, {'E'}, 1000)) return 1;  // 127.0.0.1; an answer is not needed

    win32::Win32IpHelper ipHelper;
    (void)ipHelper.LocalIPv4();  // the library loaded; any answer will do

    win32::Win32Launcher launcher;
    const auto editor =
        launcher.StartToWait(launcher.SystemProgram("regedit.exe"),
                             {"/E", exportPath, "HKEY_CURRENT_USER\\Software\\Wine"}, SW_HIDE);
    if (!editor) return 2;
    editor.Value()->WaitForExit([] {});
    // With nothing to run, the starter ends at once.
    const auto starter = launcher.StartToWait(launcher.SystemProgram("rundll32.exe"), {}, SW_HIDE);
    if (!starter) return 3;
    starter.Value()->WaitForExit([] {});
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return Run();
}
