// Ping.cfg as the keep-alive companion reads it: every second, while the
// ping tab may be replacing the file. A read that fails or finds a cut
// file keeps the settings last read whole, so a save in progress never
// sends the companion to the default host.
#pragma once

#include <optional>
#include <string>

#include "core/ping/PingSettings.h"
#include "platform/FileSystem.h"

namespace quintel {

class CompanionPingSettings {
public:
    // The settings to use now. No file at all means the defaults, as at the
    // first start; the file missing only while a replace is under way (its
    // copies beside it) keeps the last settings. The companion never
    // finishes a replace itself: the program saving may be in the middle
    // of it.
    PingSettings Load(FileSystem& files, const std::string& path);

private:
    std::optional<PingSettings> lastGood_;
};

}  // namespace quintel
