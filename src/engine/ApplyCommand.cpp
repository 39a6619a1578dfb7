#include "engine/ApplyCommand.h"

#include <cctype>

#include "engine/FrmDisplay.h"
#include "mainwindow/FrmMain.h"

namespace quintel {

namespace {

SaveResult Save(AppContext& app) {
    return SaveSettingsFile(app.tuning, app.services.files, app.FilePath(SettingsFileName),
                            app.services.registry, app.CurrentWindowsFamily);
}

// A failed save is never passed over as success.
void ReportFailure(AppContext& app, const SaveResult& result) {
    app.services.boxes.Show(ApplyFailureMessage(result, app.services.registry), app.Title(),
                            mb::OkOnly | mb::IconInformation);
}

}  // namespace

std::string ApplyFailureMessage(const SaveResult& result, Registry& registry) {
    auto sentence = [](std::string line) {
        if (!line.empty()) line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
        return line;
    };
    if (!result.FileWritten) {
        return "The settings could not be applied.\r\n\r\n" + sentence(result.FailureText(registry));
    }
    // The file already holds the choice, so the user needs to know exactly
    // which values the registry does not have yet.
    std::string text = "The settings could not be applied completely.\r\n";
    for (const std::string& line : result.FailureLines(registry)) text += "\r\n" + sentence(line);
    const std::size_t written = result.SucceededCount();
    text += written == 0 ? "\r\n\r\nNo registry value was written."
                         : "\r\n\r\nThe other " + std::to_string(written) +
                               (written == 1 ? " registry value was" : " registry values were") +
                               " written.";
    return text;
}

void ApplySettings(FrmMain& window) {
    AppContext& app = window.App();
    // Manual values are checked first; an automatic mode is explained.
    bool save = true;
    if (app.tuning.CurrentSettings.OptiMode == mode::Manual) {
        save = !window.ValidateManualSettings();
    } else {
        window.ShowModeDialog();
    }
    if (save) {
        const SaveResult result = Save(app);
        if (!result.Succeeded()) ReportFailure(app, result);
    }
    // The values take effect only when Windows starts again.
    if (app.services.boxes.Show("Do you want to restart the computer?", app.Title(),
                                mb::YesNo | mb::IconInformation) == mb::Yes) {
        RestartWindows(app.services.shutdown);
    }
}

long RestartWindows(Shutdown& shutdown) {
    shutdown.EnableShutdownPrivilege();
    return shutdown.RequestExit(exitwindows::Reboot, 0xFFFFFFFFu);
}

void RestoreWindowsSettings(FrmMain& window) {
    AppContext& app = window.App();
    const int answer = app.services.boxes.Show(
        "This Program will restore all Windows settings.\r\nWould you like to Continue?",
        "Restore Default Settings", mb::YesNo | mb::IconInformation | mb::DefaultButton2);
    if (answer != mb::Yes) return;

    window.EnableManualControls(true);
    app.tuning.ResetToWindowsDefaults();
    window.ShowWindowsDefaults();
    const SaveResult result = Save(app);
    if (!result.Succeeded()) {
        ReportFailure(app, result);
        return;
    }
    app.services.boxes.Show("Windows default settings were successfully restored.", app.Title(),
                            mb::OkOnly | mb::IconInformation);
}

std::string AskBackupFileName(FileDialogs& dialogs, const std::string& appFolder) {
    SaveDialogOptions options;
    options.Title = "Registry Backup";
    options.Filter = "Text Document (*.txt)|*.txt|Registration Entries (*.reg)|*.reg|";
    options.InitialFolder = appFolder;
    return dialogs.AskSaveFileName(options);
}

bool IsRegistryExport(const std::string& start) {
    static const std::string Ansi = "REGEDIT4";
    static const std::string Unicode = [] {
        std::string text = "\xFF\xFE";
        for (char c : std::string("Windows Registry Editor Version 5.00")) {
            text += c;
            text += '\0';
        }
        return text;
    }();
    return start.compare(0, Unicode.size(), Unicode) == 0 ||
           start.compare(0, Ansi.size(), Ansi) == 0;
}

void BackupRegistry(AppContext& app, forms::FormHost& host) {
    const std::string path = AskBackupFileName(app.services.dialogs, app.folder);
    host.DoEvents();
    if (path.empty()) return;

    host.DoEvents();
    std::string failure;
    const std::uint32_t editor =
        app.services.launcher.Start("regedit /E \"" + path + "\"", show::MinimizedActive);
    if (editor == 0) {
        failure = "The registry editor could not be started.";
    } else {
        // The editor reports nothing and exits 0 even when it fails, so
        // only the file it leaves can tell.
        app.services.launcher.WaitForExit(editor, [&host] { host.DoEvents(); });
        host.DoEvents();
        std::string start;
        FileError error;
        if (!app.services.files.ReadFilePrefix(path, 80, start, error)) {
            failure = "No backup file was written to " + path + ".";
        } else if (!IsRegistryExport(start)) {
            failure = path + " is not a registry export.";
        }
    }

    if (failure.empty()) {
        app.services.boxes.Show("Registry Backup has been taken Successfully.", app.Title(),
                                mb::OkOnly | mb::IconInformation);
    } else {
        app.services.boxes.Show("The registry backup failed.\r\n\r\n" + failure, app.Title(),
                                mb::OkOnly | mb::IconExclamation);
    }
}

}  // namespace quintel
