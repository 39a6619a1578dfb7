// GetVersionExA: the three fields of OSVERSIONINFOA the program reads.
#pragma once

#include <cstdint>

namespace quintel {

struct OsVersion {
    std::uint32_t PlatformId = 0;  // 0 Win32s, 1 Windows 9x, 2 Windows NT
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
};

class VersionQuery {
public:
    virtual ~VersionQuery() = default;
    // Fills a zeroed record; a failing call leaves it zero.
    virtual OsVersion QueryVersion() = 0;
};

}  // namespace quintel
