// The start-up profile's clock on Windows, and where the profile goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Stopwatch.h"

namespace quintel::win32 {

// Microseconds since the process was created: the creation time Windows
// keeps for the process gives the start (so the loading of the DLLs and
// the runtime before WinMain is counted), the performance counter the
// steps after it.
class TraceClock final : public Stopwatch {
public:
    TraceClock();
    std::int64_t Microseconds() override;

private:
    std::int64_t startOffset_ = 0;  // microseconds from creation to the clock's making
    std::int64_t counterStart_ = 0;
    std::int64_t frequency_ = 0;    // 0: no performance counter, milliseconds then
    std::uint32_t tickStart_ = 0;
};

// True when the environment asks for the profile (QUINTEL_TRACE=1).
bool TraceWanted();

// "<temporary folder>\<program>-trace.txt"; none when Windows names no
// temporary folder.
std::optional<std::string> TraceFilePath(const std::string& program);

}  // namespace quintel::win32
