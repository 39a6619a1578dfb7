#include "core/tuning/UndoRecord.h"

#include <charconv>
#include <set>
#include <string_view>
#include <utility>

#include "core/text/NoCase.h"
#include "core/tuning/RegFunctions.h"
#include "core/tuning/RenameReplace.h"

namespace quintel {

namespace {

constexpr std::string_view ChangedLabel = "Changed: ";
constexpr std::string_view SettingsLabel = "Settings: ";
constexpr const char* NoSettings = "none";
constexpr const char* CopySuffix = ".undo";

// FNV-1a: enough to tell the copy that belongs to a record from one an
// interrupted recording left.
std::uint32_t Checksum(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

std::string Hex8(std::uint32_t value) {
    static const char digits[] = "0123456789abcdef";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = digits[value & 15];
    return text;
}

std::string SettingsStamp(const std::optional<std::string>& settings) {
    if (!settings) return NoSettings;
    return std::to_string(settings->size()) + " " + Hex8(Checksum(*settings));
}

// A value's key and name, ordered as Windows tells them apart (registry
// names compare without regard to case). The views point into the plan,
// which outlives the set.
struct ValueNameLess {
    bool operator()(const std::pair<std::string_view, std::string_view>& a,
                    const std::pair<std::string_view, std::string_view>& b) const {
        const int key = CompareNoCase(a.first, b.first);
        return key != 0 ? key < 0 : CompareNoCase(a.second, b.second) < 0;
    }
};

// Days since 1970-01-01 as a civil date (proleptic Gregorian).
void CivilFromDays(std::int64_t days, std::int64_t& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10)) +
           static_cast<char>('0' + value % 10);
}

bool ParseNumber(std::string_view text, std::int64_t& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size();
}

struct Header {
    UnixSeconds ChangedAt = 0;
    std::string SettingsStamp;
};

bool ReadHeader(const RegFileContents& contents, Header& header) {
    bool changed = false, settings = false;
    for (const std::string& comment : contents.Comments) {
        const std::string_view line = comment;
        if (line.substr(0, ChangedLabel.size()) == ChangedLabel) {
            const std::string_view number = line.substr(ChangedLabel.size());
            const std::size_t blank = number.find(' ');
            changed = ParseNumber(number.substr(0, blank), header.ChangedAt);
        } else if (line.substr(0, SettingsLabel.size()) == SettingsLabel) {
            header.SettingsStamp = std::string(line.substr(SettingsLabel.size()));
            settings = true;
        }
    }
    return changed && settings;
}

void FinishInterruptedRecord(FileSystem& files, const UndoFiles& where) {
    FinishInterruptedReplace(files, where.Record, [](const std::string& text) {
        const auto parsed = ParseRegFile(text);
        Header header;
        return parsed && ReadHeader(parsed.Value(), header);
    });
}

}  // namespace

UndoFiles UndoFilesFor(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1);
    return UndoFiles{folder + UndoFileName, settingsPath, settingsPath + CopySuffix};
}

std::string TimeText(UnixSeconds time) {
    std::int64_t days = time / 86400;
    std::int64_t seconds = time % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    std::int64_t year = 0;
    int month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    return std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day) + " " +
           TwoDigits(static_cast<int>(seconds / 3600)) + ":" +
           TwoDigits(static_cast<int>(seconds / 60 % 60)) + " UTC";
}

