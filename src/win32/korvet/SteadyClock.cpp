#include "win32/korvet/SteadyClock.h"

#include <windows.h>

namespace quintel::korvet {

namespace {
using TickCount64Fn = ULONGLONG(WINAPI*)();
}  // namespace

SteadyClock::SteadyClock() {
    // Looked up, not linked: Windows before Vista lacks it and would refuse
    // to start the program.
    if (HMODULE kernel = GetModuleHandleA("kernel32.dll")) {
        tickCount64_ = reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetTickCount64"));
    }
}

std::uint64_t SteadyClock::Now() {
    if (tickCount64_) return reinterpret_cast<TickCount64Fn>(tickCount64_)();
    return counter_.Extend(GetTickCount());
}

}  // namespace quintel::korvet
