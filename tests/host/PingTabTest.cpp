#include <gtest/gtest.h>

#include "fakes/AppFixture.h"
#include "ui/mainwindow/FrmMain.h"
#include "core/ping/KeepAlive.h"
#include "core/ping/PingSettings.h"

namespace quintel {
namespace {

const std::string Folder = test::FakeServices::Folder;
const std::string PingCfg = Folder + "\\Ping.cfg";

TEST(PingFile, ReadsBackWhatItWroteCommasAndQuotesIncluded) {
    test::FakeFileSystem files;
    const PingSettings saved{false, "host,with \"quotes\", and commas", "15", true};
    files.Put(PingCfg, FormatPingFile(saved));
    EXPECT_EQ("PingAutomatic,#FALSE#\r\nPingHost,host,with \"quotes\", and commas\r\n"
              "PingInterval,15\r\nPingSound,#TRUE#\r\n",
              files.Contents(PingCfg));
    EXPECT_EQ(saved, LoadPingSettingsFile(files, PingCfg, PingSettings{}));
}

TEST(PingFile, KeysAreNotCheckedOnlyPositions) {
    test::FakeFileSystem files;
    files.Put(PingCfg, "a,#FALSE#\r\nb,10.0.0.1\r\nc,15\r\nd,#TRUE#\r\n");
    EXPECT_EQ((PingSettings{false, "10.0.0.1", "15", true}),
              LoadPingSettingsFile(files, PingCfg, PingSettings{}));
}

TEST(PingFile, MissingOrMalformedFilesGiveTheDefaultsAndKeepTheSound) {
    test::FakeFileSystem files;
    PingSettings current{false, "old", "9", true};
    const PingSettings defaults{true, DefaultPingHost, "5", true};
    EXPECT_EQ(defaults, LoadPingSettingsFile(files, PingCfg, current));
    for (const char* text : {"PingAutomatic,#FALSE#\r\nPingHost,h\r\nPingInterval,3\r\n",
                             "PingAutomatic,yes\r\nPingHost,h\r\nPingInterval,3\r\nPingSound,#FALSE#\r\n",
                             "PingAutomatic,#FALSE#\r\nPingHost,h\r\nPingInterval,3\r\nPingSound,0\r\n",
                             "PingAutomatic,#FALSE#\r\nno comma\r\nPingInterval,3\r\nPingSound,#FALSE#\r\n",
                             ""}) {
        files.Put(PingCfg, text);
        EXPECT_EQ(defaults, LoadPingSettingsFile(files, PingCfg, current)) << text;
    }
}

TEST(PingFile, AutomaticModeWithAnotherHostKeepsThatHost) {
    test::FakeFileSystem files;
    files.Put(PingCfg, "PingAutomatic,#TRUE#\r\nPingHost,10.1.2.3\r\nPingInterval,5\r\nPingSound,#FALSE#\r\n");
    EXPECT_EQ("10.1.2.3", LoadPingSettingsFile(files, PingCfg, PingSettings{}).PingHost);
}

class PingTab : public ::testing::Test {
protected:
    FrmMain& Start() {
        window = std::make_unique<FrmMain>(app);
        window->Show();
        fakes.boxes.shown.clear();
        return *window;
    }
    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

TEST_F(PingTab, FirstStartShowsAutomaticAndOkWritesTheDefaults) {
    FrmMain& w = Start();
    EXPECT_TRUE(w.ping.optPingAutomatic.Value());
    EXPECT_EQ("Automatic", w.ping.txtPingHost.Text());
    EXPECT_EQ(forms::TextBox::Align::Center, w.ping.txtPingHost.Alignment());
    EXPECT_FALSE(w.ping.txtPingHost.Enabled());
    EXPECT_EQ("5 min.", w.ping.cmbPingInterval.Text());
    EXPECT_FALSE(w.ping.cmbPingInterval.Enabled());
    EXPECT_EQ(0, w.ping.chkSound.Value());
    w.ping.cmdok.UserClick();
    EXPECT_EQ(std::string("PingAutomatic,#TRUE#\r\nPingHost,") + DefaultPingHost +
                  "\r\nPingInterval,5\r\nPingSound,#FALSE#\r\n",
              fakes.files.Contents(PingCfg));
    EXPECT_TRUE(fakes.boxes.shown.empty()) << "no confirmation";
}

TEST_F(PingTab, AManualHostIntervalAndSoundAreSavedAndShownAtTheNextStart) {
    FrmMain& w = Start();
    w.ping.optPingManual.UserClick();
    EXPECT_TRUE(w.ping.txtPingHost.Enabled());
    EXPECT_EQ("", w.ping.txtPingHost.Text());
    EXPECT_EQ(-1, w.ping.cmbPingInterval.ListIndex());
    w.ping.txtPingHost.UserText("10.0.0.1");
    w.ping.cmbPingInterval.UserSelect(14);
    w.ping.chkSound.UserClick();
    w.ping.cmdok.UserClick();
    EXPECT_EQ("PingAutomatic,#FALSE#\r\nPingHost,10.0.0.1\r\nPingInterval,15\r\nPingSound,#TRUE#\r\n",
              fakes.files.Contents(PingCfg));

    AppContext again = fakes.MakeContext();
    FrmMain next(again);
    next.Show();
    EXPECT_TRUE(next.ping.optPingManual.Value());
    EXPECT_EQ("10.0.0.1", next.ping.txtPingHost.Text());
    EXPECT_EQ("15 min.", next.ping.cmbPingInterval.Text());
    EXPECT_EQ(1, next.ping.chkSound.Value());
}

TEST_F(PingTab, ManualWithoutHostOrIntervalIsRefused) {
    FrmMain& w = Start();
    w.ping.optPingManual.UserClick();
    w.ping.cmdok.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ("Enter Values Properly.", fakes.boxes.shown[0].text);
    EXPECT_EQ(mb::OkOnly | mb::IconInformation, fakes.boxes.shown[0].style);
    EXPECT_FALSE(fakes.files.Has(PingCfg));
    w.ping.txtPingHost.UserText("   ");
    w.ping.cmbPingInterval.UserSelect(0);
    fakes.boxes.shown.clear();
    w.ping.cmdok.UserClick();
    EXPECT_TRUE(fakes.boxes.shown.empty()) << "a host of blanks is accepted";
}

TEST_F(PingTab, ValidateSaysWhetherTheTabCanBeSaved) {
    FrmMain& w = Start();
    EXPECT_TRUE(w.ping.ValidatePingSettings()) << "automatic mode";
    w.ping.optPingManual.UserClick();
    EXPECT_FALSE(w.ping.ValidatePingSettings()) << "no host, no interval";
    w.ping.txtPingHost.UserText("10.0.0.1");
    EXPECT_FALSE(w.ping.ValidatePingSettings()) << "no interval";
    w.ping.cmbPingInterval.UserSelect(0);
    EXPECT_TRUE(w.ping.ValidatePingSettings());
    w.ping.txtPingHost.UserText("");
    EXPECT_FALSE(w.ping.ValidatePingSettings()) << "no host";
    EXPECT_TRUE(fakes.boxes.shown.empty()) << "only saving tells the user";
}

TEST_F(PingTab, AHostThatWouldNotReadBackIsRefused) {
    FrmMain& w = Start();
    w.ping.optPingManual.UserClick();
    w.ping.txtPingHost.UserText("two\r\nlines");
    w.ping.cmbPingInterval.UserSelect(0);
    w.ping.cmdok.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ("Enter Values Properly.", fakes.boxes.shown[0].text);
}

TEST_F(PingTab, BackToAutomaticReplacesTheHostAndInterval) {
    fakes.files.Put(PingCfg, "PingAutomatic,#FALSE#\r\nPingHost,10.0.0.1\r\nPingInterval,15\r\nPingSound,#TRUE#\r\n");
    FrmMain& w = Start();
    w.ping.cmdDefault.UserClick();
    EXPECT_TRUE(w.ping.optPingAutomatic.Value());
    EXPECT_EQ(0, w.ping.chkSound.Value());
    EXPECT_EQ("10.0.0.1", app.pingSettings.PingHost) << "only OK changes the settings";
    w.ping.cmdok.UserClick();
    EXPECT_EQ(DefaultPingHost, app.pingSettings.PingHost);
    EXPECT_EQ("5", app.pingSettings.PingInterval);
    EXPECT_FALSE(app.pingSettings.PingSound);
}

TEST_F(PingTab, AnIntervalOfZeroShowsNoSelection) {
    fakes.files.Put(PingCfg, "PingAutomatic,#FALSE#\r\nPingHost,h\r\nPingInterval,0\r\nPingSound,#FALSE#\r\n");
    FrmMain& w = Start();
    EXPECT_EQ(-1, w.ping.cmbPingInterval.ListIndex());
}

TEST_F(PingTab, AnIntervalFarOutsideTheListShowsNoSelection) {
    for (const char* interval : {"-99999999999", "-2147483648", "61", "99999999999", "60.6"}) {
        fakes.files.Put(PingCfg, std::string("PingAutomatic,#FALSE#\r\nPingHost,h\r\nPingInterval,") +
                                     interval + "\r\nPingSound,#FALSE#\r\n");
        FrmMain& w = Start();
        EXPECT_EQ(-1, w.ping.cmbPingInterval.ListIndex()) << interval;
    }
}

TEST(PingIntervalIndex, GivesTheEntryOfEachMinuteCountAndNoneOutsideTheList) {
    EXPECT_EQ(0, PingIntervalIndex("1", 60));
    EXPECT_EQ(4, PingIntervalIndex("5", 60));
    EXPECT_EQ(59, PingIntervalIndex("60", 60));
    EXPECT_EQ(59, PingIntervalIndex("59.5", 60)) << "halves to the even neighbour";
    for (const char* outside : {"0", "", "x", "61", "-1", "-2147483648", "-99999999999"}) {
        EXPECT_EQ(-1, PingIntervalIndex(outside, 60)) << outside;
    }
}

TEST_F(PingTab, AFileThatCannotBeWrittenIsReportedAndTheValuesStayForTheRun) {
    fakes.files.MakeFolder(PingCfg);
    FrmMain& w = Start();
    w.ping.optPingManual.UserClick();
    w.ping.txtPingHost.UserText("10.0.0.9");
    w.ping.cmbPingInterval.UserSelect(0);
    w.ping.cmdok.UserClick();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_EQ(0u, fakes.boxes.shown[0].text.find("The ping settings could not be saved."));
    EXPECT_EQ("10.0.0.9", app.pingSettings.PingHost);
}

TEST_F(PingTab, PingNowPingsTheSavedHostAndPlaysTheSoundEvenWithoutAnAnswer) {
    fakes.files.Put(PingCfg, "PingAutomatic,#FALSE#\r\nPingHost,10.0.0.1\r\nPingInterval,5\r\nPingSound,#TRUE#\r\n");
    fakes.files.Put(Folder + "\\Ping.wav", "RIFF");
    FrmMain& w = Start();
    w.ping.txtPingHost.UserText("192.168.9.9");  // typed but not saved
    fakes.icmp.status = 11010;
    fakes.host.events.clear();
    w.tray.mnuPingNow.UserClick();
    ASSERT_EQ(1u, fakes.icmp.echoes.size());
    EXPECT_EQ(0x0100000Au, fakes.icmp.echoes[0].address);
    EXPECT_EQ(1000u, fakes.icmp.echoes[0].timeout);
    EXPECT_EQ(1u, fakes.sound.played.size());
    EXPECT_EQ(3, fakes.host.Count("doevents"));
}

// --- The companion's schedule ------------------------------------------

class Schedule : public ::testing::Test {
protected:
    PingSettings settings{false, "127.0.0.1", "2", false};
    std::vector<std::uint64_t> pings;
    std::uint64_t now = 0;
    KeepAlive keepAlive{[this] { return settings; }, [this](const PingSettings&) { pings.push_back(now); }};
    void RunUntil(std::uint64_t end) {
        for (; now <= end; now += 1000) keepAlive.Tick(now);
    }
};

TEST_F(Schedule, PingsEveryIntervalAfterTheStart) {
    RunUntil(5 * 60000);
    EXPECT_EQ((std::vector<std::uint64_t>{120000, 240000}), pings);
}

TEST_F(Schedule, AChangedIntervalCountsBeforeTheNextPing) {
    RunUntil(60000);
    settings.PingInterval = "1";
    RunUntil(62000);
    EXPECT_EQ((std::vector<std::uint64_t>{61000}), pings) << "the first tick after the change";
}

TEST_F(Schedule, PausedSendsNothingAndResumingStartsAFreshInterval) {
    keepAlive.Tick(0);
    keepAlive.Pause();
    now = 1000;
    RunUntil(10 * 60000);
    EXPECT_TRUE(pings.empty());
    keepAlive.Resume(now);
    const std::uint64_t resumed = now;
    RunUntil(resumed + 2 * 60000);
    EXPECT_EQ((std::vector<std::uint64_t>{resumed + 120000}), pings);
}

TEST_F(Schedule, AnIntervalThatIsNoMinuteCountUsesFive) {
    EXPECT_EQ(5, KeepAlive::IntervalMinutes(PingSettings{false, "", "abc", false}));
    EXPECT_EQ(5, KeepAlive::IntervalMinutes(PingSettings{false, "", "0", false}));
    EXPECT_EQ(5, KeepAlive::IntervalMinutes(PingSettings{false, "", "61", false}));
    EXPECT_EQ(60, KeepAlive::IntervalMinutes(PingSettings{false, "", "60", false}));
}

}  // namespace
}  // namespace quintel
