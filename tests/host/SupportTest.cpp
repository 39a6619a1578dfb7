#include <gtest/gtest.h>

#include "fakes/AppFixture.h"
#include "ui/mainwindow/FrmMain.h"
#include "core/system/mdlAddons.h"
#include "ui/dialogs/FrmSupport.h"
#include "core/system/SysInfo.h"

namespace quintel {
namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Unavailable = "System Information Is Unavailable At This Time";

void PutRaw(test::FakeRegistry& registry, const std::string& path, const std::string& name,
            std::uint32_t type, std::vector<std::uint8_t> data) {
    const Result<RegKey> key = registry.CreateKey(RegRoot::LocalMachine, path, 0x3F);
    ASSERT_EQ(regcode::Success, key.Code());
    ASSERT_EQ(regcode::Success, registry.SetValue(key.Value(), name, type, data).Code());
    ASSERT_EQ(regcode::Success, registry.CloseKey(key.Value()).Code());
}

std::vector<std::uint8_t> Text(const std::string& text, bool terminated) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    if (terminated) data.push_back(0);
    return data;
}

class KeyValue : public ::testing::Test {
protected:
    bool Read(std::string& value, const std::string& name = "V") {
        return GetKeyValue(registry, RegRoot::LocalMachine, "SOFTWARE\\Test", name, value);
    }
    test::FakeRegistry registry;
};

TEST_F(KeyValue, TextReadsTheSameWithAndWithoutItsTerminator) {
    std::string with, without;
    PutRaw(registry, "SOFTWARE\\Test", "V", regtype::Sz, Text("C:\\Tools\\info.exe", true));
    EXPECT_TRUE(Read(with));
    PutRaw(registry, "SOFTWARE\\Test", "V", regtype::Sz, Text("C:\\Tools\\info.exe", false));
    EXPECT_TRUE(Read(without));
    EXPECT_EQ("C:\\Tools\\info.exe", with);
    EXPECT_EQ(with, without);
    EXPECT_EQ(0u, registry.OpenHandles());
    for (std::uint32_t access : registry.OpenAccess()) EXPECT_EQ(0x2003Fu, access);
}

TEST_F(KeyValue, ANumberIsWrittenInHexadecimalHighByteFirst) {
    std::string value;
    PutRaw(registry, "SOFTWARE\\Test", "V", regtype::Dword, {0x78, 0x56, 0x34, 0x12});
    EXPECT_TRUE(Read(value));
    EXPECT_EQ("&h12345678", value);
    PutRaw(registry, "SOFTWARE\\Test", "V", regtype::Dword, {0x0A, 0x0B, 0x0C, 0xFF});
    EXPECT_TRUE(Read(value));
    EXPECT_EQ("&hFF0C0B0A", value);
    // A zero high byte is taken for a terminator, as for text.
    PutRaw(registry, "SOFTWARE\\Test", "V", regtype::Dword, {0x05, 0x00, 0x00, 0x00});
    EXPECT_TRUE(Read(value));
    EXPECT_EQ("&h000005", value);
}

TEST_F(KeyValue, OtherTypesLeaveTheValueAsItWasAndStillCountAsRead) {
    PutRaw(registry, "SOFTWARE\\Test", "V", 3, {1, 2, 3});
    std::string value = "before";
    EXPECT_TRUE(Read(value));
    EXPECT_EQ("before", value);
}

TEST_F(KeyValue, AMissingKeyOrValueOrAnOversizedValueIsNotRead) {
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, RegRoot::LocalMachine, "SOFTWARE\\None", "V", value));
    EXPECT_EQ("", value);

    registry.AddKey("SOFTWARE\\Test");
    value = "before";
    EXPECT_FALSE(Read(value, "Missing"));
    EXPECT_EQ("", value);

    PutRaw(registry, "SOFTWARE\\Test", "Big", regtype::Sz, Text(std::string(1024, 'x'), true));
    EXPECT_FALSE(Read(value, "Big"));
    EXPECT_EQ("", value);
    EXPECT_EQ(0u, registry.OpenHandles()) << "the key is closed on every way out";
}

class SysInfo : public ::testing::Test {
protected:
    void Start() {
        StartSysInfo(SysInfoServices{fakes.registry, fakes.files, fakes.launcher, fakes.boxes, "Quintel"});
    }
    void ExpectUnavailable() {
        ASSERT_EQ(1u, fakes.boxes.shown.size());
        EXPECT_EQ(Unavailable, fakes.boxes.shown[0].text);
        EXPECT_EQ("Quintel", fakes.boxes.shown[0].caption);
        EXPECT_EQ(mb::OkOnly, fakes.boxes.shown[0].style);
    }
    test::FakeServices fakes;
};

TEST_F(SysInfo, TheFirstLocationWinsAndTheSecondIsNotConsulted) {
    fakes.registry.PutSz(ToolKey, "PATH", "C:\\Tools\\msinfo32.exe");
    fakes.registry.PutSz(FolderKey, "MSINFO", "D:\\Elsewhere");
    fakes.files.MakeFolder("D:\\Elsewhere");
    fakes.files.Put("D:\\Elsewhere\\MSINFO32.EXE", "MZ");
    Start();
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("C:\\Tools\\msinfo32.exe", fakes.launcher.launches[0].commandLine);
    EXPECT_EQ(show::Normal, fakes.launcher.launches[0].windowStyle);
    for (const std::string& call : fakes.registry.Calls())
        EXPECT_EQ(std::string::npos, call.find("Shared Tools Location")) << call;
    EXPECT_TRUE(fakes.boxes.shown.empty());
}

