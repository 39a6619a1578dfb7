// The main window on a complete set of fakes, on a machine with one
// network interface, for tests of what its commands do.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/AppFixture.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel::test {

class MainWindowFixture : public ::testing::Test {
public:
    static constexpr const char* InterfaceKey =
        "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{NIC}";

protected:

    // Opens the window with `settings` as the saved VarOderudi.cfg (none
    // when empty); what its start showed and asked for is forgotten, so a
    // test sees only what its command does.
    FrmMain& Start(const std::string& settings = {}) {
        if (!settings.empty())
            fakes.files.Put(std::string(FakeServices::Folder) + "\\VarOderudi.cfg", settings);
        fakes.registry.AddKey(InterfaceKey);
        window = std::make_unique<FrmMain>(app);
        window->Show();
        fakes.boxes.shown.clear();
        fakes.host.events.clear();
        return *window;
    }
    // The texts of the message boxes shown since Start, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : fakes.boxes.shown) texts.push_back(m.text);
        return texts;
    }

    FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

}  // namespace quintel::test
