#include "ui/mainwindow/Startup.h"

namespace quintel {

std::string WindowTitle(const VersionInfo& version) {
    return version.ProductName + " Version " + std::to_string(version.Major) + "." +
           std::to_string(version.Minor);
}

StartResult StartUp(AppContext& app, SingleInstance& instance, const Command& command,
                    std::unique_ptr<FrmMain>& mainWindow) {
    if (instance.AnotherInstanceRunning()) return StartResult::Exit;
    app.helpFile = app.FilePath("Help\\Help.chm");
    return StartMainWindow(app, WindowTitle(app.version), command, mainWindow);
}

StartResult StartMainWindow(AppContext& app, const std::string& title, const Command& command,
                            std::unique_ptr<FrmMain>& mainWindow) {
    if (command.Kind == CommandKind::Companion) {
        // Only the keep-alive companion; a missing one is skipped quietly.
        (void)app.services.launcher.Start(app.FilePath("Korvet.exe"), {}, show::Hide);
        return StartResult::Exit;
    }
    if (command.Kind != CommandKind::MainWindow) return StartResult::Exit;

    {
        const TraceStep step(app.trace, "main window model");
        mainWindow = std::make_unique<FrmMain>(app);
    }
    mainWindow->Show();
    mainWindow->SetCaption(title);
    if (!command.Text.empty()) mainWindow->SetState(forms::WindowState::Normal);
    return StartResult::RunWindows;
}

}  // namespace quintel
