#include "core/switches/EngineCommands.h"

#include <algorithm>

#include "core/ping/MtuFinder.h"
#include "core/ping/PingSettings.h"
#include "core/tuning/ChangePlan.h"
#include "core/tuning/RegFile.h"
#include "core/tuning/RegFunctions.h"
#include "core/tuning/RegistryWriter.h"
#include "core/tuning/SettingsFile.h"
#include "core/tuning/UndoChange.h"
#include "core/tuning/UndoRecord.h"
#include "core/tuning/TuningSettings.h"
#include "core/system/WindowsFamily.h"
#include "core/text/Paths.h"

namespace quintel {

namespace {

const char* ModeName(int optiMode) {
    switch (optiMode) {
    case 0: return "Automatic #1";
    case 1: return "Automatic #2";
    case 2: return "Automatic #3";
    case 3: return "Manual";
    default: return "unknown mode";
    }
}

struct Loaded {
    TuningState state;
    WindowsFamily family;
    std::string settingsPath;
};

// The same start as the main window: presets first, then the saved file.
// The window starts from the Windows defaults when the file is missing or
// damaged; a script must hear of it instead, so `problem` says which file
// and what is wrong.
bool LoadAsMainWindowDoes(EngineContext& ctx, Loaded& l, std::string& problem) {
    const TraceStep step(ctx.trace, "settings file read");
    l.family = DetectWindowsFamily(ctx.version);
    l.state.LoadPresets();
    l.settingsPath = AppFilePath(ctx.appFolder, SettingsFileName);
    return ReadSettingsFile(l.state, ctx.files, l.settingsPath, l.state.CurrentSettings, problem);
}

// Two writers at once would leave a mix of their values, and the window
// would go on showing what is no longer in the file.
bool WindowIsOpen(EngineContext& ctx, std::string& err) {
    if (!ctx.instance.AnotherInstanceRunning()) return false;
    err += "Quintel: Quintel is already running (its window, or another /apply, /restore or "
           "/undo); close it and try again. Nothing was written.\n";
    return true;
}

int Save(EngineContext& ctx, Loaded& l, std::string& out, std::string& err) {
    const SaveResult result = SaveSettingsFile(l.state, ctx.files, l.settingsPath, ctx.registry,
                                               l.family, ctx.clock.Now(), ctx.trace);
    int written = 0, removed = 0, failed = 0;
    for (const RegistryOperation& op : result.Registry) {
        (!op.Succeeded() ? failed : op.Removed ? removed : written)++;
    }
    if (!result.Succeeded()) {
        for (const std::string& line : result.FailureLines(ctx.registry)) {
            err += "Quintel: " + line + "\n";
        }
        if (result.FileWritten) {
            out += std::string("Applied ") + ModeName(l.state.CurrentSettings.OptiMode) +
                   " for " + l.family.Name + " in part: " + std::to_string(written) +
                   " registry values written, " + std::to_string(removed) + " removed, " +
                   std::to_string(failed) + " not (each named on standard error).\n";
        }
        return exitcode::Failed;
    }
    out += std::string("Applied ") + ModeName(l.state.CurrentSettings.OptiMode) + " for " +
           l.family.Name + ": " + std::to_string(written) + " registry values written, " +
           std::to_string(removed) + " removed. Restart Windows for them to take effect.\n";
    return exitcode::Ok;
}

// From Vista on the receive window tunes itself, and these two are ignored.
bool NotReadBy(const WindowsFamily& family, const PlannedValue& value) {
    return family.AutoTunesReceiveWindow() &&
           (value.ValueName == "TcpWindowSize" || value.ValueName == "GlobalMaxTcpWindowSize");
}

std::string KeyAndName(const PlannedValue& value) {
    return "HKEY_LOCAL_MACHINE\\" + value.Key + "\t" + ValueNameText(value.ValueName);
}

}  // namespace

std::string UsageText() {
    return "Usage: Quintel.exe [0 | number | /show | /apply | /restore | /undo | /verify |\n"
           "                   /export FILE | /findmtu [host] | /?]\n"
           "\n"
           "  (none), 0   open the main window\n"
           "  number      start only the keep-alive companion, Korvet.exe\n"
           "  /show       list the registry values Apply would touch, now and after;\n"
           "              changes nothing\n"
           "  /apply      apply the saved settings (VarOderudi.cfg) to the registry again\n"
           "  /restore    put the Windows default TCP/IP settings back\n"
           "  /undo       put back what the last Apply or Restore replaced\n"
           "  /verify     check that the registry holds what VarOderudi.cfg asks for\n"
           "  /export FILE\n"
           "              write the registry values Apply would write here into FILE,\n"
           "              a registry file for regedit /s; changes nothing else\n"
           "  /findmtu    find the largest MTU the line carries to host (default: the\n"
           "              ping host of Ping.cfg); changes nothing\n"
           "  /?, /help   show this text\n"
           "\n"
           "Switches may also start with '-'. Exit code 0 on success, 1 when the\n"
           "settings file is missing or damaged (/show, /apply, /verify, /export),\n"
           "there is nothing to undo, a setting could not be written or put back,\n"
           "the file could not be written, or /findmtu found no MTU, 2 for an\n"
           "unknown switch or /export without a file, 3 when /verify finds values\n"
           "that differ, 4 when /apply, /restore or /undo finds Quintel already\n"
           "running (close its window first), 5 for an unexpected error.\n";
}

int RunShow(EngineContext& ctx, std::string& out, std::string& err) {
    Loaded l;
    std::string problem;
    if (!LoadAsMainWindowDoes(ctx, l, problem)) {
        err += "Quintel: " + problem + "\n";
        return exitcode::Failed;
    }
    out += "OS: " + l.family.Name + "\n";
    out += std::string("Mode: ") + ModeName(l.state.CurrentSettings.OptiMode) + "\n";
    const ChangePlan plan = PlanChanges(l.state.CurrentSettings, l.family, ctx.registry);
    for (const PlannedValue& value : plan) {
        out += KeyAndName(value) + "\t" + NowText(value) + "\t" +
               ValueText(value.After, "(removed)") + "\t" + (value.Differs() ? "changed" : "same") +
               (NotReadBy(l.family, value) ? "\tnot read by this Windows" : "") + "\n";
    }
    out += ChangeCountText(plan) + "\n";
    return exitcode::Ok;
}

int RunApply(EngineContext& ctx, std::string& out, std::string& err) {
    if (WindowIsOpen(ctx, err)) return exitcode::AnotherInstance;
    Loaded l;
    std::string problem;
    if (!LoadAsMainWindowDoes(ctx, l, problem)) {
        const bool sentence = !problem.empty() && problem.back() == '.';
        err += "Quintel: " + problem + (sentence ? " " : ". ") + "Nothing was written.\n";
        return exitcode::Failed;
    }
    return Save(ctx, l, out, err);
}

int RunRestore(EngineContext& ctx, std::string& out, std::string& err) {
    if (WindowIsOpen(ctx, err)) return exitcode::AnotherInstance;
    // Only the connection type is taken from the file; without a usable
    // one the defaults' type goes in, as the window does.
    Loaded l;
    std::string ignored;
    if (!LoadAsMainWindowDoes(ctx, l, ignored)) l.state.CurrentSettings = l.state.WindowsDefaults;
    l.state.ResetToWindowsDefaults();
    return Save(ctx, l, out, err);
}

int RunExport(EngineContext& ctx, const std::string& path, std::string& out, std::string& err) {
    Loaded l;
    std::string problem;
    if (!LoadAsMainWindowDoes(ctx, l, problem)) {
        const bool sentence = !problem.empty() && problem.back() == '.';
        err += "Quintel: " + problem + (sentence ? " " : ". ") + "No registry file was written.\n";
        return exitcode::Failed;
    }
    // Only what Apply would leave there: the registry is read for the
    // adapters and interfaces Apply lists, never for the values there now.
    const RegistryWrites writes = ListTuningWrites(l.state.CurrentSettings, l.family, ctx.registry);

    RegFileContents contents;
    contents.Flavour = RegFileFlavourFor(l.family);
    contents.Comments = {
        std::string("Quintel: ") + ModeName(l.state.CurrentSettings.OptiMode) + " for " +
            l.family.Name + ", from " + SettingsFileName,
        "The adapter and interface keys are those of the machine this was written on."};
    // The values of one key together, keys in the order Apply first
    // reaches them; within a key Apply's order.
    std::vector<std::string> keys;
    for (const RegistryWrite& write : writes) {
        if (std::find(keys.begin(), keys.end(), write.Key) == keys.end()) keys.push_back(write.Key);
    }
    int removed = 0;
    for (const std::string& key : keys) {
        for (const RegistryWrite& write : writes) {
            if (write.Key != key) continue;
            contents.Entries.push_back({write.Key, write.ValueName, write.After()});
            if (write.Removed) ++removed;
        }
    }
    const auto text = FormatRegFile(contents);
    if (!text) {
        err += "Quintel: no registry file was written: " + text.Error().Reason + "\n";
        return exitcode::Failed;
    }
    const auto written = ctx.files.ReplaceFileContents(path, text.Value());
    if (!written) {
        err += "Quintel: could not write " + written.Error().path + ": " + written.Error().reason +
               "\n";
        return exitcode::Failed;
    }
    out += std::string("Exported ") + ModeName(l.state.CurrentSettings.OptiMode) + " for " +
           l.family.Name + " to " + path + ": " +
           std::to_string(contents.Entries.size() - static_cast<std::size_t>(removed)) +
           " registry values set, " + std::to_string(removed) +
           " removed. Import it with regedit /s.\n";
    return exitcode::Ok;
}

int RunFindMtu(EngineContext& ctx, Sockets& sockets, Icmp& icmp, const std::string& host,
               std::string& out, std::string& err) {
    std::string target = host;
    if (target.empty()) {
        const PingSettings ping = LoadPingSettingsFile(
            ctx.files, AppFilePath(ctx.appFolder, PingFileName), DefaultPingSettings(false));
        target = ping.PingHost;
    }
    const MtuFinding finding = FindLargestMtu(sockets, icmp, target);
    if (!finding.Found) {
        err += "Quintel: " + finding.Text + "\n";
        return exitcode::Failed;
    }
    out += finding.Text + "\n";
    return exitcode::Ok;
}

int RunUndo(EngineContext& ctx, std::string& out, std::string& err) {
    if (WindowIsOpen(ctx, err)) return exitcode::AnotherInstance;
    const UndoFiles where = UndoFilesFor(AppFilePath(ctx.appFolder, SettingsFileName));
    const UndoResult result = UndoLastChange(ctx.files, ctx.registry, where, ctx.clock.Now());
    if (!result.Problem.empty()) {
        err += "Quintel: " + result.Problem + ". Nothing was changed.\n";
        return exitcode::Failed;
    }
    for (const std::string& line : result.FailureLines) err += "Quintel: " + line + "\n";
    const std::string values = std::to_string(result.ValuesPutBack) + " registry values";
    if (!result.Succeeded()) {
        out += "Undid the change of " + TimeText(result.ChangedAt) + " in part: " + values +
               " put back; what was not is named on standard error, and " + UndoFileName +
               " stays for another try.\n";
        return exitcode::Failed;
    }
    out += "Undid the change of " + TimeText(result.ChangedAt) + ": " + values + " and " +
           SettingsFileName + " put back (/undo again takes this back). Restart Windows for "
           "them to take effect.\n";
    return exitcode::Ok;
}

int RunVerify(EngineContext& ctx, std::string& out, std::string& err) {
    Loaded l;
    std::string problem;
    if (!LoadAsMainWindowDoes(ctx, l, problem)) {
        err += "Quintel: " + problem + "\n";
        return exitcode::Failed;
    }
    const ChangePlan plan = PlanChanges(l.state.CurrentSettings, l.family, ctx.registry);
    std::size_t differ = 0;
    for (const PlannedValue& value : plan) {
        if (!value.Differs()) continue;
        ++differ;
        out += KeyAndName(value) + "\t" + ValueText(value.After, "(not set)") + "\t" +
               NowText(value) + "\n";
    }
    if (differ == 0) {
        out += "All " + std::to_string(plan.size()) + " values match " + SettingsFileName + "\n";
        return exitcode::Ok;
    }
    out += std::to_string(differ) + " of " + std::to_string(plan.size()) + " values differ from " +
           SettingsFileName + "\n";
    return exitcode::Differs;
}

}  // namespace quintel
