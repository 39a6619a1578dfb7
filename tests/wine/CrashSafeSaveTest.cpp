// Saving is crash-safe: a program killed at a random moment while it saves
// VarOderudi.cfg and Ping.cfg over and over leaves files that load as the
// old settings or the new ones, never a mix, round after round, with
// whatever temporary file the kill left behind; the undo record written
// before each save is always a whole one.
//
// Both ways of replacing a file are killed: MoveFileEx over the old file
// (NT), and the renames of Windows 95, 98 and ME, where the loaders must
// finish a replace the kill cut short between its renames.
//
// The moments come from a seeded generator; set QUINTEL_CRASH_SEED to
// replay a failing run (the seed is in every failure message).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "CrashRecords.h"
#include "core/tuning/SettingsFile.h"
#include "core/tuning/UndoRecord.h"
#include "core/ping/PingSettings.h"
#include "win32/Win32FileSystem.h"
#include "wine/WineHelpers.h"
#include "core/text/Paths.h"

namespace quintel::wine {
namespace {

constexpr int Rounds = 200;
constexpr UINT KilledCode = 77;

std::string SaverExe() {
    return BuiltFile("QUINTEL_CRASH_SAVER", "crash_saver.exe");
}

unsigned SeedFromEnvironment() {
    if (const char* text = std::getenv("QUINTEL_CRASH_SEED")) {
        return static_cast<unsigned>(std::strtoul(text, nullptr, 10));
    }
    return std::random_device{}();
}

// One running saver, its output read through a pipe, killed on request.
class Saver {
public:
    Saver(const std::string& exe, const std::string& folder) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE write = nullptr;
        if (!CreatePipe(&read_, &write, &inherit, 0)) return;
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = write;
        startup.hStdError = write;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::string command = "\"" + exe + "\" \"" + folder + "\"";
        PROCESS_INFORMATION process{};
        started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                  nullptr, &startup, &process) != 0;
        CloseHandle(write);
        if (!started_) return;
        CloseHandle(process.hThread);
        process_ = process.hProcess;
    }
    ~Saver() {
        if (process_) {
            TerminateProcess(process_, KilledCode);
            WaitForSingleObject(process_, INFINITE);
            CloseHandle(process_);
        }
        if (read_) CloseHandle(read_);
    }
    Saver(const Saver&) = delete;
    Saver& operator=(const Saver&) = delete;

    bool Started() const { return started_; }

    // Everything up to and including the "ready" line, or all it said
    // before it ended when it never got there. (Its standard output is in
    // text mode: the line ends in CR LF.)
    std::string WaitUntilReady() {
        std::string said;
        char c = 0;
        DWORD got = 0;
        while (!(said.find("ready") != std::string::npos && said.back() == '\n') &&
               ReadFile(read_, &c, 1, &got, nullptr) && got == 1) {
            said += c;
        }
        return said;
    }

