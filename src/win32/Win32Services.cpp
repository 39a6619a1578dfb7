#include "win32/Win32Services.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "core/system/ProgramCommandLine.h"
#include "win32/Handles.h"
#include "win32/SystemFolders.h"
#include "win32/TrayRecord.h"
#include "win32/Win32Registry.h"
#include "win32/Win32System.h"
#include "win32/korvet/KorvetControl.h"

namespace quintel::win32 {

namespace {

// The started process's handle, or none when it could not start; the
// thread's handle is never needed.
Result<UniqueHandle> Launch(const std::string& program, const std::vector<std::string>& arguments,
                            int windowStyle, DWORD& id) {
    id = 0;
    if (program.empty()) return SystemError{ERROR_FILE_NOT_FOUND, SystemErrorText(ERROR_FILE_NOT_FOUND)};
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION process{};
    const std::string commandLine = MakeCommandLine(program, arguments);
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    // The program named by its path is started as it is: Windows searches
    // for nothing, and a path with blanks cannot start a shorter one.
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD code = GetLastError();
        return SystemError{static_cast<long>(code), SystemErrorText(code)};
    }
    UniqueHandle thread(process.hThread);
    id = process.dwProcessId;
    return UniqueHandle(process.hProcess);
}

class Win32Process : public WaitableProcess {
public:
    explicit Win32Process(UniqueHandle process) : process_(std::move(process)) {}

    void WaitForExit(const std::function<void()>& pump) override {
        HANDLE handle = process_.Get();
        // The hourglass says the program is busy; the pump keeps its windows
        // painted and answering meanwhile.
        HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        for (;;) {
            const DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, 100, QS_ALLINPUT);
            if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) break;
            pump();
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
        }
        SetCursor(previous);
    }

private:
    UniqueHandle process_;
};

}  // namespace

Result<std::uint32_t> Win32Launcher::Start(const std::string& program,
                                           const std::vector<std::string>& arguments,
                                           int windowStyle) {
    DWORD id = 0;
    // The process is let go at once: nobody waits for it.
    const auto started = Launch(program, arguments, windowStyle, id);
    if (!started) return started.Error();
    return static_cast<std::uint32_t>(id);
}

Result<std::unique_ptr<WaitableProcess>> Win32Launcher::StartToWait(
    const std::string& program, const std::vector<std::string>& arguments, int windowStyle) {
    DWORD id = 0;
    auto started = Launch(program, arguments, windowStyle, id);
    if (!started) return started.Error();
    return std::unique_ptr<WaitableProcess>(
        std::make_unique<Win32Process>(std::move(started.Value())));
}

std::string Win32Launcher::SystemProgram(const std::string& name) {
    // The Windows folder first: there the registry editor is the native
    // one also on 64-bit Windows, where the system folder of this 32-bit
    // program is the 32-bit one and its editor sees only the 32-bit view.
    for (const std::string& folder : {WindowsFolder(), SystemFolder()}) {
        if (folder.empty()) continue;
        const std::string path = InFolder(folder, name);
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return path;
    }
    return {};
}

void Win32Beeper::Beep() {
    MessageBeep(MB_OK);
}

namespace {
std::string SettingsKey(const std::string& app, const std::string& section) {
    return "Software\\" + app + "\\" + section;
}
}  // namespace

std::string RegistryUserSettings::GetSetting(const std::string& app, const std::string& section,
                                             const std::string& key, const std::string& fallback) {
    UniqueKey handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), 0, KEY_QUERY_VALUE,
                      handle.Put()) != ERROR_SUCCESS) {
        return fallback;
    }
    char buffer[1024];
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    const LONG result = RegQueryValueExA(handle.Get(), key.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer), &size);
    if (result != ERROR_SUCCESS || type != REG_SZ) return fallback;
    buffer[size] = '\0';
    return std::string(buffer);
}

Result<> RegistryUserSettings::SaveSetting(const std::string& app, const std::string& section,
                                           const std::string& key, const std::string& value) {
    UniqueKey handle;
    const LONG created = RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), 0,
                                         nullptr, 0, KEY_SET_VALUE, nullptr, handle.Put(), nullptr);
    if (created != ERROR_SUCCESS) return SystemError{created, SystemErrorText(created)};
    const LONG result = RegSetValueExA(handle.Get(), key.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
    if (result != ERROR_SUCCESS) return SystemError{result, SystemErrorText(result)};
    return {};
}

void Win32Shutdown::EnableShutdownPrivilege() {
    // Every result is ignored: Windows 95, 98 and ME have no tokens, and
    // there the reboot is simply asked for.
    UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Put())) {
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    TOKEN_PRIVILEGES previous{};
    DWORD length = 0;
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, sizeof previous, &previous, &length);
}

Result<> Win32Shutdown::RequestRestart() {
    // The reason is left as every bit set, as the program has always asked.
    if (ExitWindowsEx(EWX_REBOOT, 0xFFFFFFFFu)) return {};
    const DWORD code = GetLastError();
    return SystemError{static_cast<long>(code), SystemErrorText(code)};
}

