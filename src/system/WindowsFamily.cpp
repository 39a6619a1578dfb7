#include "system/WindowsFamily.h"

#include <array>

namespace quintel {

namespace {
constexpr std::uint32_t PlatformWindows9x = 1;
constexpr std::uint32_t PlatformWindowsNT = 2;

constexpr std::array<const char*, 7> FamilyNames = {
    "Windows 32", "Windows 95", "Windows 98", "Windows ME",
    "Windows NT", "Windows 2000", "Windows XP",
};
}  // namespace

std::int16_t DetectWindowsVersion(VersionQuery& version) {
    const OsVersion v = version.QueryVersion();
    if (v.PlatformId == PlatformWindows9x) {
        // Only the minor version tells the 9x releases apart.
        switch (v.MinorVersion) {
        case 0: return 1;
        case 10: return 2;
        case 90: return 3;
        default: return 0;
        }
    }
    if (v.PlatformId == PlatformWindowsNT) {
        if (v.MajorVersion < 5) return 4;
        if (v.MajorVersion == 5) {
            if (v.MinorVersion == 0) return 5;
            if (v.MinorVersion == 1) return 6;
        }
        return 0;  // Server 2003 and everything since
    }
    return 0;
}

WindowsFamily FamilyFromDetection(std::int16_t result) {
    if (result < 0 || result >= static_cast<std::int16_t>(FamilyNames.size())) result = 0;
    return WindowsFamily{static_cast<std::int16_t>(result + 1), FamilyNames[result]};
}

}  // namespace quintel
