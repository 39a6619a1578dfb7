#include "win32/TraceClock.h"

#include <windows.h>

namespace quintel::win32 {

namespace {

std::int64_t FileTimeMicroseconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<std::int64_t>(value.QuadPart / 10);
}

}  // namespace

TraceClock::TraceClock() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetSystemTimeAsFileTime(&now);
    // Windows 95, 98 and ME keep no creation time, and their GetProcessTimes
    // is at best a stub; it is looked up, so no loader need have it. Without
    // it the profile starts here.
    using Times = BOOL(WINAPI*)(HANDLE, FILETIME*, FILETIME*, FILETIME*, FILETIME*);
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    const auto times = kernel32 ? reinterpret_cast<Times>(reinterpret_cast<void*>(
                                      GetProcAddress(kernel32, "GetProcessTimes")))
                                : nullptr;
    if (times && times(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        const std::int64_t offset = FileTimeMicroseconds(now) - FileTimeMicroseconds(created);
        if (offset > 0) startOffset_ = offset;
    }
    LARGE_INTEGER frequency{}, counter{};
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0 &&
        QueryPerformanceCounter(&counter)) {
        frequency_ = frequency.QuadPart;
        counterStart_ = counter.QuadPart;
    }
    tickStart_ = GetTickCount();
}

std::int64_t TraceClock::Microseconds() {
    LARGE_INTEGER counter{};
    if (frequency_ && QueryPerformanceCounter(&counter)) {
        const std::int64_t ticks = counter.QuadPart - counterStart_;
        return startOffset_ + ticks / frequency_ * 1000000 + ticks % frequency_ * 1000000 / frequency_;
    }
    return startOffset_ + static_cast<std::int64_t>(GetTickCount() - tickStart_) * 1000;
}

bool TraceWanted() {
    char value[8] = {};
    const DWORD length = GetEnvironmentVariableA("QUINTEL_TRACE", value, sizeof value);
    return length == 1 && value[0] == '1';
}

std::optional<std::string> TraceFilePath(const std::string& program) {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder) return std::nullopt;
    std::string path(folder, length);
    if (path.back() != '\\') path += '\\';
    return path + program + "-trace.txt";
}

}  // namespace quintel::win32
