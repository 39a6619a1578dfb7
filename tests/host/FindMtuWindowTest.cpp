// The "Find..." button of the MTU frame and the finder's window: the
// host it offers, the search seen from the window while the echoes are
// away, "Use", "Cancel" and closing midway.
#include <gtest/gtest.h>

#include "fakes/AppFixture.h"
#include "ui/dialogs/FrmFindMTU.h"
#include "ui/mainwindow/FrmMain.h"

namespace quintel {
namespace {

class FindMtuWindow : public ::testing::Test {
protected:
    FindMtuWindow() {
        // The ping tab's host, as Ping.cfg holds it.
        fakes.files.Put(std::string(test::FakeServices::Folder) + "\\Ping.cfg",
                        "PingAutomatic,#FALSE#\r\nPingHost,10.0.0.1\r\nPingInterval,5\r\nPingSound,#FALSE#\r\n");
        window = std::make_unique<FrmMain>(app);
        window->Show();
        fakes.icmp.path.mtu = 1492;
    }

    // Clicks "Find..." and hands the open finder to `user`, who then
    // leaves it as it is or closes it.
    void OpenFinder(const std::function<void(FrmFindMTU&)>& user) {
        opened = 0;
        fakes.host.onModal = [this, user](forms::Form& form) {
            if (form.Name() != "frmFindMTU") {
                form.Close();  // the mode's explanation
                return;
            }
            ++opened;
            user(static_cast<FrmFindMTU&>(form));
        };
        window->tuning.cmdFindMTU.UserClick();
    }

