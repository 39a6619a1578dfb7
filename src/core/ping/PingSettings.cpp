#include "core/ping/PingSettings.h"

#include <vector>

#include "core/tuning/RenameReplace.h"
#include "core/text/NumberText.h"
#include "core/text/TextLines.h"

namespace quintel {

namespace {

const char* BoolText(bool value) {
    return value ? "#TRUE#" : "#FALSE#";
}

bool ReadBool(const std::string& text, bool& value) {
    if (text == "#TRUE#") value = true;
    else if (text == "#FALSE#") value = false;
    else return false;
    return true;
}

// What follows the first comma: the key before it is not checked, and a
// host with commas of its own keeps them.
bool ValueOf(const std::string& line, std::string& value) {
    const auto comma = line.find(',');
    if (comma == std::string::npos) return false;
    value = line.substr(comma + 1);
    return true;
}

}  // namespace

PingSettings DefaultPingSettings(bool sound) {
    return PingSettings{true, DefaultPingHost, DefaultPingInterval, sound};
}

std::string FormatPingFile(const PingSettings& s) {
    return std::string("PingAutomatic,") + BoolText(s.PingAutomatic) + "\r\n" +
           "PingHost," + s.PingHost + "\r\n" +
           "PingInterval," + s.PingInterval + "\r\n" +
           "PingSound," + BoolText(s.PingSound) + "\r\n";
}

bool ParsePingFile(const std::string& text, PingSettings& read) {
    const std::vector<std::string> lines = TextLines(text);
    std::string value;
    if (lines.size() < 4) return false;
    if (!ValueOf(lines[0], value) || !ReadBool(value, read.PingAutomatic)) return false;
    if (!ValueOf(lines[1], read.PingHost)) return false;
    if (!ValueOf(lines[2], read.PingInterval)) return false;
    return ValueOf(lines[3], value) && ReadBool(value, read.PingSound);
}

PingFileRead ReadPingSettingsFile(FileSystem& files, const std::string& path,
                                  PingSettings& settings) {
    if (!files.FileExists(path)) return PingFileRead::Missing;
    const auto text = files.ReadFile(path);
    if (!text) return PingFileRead::Unusable;
    PingSettings read;
    if (!ParsePingFile(text.Value(), read)) return PingFileRead::Unusable;
    settings = read;
    return PingFileRead::Loaded;
}

PingSettings LoadPingSettingsFile(FileSystem& files, const std::string& path,
                                  const PingSettings& current) {
    // A save on Windows 9x cut short between its renames: only a file
    // exactly as the program writes it counts as the new one.
    FinishInterruptedReplace(files, path, [](const std::string& text) {
        PingSettings saved;
        return ParsePingFile(text, saved) && FormatPingFile(saved) == text;
    });
    PingSettings read;
    if (ReadPingSettingsFile(files, path, read) == PingFileRead::Loaded) return read;
    return DefaultPingSettings(current.PingSound);
}

bool HostReadsBack(const std::string& host) {
    return host.find_first_of("\r\n") == std::string::npos;
}

int PingIntervalIndex(const std::string& interval, int count) {
    // Compared before the step to an index, which would overflow for the
    // least 32-bit number.
    const std::int32_t minutes = RoundToInt32(LeadingNumber(interval));
    return minutes >= 1 && minutes <= count ? minutes - 1 : -1;
}

}  // namespace quintel