Result<void, std::string> RecordUndo(FileSystem& files, const UndoFiles& where,
                                     const ChangePlan& plan, RegFileFlavour flavour,
                                     UnixSeconds now, std::optional<std::string>* settingsKept) {
    RegFileContents contents;
    contents.Flavour = flavour;
    // A value the writer touches twice (a control set listed under two
    // names) is put back as it was before the first write.
    std::set<std::pair<std::string_view, std::string_view>, ValueNameLess> seen;
    for (const PlannedValue& value : plan) {
        if (!seen.insert({value.Key, value.ValueName}).second) continue;
        if (!value.NowProblem.empty()) {
            return "could not read " + ValuePathText(value.Key, value.ValueName) +
                   " to record it for undo: " + value.NowProblem;
        }
        contents.Entries.push_back({value.Key, value.ValueName, value.Now});
    }

    std::optional<std::string> settings;
    if (files.FileExists(where.Settings)) {
        auto text = files.ReadFile(where.Settings);
        if (!text) return "could not read " + where.Settings + " to keep it for undo: " + text.Error().reason;
        settings = std::move(text.Value());
    }
    contents.Comments = {
        "Quintel: what the registry held before the change of " + TimeText(now) + ".",
        "Import this file, or run Quintel.exe /undo, to put it back.",
        std::string(ChangedLabel) + std::to_string(now),
        std::string(SettingsLabel) + SettingsStamp(settings),
    };
    const auto text = FormatRegFile(contents);
    if (!text) return "could not record the change for undo: " + text.Error().Reason;

    // The copy first, the record last: until the record is replaced the
    // old one stands, and it knows its own copy by its checksum. Should the
    // record not get written, the old copy goes back beside it.
    std::optional<std::string> oldCopy;
    if (files.FileExists(where.SettingsCopy)) {
        if (auto old = files.ReadFile(where.SettingsCopy)) oldCopy = std::move(old.Value());
    }
    // A copy that already holds these bytes (the same settings applied
    // again) is kept as it is.
    if (settings) {
        if (oldCopy != settings) {
            if (const auto copied = files.ReplaceFileContents(where.SettingsCopy, *settings); !copied)
                return "could not write " + copied.Error().path + ": " + copied.Error().reason;
        }
    } else if (const auto removed = files.RemoveFile(where.SettingsCopy); !removed) {
        return "could not remove " + removed.Error().path + ": " + removed.Error().reason;
    }
    if (const auto written = files.ReplaceFileContents(where.Record, text.Value()); !written) {
        // Best effort: the failure to record is what the user must hear.
        if (oldCopy) static_cast<void>(files.ReplaceFileContents(where.SettingsCopy, *oldCopy));
        return "could not write " + written.Error().path + ": " + written.Error().reason;
    }
    if (settingsKept) *settingsKept = std::move(settings);
    return {};
}

bool UndoAvailable(FileSystem& files, const UndoFiles& where) {
    return files.FileExists(where.Record) || ReplaceUnderway(files, where.Record);
}

Result<UndoRecord, std::string> ReadUndoRecord(FileSystem& files, const UndoFiles& where) {
    FinishInterruptedRecord(files, where);
    if (!files.FileExists(where.Record)) return "there is no change to undo (no " + where.Record + ")";
    const auto text = files.ReadFile(where.Record);
    if (!text) return "cannot read " + where.Record + ": " + text.Error().reason;
    const auto parsed = ParseRegFile(text.Value());
    if (!parsed) {
        return where.Record + " is not an undo record of this program (line " +
               std::to_string(parsed.Error().Line) + ": " + parsed.Error().Reason + ")";
    }
    Header header;
    if (!ReadHeader(parsed.Value(), header)) {
        return where.Record + " is not an undo record of this program (it names no time of "
                              "change or settings file)";
    }
    UndoRecord record;
    record.Flavour = parsed.Value().Flavour;
    record.ChangedAt = header.ChangedAt;
    record.Values = parsed.Value().Entries;
    record.Text = text.Value();
    record.HadSettings = header.SettingsStamp != NoSettings;
    if (record.HadSettings) {
        FinishInterruptedReplace(files, where.SettingsCopy, [&header](const std::string& copy) {
            return SettingsStamp(copy) == header.SettingsStamp;
        });
        auto copy = files.ReadFile(where.SettingsCopy);
        if (!copy) {
            record.SettingsProblem = "cannot read " + where.SettingsCopy + ": " + copy.Error().reason;
        } else if (SettingsStamp(copy.Value()) != header.SettingsStamp) {
            record.SettingsProblem =
                where.SettingsCopy + " is not the settings file recorded with " + where.Record;
        } else {
            record.Settings = std::move(copy.Value());
        }
    }
    return record;
}

std::optional<UnixSeconds> LastChangeTime(FileSystem& files, const UndoFiles& where) {
    FinishInterruptedRecord(files, where);
    if (!files.FileExists(where.Record)) return std::nullopt;
    const auto text = files.ReadFile(where.Record);
    if (!text) return std::nullopt;
    const auto parsed = ParseRegFile(text.Value());
    Header header;
    if (!parsed || !ReadHeader(parsed.Value(), header)) return std::nullopt;
    return header.ChangedAt;
}

}  // namespace quintel
