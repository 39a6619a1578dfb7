// Stand-ins for the window toolkit and the small services the windows use:
// forms are "created" without windows, modal forms are answered by a
// script, and launches, beeps and stored settings are recorded.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "platform/Instance.h"
#include "platform/Processes.h"
#include "platform/Sound.h"
#include "platform/UserSettings.h"

namespace quintel::test {

class FakeFormHost : public forms::FormHost {
public:
    // What happened, in order: "create frmMain", "modal frmDisplay",
    // "destroy frmDisplay", "doevents".
    std::vector<std::string> events;
    // Runs while a form is shown modally; by default the user closes it.
    std::function<void(forms::Form&)> onModal = [](forms::Form& form) { form.Close(); };

    void Create(forms::Form& form) override { events.push_back("create " + form.Name()); }
    void RunModal(forms::Form& form) override {
        events.push_back("modal " + form.Name());
        onModal(form);
    }
    void Destroy(forms::Form& form) override { events.push_back("destroy " + form.Name()); }
    void DoEvents() override { events.push_back("doevents"); }

    int Count(const std::string& event) const;
};

struct Launch {
    std::string commandLine;
    int windowStyle;
};

class FakeLauncher : public ProcessLauncher {
public:
    std::vector<Launch> launches;
    bool fails = false;
    std::uint32_t Start(const std::string& commandLine, int windowStyle) override {
        launches.push_back({commandLine, windowStyle});
        return fails ? 0 : 4242;
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
    bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[app + "|" + section + "|" + key] = value;
        return true;
    }
};

class FakeSingleInstance : public SingleInstance {
public:
    bool another = false;
    bool AnotherInstanceRunning() override { return another; }
};

}  // namespace quintel::test
