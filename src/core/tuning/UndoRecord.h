// The undo record: before Apply or Restore writes anything, what every
// value it touches holds then goes into "Undo.reg" beside the program, a
// registry file the system's editor can import as well, and the settings
// file in place then is kept as "VarOderudi.cfg.undo". Only the state
// before the last change is kept, so undo always goes one step back.
//
// The record names the time of the change, for telling whether Windows
// has started since, and the size and checksum of the settings copy that
// belongs to it, so that a copy left by an interrupted recording is not
// taken for this one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/system/WindowsFamily.h"
#include "core/tuning/ChangePlan.h"
#include "core/tuning/RegFile.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace quintel {

constexpr const char* UndoFileName = "Undo.reg";

// Where the record and the settings copy go, beside the settings file.
struct UndoFiles {
    std::string Record;        // "...\Undo.reg"
    std::string Settings;      // "...\VarOderudi.cfg"
    std::string SettingsCopy;  // "...\VarOderudi.cfg.undo"
};
UndoFiles UndoFilesFor(const std::string& settingsPath);

struct UndoRecord {
    RegFileFlavour Flavour = RegFileFlavour::Version5;
    UnixSeconds ChangedAt = 0;
    // Whether a settings file was in place before the change, and its
    // text; SettingsProblem says why the text is missing when the copy
    // kept beside the record is gone or is not the one recorded (a
    // recording cut short); the registry can still be put back then.
    bool HadSettings = false;
    std::optional<std::string> Settings;
    std::string SettingsProblem;
    std::vector<RegFileEntry> Values;
    // The record's file as it was read, for putting it back.
    std::string Text;
};

// Records what `plan` says each value holds now (each value once, as it
// was before the first write to it), the settings file in place and the
// time `now`. Fails, and leaves the previous record as it was, when a
// value could not be read (it would be put back wrong), the record
// cannot hold a value exactly, or a file cannot be written; the reason
// is one line for the user. `settingsKept`, when given, receives the
// settings file's bytes as the record keeps them (nothing: no file).
Result<void, std::string> RecordUndo(FileSystem& files, const UndoFiles& where,
                                     const ChangePlan& plan, RegFileFlavour flavour,
                                     UnixSeconds now,
                                     std::optional<std::string>* settingsKept = nullptr);

// True when there is a record to undo (also when a replace of it was cut
// short and the next read will finish it).
bool UndoAvailable(FileSystem& files, const UndoFiles& where);

// Reads the record and its settings copy; the reason when there is none or
// it is not one the program wrote.
Result<UndoRecord, std::string> ReadUndoRecord(FileSystem& files, const UndoFiles& where);

// The time of the last change, from the record alone; nothing without a
// usable record.
std::optional<UnixSeconds> LastChangeTime(FileSystem& files, const UndoFiles& where);

// "2026-12-08 15:53 UTC".
std::string TimeText(UnixSeconds time);

}  // namespace quintel