    // Kills it and waits until it is gone; its exit code, which is
    // KilledCode unless it had ended by itself.
    DWORD Kill() {
        TerminateProcess(process_, KilledCode);
        WaitForSingleObject(process_, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        CloseHandle(process_);
        process_ = nullptr;
        return code;
    }

private:
    HANDLE read_ = nullptr;
    HANDLE process_ = nullptr;
    bool started_ = false;
};

std::string Describe(const TuningSettings& s) {
    return FormatSettingsFile(s);
}

// Kills the saver `rounds` times and loads both files after each kill.
void KillWhileSaving(const std::string& expectedWay, int rounds) {
    const unsigned seed = SeedFromEnvironment();
    SCOPED_TRACE("seed " + std::to_string(seed) + " (QUINTEL_CRASH_SEED replays it)");
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> waitMs(0, 50);

    const crash::Records records = crash::MakeRecords();
    ScratchFolder folder("quintel-crash");
    const std::string settingsPath = AppFilePath(folder.path(), SettingsFileName);
    const std::string pingPath = AppFilePath(folder.path(), PingFileName);
    // Record A is on disk before the first save, as after an earlier run.
    WriteTextFile(settingsPath, FormatSettingsFile(records.settingsA));
    WriteTextFile(pingPath, FormatPingFile(records.pingA));

    win32::Win32FileSystem files;
    int sawB = 0;
    for (int round = 1; round <= rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        {
            Saver saver(SaverExe(), folder.path());
            ASSERT_TRUE(saver.Started()) << "could not start " << SaverExe() << ": error "
                                         << GetLastError();
            const std::string said = saver.WaitUntilReady();
            ASSERT_NE(std::string::npos, said.find("ready"))
                << "the saver ended before its first save: " << said;
            ASSERT_NE(std::string::npos, said.find("ready " + expectedWay))
                << "the saver replaces files another way: " << said;
            Sleep(static_cast<DWORD>(waitMs(random)));
            const DWORD code = saver.Kill();
            ASSERT_EQ(KilledCode, code) << "the saver ended by itself: " << saver.WaitUntilReady();
        }

        // Both through the program's loaders: a partial file would load as
        // the fallback, which is neither record.
        TuningState state;
        state.LoadPresets();
        LoadSettingsFile(state, files, settingsPath);
        const bool settingsA = state.CurrentSettings == records.settingsA;
        const bool settingsB = state.CurrentSettings == records.settingsB;
        ASSERT_TRUE(settingsA || settingsB)
            << "VarOderudi.cfg loads as neither record:\n" << Describe(state.CurrentSettings)
            << "file:\n" << ReadTextFile(settingsPath);
        ASSERT_EQ(ReadTextFile(settingsPath),
                  FormatSettingsFile(settingsA ? records.settingsA : records.settingsB));

        const PingSettings ping = LoadPingSettingsFile(files, pingPath, PingSettings{});
        ASSERT_TRUE(ping == records.pingA || ping == records.pingB)
            << "Ping.cfg loads as neither record; file:\n" << ReadTextFile(pingPath);
        ASSERT_EQ(ReadTextFile(pingPath), FormatPingFile(ping == records.pingA ? records.pingA
                                                                               : records.pingB));
        sawB += settingsB;

        // The undo record is always a whole one: the last one written, or
        // the one before when the kill came while it was written. Its
        // settings copy is the one it was recorded with, or (killed
        // between the two) named as not that one.
        const auto undo = ReadUndoRecord(files, UndoFilesFor(settingsPath));
        ASSERT_TRUE(undo.Ok()) << undo.Error() << "\nUndo.reg:\n" << ReadTextFile(folder / "Undo.reg");
        EXPECT_GE(undo.Value().ChangedAt, crash::FirstChange);
        EXPECT_FALSE(undo.Value().Values.empty());
        EXPECT_TRUE(undo.Value().HadSettings);
        if (undo.Value().Settings) {
            const std::string& copy = *undo.Value().Settings;
            EXPECT_TRUE(copy == FormatSettingsFile(records.settingsA) ||
                        copy == FormatSettingsFile(records.settingsB))
                << copy;
        } else {
            EXPECT_NE(std::string::npos, undo.Value().SettingsProblem.find("is not the settings file"))
                << undo.Value().SettingsProblem;
        }
    }
    // How often each record was found says how well the kills spread; it
    // depends on timing, so it is reported, not asserted.
    std::printf("CrashSafeSave (%s): %d rounds, VarOderudi.cfg held the manual record %d times\n",
                expectedWay.c_str(), rounds, sawB);
}

TEST(CrashSafeSave, AKilledSaveLeavesTheOldOrTheNewSettings) {
    ClearWindowsVersionOf("crash_saver.exe");
    KillWhileSaving("move-over", Rounds);
}

// A copy of the file may be set aside at the kill: what the loaders find
// must still be one record whole.
TEST(CrashSafeSave, AKilledWindows98SaveLeavesTheOldOrTheNewSettings) {
    SetWindowsVersionOf("crash_saver.exe", "win98");
    KillWhileSaving("renames", Rounds);
    ClearWindowsVersionOf("crash_saver.exe");
}

}  // namespace
}  // namespace quintel::wine
