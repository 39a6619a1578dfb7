// The keep-alive ping settings and their file "Ping.cfg".
#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace quintel {

// The host the automatic mode pings: a public web server that answers.
constexpr const char* DefaultPingHost = "www.google.com";
constexpr const char* DefaultPingInterval = "5";
constexpr const char* PingFileName = "Ping.cfg";

struct PingSettings {
    bool PingAutomatic = false;
    std::string PingHost;
    std::string PingInterval;  // whole minutes as decimal digits
    bool PingSound = false;

    bool operator==(const PingSettings&) const = default;
};

// Automatic mode, the default host and 5 minutes; the sound as given.
PingSettings DefaultPingSettings(bool sound);

// The four lines of the file, each ended by CR LF.
std::string FormatPingFile(const PingSettings& settings);

// Reads the file's text; false when it is malformed (`settings` is then
// unspecified).
bool ParsePingFile(const std::string& text, PingSettings& settings);

enum class PingFileRead {
    Loaded,    // `settings` holds the file's
    Missing,   // no file: `settings` untouched
    Unusable,  // unreadable or malformed: `settings` untouched
};
// The file as it is now, finishing nothing.
PingFileRead ReadPingSettingsFile(FileSystem& files, const std::string& path,
                                  PingSettings& settings);

// The settings the file holds; a missing or malformed file gives the
// defaults, with the sound of `current` (it is never reset by defaults).
PingSettings LoadPingSettingsFile(FileSystem& files, const std::string& path,
                                  const PingSettings& current);

// A host can be saved only when it reads back exactly: one line of text.
bool HostReadsBack(const std::string& host);

// The entry of a list of `count` intervals (entry i is i + 1 minutes) that
// the interval text stands for, rounded; -1 when there is none, for any
// text a file may hold.
int PingIntervalIndex(const std::string& interval, int count);

}  // namespace quintel
