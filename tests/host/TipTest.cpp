#include <gtest/gtest.h>

#include <deque>

#include "fakes/AppFixture.h"
#include "ui/mainwindow/FrmMain.h"
#include "ui/dialogs/FrmTip.h"

namespace quintel {
namespace {

using Lines = std::vector<std::string>;

TEST(TipLines, ReadLinesAsSequentialInputDoes) {
    EXPECT_EQ(Lines{}, TipLines(""));
    EXPECT_EQ((Lines{"a", "b"}), TipLines("a\r\nb\r\n"));
    EXPECT_EQ((Lines{"a", "b"}), TipLines("a\r\nb"));
    EXPECT_EQ((Lines{"a", "b"}), TipLines("a\nb\n"));
    EXPECT_EQ((Lines{"a", "b"}), TipLines("a\rb"));
    EXPECT_EQ((Lines{"a", "", "b"}), TipLines("a\r\n\r\nb\r\n"));
    EXPECT_EQ((Lines{""}), TipLines("\r\n"));
    EXPECT_EQ((Lines{"", ""}), TipLines("\n\n"));
    EXPECT_EQ((Lines{"tab\there", "  spaced  "}), TipLines("tab\there\r\n  spaced  \r\n"));
}

class Tip : public ::testing::Test {
protected:
    const std::string Folder = test::FakeServices::Folder;
    const std::string TipsFile = Folder + "\\TIPs.TXT";

    // Draws come from `draws` in order; 0 once they run out.
    FrmTip& Open(bool modal = false) {
        tip = std::make_unique<FrmTip>(
            fakes.host, TipServices{fakes.files, fakes.userSettings, fakes.boxes, "Quintel", "Quintel", Folder},
            [this] {
                if (draws.empty()) return 0.0;
                const double r = draws.front();
                draws.pop_front();
                return r;
            });
        fakes.host.onModal = [](forms::Form&) {};
        tip->Show(modal);
        return *tip;
    }
    std::string Stored() const {
        const auto it = fakes.userSettings.values.find(test::FakeServices::TipSettingKey);
        return it == fakes.userSettings.values.end() ? "(none)" : it->second;
    }