    TuningPanel& Tuning() { return window->tuning; }

    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
    int opened = 0;
};

TEST_F(FindMtuWindow, TheButtonSitsInTheMtuFrameAndWorksInTheManualModeOnly) {
    EXPECT_EQ(&Tuning().fraMTU, Tuning().cmdFindMTU.Container());
    EXPECT_EQ("Find...", Tuning().cmdFindMTU.Caption());
    EXPECT_EQ("Manual", window->modes.cmbOptimize.Text());
    EXPECT_TRUE(Tuning().cmdFindMTU.Enabled());
    window->modes.cmbOptimize.UserSelect(0);
    EXPECT_FALSE(Tuning().cmdFindMTU.Enabled());
    OpenFinder([](FrmFindMTU&) {});
    EXPECT_EQ(0, opened) << "a disabled button opens nothing";
    window->modes.cmbOptimize.UserSelect(3);
    EXPECT_TRUE(Tuning().cmdFindMTU.Enabled());
}

TEST_F(FindMtuWindow, TheFinderOffersThePingHostAndSendsNothingBeforeStart) {
    OpenFinder([this](FrmFindMTU& f) {
        EXPECT_EQ("10.0.0.1", f.txtHost.Text());
        EXPECT_TRUE(f.cmdStart.Enabled());
        EXPECT_FALSE(f.cmdUse.Enabled());
        EXPECT_EQ(0, f.prgSearch.Value());
        EXPECT_EQ(12, f.prgSearch.Max());
        EXPECT_EQ(0, fakes.background.started);
        f.cmdCancel.UserClick();
        EXPECT_FALSE(f.Loaded());
    });
    EXPECT_EQ(1, opened);
    EXPECT_TRUE(fakes.icmp.echoes.empty());
}

TEST_F(FindMtuWindow, WhileTheEchoesAreAwayStartIsDisabledAndTheBarMoves) {
    OpenFinder([this](FrmFindMTU& f) {
        f.cmdStart.UserClick();
        EXPECT_TRUE(f.Searching());
        EXPECT_FALSE(f.cmdStart.Enabled());
        EXPECT_FALSE(f.txtHost.Enabled());
        EXPECT_FALSE(f.cmdUse.Enabled());
        EXPECT_TRUE(f.cmdCancel.Enabled());
        // Nothing has been sent on the window's thread.
        EXPECT_TRUE(fakes.icmp.echoes.empty());
        EXPECT_EQ(1, fakes.background.Pending());

        fakes.background.Step();  // the name
        fakes.background.Step();  // the smallest echo
        EXPECT_EQ(1u, fakes.icmp.echoes.size());
        EXPECT_EQ(1, f.prgSearch.Value());
        f.cmdStart.UserClick();
        EXPECT_EQ(1, fakes.background.Pending()) << "a second Start starts no second search";

        fakes.background.RunAll();
        EXPECT_FALSE(f.Searching());
        EXPECT_TRUE(f.cmdStart.Enabled());
        EXPECT_TRUE(f.txtHost.Enabled());
        EXPECT_EQ(12, f.prgSearch.Value());
        EXPECT_EQ(1492, f.FoundMtu());
        EXPECT_TRUE(f.cmdUse.Enabled());
        EXPECT_NE(std::string::npos, f.lblResult.Caption().find("MTU 1492.")) << f.lblResult.Caption();
        f.cmdCancel.UserClick();
    });
    EXPECT_LE(fakes.icmp.echoes.size(), 12u);
}

TEST_F(FindMtuWindow, UseChoosesCustomAndTypesTheMtuSoItsHandlersRun) {
    OpenFinder([this](FrmFindMTU& f) {
        f.cmdStart.UserClick();
        fakes.background.RunAll();
        f.cmdUse.UserClick();
        EXPECT_FALSE(f.Loaded()) << "Use closes the window";
    });
    EXPECT_TRUE(Tuning().optMTU2.Value());
    EXPECT_TRUE(Tuning().txtMTU.Enabled());
    EXPECT_EQ("1492", Tuning().txtMTU.Text());
    EXPECT_EQ(1492, app.tuning.CurrentSettings.MTU);
    EXPECT_TRUE(app.tuning.CurrentSettings.MTUCustom);
    // As typed by hand: RWIN x4 now takes the MTU found.
    Tuning().optRWIN2.UserClick();
    Tuning().cmbRWIN.UserSelect(0);
    EXPECT_EQ(5968, app.tuning.CurrentSettings.RWIN);
}

TEST_F(FindMtuWindow, CancelMidwayStopsAtOnceAndChangesNothing) {
    OpenFinder([this](FrmFindMTU& f) {
        f.cmdStart.UserClick();
        fakes.background.Step();
        fakes.background.Step();
        fakes.background.Step();
        ASSERT_EQ(1, fakes.background.Pending());  // the third echo is away
        f.cmdCancel.UserClick();
        EXPECT_FALSE(f.Loaded());
    });
    const int started = fakes.background.started;
    // The echo in flight comes back to nobody and sends no other.
    fakes.background.RunAll();
    EXPECT_EQ(started, fakes.background.started);
    EXPECT_EQ(3u, fakes.icmp.echoes.size());
    EXPECT_TRUE(Tuning().optMTU1.Value());
    EXPECT_EQ("", Tuning().txtMTU.Text());
    EXPECT_EQ(1500, app.tuning.CurrentSettings.MTU);
}

TEST_F(FindMtuWindow, ClosingTheWindowMidwayStopsTheSearchToo) {
    OpenFinder([this](FrmFindMTU& f) {
        f.cmdStart.UserClick();
        fakes.background.Step();
        EXPECT_TRUE(f.Close());
    });
    fakes.background.RunAll();
    EXPECT_EQ(1u, fakes.icmp.echoes.size());
    EXPECT_FALSE(app.tuning.CurrentSettings.MTUCustom);
}

TEST_F(FindMtuWindow, AHostThatDoesNotAnswerIsToldAndNothingCanBeUsed) {
    fakes.icmp.path.answers = false;
    OpenFinder([this](FrmFindMTU& f) {
        f.cmdStart.UserClick();
        fakes.background.RunAll();
        EXPECT_EQ(1u, fakes.icmp.echoes.size());
        EXPECT_NE(std::string::npos, f.lblResult.Caption().find("10.0.0.1 does not answer"))
            << f.lblResult.Caption();
        EXPECT_FALSE(f.cmdUse.Enabled());
        EXPECT_EQ(0, f.FoundMtu());
        EXPECT_TRUE(f.cmdStart.Enabled());
        f.cmdUse.UserClick();
        EXPECT_TRUE(f.Loaded());

        // Another host, and the search runs again; the blanks around a
        // host are no part of it.
        fakes.icmp.path.answers = true;
        f.txtHost.UserText("  10.0.0.2 ");
        f.cmdStart.UserClick();
        fakes.background.RunAll();
        EXPECT_EQ(1492, f.FoundMtu());
        EXPECT_EQ(0u, f.lblResult.Caption().find("The largest packet that reaches 10.0.0.2 whole"))
            << f.lblResult.Caption();
        f.cmdCancel.UserClick();
    });
    EXPECT_TRUE(fakes.boxes.shown.empty()) << "the window says it, no message box";
}

TEST_F(FindMtuWindow, AnEmptyHostOrNoThreadGivesAClearMessageAndNoEcho) {
    OpenFinder([this](FrmFindMTU& f) {
        f.txtHost.UserText("");
        f.cmdStart.UserClick();
        fakes.background.RunAll();
        EXPECT_EQ("Enter the host to send the echoes to.", f.lblResult.Caption());
        EXPECT_TRUE(f.cmdStart.Enabled());

        fakes.background.fails = true;
        f.txtHost.UserText("10.0.0.1");
        f.cmdStart.UserClick();
        EXPECT_FALSE(f.Searching());
        EXPECT_EQ("The search could not start: Not enough memory resources are available to process "
                  "this command.",
                  f.lblResult.Caption());
        EXPECT_TRUE(f.cmdStart.Enabled());
        f.cmdCancel.UserClick();
    });
    EXPECT_TRUE(fakes.icmp.echoes.empty());
}

TEST_F(FindMtuWindow, AnotherHostTypedAfterAnAnswerLeavesNothingToUse) {
    OpenFinder([this](FrmFindMTU& f) {
        f.cmdStart.UserClick();
        fakes.background.RunAll();
        ASSERT_TRUE(f.cmdUse.Enabled());
        f.txtHost.UserText("10.0.0.9");
        EXPECT_FALSE(f.cmdUse.Enabled());
        EXPECT_EQ(0, f.FoundMtu());
        f.cmdUse.UserClick();
        EXPECT_TRUE(f.Loaded());
        f.cmdCancel.UserClick();
    });
    EXPECT_FALSE(app.tuning.CurrentSettings.MTUCustom);
}

TEST_F(FindMtuWindow, EachOpeningStartsAfresh) {
    OpenFinder([this](FrmFindMTU& f) {
        f.cmdStart.UserClick();
        fakes.background.RunAll();
        f.cmdCancel.UserClick();
    });
    OpenFinder([](FrmFindMTU& f) {
        EXPECT_EQ(0, f.FoundMtu());
        EXPECT_FALSE(f.cmdUse.Enabled());
        EXPECT_EQ(0, f.prgSearch.Value());
        f.cmdCancel.UserClick();
    });
    EXPECT_EQ(1, opened);
}

}  // namespace
}  // namespace quintel
