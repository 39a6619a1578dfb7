// Stand-ins for the window toolkit and the small services the windows use:
// forms are "created" without windows, modal forms are answered by a
// script, and launches, beeps and stored settings are recorded.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/forms/Form.h"
#include "platform/FileDialogs.h"
#include "platform/Instance.h"
#include "platform/NotifyArea.h"
#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/Shutdown.h"
#include "platform/Sound.h"
#include "platform/UserSettings.h"
#include "core/system/ProgramCommandLine.h"

namespace quintel::test {

class FakeFormHost : public forms::FormHost {
public:
    // What happened, in order: "create frmMain", "modal frmDisplay",
    // "destroy frmDisplay", "doevents", "foreground frmMain",
    // "popup mnuPopupMenu".
    std::vector<std::string> events;
    // Runs while a form is shown modally; by default the user closes it.
    std::function<void(forms::Form&)> onModal = [](forms::Form& form) { form.Close(); };
    // Runs while a shortcut menu is open; by default nothing is chosen.
    std::function<void(forms::MenuItem&)> onPopup = [](forms::MenuItem&) {};

    void Create(forms::Form& form) override;
    void RunModal(forms::Form& form) override {
        events.push_back("modal " + form.Name());
        onModal(form);
    }
    void Destroy(forms::Form& form) override;
    void DoEvents() override { events.push_back("doevents"); }
    // A window's handle is a number given at its creation: 0x10, 0x20, ...
    std::uintptr_t Handle(const forms::Form& form) override;
    // Image i of a list is 0x1000 + i.
    std::uintptr_t ListImageIcon(const std::string& list, int index) override;
    void SetForeground(forms::Form& form) override { events.push_back("foreground " + form.Name()); }
    void PopupMenu(forms::Form&, forms::MenuItem& menu) override {
        events.push_back("popup " + menu.Name());
        onPopup(menu);
    }

    int Count(const std::string& event) const;
    // The image lists asked for, in order.
    std::vector<std::string> iconLists;

private:
    std::map<const forms::Form*, std::uintptr_t> windows_;
    std::uintptr_t nextWindow_ = 0x10;
};

// Chooses the item captioned `caption` in an open shortcut menu or one of
// its submenus; fails the test if there is none.
void ChooseFromPopup(forms::MenuItem& menu, const std::string& caption);

struct Launch {
    std::string program;
    std::vector<std::string> arguments;
    std::string commandLine;  // as the program would get it
    int windowStyle;
};

class FakeLauncher : public ProcessLauncher {
    // Runs the pump once as it waits.
    class Process : public WaitableProcess {
    public:
        explicit Process(FakeLauncher& launcher) : launcher_(launcher) {}
        void WaitForExit(const std::function<void()>& pump) override {
            ++launcher_.waits;
            ++launcher_.pumps;
            pump();
        }

    private:
        FakeLauncher& launcher_;
    };

public:
    std::vector<Launch> launches;
    bool fails = false;
    // What the started program does before it ends, e.g. write a file.
    std::function<void(const Launch&)> onRun;
    int waits = 0;
    int pumps = 0;

    // Where the programs of Windows are; one not named here is missing.
    std::map<std::string, std::string> systemPrograms{
        {"regedit.exe", "C:\\WINDOWS\\regedit.exe"},
        {"rundll32.exe", "C:\\WINDOWS\\system32\\rundll32.exe"}};

    Result<std::uint32_t> Start(const std::string& program, const std::vector<std::string>& arguments,
                                int windowStyle) override {
        launches.push_back({program, arguments, MakeCommandLine(program, arguments), windowStyle});
        if (program.empty()) return SystemError{2, "The system cannot find the file specified."};
        if (fails) return SystemError{5, "Access is denied."};
        if (onRun) onRun(launches.back());
        return std::uint32_t{4242};
    }
    Result<std::unique_ptr<WaitableProcess>> StartToWait(const std::string& program,
                                                         const std::vector<std::string>& arguments,
                                                         int windowStyle) override {
        const auto started = Start(program, arguments, windowStyle);
        if (!started) return started.Error();
        return std::unique_ptr<WaitableProcess>(std::make_unique<Process>(*this));
    }
    std::string SystemProgram(const std::string& name) override {
        const auto found = systemPrograms.find(name);
        return found == systemPrograms.end() ? std::string() : found->second;
    }
};

class FakeBeeper : public Beeper {
public:
    int beeps = 0;
    void Beep() override { ++beeps; }
};

class FakeUserSettings : public UserSettings {
public:
    std::map<std::string, std::string> values;  // "app|section|key"
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& fallback) override {
        const auto it = values.find(app + "|" + section + "|" + key);
        return it == values.end() ? fallback : it->second;
    }
    Result<> SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& value) override {
        values[app + "|" + section + "|" + key] = value;
        return {};
    }
};

// Records the restart steps; nothing is ever shut down.
class FakeShutdown : public Shutdown {
public:
    std::vector<std::string> calls;
    void EnableShutdownPrivilege() override { calls.push_back("privilege"); }
    Result<> RequestRestart() override {
        calls.push_back("restart");
        return {};
    }
};

// Answers the Save dialog with `answer` (empty: cancelled).
class FakeFileDialogs : public FileDialogs {
public:
    std::string answer;
    std::vector<SaveDialogOptions> asked;
    std::string AskSaveFileName(const SaveDialogOptions& options) override {
        asked.push_back(options);
        return answer;
    }
};

struct Opened {
    std::string target;
    int show;
};

class FakeShell : public Shell {
public:
    std::vector<Opened> opened;
    Result<> Open(const std::string& target, int showCommand) override {
        opened.push_back({target, showCommand});
        return {};
    }
};

class FakeKeepAliveControl : public KeepAliveControl {
public:
    std::vector<std::string> calls;
    KeepAliveState state = KeepAliveState::Running;
    void Pause() override {
        calls.push_back("pause");
        if (state == KeepAliveState::Running) state = KeepAliveState::Paused;
    }
    void Resume() override {
        calls.push_back("resume");
        if (state == KeepAliveState::Paused) state = KeepAliveState::Running;
    }
    KeepAliveState State() override { return state; }
};

enum class TrayRequest { Add, Modify, Remove };

struct TrayCall {
    TrayRequest request;
    TrayIconInfo icon;
};

class FakeNotifyArea : public NotifyArea {
public:
    std::vector<TrayCall> calls;
    bool refuses = false;
    Result<> Add(const TrayIconInfo& icon) override { return Take(TrayRequest::Add, icon); }
    Result<> Modify(const TrayIconInfo& icon) override { return Take(TrayRequest::Modify, icon); }
    Result<> Remove(const TrayIconInfo& icon) override { return Take(TrayRequest::Remove, icon); }

private:
    Result<> Take(TrayRequest request, const TrayIconInfo& icon) {
        calls.push_back({request, icon});
        if (refuses) return SystemError{0, "The notification area refused the icon."};
        return {};
    }
};

class FakeSingleInstance : public SingleInstance {
public:
    bool another = false;
    bool AnotherInstanceRunning() override { return another; }
};

}  // namespace quintel::test
