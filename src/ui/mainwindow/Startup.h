// mdlMain: from the program's start to the main window on the screen.
#pragma once

#include <memory>
#include <string>

#include "core/switches/CommandLine.h"
#include "ui/mainwindow/AppContext.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

enum class StartResult {
    RunWindows,  // the main window is up: run the message loop
    Exit,        // nothing to show: end the program
};

// The title: the application title, " Version ", major "." minor.
std::string WindowTitle(const VersionInfo& version);

// Ends at once when another instance runs; otherwise sets the help file,
// builds the title and starts the main window as the command line asks.
// `mainWindow` receives the window when one is opened.
StartResult StartUp(AppContext& app, SingleInstance& instance, const Command& command,
                    std::unique_ptr<FrmMain>& mainWindow);

StartResult StartMainWindow(AppContext& app, const std::string& title, const Command& command,
                            std::unique_ptr<FrmMain>& mainWindow);

}  // namespace quintel