    test::FakeServices fakes;
    std::deque<double> draws;
    std::unique_ptr<FrmTip> tip;
};

TEST_F(Tip, TheDrawPicksEachLineWithItsShareAndNeverLeavesTheList) {
    fakes.files.Put(TipsFile, "one\r\ntwo\r\nthree\r\n");
    draws = {0.0, 0.3333, 0.34, 0.6667, 0.9999, 1.0};
    FrmTip& t = Open();
    EXPECT_EQ(1, t.CurrentTip);
    EXPECT_EQ("one", t.lblTipText.Caption());
    const std::pair<int, const char*> expected[] = {{1, "one"}, {2, "two"}, {3, "three"}, {3, "three"}, {3, "three"}};
    for (const auto& [index, text] : expected) {
        t.cmdNextTip.UserClick();
        EXPECT_EQ(index, t.CurrentTip);
        EXPECT_EQ(text, t.lblTipText.Caption());
    }
}

TEST_F(Tip, AOneLineFileAlwaysShowsThatLine) {
    fakes.files.Put(TipsFile, "The only tip\r\n");
    tip = std::make_unique<FrmTip>(
        fakes.host, TipServices{fakes.files, fakes.userSettings, fakes.boxes, "Quintel", "Quintel", Folder});
    tip->Show();  // the clock-seeded generator
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ("The only tip", tip->lblTipText.Caption());
        tip->cmdNextTip.UserClick();
    }
}

TEST_F(Tip, ABlankLineIsATipOfItsOwn) {
    fakes.files.Put(TipsFile, "first\r\n\r\nthird\r\n");
    draws = {0.0, 0.5};
    FrmTip& t = Open();
    EXPECT_EQ(3u, t.TipList.size());
    EXPECT_EQ("first", t.lblTipText.Caption());
    t.cmdNextTip.UserClick();
    EXPECT_EQ(2, t.CurrentTip);
    EXPECT_EQ("", t.lblTipText.Caption());
}

TEST_F(Tip, AnEmptyFileShowsNothingAndNextTipChangesNothing) {
    fakes.files.Put(TipsFile, "");
    FrmTip& t = Open();
    EXPECT_TRUE(t.TipList.empty());
    EXPECT_EQ("", t.lblTipText.Caption());
    t.cmdNextTip.UserClick();
    EXPECT_EQ("", t.lblTipText.Caption());
}

TEST_F(Tip, AMissingFileIsExplained) {
    FrmTip& t = Open();
    const std::string explanation =
        "That the TIPs.TXT file was not found? \r\n\r\nCreate a text file named TIPs.TXT using "
        "NotePad with 1 tip per line. Then place it in the same directory as the application. ";
    EXPECT_EQ(explanation, t.lblTipText.Caption());
    t.cmdNextTip.UserClick();
    EXPECT_EQ(explanation, t.lblTipText.Caption());
    EXPECT_FALSE(t.LoadTips(""));
}

TEST_F(Tip, AFileThatCannotBeReadSaysSoAndWhy) {
    fakes.files.Put(TipsFile, "a tip\r\n");
    fakes.files.MakeUnreadable(TipsFile);
    FrmTip& t = Open();
    EXPECT_NE(std::string::npos, t.lblTipText.Caption().find("could not be read"));
    EXPECT_NE(std::string::npos, t.lblTipText.Caption().find(TipsFile));
    EXPECT_TRUE(t.TipList.empty());
}

TEST_F(Tip, EveryOpeningStoresOneUncheckingStoresZero) {
    fakes.userSettings.values.clear();
    fakes.files.Put(TipsFile, "a\r\n");
    FrmTip& t = Open();
    EXPECT_EQ(forms::CheckBox::Checked, t.chkLoadTipsAtStartup.Value());
    EXPECT_EQ("1", Stored());
    t.chkLoadTipsAtStartup.UserClick();
    EXPECT_EQ("0", Stored());
    t.cmdOK.UserClick();
    EXPECT_FALSE(t.Loaded());
    EXPECT_EQ("0", Stored());

    t.Show();  // the same window loaded again
    EXPECT_EQ("1", Stored());
    fakes.userSettings.values.clear();
    t.Close();
    t.Show();  // loaded again with the box still checked
    EXPECT_EQ("1", Stored());
}

class RefusingSettings : public test::FakeUserSettings {
public:
    Result<> SaveSetting(const std::string&, const std::string&, const std::string&,
                         const std::string&) override {
        return SystemError{5, "Access is denied."};
    }
};

TEST_F(Tip, AChoiceThatCannotBeStoredIsReported) {
    RefusingSettings refusing;
    FrmTip t(fakes.host, TipServices{fakes.files, refusing, fakes.boxes, "Quintel", "Quintel", Folder});
    t.Show();
    ASSERT_EQ(1u, fakes.boxes.shown.size());
    EXPECT_NE(std::string::npos, fakes.boxes.shown[0].text.find("Show Tips at Startup"));
    EXPECT_EQ("Quintel", fakes.boxes.shown[0].caption);
}

// --- With the main window ---------------------------------------------------

class StartupTip : public ::testing::Test {
protected:
    FrmMain& Start() {
        window = std::make_unique<FrmMain>(app);
        window->Show();
        return *window;
    }
    test::FakeServices fakes;
    AppContext app = fakes.MakeContext();
    std::unique_ptr<FrmMain> window;
};

TEST_F(StartupTip, WithNoStoredChoiceTheTipOpensModallyBeforeTheWindowIsShown) {
    fakes.userSettings.values.clear();
    bool mainVisible = true;
    std::string shown;
    std::size_t trayCallsAtTip = 0;
    fakes.host.onModal = [&](forms::Form& form) {
        shown = form.Name();
        mainVisible = window->Visible();
        trayCallsAtTip = fakes.tray.calls.size();
        form.Close();
    };
    FrmMain& w = Start();
    EXPECT_EQ("frmTip", shown);
    EXPECT_FALSE(mainVisible);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(1, fakes.host.Count("modal frmTip"));
    EXPECT_EQ(0u, trayCallsAtTip) << "a new user's tip does not wait for the shell";
    EXPECT_EQ(2u, fakes.tray.calls.size()) << "the icon comes with the main window";
}

TEST_F(StartupTip, UncheckingTheBoxKeepsTheTipAwayNextTime) {
    fakes.userSettings.values.clear();
    fakes.host.onModal = [](forms::Form& form) {
        auto& tip = dynamic_cast<FrmTip&>(form);
        tip.chkLoadTipsAtStartup.UserClick();
        tip.cmdOK.UserClick();
    };
    Start();
    window->Close();
    fakes.host.events.clear();
    Start();
    EXPECT_EQ(0, fakes.host.Count("modal frmTip"));
    EXPECT_EQ(0, fakes.host.Count("create frmTip"));
}

TEST_F(StartupTip, TheHelpMenuShowsTheTipModelessAndTurnsTheStartupTipOnAgain) {
    FrmMain& w = Start();
    w.menus.mnutip.UserClick();
    ASSERT_NE(nullptr, w.Tip());
    FrmTip* first = w.Tip();
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(first->ShownModal());
    EXPECT_EQ(0, fakes.host.Count("modal frmTip"));
    EXPECT_EQ("1", fakes.userSettings.values[test::FakeServices::TipSettingKey]);

    fakes.host.events.clear();
    w.menus.mnutip.UserClick();  // already open: brought forward, not made again
    EXPECT_EQ(first, w.Tip());
    EXPECT_EQ(std::vector<std::string>{"foreground frmTip"}, fakes.host.events);

    first->cmdOK.UserClick();
    w.menus.mnutip.UserClick();
    EXPECT_TRUE(w.Tip()->Visible());
}

TEST_F(StartupTip, ClosingTheMainWindowClosesAnOpenTip) {
    FrmMain& w = Start();
    w.menus.mnutip.UserClick();
    ASSERT_TRUE(w.Tip()->Loaded());
    w.menus.mnuExit.UserClick();
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(w.Tip()->Loaded());
}

}  // namespace
}  // namespace quintel
