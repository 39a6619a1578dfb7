// Which Windows family is running. The answer picks the registry value map
// and the network applet, and its name goes into the status bar.
#pragma once

#include <cstdint>
#include <string>

#include "platform/VersionQuery.h"

namespace quintel {

// Family codes: 1 unrecognised ("Windows 32"), 2..7 Windows 95, 98, ME, NT,
// 2000, XP. 0 means the detection has not run yet.
namespace family {
constexpr std::int16_t NotDetected = 0;
constexpr std::int16_t Windows32 = 1;
constexpr std::int16_t Windows95 = 2;
constexpr std::int16_t Windows98 = 3;
constexpr std::int16_t WindowsME = 4;
constexpr std::int16_t WindowsNT = 5;
constexpr std::int16_t Windows2000 = 6;
constexpr std::int16_t WindowsXP = 7;
}  // namespace family

struct WindowsFamily {
    std::int16_t Code = family::NotDetected;
    std::string Name;

    bool Is9xBranch() const { return Code >= 1 && Code <= 4; }
    bool IsNTBranch() const { return Code >= 5 && Code <= 7; }
};

// mdlOSVersion: the detection result 0..6.
std::int16_t DetectWindowsVersion(VersionQuery& version);

// The start-up mapping: result r gives code r + 1 and its name.
WindowsFamily FamilyFromDetection(std::int16_t result);

}  // namespace quintel
