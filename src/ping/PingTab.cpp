#include "ping/PingTab.h"

#include <vector>

#include "forms/NumberText.h"

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

// The lines of a text, without their CR LF (or LF) ends.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
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

PingSettings LoadPingSettingsFile(FileSystem& files, const std::string& path,
                                  const PingSettings& current) {
    const PingSettings defaults = DefaultPingSettings(current.PingSound);
    if (!files.FileExists(path)) return defaults;
    std::string text;
    FileError error;
    if (!files.ReadFile(path, text, error)) return defaults;

    const std::vector<std::string> lines = Lines(text);
    PingSettings read = current;
    std::string value;
    if (lines.size() < 4) return defaults;
    if (!ValueOf(lines[0], value) || !ReadBool(value, read.PingAutomatic)) return defaults;
    if (!ValueOf(lines[1], read.PingHost)) return defaults;
    if (!ValueOf(lines[2], read.PingInterval)) return defaults;
    if (!ValueOf(lines[3], value) || !ReadBool(value, read.PingSound)) return defaults;
    return read;
}

bool HostReadsBack(const std::string& host) {
    return host.find_first_of("\r\n") == std::string::npos;
}

void FillPingIntervalList(forms::ComboBox& list) {
    list.Clear();
    for (int minutes = 1; minutes <= 60; ++minutes) list.AddItem(std::to_string(minutes) + " min.");
}

int PingIntervalIndex(const std::string& interval, int count) {
    // Compared before the step to an index, which would overflow for the
    // least 32-bit number.
    const std::int32_t minutes = RoundToInt32(LeadingNumber(interval));
    return minutes >= 1 && minutes <= count ? minutes - 1 : -1;
}

}  // namespace quintel
