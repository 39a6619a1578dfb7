// Which Windows family is running. The answer picks the registry value map
// and the network applet, and its name goes into the status bar.
#pragma once

#include <cstdint>
#include <string>

#include "platform/VersionQuery.h"

namespace quintel {

// Family codes: 1 unrecognised ("Windows 32"), 2..7 Windows 95, 98, ME, NT,
// 2000, XP, and 8 onwards the NT releases after XP. 0 means the detection
// has not run yet.
namespace family {
constexpr std::int16_t NotDetected = 0;
constexpr std::int16_t Windows32 = 1;
constexpr std::int16_t Windows95 = 2;
constexpr std::int16_t Windows98 = 3;
constexpr std::int16_t WindowsME = 4;
constexpr std::int16_t WindowsNT = 5;
constexpr std::int16_t Windows2000 = 6;
constexpr std::int16_t WindowsXP = 7;
constexpr std::int16_t WindowsServer2003 = 8;  // NT 5.2, XP x64 too
constexpr std::int16_t WindowsVista = 9;       // NT 6.0, Server 2008 too
constexpr std::int16_t Windows7 = 10;          // NT 6.1, Server 2008 R2 too
constexpr std::int16_t Windows8 = 11;          // NT 6.2, Server 2012 too
constexpr std::int16_t Windows81 = 12;         // NT 6.3, Server 2012 R2 too
constexpr std::int16_t Windows10 = 13;         // NT 10.0: 10, 11, Server 2016 and later
constexpr std::int16_t NewerNT = 14;           // an NT release this program does not know
}  // namespace family

struct WindowsFamily {
    std::int16_t Code = family::NotDetected;
    std::string Name;

    bool Is9xBranch() const { return Code >= family::Windows32 && Code <= family::WindowsME; }
    bool IsNTBranch() const { return Code >= family::WindowsNT && Code <= family::NewerNT; }
    // From Vista on, TCP tunes its receive window itself and ignores
    // TcpWindowSize and GlobalMaxTcpWindowSize.
    bool AutoTunesReceiveWindow() const {
        return Code >= family::WindowsVista && Code <= family::NewerNT;
    }
};

// The detection result of a reported version: 0 unrecognised, 1..6 Windows
// 95, 98, ME, NT, 2000, XP, 7..13 the later NT releases (the family code
// less one).
std::int16_t DetectionResult(const OsVersion& version);

// mdlOSVersion: asks Windows once and gives the detection result.
std::int16_t DetectWindowsVersion(VersionQuery& version);

// The start-up mapping: result r gives code r + 1 and its name (for the
// releases after XP the workstation's name).
WindowsFamily FamilyFromDetection(std::int16_t result);

// The family of the reported version, named as that release calls itself:
// a server is told from a workstation of the same version by its product
// type, Windows 11 and the servers of version 10.0 by their build number.
WindowsFamily FamilyOf(const OsVersion& version);

// Asks Windows once and gives the family with its name.
WindowsFamily DetectWindowsFamily(VersionQuery& version);

}  // namespace quintel
