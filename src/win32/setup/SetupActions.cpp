// The MSI package's custom actions, in a DLL the package carries in its
// Binary table and never installs. Windows Installer logs only the exit
// code of a program a package starts; these actions start Quintel.exe and
// Korvet.exe themselves and write what Quintel.exe says into the
// installation log, so an administrator reading the log of a failed
// deployment learns which file and which line were wrong.
//
// Each action reads its CustomActionData: fields separated by '|', which
// no Windows path can hold.
#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include <optional>
#include <string>
#include <vector>

#include "core/system/ProgramCommandLine.h"
#include "core/tuning/SettingsFile.h"
#include "win32/Handles.h"
#include "win32/SystemFolders.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"

namespace quintel::win32 {
namespace {

constexpr const char* PingFileName = "Ping.cfg";

std::vector<std::string> Fields(const std::string& data) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        const auto bar = data.find('|', start);
        fields.push_back(data.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) return fields;
        start = bar + 1;
    }
}

std::string Property(MSIHANDLE install, const char* name) {
    DWORD size = 0;
    char none[1] = "";
    if (MsiGetPropertyA(install, name, none, &size) != ERROR_MORE_DATA) return {};
    std::vector<char> text(size + 1);
    size = static_cast<DWORD>(text.size());
    if (MsiGetPropertyA(install, name, text.data(), &size) != ERROR_SUCCESS) return {};
    return std::string(text.data(), size);
}

