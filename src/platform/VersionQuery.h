// GetVersionExA: the fields of OSVERSIONINFOA (and, where Windows has it,
// OSVERSIONINFOEXA) the program reads.
#pragma once

#include <cstdint>

namespace quintel {

struct OsVersion {
    std::uint32_t PlatformId = 0;  // 0 Win32s, 1 Windows 9x, 2 Windows NT
    std::uint32_t MajorVersion = 0;
    std::uint32_t MinorVersion = 0;
    std::uint32_t BuildNumber = 0;
    // 1 workstation, 2 domain controller, 3 server; 0 where Windows reports
    // no product type (9x, NT 4 before service pack 6).
    std::uint8_t ProductType = 0;
};

class VersionQuery {
public:
    virtual ~VersionQuery() = default;
    // Fills a zeroed record; a failing call leaves it zero.
    virtual OsVersion QueryVersion() = 0;
};

}  // namespace quintel
