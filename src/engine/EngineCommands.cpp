#include "engine/EngineCommands.h"

#include "engine/DryRunRegistry.h"
#include "engine/RegistryWriter.h"
#include "engine/SettingsFile.h"
#include "engine/TuningSettings.h"
#include "system/WindowsFamily.h"

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

const char* TypeName(std::uint32_t type) {
    return type == regtype::Sz ? "REG_SZ" : "REG_DWORD";
}

struct Loaded {
    TuningState state;
    WindowsFamily family;
    std::string settingsPath;
};

// The same start as the main window: presets first, then the saved file.
Loaded LoadAsMainWindowDoes(EngineContext& ctx) {
    Loaded l;
    l.family = FamilyFromDetection(DetectWindowsVersion(ctx.version));
    l.state.LoadPresets();
    l.settingsPath = AppFilePath(ctx.appFolder, SettingsFileName);
    LoadSettingsFile(l.state, ctx.files, l.settingsPath);
    return l;
}

int Save(EngineContext& ctx, Loaded& l, std::string& out, std::string& err) {
    const SaveResult result =
        SaveSettingsFile(l.state, ctx.files, l.settingsPath, ctx.registry, l.family);
    if (!result.Succeeded()) {
        err += "Quintel: " + result.FailureText(ctx.registry) + "\n";
        return exitcode::Failed;
    }
    int written = 0, removed = 0;
    for (const RegistryOperation& op : result.Registry) (op.Removed ? removed : written)++;
    out += std::string("Applied ") + ModeName(l.state.CurrentSettings.OptiMode) + " for " +
           l.family.Name + ": " + std::to_string(written) + " registry values written, " +
           std::to_string(removed) + " removed. Restart Windows for them to take effect.\n";
    return exitcode::Ok;
}

}  // namespace

std::string UsageText() {
    return "Usage: Quintel.exe [0 | number | /show | /apply | /restore | /?]\n"
           "\n"
           "  (none), 0   open the main window\n"
           "  number      start only the keep-alive companion, Korvet.exe\n"
           "  /show       list the registry values Apply would write; changes nothing\n"
           "  /apply      apply the saved settings (VarOderudi.cfg) to the registry again\n"
           "  /restore    put the Windows default TCP/IP settings back\n"
           "  /?, /help   show this text\n"
           "\n"
           "Switches may also start with '-'. Exit code 0 on success, 1 when a\n"
           "setting could not be written, 2 for an unknown switch.\n";
}

int RunShow(EngineContext& ctx, std::string& out, std::string&) {
    Loaded l = LoadAsMainWindowDoes(ctx);
    out += "OS: " + l.family.Name + "\n";
    out += std::string("Mode: ") + ModeName(l.state.CurrentSettings.OptiMode) + "\n";
    DryRunRegistry dryRun(ctx.registry);
    for (const RegistryOperation& op : ApplyTuningToRegistry(l.state.CurrentSettings, l.family, dryRun)) {
        out += "HKEY_LOCAL_MACHINE\\" + op.Key + "\t" +
               (op.ValueName.empty() ? std::string("(Default)") : op.ValueName) + "\t" +
               TypeName(op.Type) + "\t" + op.DataText() + "\n";
    }
    return exitcode::Ok;
}

int RunApply(EngineContext& ctx, std::string& out, std::string& err) {
    Loaded l = LoadAsMainWindowDoes(ctx);
    return Save(ctx, l, out, err);
}

int RunRestore(EngineContext& ctx, std::string& out, std::string& err) {
    Loaded l = LoadAsMainWindowDoes(ctx);
    l.state.ResetToWindowsDefaults();
    return Save(ctx, l, out, err);
}

}  // namespace quintel
