// crash_saver.exe FOLDER: saves VarOderudi.cfg (with its undo record,
// Undo.reg and VarOderudi.cfg.undo) and Ping.cfg in FOLDER over and over,
// alternating two records, through the program's own save
// functions and the real Win32 file system, until it is killed. The
// crash-safety test kills it at random moments. Built with the tests, not
// shipped.
//
// It prints "ready" once the first pair of saves is on disk, so the kill
// lands among saves rather than in the program's start-up, followed by the
// way it replaces files: "renames" where Windows reports 95, 98 or ME (no
// MoveFileEx), "move-over" elsewhere. Any failed save
// ends it with exit code 1 and the reason on standard error.
#include <windows.h>

#include <cstdio>
#include <string>

#include "CrashRecords.h"
#include "fakes/DryRunRegistry.h"
#include "core/tuning/SettingsFile.h"
#include "core/ping/PingSettings.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "core/text/Paths.h"

using namespace quintel;

namespace {

constexpr int MaxPairs = 20000;

// Nothing reaches the real registry: the dry run pretends every write.
bool SaveBoth(const crash::Records& records, const std::string& folder, bool second, int pair) {
    win32::Win32FileSystem files;
    win32::Win32Registry real;
    test::DryRunRegistry registry(real);
    TuningState state;
    state.LoadPresets();
    state.CurrentSettings = second ? records.settingsB : records.settingsA;
    // Each save is recorded for undo, at a time of its own.
    const SaveResult saved = SaveSettingsFile(state, files, AppFilePath(folder, SettingsFileName),
                                              registry, FamilyFromDetection(5),
                                              crash::FirstChange + pair);
    if (!saved.Succeeded()) {
        std::fprintf(stderr, "crash_saver: %s\n", saved.FailureText(registry).c_str());
        return false;
    }
    const PingSettings& ping = second ? records.pingB : records.pingA;
    const auto written = files.ReplaceFileContents(AppFilePath(folder, PingFileName), FormatPingFile(ping));
    if (!written) {
        const FileError& error = written.Error();
        std::fprintf(stderr, "crash_saver: could not write %s: %s\n", error.path.c_str(),
                     error.reason.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: crash_saver FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const crash::Records records = crash::MakeRecords();
    // The test wrote record A before starting us: B comes first.
    bool second = true;
    if (!SaveBoth(records, folder, second, 0)) return 1;
    const bool windows9x = (GetVersion() & 0x80000000u) != 0;
    std::printf("ready %s\n", windows9x ? "renames" : "move-over");
    std::fflush(stdout);
    // Bounded, so a saver whose test died before killing it stops by
    // itself; the test kills it long before this.
    for (int pair = 0; pair < MaxPairs; ++pair) {
        second = !second;
        if (!SaveBoth(records, folder, second, pair + 1)) return 1;
    }
    std::fprintf(stderr, "crash_saver: never killed, stopped after %d saves\n", MaxPairs);
    return 3;
}
