#include "wine/SetupChecks.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include "core/ping/PingSettings.h"
#include "win32/korvet/KorvetControl.h"
#include "wine/WineHelpers.h"

namespace quintel::wine {

const char* const ShippedFiles[5] = {"Quintel.exe", "Korvet.exe", "TIPs.TXT", "Ping.wav",
                                     "Help\\Help.chm"};

std::string BuiltFolder() {
    const std::string exe = QuintelExe();
    return exe.substr(0, exe.find_last_of('\\'));
}

std::string DecoyExe() {
    return BuiltFile("QUINTEL_DECOY", "decoy.exe");
}

std::vector<std::string> UnquotedPathDecoys(const std::string& root) {
    return {root + "\\Program.exe", root + "\\Program Files\\Quintel.exe"};
}

void ExpectNoDecoyRan(const std::vector<std::string>& decoys) {
    for (const std::string& decoy : decoys) {
        if (Exists(decoy + ".ran"))
            ADD_FAILURE() << "a command line without quotes started " << decoy << ": "
                          << ReadTextFile(decoy + ".ran");
    }
}

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    EXPECT_EQ(S_OK, SHGetFolderPathA(nullptr, csidl, nullptr, 0, path)) << csidl;
    return path;
}
std::string StartMenuFolder() { return ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Quintel"; }
std::string StartupLink() { return ShellFolder(CSIDL_COMMON_STARTUP) + "\\Quintel Keep-Alive.lnk"; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

namespace {
void ListTree(const std::string& folder, const std::string& prefix, std::vector<std::string>& found) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        found.push_back(prefix + name);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ListTree(folder + "\\" + name, prefix + name + "\\", found);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}
}  // namespace

std::vector<std::string> ListTree(const std::string& folder) {
    std::vector<std::string> found;
    ListTree(folder, "", found);
    return found;
}

std::optional<Shortcut> ReadShortcut(const std::string& path) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        ADD_FAILURE() << "no shell link object";
        return std::nullopt;
    }
    std::optional<Shortcut> result;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        std::wstring wide(path.begin(), path.end());
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
            char target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
            link->GetPath(target, MAX_PATH, nullptr, 0);
            link->GetArguments(arguments, MAX_PATH);
            result = Shortcut{target, arguments};
        }
        file->Release();
    }
    link->Release();
    return result;
}

bool CompanionRunning() { return FindWindowA(korvet::WindowClass, nullptr) != nullptr; }

bool RunningOnWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

HANDLE StartCompanionIn(const std::string& folder) {
    WriteTextFile(folder + "\\Ping.cfg", FormatPingFile(PingSettings{false, "127.0.0.1", "1", false}));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + folder + "\\Korvet.exe\"";
    std::vector<char> text(line.begin(), line.end());
    text.push_back('\0');
    if (!CreateProcessA(nullptr, text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "Korvet.exe did not start: " << GetLastError();
        return nullptr;
    }
    CloseHandle(process.hThread);
    for (int i = 0; i < 200 && !CompanionRunning(); ++i) Sleep(50);
    EXPECT_TRUE(CompanionRunning()) << "the companion's window did not appear";
    return process.hProcess;
}

}  // namespace quintel::wine
