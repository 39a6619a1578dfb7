#include "ui/mainwindow/UndoCommand.h"

#include <cctype>

#include "core/tuning/AppliedState.h"
#include "core/tuning/SettingsFile.h"
#include "core/tuning/UndoChange.h"
#include "ui/mainwindow/ApplyCommand.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {

namespace {

std::string Sentence(std::string line) {
    if (!line.empty()) line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
    return line;
}

std::string ResultMessage(const UndoResult& result) {
    if (!result.Problem.empty()) return "Nothing was undone.\r\n\r\n" + Sentence(result.Problem) + ".";
    const std::string when = TimeText(result.ChangedAt);
    if (result.Succeeded()) {
        return "The registry values and the settings were put back as they were before the "
               "change of " + when + ".";
    }
    std::string text = "The change of " + when + " could not be undone completely.\r\n";
    for (const std::string& line : result.FailureLines) text += "\r\n" + Sentence(line);
    const std::size_t back = result.ValuesPutBack;
    text += back == 0 ? "\r\n\r\nNo registry value was put back."
                      : "\r\n\r\nThe other " + std::to_string(back) +
                            (back == 1 ? " registry value was" : " registry values were") +
                            " put back.";
    return text;
}

}  // namespace

void UndoLastChange(FrmMain& window) {
    AppContext& app = window.App();
    FileSystem& files = app.services.files;
    const std::string settingsPath = app.FilePath(SettingsFileName);
    const UndoFiles where = UndoFilesFor(settingsPath);
    const auto changed = LastChangeTime(files, where);
    const std::string what = changed ? "the change of " + TimeText(*changed) : "the last change";
    const int answer = app.services.boxes.Show(
        "This will put back the TCP/IP settings as they were before " + what +
            ".\r\nWould you like to Continue?",
        "Undo Last Change", mb::YesNo | mb::IconInformation | mb::DefaultButton2);
    if (answer != mb::Yes) return;

    const UndoResult result =
        UndoLastChange(files, app.services.registry, where, app.services.clock.Now());
    if (result.Problem.empty()) {
        // The window shows the choice that is in the file again.
        LoadSettingsFile(app.tuning, files, settingsPath);
        window.load.Loading = true;
        window.load.ShowSavedSettings();
        window.load.Loading = false;
    }
    ShowChangeState(window);
    app.services.boxes.Show(ResultMessage(result), app.Title(),
                            mb::OkOnly | (result.Succeeded() ? mb::IconInformation : mb::IconExclamation));
    if (!result.Problem.empty()) return;
    if (app.services.boxes.Show("Do you want to restart the computer?", app.Title(),
                                mb::YesNo | mb::IconInformation) == mb::Yes) {
        (void)RestartWindows(app.services.shutdown);
    }
}

void ShowChangeState(FrmMain& window) {
    AppContext& app = window.App();
    const std::string settingsPath = app.FilePath(SettingsFileName);
    const AppliedStatus status =
        CheckAppliedState(app.tuning, app.services.files, app.services.registry,
                          app.CurrentWindowsFamily, app.services.clock, settingsPath);
    window.sbrMain.SetPanelText(1, AppliedStateText(status));
    window.menus.mnuUndoLastChange.SetEnabled(
        UndoAvailable(app.services.files, UndoFilesFor(settingsPath)));
}

}  // namespace quintel
