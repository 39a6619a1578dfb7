// What Quintel.exe does with the DLLs it loads on first use, in a program
// built the same way (the delay import libraries and the program's own
// resolver) and started by the Footprint tests:
//     delay_probe libraries   calls into version.dll, winmm.dll, wsock32.dll
//                             and comdlg32.dll; each must come from the
//                             system folder
//     delay_probe controls <Quintel.exe>
//                             the common controls without a context, then
//                             with Quintel.exe's window-path context
// Exits 0 when all is as it must be, else the number of the first check
// that failed. The program has no manifest of its own.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <winsock.h>

#include <cctype>
#include <cstring>
#include <string>

#include "win32/CommonControlsContext.h"

namespace {


std::string ModulePath(const char* name) {
    HMODULE module = GetModuleHandleA(name);
    if (!module) return "";
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

bool InFolder(const std::string& path, const std::string& folder) {
    if (path.size() <= folder.size()) return false;
    return lstrcmpiA(path.substr(0, folder.size()).c_str(), folder.c_str()) == 0 && path[folder.size()] == '\\';
}

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

int Libraries() {
    const char* names[] = {"version.dll", "winmm.dll", "wsock32.dll", "comdlg32.dll"};
    for (const char* name : names)
        if (GetModuleHandleA(name)) return 1;  // loaded before its first use
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    DWORD ignored = 0;
    (void)GetFileVersionInfoSizeA(self, &ignored);
    (void)timeGetTime();
    WSADATA data{};
    if (WSAStartup(MAKEWORD(1, 1), &data) == 0) WSACleanup();
    (void)CommDlgExtendedError();
    const std::string system = SystemFolder();
    int check = 2;
    for (const char* name : names) {
        if (!InFolder(ModulePath(name), system)) return check;
        ++check;
    }
    return 0;
}

// The folder of the common controls 6 assembly in the side-by-side store
// is named after it: "x86_microsoft.windows.common-controls_<key>_6.0...".
// (Wine's copy reports version 5.81 like its older one, so the folder,
// which is Windows' own rule, tells them apart.)
bool FromControlsSixAssembly(std::string path) {
    for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path.find("\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6.0.") != std::string::npos;
}

int Controls(const char* quintel) {
    if (GetModuleHandleA("comctl32.dll")) return 1;
    {
        quintel::win32::CommonControlsContext context(quintel, quintel::win32::ControlsManifestId);
        if (!context.Active()) return 2;
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        if (!InitCommonControlsEx(&classes)) return 3;
        if (!FromControlsSixAssembly(ModulePath("comctl32.dll"))) return 4;
        // From the side-by-side store under the Windows folder, not from
        // any folder a search would try first.
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        if (!InFolder(ModulePath("comctl32.dll"), windows)) return 5;
        if (InFolder(ModulePath("comctl32.dll"), SystemFolder())) return 6;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "libraries") == 0) return Libraries();
    if (argc == 3 && std::strcmp(argv[1], "controls") == 0) return Controls(argv[2]);
    return 100;
}
