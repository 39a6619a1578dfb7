#include "win32/Win32System.h"

#include <windows.h>

#include "win32/AddressTable.h"
#include "win32/SystemFolders.h"
#include "win32/Win32Registry.h"

namespace quintel::win32 {

OsVersion Win32VersionQuery::QueryVersion() {
    // The extended record tells a server from a workstation of the same
    // version (Server 2003 from XP x64, Server 2008 from Vista). Windows
    // 9x and NT 4 before service pack 6 refuse its size; they get the
    // plain record. Windows 8.1 and later report their own version only
    // to programs whose manifest names them as supported (Quintel's does);
    // others are told 6.2.
    OSVERSIONINFOEXA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        ZeroMemory(&info, sizeof info);
        info.dwOSVersionInfoSize = 148;  // sizeof(OSVERSIONINFOA)
        ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info));
        info.wProductType = 0;
    }
    // On 9x the high word of the build number repeats the version.
    const DWORD build = info.dwPlatformId == VER_PLATFORM_WIN32_NT ? info.dwBuildNumber
                                                                    : LOWORD(info.dwBuildNumber);
    return OsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, build,
                     info.wProductType};
}

Result<std::optional<Ipv4Address>> Win32IpHelper::LocalIPv4() {
    using GetIpAddrTableFn = DWORD(WINAPI*)(void*, PULONG, BOOL);
    if (!tried_) {
        tried_ = true;
        library_.Reset(LoadSystemLibrary("IPHLPAPI.DLL"));
        if (!library_) {
            const DWORD code = GetLastError();
            loadError_ = SystemError{static_cast<long>(code), "IPHLPAPI.DLL: " + SystemErrorText(code)};
        }
    }
    if (!library_) return loadError_;
    auto entry = reinterpret_cast<GetIpAddrTableFn>(
        reinterpret_cast<void*>(GetProcAddress(library_.Get(), "GetIpAddrTable")));
    if (!entry) {
        const DWORD code = GetLastError();
        return SystemError{static_cast<long>(code), "GetIpAddrTable: " + SystemErrorText(code)};
    }
    return FirstTableAddress([entry](std::uint8_t* buffer, std::uint32_t& size, bool sorted) {
        ULONG inOut = size;
        const DWORD result = entry(buffer, &inOut, sorted ? TRUE : FALSE);
        size = inOut;
        return static_cast<std::uint32_t>(result);
    });
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
