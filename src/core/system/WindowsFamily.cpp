#include "core/system/WindowsFamily.h"

#include <array>

namespace quintel {

namespace {
constexpr std::uint32_t PlatformWindows9x = 1;
constexpr std::uint32_t PlatformWindowsNT = 2;
constexpr std::uint8_t ProductWorkstation = 1;

constexpr std::array<const char*, 14> FamilyNames = {
    "Windows 32",          "Windows 95", "Windows 98", "Windows ME",  "Windows NT",
    "Windows 2000",        "Windows XP", "Windows Server 2003",      "Windows Vista",
    "Windows 7",           "Windows 8",  "Windows 8.1", "Windows 10", "Windows NT",
};

// NT 5.2 came as Server 2003 and, for workstations, XP x64; a system that
// reports no product type is taken for the server, the common case.
std::string Nt52Name(const OsVersion& v) {
    return v.ProductType == ProductWorkstation ? "Windows XP x64" : "Windows Server 2003";
}

bool IsServer(const OsVersion& v) {
    return v.ProductType != 0 && v.ProductType != ProductWorkstation;
}

// Version 10.0 is shared by Windows 10 and 11 and every server since 2016;
// the first build of each tells them apart.
std::string Nt10Name(const OsVersion& v) {
    if (!IsServer(v)) return v.BuildNumber >= 22000 ? "Windows 11" : "Windows 10";
    if (v.BuildNumber >= 26100) return "Windows Server 2025";
    if (v.BuildNumber >= 20348) return "Windows Server 2022";
    if (v.BuildNumber >= 17763) return "Windows Server 2019";
    return "Windows Server 2016";
}

}  // namespace

std::int16_t DetectionResult(const OsVersion& v) {
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
            if (v.MinorVersion == 2) return 7;
        }
        if (v.MajorVersion == 6 && v.MinorVersion <= 3) return static_cast<std::int16_t>(8 + v.MinorVersion);
        if (v.MajorVersion == 10 && v.MinorVersion == 0) return 12;
        // Still NT, and later than XP: it takes the NT values.
        return 13;
    }
    return 0;
}

std::int16_t DetectWindowsVersion(VersionQuery& version) {
    return DetectionResult(version.QueryVersion());
}

WindowsFamily FamilyFromDetection(std::int16_t result) {
    if (result < 0 || result >= static_cast<std::int16_t>(FamilyNames.size())) result = 0;
    return WindowsFamily{static_cast<std::int16_t>(result + 1), FamilyNames[result]};
}

WindowsFamily FamilyOf(const OsVersion& v) {
    WindowsFamily f = FamilyFromDetection(DetectionResult(v));
    const bool server = IsServer(v);
    switch (f.Code) {
    case family::WindowsServer2003: f.Name = Nt52Name(v); break;
    case family::WindowsVista: if (server) f.Name = "Windows Server 2008"; break;
    case family::Windows7: if (server) f.Name = "Windows Server 2008 R2"; break;
    case family::Windows8: if (server) f.Name = "Windows Server 2012"; break;
    case family::Windows81: if (server) f.Name = "Windows Server 2012 R2"; break;
    case family::Windows10: f.Name = Nt10Name(v); break;
    case family::NewerNT:
        f.Name = "Windows NT " + std::to_string(v.MajorVersion) + "." + std::to_string(v.MinorVersion);
        break;
    default: break;
    }
    return f;
}

WindowsFamily DetectWindowsFamily(VersionQuery& version) {
    return FamilyOf(version.QueryVersion());
}

}  // namespace quintel
