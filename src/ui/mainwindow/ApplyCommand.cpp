#include "ui/mainwindow/ApplyCommand.h"

#include <cctype>
#include <cstdint>

#include "ui/dialogs/FrmDisplay.h"
#include "ui/mainwindow/FrmMain.h"
#include "ui/mainwindow/UndoCommand.h"

namespace quintel {

namespace {

SaveResult Save(AppContext& app) {
    return SaveSettingsFile(app.tuning, app.services.files, app.FilePath(SettingsFileName),
                            app.services.registry, app.CurrentWindowsFamily,
                            app.services.clock.Now());
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
        save = window.tuning.ValidateManualSettings();
    } else {
        window.ShowModeDialog();
    }
    if (save) {
        const SaveResult result = Save(app);
        ShowChangeState(window);
        if (!result.Succeeded()) ReportFailure(app, result);
    }
    // The values take effect only when Windows starts again.
    if (app.services.boxes.Show("Do you want to restart the computer?", app.Title(),
                                mb::YesNo | mb::IconInformation) == mb::Yes) {
        // A refused restart leaves the settings written; they take effect
        // at the next start, whenever that is.
        (void)RestartWindows(app.services.shutdown);
    }
}

Result<> RestartWindows(Shutdown& shutdown) {
    shutdown.EnableShutdownPrivilege();
    return shutdown.RequestRestart();
}

void RestoreWindowsSettings(FrmMain& window) {
    AppContext& app = window.App();
    const int answer = app.services.boxes.Show(
        "This Program will restore all Windows settings.\r\nWould you like to Continue?",
        "Restore Default Settings", mb::YesNo | mb::IconInformation | mb::DefaultButton2);
    if (answer != mb::Yes) return;

    window.tuning.EnableManualControls(true);
    app.tuning.ResetToWindowsDefaults();
    window.tuning.ShowWindowsDefaults();
    const SaveResult result = Save(app);
    ShowChangeState(window);
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

namespace {

std::string Utf16(const std::string& ascii) {
    std::string text;
    for (char c : ascii) {
        text += c;
        text += '\0';
    }
    return text;
}

// The editor writes its header, a blank line, then every key, each after
// a blank line, and ends with the blank line after the last value. The
// Unicode form is UTF-16LE after its byte-order mark.
struct ExportForm {
    std::string header;  // with the blank line after it
    std::string ending;  // the end of the last value's line and the blank line
};

const ExportForm& UnicodeForm() {
    static const ExportForm form{"\xFF\xFE" + Utf16("Windows Registry Editor Version 5.00\r\n\r\n"),
                                 Utf16("\r\n\r\n")};
    return form;
}

const ExportForm& AnsiForm() {
    static const ExportForm form{"REGEDIT4\r\n\r\n", "\r\n\r\n"};
    return form;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// What is wrong with the export the editor left at `file`; empty when it
// is a whole one.
std::string ExportProblem(FileSystem& files, const std::string& file, const std::string& path) {
    const auto prefix = files.ReadFilePrefix(file, 96);
    if (!prefix) return "No backup file was written to " + path + ".";
    const auto last = files.ReadFileEnd(file, 8);
    if (!last) return "No backup file was written to " + path + ".";
    const std::string& start = prefix.Value();
    const std::string& end = last.Value().bytes;
    const std::uint64_t size = last.Value().size;
    if (!IsRegistryExport(start)) return "The registry editor wrote no registry export.";
    const ExportForm& form = StartsWith(start, UnicodeForm().header.substr(0, 2)) ? UnicodeForm()
                                                                                 : AnsiForm();
    if (size <= form.header.size() || !StartsWith(start, form.header) || !EndsWith(end, form.ending))
        return "The registry editor's export was cut short (is the disk full?).";
    return {};
}

}  // namespace

bool IsRegistryExport(const std::string& start) {
    const std::string unicode = UnicodeForm().header.substr(0, UnicodeForm().header.size() - 8);
    const std::string ansi = "REGEDIT4";
    return StartsWith(start, unicode) || StartsWith(start, ansi);
}

std::string BackupTemporaryFile(const std::string& path) {
    return path + ".tmp";
}

void BackupRegistry(AppContext& app, forms::FormHost& host, forms::Form& window) {
    const std::string path = AskBackupFileName(app.services.dialogs, app.folder);
    host.DoEvents();
    if (path.empty()) return;

    host.DoEvents();
    FileSystem& files = app.services.files;
    ProcessLauncher& launcher = app.services.launcher;
    // The editor writes beside the chosen file, which only a whole export
    // replaces: an older backup there survives a failed one.
    const std::string temporary = BackupTemporaryFile(path);
    std::string failure;
    {
        // While the editor runs the window's commands wait, as under a
        // modal window: nothing may change the registry mid-export.
        forms::DisabledForm busy(window);
        if (const auto removed = files.RemoveFile(temporary); !removed) {
            failure = "The file " + temporary + " is in the way: " + removed.Error().reason;
        } else if (auto editor = launcher.StartToWait(launcher.SystemProgram("regedit.exe"),
                                                      {"/E", temporary}, show::MinimizedActive);
                   !editor) {
            failure = "The registry editor could not be started: " + editor.Error().Text;
        } else {
            // The editor reports nothing and exits 0 even when it fails, so
            // only the file it leaves can tell.
            editor.Value()->WaitForExit([&host] { host.DoEvents(); });
            host.DoEvents();
            failure = ExportProblem(files, temporary, path);
            if (failure.empty()) {
                if (const auto moved = files.MoveFileOver(temporary, path); !moved)
                    failure = "The export could not be put in place of " + path + ": " +
                              moved.Error().reason;
            }
        }
        if (!failure.empty()) {
            // The failure is already what the user is told.
            static_cast<void>(files.RemoveFile(temporary));
            if (files.FileExists(path))
                failure += "\r\n\r\nThe older file " + path + " is left as it was.";
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
