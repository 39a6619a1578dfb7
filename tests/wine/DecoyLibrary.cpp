// A library the launch tests plant under a system library's name
// ("icmp.dll", "IPHLPAPI.DLL"): loaded at all, it leaves
// "<its own path>.ran", so a test sees that the program found it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t self[MAX_PATH + 8] = {};
    const DWORD length = GetModuleFileNameW(module, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TRUE;
    lstrcatW(self, L".ran");
    HANDLE marker = CreateFileW(self, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
    return TRUE;
}
