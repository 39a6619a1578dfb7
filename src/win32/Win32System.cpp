#include "win32/Win32System.h"

#include <windows.h>

#include "win32/SystemFolders.h"
#include "win32/Win32Registry.h"

namespace quintel::win32 {

OsVersion Win32VersionQuery::QueryVersion() {
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = 148;  // sizeof(OSVERSIONINFOA)
    ::GetVersionExA(&info);
    return OsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::uint32_t Win32IpHelper::GetIpAddrTable(std::uint8_t* buffer, std::uint32_t& size, bool sorted) {
    using GetIpAddrTableFn = DWORD(WINAPI*)(void*, PULONG, BOOL);
    static HMODULE library = LoadSystemLibrary("IPHLPAPI.DLL");
    if (!library) {
        throw PlatformError("IPHLPAPI.DLL: " + SystemErrorText(GetLastError()));
    }
    auto call = reinterpret_cast<GetIpAddrTableFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetIpAddrTable")));
    if (!call) {
        throw PlatformError("GetIpAddrTable: " + SystemErrorText(GetLastError()));
    }
    ULONG inOut = size;
    const DWORD result = call(buffer, &inOut, sorted ? TRUE : FALSE);
    size = inOut;
    return result;
}

int Win32MessageBoxes::Show(const std::string& text, const std::string& caption, unsigned style) {
    // Without an owner of its own the box belongs to the window in front, so
    // it is modal to it as the user expects.
    HWND owner = owner_ ? static_cast<HWND>(owner_) : GetActiveWindow();
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

std::string ApplicationFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

}  // namespace quintel::win32
