// Quintel.exe's entry point: the command-line switches run the engine
// without a window; otherwise the main window, as one instance.
#include <windows.h>

#include <exception>
#include <memory>
#include <optional>

#include "core/switches/CommandLine.h"
#include "core/switches/EngineCommands.h"
#include "ui/mainwindow/Startup.h"
#include "core/system/ProgramFolder.h"
#include "core/trace/Trace.h"
#include "win32/CommonControlsContext.h"
#include "win32/Console.h"
#include "win32/Win32Background.h"
#include "win32/FolderCheck.h"
#include "win32/Win32Clock.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Network.h"
#include "win32/Win32Registry.h"
#include "win32/SystemFolders.h"
#include "win32/TraceClock.h"
#include "win32/Win32Services.h"
#include "win32/Win32System.h"
#include "win32/view/Win32FormHost.h"

namespace {

// The window holds it for its whole run, and so does a switch that writes.
constexpr const char* InstanceMutexName = "Quintel.SingleInstance";

// /show and /verify only read: they may run beside the window and never keeps one from
// starting, so it takes no part in the single-instance rule.
class ReadOnlySwitch : public quintel::SingleInstance {
public:
    bool AnotherInstanceRunning() override { return false; }
};

int RunEngineCommand(const quintel::Command& command, quintel::Trace& trace) {
    using namespace quintel;
    const TraceStep step(trace, "switch " + command.Text);
    win32::ConsoleOutput console;
    win32::Win32Registry registry;
    win32::Win32FileSystem files;
    win32::Win32VersionQuery version;
    std::unique_ptr<SingleInstance> instance;
    win32::Win32Clock clock;
    if (command.Kind == CommandKind::Apply || command.Kind == CommandKind::Restore ||
        command.Kind == CommandKind::Undo) {
        instance = std::make_unique<win32::NamedMutexInstance>(InstanceMutexName);
    } else {
        instance = std::make_unique<ReadOnlySwitch>();
    }
    EngineContext ctx{registry, files, version, clock, *instance, win32::ApplicationFolder(), &trace};

    switch (command.Kind) {
    case CommandKind::Show: return RunShow(ctx, console.out(), console.err());
    case CommandKind::Apply: return RunApply(ctx, console.out(), console.err());
    case CommandKind::Restore: return RunRestore(ctx, console.out(), console.err());
    case CommandKind::Export: return RunExport(ctx, command.Path, console.out(), console.err());
    case CommandKind::FindMtu: {
        win32::Win32Sockets sockets;
        win32::Win32Icmp icmp;
        return RunFindMtu(ctx, sockets, icmp, command.Host, console.out(), console.err());
    }
    case CommandKind::Undo: return RunUndo(ctx, console.out(), console.err());
    case CommandKind::Verify: return RunVerify(ctx, console.out(), console.err());
    case CommandKind::Help:
        console.out() += UsageText();
        return exitcode::Ok;
    default:
        console.err() += "Quintel: " +
                         (command.Problem.empty() ? "unknown switch " + command.Text : command.Problem) +
                         "\n\n" + UsageText();
        return exitcode::Usage;
    }
}

int RunWindows(const quintel::Command& command, quintel::Trace& trace) {
    using namespace quintel;
    std::optional<TraceStep> services(std::in_place, trace, "services");
    std::optional<TraceStep> hostStep(std::in_place, trace, "form host (user32, gdi32, common controls)");
    win32::Win32FormHost host(GetModuleHandleA(nullptr), &trace);
    hostStep.reset();
    win32::Win32MessageBoxes boxes;
    win32::Win32FileSystem files;
    win32::Win32Registry registry;
    win32::Win32VersionQuery version;
    win32::Win32IpHelper ipHelper;
    win32::Win32Launcher launcher;
    win32::Win32Beeper beeper;
    win32::RegistryUserSettings userSettings;
    win32::Win32Shutdown shutdown;
    win32::Win32FileDialogs dialogs;
    win32::Win32Sockets sockets;
    win32::Win32Icmp icmp;
    win32::Win32SoundPlayer sound;
    win32::Win32Shell shell;
    win32::KorvetKeepAliveControl keepAlive;
    win32::Win32NotifyArea tray;
    // After the sockets and the ICMP calls its threads use: it goes first
    // and waits for them.
    win32::Win32BackgroundWork background(host.Errors());
    win32::Win32Clock clock;

    std::optional<TraceStep> identity(std::in_place, trace, "folder and version information");
    AppContext app{Services{host, boxes, files, registry, version, ipHelper, launcher, beeper,
                            userSettings, shutdown, dialogs, sockets, icmp, sound, shell,
                            keepAlive, tray, background, clock},
                   trace, win32::ApplicationFolder(), win32::ReadVersionInfo(), {}, {}, {}, {}};
    identity.reset();
    if (app.version.ProductName.empty()) app.version.ProductName = "Quintel";

    win32::NamedMutexInstance instance(InstanceMutexName);
    services.reset();
    std::unique_ptr<FrmMain> mainWindow;
    {
        const TraceStep step(trace, "start-up");
        if (StartUp(app, instance, command, mainWindow) == StartResult::Exit) return 0;
    }
    trace.Mark("message loop");
    return host.RunMessageLoop();
}

// Every file of the program is reached through its folder's ANSI path;
// where that path leads nowhere, nothing the program does would work.
bool RefusedForTheFolder(const quintel::Command& command) {
    using namespace quintel;
    const auto unusable = win32::CheckApplicationFolder();
    if (!unusable) return false;
    switch (command.Kind) {
    case CommandKind::MainWindow:
    case CommandKind::Companion:
        win32::ShowUnusableFolder(*unusable);
        return true;
    case CommandKind::Show:
    case CommandKind::Apply:
    case CommandKind::Restore:
    case CommandKind::Export:
    case CommandKind::Undo:
    case CommandKind::Verify:
    case CommandKind::FindMtu: {
        // A host named on the command line needs no file of the program.
        if (command.Kind == CommandKind::FindMtu && !command.Host.empty()) return false;
        win32::ConsoleOutput console;
        console.err() += UnusableFolderLine(unusable->ansi);
        return true;
    }
    default:
        return false;  // the usage and an unknown switch need no file
    }
}

int Run(quintel::Trace& trace) {
    using namespace quintel;
    const Command command = ParseCommandLine(ArgumentText(GetCommandLineA()));
    // The window path's controls, and its message boxes, are common
    // controls 6 with visual styles; the switches make no window.
    std::optional<win32::CommonControlsContext> controls;
    if (command.Kind == CommandKind::MainWindow || command.Kind == CommandKind::Companion) {
        const TraceStep step(trace, "common controls 6");
        char self[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
        if (length > 0 && length < MAX_PATH) controls.emplace(self, win32::ControlsManifestId);
    }
    if (RefusedForTheFolder(command)) return exitcode::Failed;
    switch (command.Kind) {
    case CommandKind::MainWindow:
    case CommandKind::Companion:
        return RunWindows(command, trace);
    default:
        return RunEngineCommand(command, trace);
    }
}

// The profile is for the developer: one that cannot be written changes
// nothing of the run.
void SaveProfile(const quintel::Trace& trace) {
    if (!trace.On()) return;
    const std::optional<std::string> path = quintel::win32::TraceFilePath("Quintel");
    if (!path) return;
    quintel::win32::Win32FileSystem files;
    (void)quintel::SaveTrace(trace, files, *path);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    quintel::win32::KeepCurrentFolderOutOfDllSearch();
    std::optional<quintel::win32::TraceClock> stopwatch;
    if (quintel::win32::TraceWanted()) stopwatch.emplace();
    quintel::Trace trace(stopwatch ? &*stopwatch : nullptr);
    trace.StepSince("process start until WinMain (DLLs, manifest, runtime)", 0);
    int code = quintel::exitcode::Unexpected;
    try {
        code = Run(trace);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Quintel", MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxA(nullptr, "An unexpected error ended the program.", "Quintel",
                    MB_OK | MB_ICONERROR);
    }
    trace.Mark("end");
    SaveProfile(trace);
    return code;
}
