// What the keep-alive schedule does on Windows: read Ping.cfg beside the
// companion, and send one quiet ping with the optional sound.
#pragma once

#include <string>

#include "core/ping/CompanionPingSettings.h"
#include "core/ping/PingSettings.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Network.h"
#include "win32/korvet/SilentMessageBoxes.h"

namespace quintel::korvet {

class KorvetPing {
public:
    // `folder` holds Ping.cfg and Ping.wav: the companion's own folder.
    explicit KorvetPing(std::string folder) : folder_(std::move(folder)) {}

    // The settings as the file has them now; a file that cannot be read
    // whole keeps the settings last read.
    PingSettings Load();
    void Ping(const PingSettings& settings);

private:
    std::string folder_;
    CompanionPingSettings settings_;
    win32::Win32FileSystem files_;
    win32::Win32Sockets sockets_;
    win32::Win32Icmp icmp_;
    win32::Win32SoundPlayer player_;
    SilentMessageBoxes boxes_;
};

}  // namespace quintel::korvet