std::string Win32FileDialogs::AskSaveFileName(const SaveDialogOptions& options) {
    // The dialog wants NUL-separated pairs ending in a double NUL.
    std::string filter = options.Filter;
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    filter.push_back('\0');

    char file[MAX_PATH * 4] = {};
    options.FileName.copy(file, sizeof file - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // understood by every Windows
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrInitialDir = options.InitialFolder.c_str();
    dialog.lpstrTitle = options.Title.c_str();
    // No default extension and no overwrite question. The current folder
    // stays as it was: the chosen folder, which a user may write to, must
    // not become a place programs and libraries are looked for.
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&dialog)) return {};
    return file;
}

Result<> Win32Shell::Open(const std::string& target, int showCommand) {
    const HINSTANCE result =
        ShellExecuteA(GetActiveWindow(), "open", target.c_str(), nullptr, nullptr, showCommand);
    const auto answer = static_cast<long>(reinterpret_cast<INT_PTR>(result));
    // ShellExecute answers more than 32 when it started something; below
    // that its answer is the reason, mostly a system error code.
    if (answer > 32) return {};
    return SystemError{answer, SystemErrorText(static_cast<unsigned long>(answer))};
}

namespace {
// The system's error when the shell refused a request; the shell sets none
// on some Windows, and then there is only the refusal.
Result<> TrayAnswer(BOOL accepted) {
    if (accepted) return {};
    const DWORD code = GetLastError();
    return SystemError{static_cast<long>(code), code ? SystemErrorText(code)
                                                    : "The notification area refused the icon."};
}
}  // namespace

Result<> Win32NotifyArea::Add(const TrayIconInfo& icon) {
    NOTIFYICONDATAA record = TrayRecord(icon);
    return TrayAnswer(Shell_NotifyIconA(NIM_ADD, &record));
}

Result<> Win32NotifyArea::Modify(const TrayIconInfo& icon) {
    NOTIFYICONDATAA record = TrayRecord(icon);
    return TrayAnswer(Shell_NotifyIconA(NIM_MODIFY, &record));
}

Result<> Win32NotifyArea::Remove(const TrayIconInfo& icon) {
    NOTIFYICONDATAA record = TrayRecord(icon);
    return TrayAnswer(Shell_NotifyIconA(NIM_DELETE, &record));
}

namespace {
// Sent, not posted: a state query right after a pause must find it done,
// and a message sent is handled before any posted one still waiting.
// Bounded, so a companion that hangs cannot hang the window with it.
bool SendToKorvet(unsigned message, DWORD_PTR& answer) {
    HWND companion = FindWindowA(korvet::WindowClass, nullptr);
    if (!companion) return false;
    constexpr UINT AnswerWait = 2000;
    return SendMessageTimeoutA(companion, message, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               AnswerWait, &answer) != 0;
}
}  // namespace

void KorvetKeepAliveControl::Pause() {
    DWORD_PTR ignored = 0;
    SendToKorvet(korvet::PauseMessage, ignored);
}

void KorvetKeepAliveControl::Resume() {
    DWORD_PTR ignored = 0;
    SendToKorvet(korvet::ResumeMessage, ignored);
}

KeepAliveState KorvetKeepAliveControl::State() {
    if (!FindWindowA(korvet::WindowClass, nullptr)) return KeepAliveState::NotRunning;
    DWORD_PTR answer = 0;
    // One that runs but does not answer in time is still running.
    if (!SendToKorvet(korvet::StateQueryMessage, answer)) return KeepAliveState::Running;
    return answer == static_cast<DWORD_PTR>(korvet::StatePaused) ? KeepAliveState::Paused
                                                                 : KeepAliveState::Running;
}

NamedMutexInstance::NamedMutexInstance(const std::string& name)
    : mutex_(CreateMutexA(nullptr, FALSE, name.c_str())),
      another_(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {}

VersionInfo ReadVersionInfo() {
    VersionInfo info;
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe = path;
    const auto slash = exe.find_last_of("\\/");
    std::string name = slash == std::string::npos ? exe : exe.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    info.ExeName = dot == std::string::npos ? name : name.substr(0, dot);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return info;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) return info;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        info.Major = HIWORD(fixed->dwFileVersionMS);
        info.Minor = LOWORD(fixed->dwFileVersionMS);
        info.Revision = LOWORD(fixed->dwFileVersionLS);
    }

    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    if (VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translations), &length) &&
        length >= sizeof(Translation)) {
        char query[64];
        wsprintfA(query, "\\StringFileInfo\\%04x%04x\\ProductName", translations[0].language,
                  translations[0].codePage);
        char* product = nullptr;
        if (VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&product), &length) &&
            product) {
            info.ProductName = product;
        }
    }
    return info;
}

}  // namespace quintel::win32
