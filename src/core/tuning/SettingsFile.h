// "VarOderudi.cfg": the user's last applied choice, beside the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/trace/Trace.h"
#include "core/tuning/RegistryWriter.h"
#include "platform/Clock.h"
#include "core/tuning/TuningSettings.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "core/system/WindowsFamily.h"

namespace quintel {

constexpr const char* SettingsFileName = "VarOderudi.cfg";

// The file's text for `settings`: two lines in an automatic mode, eleven in
// Manual, each ended by CR LF.
std::string FormatSettingsFile(const TuningSettings& settings);

// Where a settings text is malformed: the line (counted from 1), its key
// as the format names it, and what is wrong there.
struct SettingsFileError {
    int Line = 0;
    std::string Name;
    std::string Reason;
};

// Reads the file's text into `settings`. Automatic modes take their preset
// from `state`. False when the text is malformed (a field missing or no
// number, or a value outside what the window can choose, custom or not);
// `settings` is then unspecified and `error` says why.
bool ParseSettingsFile(const std::string& text, TuningState& state, TuningSettings& settings,
                       SettingsFileError& error);
bool ParseSettingsFile(const std::string& text, TuningState& state, TuningSettings& settings);

// Reads the file into `settings`, or says in `problem` which file is
// missing, unreadable or malformed (and at which line, and why).
bool ReadSettingsFile(TuningState& state, FileSystem& files, const std::string& path,
                      TuningSettings& settings, std::string& problem);

// Fills CurrentSettings from the file, or with the Windows defaults when it
// is missing or malformed. Never fails toward the caller.
void LoadSettingsFile(TuningState& state, FileSystem& files, const std::string& path);

struct SaveResult {
    // Why the undo record could not be written; nothing else was then.
    std::string UndoFailure;
    bool FileWritten = false;
    FileError FileFailure;
    RegistryReport Registry;

    bool Succeeded() const {
        return UndoFailure.empty() && FileWritten && FirstFailure(Registry) == nullptr;
    }
    // One line for each thing that failed: the file, or else every registry
    // value not written or removed. Empty on success.
    std::vector<std::string> FailureLines(quintel::Registry& registry) const;
    // The first of those lines, empty on success.
    std::string FailureText(quintel::Registry& registry) const;
    // How many registry values were written or removed as asked.
    std::size_t SucceededCount() const;
};

// Writes the file from CurrentSettings and then the registry. A file that
// cannot be written leaves the old one intact and the registry untouched.
// With `recordUndoAt`, what the change replaces is recorded first
// (UndoRecord.h), with that time; when it cannot be recorded nothing is
// written. With `trace`, each step of the save is timed in it.
SaveResult SaveSettingsFile(TuningState& state, FileSystem& files, const std::string& path,
                            Registry& registry, const WindowsFamily& family,
                            std::optional<UnixSeconds> recordUndoAt = std::nullopt,
                            Trace* trace = nullptr);

}  // namespace quintel