// The folder without the backslash Windows Installer ends it with.
std::string Folder(std::string folder) {
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

// One message into the installation log (and, for an error, the box a
// full user interface shows). The text goes in as a field, not as the
// template, so brackets in a path are not read as properties.
void Message(MSIHANDLE install, INSTALLMESSAGE kind, const std::string& text) {
    const MSIHANDLE record = MsiCreateRecord(1);
    if (!record) return;
    MsiRecordSetStringA(record, 0, "[1]");
    MsiRecordSetStringA(record, 1, text.c_str());
    MsiProcessMessage(install, kind, record);
    MsiCloseHandle(record);
}

void Note(MSIHANDLE install, const std::string& text) {
    Message(install, INSTALLMESSAGE_INFO, "Quintel: " + text);
}

// Fails the installation: Windows Installer rolls back what it did.
UINT Fail(MSIHANDLE install, const std::string& text) {
    Message(install, static_cast<INSTALLMESSAGE>(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONERROR),
            "Quintel: " + text);
    return ERROR_INSTALL_FAILURE;
}

struct Finished {
    bool started = false;
    std::string whyNot;  // when it could not be started
    DWORD exitCode = 0;
    std::string output;  // standard output and standard error, as written
};

// Starts `program` by its path with `arguments`, without a window, and
// waits for it, collecting what it writes.
Finished RunToEnd(const std::string& program, const std::vector<std::string>& arguments) {
    Finished result;
    // Only the writing end goes to the program, as a copy made to be
    // inherited; the reading end stays here. (SetHandleInformation, which
    // could mark the pipe's own end, is NT's alone.)
    UniqueHandle readEnd, pipeEnd, writeEnd;
    if (!CreatePipe(readEnd.Put(), pipeEnd.Put(), nullptr, 0) ||
        !DuplicateHandle(GetCurrentProcess(), pipeEnd.Get(), GetCurrentProcess(), writeEnd.Put(), 0, TRUE,
                         DUPLICATE_SAME_ACCESS)) {
        result.whyNot = SystemErrorText(GetLastError());
        return result;
    }
    pipeEnd.Reset();

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    const std::string commandLine = MakeCommandLine(program, arguments);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        result.whyNot = SystemErrorText(GetLastError());
        return result;
    }
    UniqueHandle processHandle(process.hProcess), thread(process.hThread);
    // The program holds the only writing end now: the reads end when it does.
    writeEnd.Reset();
    result.started = true;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(readEnd.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        result.output.append(buffer, got);
    WaitForSingleObject(processHandle.Get(), INFINITE);
    GetExitCodeProcess(processHandle.Get(), &result.exitCode);
    return result;
}

// Removes `key` of `root` with all its subkeys and values, as SHDeleteKey
// does, which came with Internet Explorer 4: Windows NT's RegDeleteKey
// removes only a key without subkeys.
void DeleteTree(HKEY root, const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return;
    std::vector<std::string> subkeys;
    char name[256];
    DWORD length = sizeof name;
    for (DWORD i = 0; RegEnumKeyExA(opened, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i, length = sizeof name)
        subkeys.emplace_back(name, length);
    RegCloseKey(opened);
    for (const std::string& subkey : subkeys) DeleteTree(root, key + "\\" + subkey);
    RegDeleteKeyA(root, key.c_str());
}

// What a program said, on one line for the log.
std::string OneLine(const std::string& output) {
    std::string line;
    for (char c : output) {
        if (c == '\r') continue;
        line += c == '\n' ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

// Removes a file Quintel leaves in its folder; one that stays is noted in
// the log (the folder then stays too), and the uninstall goes on.
void Remove(MSIHANDLE install, FileSystem& files, const std::string& path) {
    const auto removed = files.RemoveFile(path);
    if (!removed) Note(install, removed.Error().path + " could not be removed: " + removed.Error().reason);
}

// Runs a switch of Quintel.exe and logs what it said. True when it
// succeeded; otherwise `problem` says why.
bool RunQuintel(MSIHANDLE install, const std::string& folder, const char* argument,
                std::string& problem) {
    const std::string program = InFolder(folder, "Quintel.exe");
    const Finished run = RunToEnd(program, {argument});
    if (!run.started) {
        problem = program + " could not be started: " + run.whyNot;
        return false;
    }
    std::string said = OneLine(run.output);
    if (run.exitCode == 0) {
        if (!said.empty()) Note(install, std::string("Quintel.exe ") + argument + ": " + said);
        return true;
    }
    // The caller's sentence follows.
    while (!said.empty() && said.back() == '.') said.pop_back();
    problem = std::string("Quintel.exe ") + argument + " failed (exit code " +
              std::to_string(run.exitCode) + ")" + (said.empty() ? "" : ": " + said);
    return false;
}

}  // namespace
}  // namespace quintel::win32

using namespace quintel;
using namespace quintel::win32;

// Data: the installation folder, then the settings file the administrator
// named in SETTINGS. The file goes beside the program as VarOderudi.cfg and
// Quintel.exe /apply writes what it says. When the apply fails, whatever
// settings file was there before is put back and the installation fails.
extern "C" __declspec(dllexport) UINT __stdcall ApplySettings(MSIHANDLE install) {
    const std::vector<std::string> data = Fields(Property(install, "CustomActionData"));
    if (data.size() != 2 || data[0].empty() || data[1].empty())
        return Fail(install, "the package passed no settings file to apply.");
    const std::string folder = Folder(data[0]);
    const std::string& source = data[1];
    Win32FileSystem files;

    const std::string notApplied = ". The settings of " + source + " were not applied.";

    const auto settings = files.ReadFile(source);
    if (!settings)
        return Fail(install, source + " could not be read: " + settings.Error().reason + notApplied);
    const std::string target = InFolder(folder, SettingsFileName);
    std::optional<std::string> before;
    if (files.FileExists(target)) {
        auto old = files.ReadFile(target);
        if (!old)
            return Fail(install, target + " could not be read: " + old.Error().reason + notApplied);
        before = std::move(old.Value());
    }
    const auto placed = files.ReplaceFileContents(target, settings.Value());
    if (!placed)
        return Fail(install, "the settings could not be put in " + placed.Error().path + ": " +
                                 placed.Error().reason + notApplied);
    Note(install, "applying the settings of " + source);

    std::string problem;
    if (RunQuintel(install, folder, "/apply", problem)) return ERROR_SUCCESS;
    // A broken file writes nothing: leave the folder as it was.
    const auto back = before ? files.ReplaceFileContents(target, *before) : files.RemoveFile(target);
    if (!back) problem += " (and " + back.Error().path + " could not be put back: " + back.Error().reason + ")";
    return Fail(install, problem + notApplied);
}

// Data: the installation folder. Runs as the user who uninstalls, in that
// user's session, where the companion runs and takes its /stop: the
// companion holds Korvet.exe open, and /stop waits until it has ended.
extern "C" __declspec(dllexport) UINT __stdcall StopCompanion(MSIHANDLE install) {
    const std::vector<std::string> data = Fields(Property(install, "CustomActionData"));
    if (data.empty() || data[0].empty()) return ERROR_SUCCESS;
    Win32FileSystem files;
    const std::string companion = InFolder(Folder(data[0]), "Korvet.exe");
    if (!files.FileExists(companion)) return ERROR_SUCCESS;
    Note(install, "stopping the keep-alive companion");
    const Finished run = RunToEnd(companion, {"/stop"});
    if (!run.started) Note(install, companion + " could not be started: " + run.whyNot);
    return ERROR_SUCCESS;
}

// Data: the installation folder, then KEEPSETTINGS. Where Quintel applied
// settings (VarOderudi.cfg is there) and they
// are not to be kept, puts the Windows defaults back with
// Quintel.exe /restore; the settings files go when that succeeded or there
// was nothing to put back. Without that file Quintel never changed the
// registry here, and the values there are the machine's own. A restore that
// fails fails the uninstall, so the program stays to try again with.
extern "C" __declspec(dllexport) UINT __stdcall RestoreSettings(MSIHANDLE install) {
    const std::vector<std::string> data = Fields(Property(install, "CustomActionData"));
    if (data.size() != 2 || data[0].empty()) return Fail(install, "the package passed no folder.");
    const std::string folder = Folder(data[0]);
    const bool keep = data[1] == "1";
    Win32FileSystem files;

    const std::string settings = InFolder(folder, SettingsFileName);
    const std::string ping = InFolder(folder, PingFileName);
    // Left from a save that was cut short: never the user's choice.
    Remove(install, files, settings + ".tmp");
    Remove(install, files, ping + ".tmp");
    // The undo record goes with the settings it undoes, and stays with them.
    const std::string undo = InFolder(folder, "Undo.reg");
    const std::string settingsBefore = settings + ".undo";
    Remove(install, files, undo + ".tmp");

    // FileExists is false for a folder of that name, which is no settings file.
    if (!files.FileExists(settings)) {
        Note(install, "Quintel changed no TCP/IP setting here: leaving them as they are");
        if (!keep) {
            Remove(install, files, ping);
            Remove(install, files, undo);
            Remove(install, files, settingsBefore);
        }
        return ERROR_SUCCESS;
    }
    if (keep) {
        Note(install, "keeping the TCP/IP settings and Quintel's settings files");
        return ERROR_SUCCESS;
    }
    Note(install, "putting the Windows default TCP/IP settings back");
    std::string problem;
    if (!RunQuintel(install, folder, "/restore", problem))
        return Fail(install, "the Windows default TCP/IP settings could not be put back: " + problem +
                                 ". Quintel stays installed: close Quintel and uninstall again, "
                                 "or uninstall with KEEPSETTINGS=1 to keep its settings.");
    Remove(install, files, settings);
    Remove(install, files, ping);
    Remove(install, files, undo);
    Remove(install, files, settingsBefore);
    return ERROR_SUCCESS;
}

// Data: the installation folder, then KEEPSETTINGS. Runs as the user who
// uninstalls, after RestoreSettings: when the settings files went, the
// user's tip-of-the-day choice goes too.
extern "C" __declspec(dllexport) UINT __stdcall ForgetUserChoice(MSIHANDLE install) {
    const std::vector<std::string> data = Fields(Property(install, "CustomActionData"));
    if (data.size() != 2 || data[0].empty()) return ERROR_SUCCESS;
    Win32FileSystem files;
    if (data[1] == "1" || files.FileExists(InFolder(Folder(data[0]), SettingsFileName)))
        return ERROR_SUCCESS;
    DeleteTree(HKEY_CURRENT_USER, "Software\\Quintel");
    return ERROR_SUCCESS;
}
