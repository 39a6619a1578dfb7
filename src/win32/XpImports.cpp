// The threads library that comes with the compiler calls GetTickCount64,
// which Windows XP and older do not export; importing it would keep the
// program from even loading there. This definition takes the place of the
// import: the system's function where it exists, otherwise GetTickCount
// counted past its 49-day wrap.
#include <windows.h>

namespace {

ULONGLONG WINAPI TickCountFallback() {
    static DWORD last = 0;
    static ULONGLONG high = 0;
    const DWORD now = GetTickCount();
    if (now < last) high += 0x100000000ULL;
    last = now;
    return high + now;
}

ULONGLONG WINAPI FirstCall();

using TickCount64 = ULONGLONG(WINAPI*)();

}  // namespace

// The name the linker looks for when code calls the imported function.
extern "C" {
TickCount64 ImportedGetTickCount64 __asm__("__imp__GetTickCount64@0") = FirstCall;
}

namespace {

ULONGLONG WINAPI FirstCall() {
    auto system = reinterpret_cast<TickCount64>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
    ImportedGetTickCount64 = system ? system : TickCountFallback;
    return ImportedGetTickCount64();
}

}  // namespace
