// Quintel.exe's entry point: the command-line switches run the engine
// without a window.
#include <windows.h>

#include <exception>

#include "engine/CommandLine.h"
#include "engine/EngineCommands.h"
#include "win32/Console.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"
#include "win32/Win32System.h"

namespace {

int RunEngineCommand(const quintel::Command& command) {
    using namespace quintel;
    win32::ConsoleOutput console;
    win32::Win32Registry registry;
    win32::Win32FileSystem files;
    win32::Win32VersionQuery version;
    EngineContext ctx{registry, files, version, win32::ApplicationFolder()};

    switch (command.Kind) {
    case CommandKind::Show: return RunShow(ctx, console.out(), console.err());
    case CommandKind::Apply: return RunApply(ctx, console.out(), console.err());
    case CommandKind::Restore: return RunRestore(ctx, console.out(), console.err());
    case CommandKind::Help:
        console.out() << UsageText();
        return exitcode::Ok;
    default:
        console.err() << "Quintel: unknown switch " << command.Text << "\n\n" << UsageText();
        return exitcode::Usage;
    }
}

int Run() {
    using namespace quintel;
    const Command command = ParseCommandLine(ArgumentText(GetCommandLineA()));
    switch (command.Kind) {
    case CommandKind::MainWindow:
    case CommandKind::Companion:
        // The window and the companion are not built yet.
        return RunEngineCommand(Command{CommandKind::Help, {}});
    default:
        return RunEngineCommand(command);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        return Run();
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Quintel", MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxA(nullptr, "An unexpected error ended the program.", "Quintel",
                    MB_OK | MB_ICONERROR);
    }
    return 3;
}
