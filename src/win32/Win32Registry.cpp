#include "win32/Win32Registry.h"

#include <windows.h>

namespace quintel::win32 {

namespace {

HKEY RootHandle(RegRoot root) {
    return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

HKEY AsHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

RegKey AsRegKey(HKEY key) {
    return reinterpret_cast<RegKey>(key);
}

SystemError Failure(LONG code) {
    return SystemError{code, SystemErrorText(static_cast<unsigned long>(code))};
}

#ifndef KEY_WOW64_64KEY
#define KEY_WOW64_64KEY 0x0100
#endif

}  // namespace

bool IsRunningUnderWow64() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return false;
    auto isWow64Process =
        reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (!isWow64Process || !isWow64Process(GetCurrentProcess(), &wow64)) return false;
    return wow64 != FALSE;
}

std::string SystemErrorText(unsigned long code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    std::string text;
    if (length && buffer) text.assign(buffer, length);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    if (text.empty()) text = "error " + std::to_string(code);
    return text;
}

Win32Registry::Win32Registry() : wow64_(IsRunningUnderWow64()) {}

Result<RegKey> Win32Registry::CreateKey(RegRoot root, const std::string& path,
                                        std::uint32_t access) {
    HKEY handle = nullptr;
    DWORD disposition = 0;
    const REGSAM sam = access | (wow64_ ? KEY_WOW64_64KEY : 0);
    const LONG result = RegCreateKeyExA(RootHandle(root), path.c_str(), 0, nullptr, 0, sam,
                                        nullptr, &handle, &disposition);
    if (result != ERROR_SUCCESS) return Failure(result);
    return AsRegKey(handle);
}

Result<RegKey> Win32Registry::OpenKey(RegRoot root, const std::string& path) {
    HKEY handle = nullptr;
    LONG result;
    if (wow64_) {
        result = RegOpenKeyExA(RootHandle(root), path.c_str(), 0,
                               MAXIMUM_ALLOWED | KEY_WOW64_64KEY, &handle);
    } else {
        result = RegOpenKeyA(RootHandle(root), path.c_str(), &handle);
    }
    if (result != ERROR_SUCCESS) return Failure(result);
    return AsRegKey(handle);
}

Result<RegKey> Win32Registry::OpenKeyEx(RegRoot root, const std::string& path,
                                        std::uint32_t access) {
    HKEY handle = nullptr;
    const REGSAM sam = access | (wow64_ ? KEY_WOW64_64KEY : 0);
    const LONG result = RegOpenKeyExA(RootHandle(root), path.c_str(), 0, sam, &handle);
    if (result != ERROR_SUCCESS) return Failure(result);
    return AsRegKey(handle);
}

Result<> Win32Registry::SetValue(RegKey key, const std::string& name, std::uint32_t type,
                                 const std::vector<std::uint8_t>& data) {
    const LONG result = RegSetValueExA(AsHkey(key), name.c_str(), 0, type, data.data(),
                                       static_cast<DWORD>(data.size()));
    if (result != ERROR_SUCCESS) return Failure(result);
    return {};
}

Result<RegValue> Win32Registry::QueryValue(RegKey key, const std::string& name,
                                           std::size_t capacity) {
    std::vector<std::uint8_t> buffer(capacity ? capacity : 1);
    DWORD size = static_cast<DWORD>(capacity);
    DWORD valueType = 0;
    const LONG result =
        RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &valueType, buffer.data(), &size);
    if (result != ERROR_SUCCESS) return Failure(result);
    return RegValue{valueType, std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + size)};
}

Result<> Win32Registry::DeleteValue(RegKey key, const std::string& name) {
    const LONG result = RegDeleteValueA(AsHkey(key), name.c_str());
    if (result != ERROR_SUCCESS) return Failure(result);
    return {};
}

Result<std::string> Win32Registry::EnumKey(RegKey key, std::uint32_t index) {
    // Key names are at most 255 characters; the buffer holds one more for
    // the terminator so that every legal name fits.
    char buffer[256] = {};
    DWORD length = sizeof buffer;
    const LONG result =
        RegEnumKeyExA(AsHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) return Failure(result);
    return std::string(buffer, length);
}

Result<> Win32Registry::CloseKey(RegKey key) {
    const LONG result = RegCloseKey(AsHkey(key));
    if (result != ERROR_SUCCESS) return Failure(result);
    return {};
}

std::string Win32Registry::ErrorText(long code) {
    return SystemErrorText(static_cast<unsigned long>(code));
}

}  // namespace quintel::win32