TEST_F(SysInfo, AQuotedPathIsStartedByThePathItselfQuotedOnce) {
    fakes.registry.PutSz(ToolKey, "PATH", "\"C:\\Program Files\\MSInfo\\msinfo32.exe\"");
    Start();
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("C:\\Program Files\\MSInfo\\msinfo32.exe", fakes.launcher.launches[0].program);
    EXPECT_EQ("\"C:\\Program Files\\MSInfo\\msinfo32.exe\"", fakes.launcher.launches[0].commandLine);
}

TEST_F(SysInfo, TheFolderOfTheSecondLocationIsUsedWhenTheToolIsThere) {
    fakes.registry.PutSz(FolderKey, "MSINFO", "C:\\Program Files\\Common Files\\MSInfo");
    fakes.files.MakeFolder("C:\\Program Files\\Common Files\\MSInfo");
    fakes.files.Put("C:\\Program Files\\Common Files\\MSInfo\\MSINFO32.EXE", "MZ");
    Start();
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    // Quoted, so the blanks in the path cannot make another program start.
    EXPECT_EQ("\"C:\\Program Files\\Common Files\\MSInfo\\MSINFO32.EXE\"",
              fakes.launcher.launches[0].commandLine);
}

TEST_F(SysInfo, TheSecondLocationWithoutTheToolIsUnavailable) {
    fakes.registry.PutSz(FolderKey, "MSINFO", "C:\\Empty");
    fakes.files.MakeFolder("C:\\Empty");
    Start();
    EXPECT_TRUE(fakes.launcher.launches.empty());
    ExpectUnavailable();
}

TEST_F(SysInfo, NeitherLocationIsUnavailable) {
    Start();
    EXPECT_TRUE(fakes.launcher.launches.empty());
    ExpectUnavailable();
}

TEST_F(SysInfo, AToolThatDoesNotStartOrAnEmptyPathIsUnavailable) {
    fakes.registry.PutSz(ToolKey, "PATH", "C:\\Tools\\gone.exe");
    fakes.launcher.fails = true;
    Start();
    ExpectUnavailable();

    fakes.boxes.shown.clear();
    fakes.launcher.fails = false;
    fakes.launcher.launches.clear();
    PutRaw(fakes.registry, ToolKey, "PATH", 2, Text("%ProgramFiles%\\x.exe", true));
    Start();  // not text: read, but the path stays empty
    EXPECT_TRUE(fakes.launcher.launches.empty());
    ExpectUnavailable();
}

// --- The window ---------------------------------------------------------------

class Support : public ::testing::Test {
protected:
    FrmMain& Start() {
        window = std::make_unique<FrmMain>(app);
        window->Show();
        fakes.host.events.clear();
        fakes.launcher.launches.clear();  // the companion
        return *window;
    }
    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

TEST_F(Support, TheAboutItemOpensTheWindowModallyWithTitleVersionAndLinks) {
    FrmMain& w = Start();
    EXPECT_EQ("About Quintel", w.menus.mnuSupport.Caption());
    std::string caption, title, version, home, mail;
    fakes.host.onModal = [&](forms::Form& form) {
        auto& s = dynamic_cast<FrmSupport&>(form);
        caption = s.Caption();
        title = s.lblTitle.Caption();
        version = s.lblVersion.Caption();
        home = s.lblHome.Caption();
        mail = s.lblSupport.Caption();
        s.cmdOK.UserClick();
    };
    w.menus.mnuSupport.UserClick();
    EXPECT_EQ(1, fakes.host.Count("modal frmSupport"));
    EXPECT_EQ("About Quintel", caption);
    EXPECT_EQ("Quintel", title);
    EXPECT_EQ("Version 5.0.0", version);
    EXPECT_EQ(ProductWebSite, home);
    EXPECT_EQ(SupportEMail, mail);
    EXPECT_FALSE(w.Support()->Loaded());
}

TEST_F(Support, TheVersionComesFromTheVersionResource) {
    EXPECT_EQ("Version 6.2.17", VersionText(VersionInfo{6, 2, 17, "Quintel", "Quintel"}));
}

TEST_F(Support, TheLinksOpenTheSiteAndAMessageAndSystemInfoStartsTheTool) {
    FrmMain& w = Start();
    fakes.registry.PutSz(ToolKey, "PATH", "C:\\Tools\\msinfo32.exe");
    fakes.host.onModal = [&](forms::Form& form) {
        auto& s = dynamic_cast<FrmSupport&>(form);
        s.lblHome.UserClick();
        s.lblSupport.UserClick();
        s.cmdSysInfo.UserClick();
        s.Close();
    };
    w.menus.mnuSupport.UserClick();
    ASSERT_EQ(2u, fakes.shell.opened.size());
    EXPECT_EQ(ProductWebSite, fakes.shell.opened[0].target);
    EXPECT_EQ(show::Normal, fakes.shell.opened[0].show);
    EXPECT_EQ(std::string("mailto:") + SupportEMail, fakes.shell.opened[1].target);
    EXPECT_EQ(show::Show, fakes.shell.opened[1].show);
    ASSERT_EQ(1u, fakes.launcher.launches.size());
    EXPECT_EQ("C:\\Tools\\msinfo32.exe", fakes.launcher.launches[0].commandLine);
}

}  // namespace
}  // namespace quintel
