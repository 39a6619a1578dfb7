#include "win32/Win32Clock.h"

#include <windows.h>

#include <cstdint>

namespace quintel::win32 {

namespace {

// FILETIME counts 100 ns since 1601-01-01 UTC.
constexpr std::int64_t TicksPerSecond = 10'000'000;
constexpr std::int64_t TicksTo1970 = 116'444'736'000'000'000;

UnixSeconds FromFileTime(std::int64_t ticks) {
    return (ticks - TicksTo1970) / TicksPerSecond;
}

// NtQuerySystemInformation's SystemTimeOfDayInformation: the boot time
// first, then the time now, both as FILETIME. NT 4 knows the 32 bytes
// up to the time zone id; later releases take the 48 of winternl.h.
constexpr ULONG SystemTimeOfDayInformation = 3;
struct TimeOfDay {
    LARGE_INTEGER BootTime;
    LARGE_INTEGER CurrentTime;
    LARGE_INTEGER TimeZoneBias;
    ULONG TimeZoneId;
    ULONG Reserved;
    ULONGLONG BootTimeBias;
    ULONGLONG SleepTimeBias;
};
using QueryInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

bool KernelBootTime(UnixSeconds& boot) {
    // ntdll is in every NT process from its start: nothing is loaded.
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!ntdll) return false;
    const auto query = reinterpret_cast<QueryInformation>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation")));
    if (!query) return false;
    for (ULONG size : {static_cast<ULONG>(sizeof(TimeOfDay)), static_cast<ULONG>(32)}) {
        TimeOfDay info{};
        ULONG returned = 0;
        if (query(SystemTimeOfDayInformation, &info, size, &returned) >= 0 &&
            info.BootTime.QuadPart > TicksTo1970) {
            boot = FromFileTime(info.BootTime.QuadPart);
            return true;
        }
    }
    return false;
}

}  // namespace

UnixSeconds Win32Clock::Now() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return FromFileTime((static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
}

Result<UnixSeconds> Win32Clock::BootTime() {
    UnixSeconds boot = 0;
    if (KernelBootTime(boot)) return boot;
    // Windows 95, 98 and ME: GetTickCount is all there is.
    const DWORD sinceStart = GetTickCount();
    return Now() - static_cast<UnixSeconds>(sinceStart / 1000);
}

}  // namespace quintel::win32
