// "VarOderudi.cfg": the user's last applied choice, beside the program.
#pragma once

#include <string>

#include "engine/RegistryWriter.h"
#include "engine/TuningSettings.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "system/WindowsFamily.h"

namespace quintel {

constexpr const char* SettingsFileName = "VarOderudi.cfg";

// The application folder, a backslash and the file name.
std::string AppFilePath(const std::string& appFolder, const std::string& fileName);

// The file's text for `settings`: two lines in an automatic mode, eleven in
// Manual, each ended by CR LF.
std::string FormatSettingsFile(const TuningSettings& settings);

// Reads the file's text into `settings`. Automatic modes take their preset
// from `state`. False when the text is malformed; `settings` is then
// unspecified.
bool ParseSettingsFile(const std::string& text, TuningState& state, TuningSettings& settings);

// Fills CurrentSettings from the file, or with the Windows defaults when it
// is missing or malformed. Never fails toward the caller.
void LoadSettingsFile(TuningState& state, FileSystem& files, const std::string& path);

struct SaveResult {
    bool FileWritten = false;
    FileError FileFailure;
    RegistryReport Registry;

    bool Succeeded() const { return FileWritten && FirstFailure(Registry) == nullptr; }
    // One line naming the first thing that failed, empty on success.
    std::string FailureText(quintel::Registry& registry) const;
};

// Writes the file from CurrentSettings and then the registry. A file that
// cannot be written leaves the old one intact and the registry untouched.
SaveResult SaveSettingsFile(TuningState& state, FileSystem& files, const std::string& path,
                            Registry& registry, const WindowsFamily& family);

}  // namespace quintel
