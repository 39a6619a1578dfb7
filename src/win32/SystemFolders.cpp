#include "win32/SystemFolders.h"

namespace quintel::win32 {

namespace {
std::string WithoutTrailingBackslash(const char* path, UINT length) {
    std::string folder(path, length);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}
}  // namespace

std::string SystemFolder() {
    char path[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    return length == 0 || length > MAX_PATH ? std::string() : WithoutTrailingBackslash(path, length);
}

std::string WindowsFolder() {
    char path[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    return length == 0 || length > MAX_PATH ? std::string() : WithoutTrailingBackslash(path, length);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

HMODULE LoadSystemLibrary(const char* name) {
    const std::string folder = SystemFolder();
    if (folder.empty()) return nullptr;
    return LoadLibraryA(InFolder(folder, name).c_str());
}

void KeepCurrentFolderOutOfDllSearch() {
    using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return;
    auto setDllDirectory = reinterpret_cast<SetDllDirectoryFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDllDirectoryA")));
    if (setDllDirectory) setDllDirectory("");
}

}  // namespace quintel::win32
