// The Apply command and the restart it offers, and Restore and Registry
// Backup from the File menu and the toolbar.
#pragma once

#include <string>

#include "core/tuning/SettingsFile.h"
#include "ui/forms/Form.h"
#include "platform/FileDialogs.h"
#include "platform/Shutdown.h"

namespace quintel {

class FrmMain;
struct AppContext;

// Explains an automatic mode or checks the Manual values, saves the file
// and the registry, then offers to restart Windows.
void ApplySettings(FrmMain& window);

// Enables the shutdown privilege, then asks Windows to reboot.
Result<> RestartWindows(Shutdown& shutdown);

// Puts the Windows defaults into the controls, the file and the registry
// once the user agrees.
void RestoreWindowsSettings(FrmMain& window);

// The file to export the registry to, or empty when the user cancelled.
std::string AskBackupFileName(FileDialogs& dialogs, const std::string& appFolder);

// Exports the registry with the system's registry editor to a file the
// user names, and says whether there is a backup. The editor writes to
// BackupTemporaryFile beside it; only a whole export is moved over the
// chosen file. `window` is disabled until the editor has finished.
void BackupRegistry(AppContext& app, forms::FormHost& host, forms::Form& window);

// Where the editor's export goes first.
std::string BackupTemporaryFile(const std::string& path);

// True when the text begins as an export of the registry editor: the
// Unicode header of version 5 with its byte-order mark, or "REGEDIT4".
bool IsRegistryExport(const std::string& start);

// The message for a save that did not get through.
std::string ApplyFailureMessage(const SaveResult& result, Registry& registry);

}  // namespace quintel
