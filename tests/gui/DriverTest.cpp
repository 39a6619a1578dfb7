// The GUI driver against QuintelGuiFixture.exe under Wine: each action
// must arrive at the fixture as a user's would (it logs what it receives),
// and each reading must match what the fixture shows.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gui/FixtureWindow.h"
#include "gui/fixture/FixtureIds.h"

namespace quintel::gui {
namespace {

class DriverControls : public FixtureWindow {};
class DriverCommonControls : public FixtureWindow {};
class DriverMenus : public FixtureWindow {};
class DriverReports : public FixtureWindow {};

// --- Buttons, edits, combo boxes -----------------------------------------

TEST_F(DriverControls, TypedKeysPassTheEditsKeyFilter) {
    HWND edit = Control(IdEdit);
    ASSERT_TRUE(edit);
    ASSERT_TRUE(TypeText(edit, L"12a3"));

    // What the edit shows now, not the caption it was created with.
    EXPECT_EQ(L"123", ReadText(edit));
    EXPECT_TRUE(Logged("edit refused: a"));
    const int one = LogIndex("WM_COMMAND edit EN_CHANGE from edit: 1");
    const int two = LogIndex("WM_COMMAND edit EN_CHANGE from edit: 12");
    const int three = LogIndex("WM_COMMAND edit EN_CHANGE from edit: 123");
    EXPECT_TRUE(one >= 0 && one < two && two < three) << one << " " << two << " " << three;
    EXPECT_EQ(3u, CountLogged("WM_COMMAND edit EN_CHANGE"));
}

TEST_F(DriverControls, TextTypedOverTheSelectionReplacesIt) {
    HWND edit = Control(IdEdit);
    ASSERT_TRUE(edit);
    ASSERT_TRUE(TypeText(edit, L"450"));
    ASSERT_TRUE(SelectAllText(edit));
    ASSERT_TRUE(TypeText(edit, L"7"));
    EXPECT_EQ(L"7", ReadText(edit));
}

TEST_F(DriverControls, ClickingACheckBoxChecksItAndTellsItsWindow) {
    HWND check = FindControl(main, L"Button", L"Enable Defaults");
    HWND defaults = FindControl(main, L"button", L"&Defaults");
    ASSERT_TRUE(check && defaults);
    EXPECT_FALSE(IsChecked(check));
    EXPECT_FALSE(IsEnabled(defaults));

    ASSERT_TRUE(Click(check));
    // Click returns once the click is handled: no waiting needed.
    EXPECT_TRUE(IsChecked(check));
    EXPECT_TRUE(Logged("WM_COMMAND check BN_CLICKED from check: checked"));
    EXPECT_TRUE(IsEnabled(defaults));

    ASSERT_TRUE(Click(check));
    EXPECT_FALSE(IsChecked(check));
    EXPECT_TRUE(Logged("WM_COMMAND check BN_CLICKED from check: unchecked"));
    EXPECT_FALSE(IsEnabled(defaults));
}

TEST_F(DriverControls, ClickingAnOptionButtonClearsTheOther) {
    HWND fast = FindControl(main, L"Button", L"&Fast");
    HWND careful = FindControl(main, L"Button", L"&Careful");
    ASSERT_TRUE(fast && careful);
    EXPECT_TRUE(IsChecked(fast));

    ASSERT_TRUE(Click(careful));
    EXPECT_TRUE(IsChecked(careful));
    EXPECT_FALSE(IsChecked(fast));
    EXPECT_TRUE(Logged("WM_COMMAND careful BN_CLICKED from careful: checked"));
}

TEST_F(DriverControls, AnOptionIsFoundInItsFrameAmongOthersOfTheSameCaption) {
    HWND speed = FindControl(main, L"Button", L"Speed");
    HWND size = FindControl(main, L"Button", L"Size");
    ASSERT_TRUE(speed && size);
    EXPECT_NONFATAL_FAILURE(FindControl(main, L"Button", L"Custom"), "more than one Button \"Custom\"");

    EXPECT_EQ(Control(IdSpeedCustom), FindControlInFrame(speed, L"Button", L"Custom"));
    HWND custom = FindControlInFrame(size, L"button", L"&Custom");
    ASSERT_EQ(Control(IdSizeCustom), custom);
    ASSERT_TRUE(Click(custom));
    EXPECT_TRUE(Logged("WM_COMMAND size-custom BN_CLICKED from size-custom: checked"));
    // The hidden option lying in the Speed frame belongs to no page shown.
    EXPECT_EQ(std::vector<HWND>{Control(IdSpeedCustom)}, FindControlsInFrame(speed, L"Button"));
}

TEST_F(DriverControls, AControlNotInTheFrameIsReportedWithTheControlsThereAre) {
    HWND size = FindControl(main, L"Button", L"Size");
    ASSERT_TRUE(size);
    EXPECT_NONFATAL_FAILURE(FindControlInFrame(size, L"Button", L"&Fast"),
                            "no Button \"&Fast\" in the frame Button \"Size\" (id " +
                                std::to_string(IdSizeFrame) +
                                "); the Button controls in it read \"&Custom\"");
}

TEST_F(DriverControls, ADisabledButtonIsNotClicked) {
    HWND defaults = FindControl(main, L"Button", L"&Defaults");
    ASSERT_TRUE(defaults);
    EXPECT_NONFATAL_FAILURE(Click(defaults), "Button \"&Defaults\" (id 106) is disabled");
    EXPECT_EQ(0u, CountLogged("WM_COMMAND defaults"));

    ASSERT_TRUE(Click(FindControl(main, L"Button", L"&Enable Defaults")));
    ASSERT_TRUE(Click(defaults));
    EXPECT_TRUE(Logged("WM_COMMAND defaults BN_CLICKED from defaults"));
    EXPECT_EQ(L"Defaults restored", StatusTexts(Control(IdStatus)).at(0));
}

TEST_F(DriverControls, ChoosingAListEntryIsASelectionChange) {
    HWND list = Control(IdList);
    ASSERT_TRUE(list);
    EXPECT_EQ((std::vector<std::wstring>{L"Low", L"Medium", L"High"}), ComboItems(list));
    EXPECT_EQ(L"Low", SelectedComboItem(list));

    ASSERT_TRUE(ChooseComboItem(list, L"High"));
    EXPECT_EQ(L"High", SelectedComboItem(list));
    EXPECT_TRUE(Logged("WM_COMMAND list CBN_SELCHANGE from list: High"));
    EXPECT_EQ(L"Level: High", StatusTexts(Control(IdStatus)).at(0));
}

TEST_F(DriverControls, AListEntryIsChosenByItsExactText) {
    HWND list = Control(IdList);
    ASSERT_TRUE(list);
    // Windows' own search ignores case; a user does not.
    EXPECT_NONFATAL_FAILURE(ChooseComboItem(list, L"high"),
                            "no entry \"high\" in ComboBox \"\" (id 102); its entries are \"Low\", "
                            "\"Medium\", \"High\"");
    EXPECT_EQ(L"Low", SelectedComboItem(list));
    EXPECT_EQ(0u, CountLogged("WM_COMMAND list CBN_SELCHANGE"));
}

TEST_F(DriverControls, AClickThatOpensAMessageBoxReturnsWhileTheBoxWaits) {
    HWND ask = FindControl(main, L"Button", L"Ask");
    ASSERT_TRUE(ask);
    ASSERT_TRUE(Click(ask));

    HWND box = WaitForMessageBox(L"Driver Fixture");
    ASSERT_TRUE(box);
    EXPECT_EQ(L"Ask the question?", MessageBoxText(box));
    // While the box is open its window takes no clicks, for a user neither.
    EXPECT_NONFATAL_FAILURE(Click(FindControl(main, L"Button", L"&Fast")),
                            "is disabled (a modal window is open)");
    ASSERT_TRUE(AnswerMessageBox(box, L"Cancel"));
    EXPECT_TRUE(WaitForLog("ask answer: Cancel"));
}

// --- Tabs, toolbar, status bar ------------------------------------------

TEST_F(DriverCommonControls, ATabIsSelectedByCaptionWithTheTabsNotifications) {
    HWND tab = Control(IdTab);
    ASSERT_TRUE(tab);
    EXPECT_EQ((std::vector<std::wstring>{L"General", L"Advanced"}), TabCaptions(tab));
    EXPECT_EQ(0, SelectedTab(tab));

    ASSERT_TRUE(SelectTab(tab, L"Advanced"));
    EXPECT_EQ(1, SelectedTab(tab));
    const int changing = LogIndex("WM_NOTIFY tab TCN_SELCHANGING from tab: General");
    const int changed = LogIndex("WM_NOTIFY tab TCN_SELCHANGE from tab: Advanced");
    EXPECT_TRUE(changing >= 0 && changing < changed) << changing << " " << changed;
    EXPECT_TRUE(IsWindowVisible(FindControl(main, L"Static", L"Advanced settings")));
    EXPECT_FALSE(IsWindowVisible(FindControl(main, L"Static", L"General settings")));
    EXPECT_EQ(L"Tab: Advanced", StatusTexts(Control(IdStatus)).at(1));

    // Clicking the tab that is selected changes nothing.
    ASSERT_TRUE(SelectTab(tab, L"Advanced"));
    EXPECT_EQ(1u, CountLogged("WM_NOTIFY tab TCN_SELCHANGE "));
}

TEST_F(DriverCommonControls, AMissingTabIsReportedWithTheTabsThereAre) {
    EXPECT_NONFATAL_FAILURE(SelectTab(Control(IdTab), L"Expert"),
                            "no tab \"Expert\" in SysTabControl32 \"\" (id 108); its tabs are \"General\", "
                            "\"Advanced\"");
}

TEST_F(DriverCommonControls, AToolbarButtonIsClickedByItsLabel) {
    HWND toolbar = Control(IdToolbar);
    ASSERT_TRUE(toolbar);
    const std::vector<ToolbarButton> buttons = ToolbarButtons(toolbar);
    ASSERT_EQ(2u, buttons.size());
    EXPECT_EQ(L"Apply", buttons[0].text);
    EXPECT_EQ(IdToolbarApply, buttons[0].command);
    EXPECT_TRUE(buttons[0].enabled);
    EXPECT_EQ(L"Defaults", buttons[1].text);
    EXPECT_FALSE(buttons[1].enabled);

    ASSERT_TRUE(ClickToolbarButton(toolbar, L"Apply"));
    EXPECT_TRUE(Logged("WM_COMMAND toolbar-apply BN_CLICKED from toolbar"));
    EXPECT_EQ(L"Applied", StatusTexts(Control(IdStatus)).at(0));
}

TEST_F(DriverCommonControls, ADisabledToolbarButtonIsNotClicked) {
    HWND toolbar = Control(IdToolbar);
    ASSERT_TRUE(toolbar);
    EXPECT_NONFATAL_FAILURE(ClickToolbarButton(toolbar, L"Defaults"),
                            "cannot click toolbar button \"Defaults\": it is disabled");
    EXPECT_EQ(0u, CountLogged("WM_COMMAND toolbar-defaults"));

    ASSERT_TRUE(Click(FindControl(main, L"Button", L"Enable Defaults")));
    EXPECT_TRUE(ToolbarButtons(toolbar).at(1).enabled);
    ASSERT_TRUE(ClickToolbarButton(toolbar, L"Defaults"));
    EXPECT_TRUE(Logged("WM_COMMAND toolbar-defaults BN_CLICKED from toolbar"));
}

TEST_F(DriverCommonControls, StatusPanelsReadBackAsShown) {
    HWND status = Control(IdStatus);
    ASSERT_TRUE(status);
    EXPECT_EQ((std::vector<std::wstring>{L"Ready", L"Tab: General", L"Value: "}), StatusTexts(status));
    ASSERT_TRUE(TypeText(Control(IdEdit), L"1500"));
    EXPECT_EQ(L"Value: 1500", StatusTexts(status).at(2));
}

// --- Menus and message boxes ----------------------------------------------

TEST_F(DriverMenus, MnemonicsChooseTheCommandAndTheBoxIsAnswered) {
    ASSERT_TRUE(ChooseMenu(main, {'F', 'S'}));
    HWND box = WaitForMessageBox(L"Driver Fixture");
    ASSERT_TRUE(box);
    EXPECT_TRUE(Logged("WM_COMMAND hello menu"));
    EXPECT_EQ(L"Hello from the menu.", MessageBoxText(box));

    ASSERT_TRUE(AnswerMessageBox(box, L"&No"));
    EXPECT_TRUE(WaitForLog("message box answer: No"));
    EXPECT_EQ(0u, CountLogged("message box answer: Yes"));
}

TEST_F(DriverMenus, ArrowKeysWalkIntoASubmenu) {
    // View's first entry is the Tab submenu; Right opens it on General.
    ASSERT_TRUE(ChooseMenu(main, {'V', Right, Down, Enter}));
    EXPECT_TRUE(WaitForLog("WM_COMMAND advanced-tab menu"));
    EXPECT_EQ(0u, CountLogged("WM_COMMAND general-tab"));
}

TEST_F(DriverMenus, MnemonicsWalkIntoASubmenu) {
    ASSERT_TRUE(ChooseMenu(main, {'v', 't', 'a'}));
    EXPECT_TRUE(WaitForLog("WM_COMMAND advanced-tab menu"));
    EXPECT_TRUE(WaitUntil([&] { return SelectedTab(Control(IdTab)) == 1; }, "the Advanced tab"));
}

TEST_F(DriverMenus, ExitEndsTheProgramWithExitCodeZero) {
    ASSERT_TRUE(ChooseMenu(main, {'F', 'X'}));
    EXPECT_EQ(0u, fixture.WaitForExit());
    EXPECT_TRUE(Logged("WM_COMMAND exit menu"));
    EXPECT_TRUE(Logged("destroyed"));
}

TEST_F(DriverMenus, AMnemonicNoCommandHasFailsAndLeavesNoMenuOpen) {
    EXPECT_NONFATAL_FAILURE(ChooseMenu(main, {'F', 'Q'}), "stayed open after 'Q': it chose no command");
    EXPECT_NONFATAL_FAILURE(ChooseMenu(main, {'F'}), "stayed open after 'F': it chose no command");
    EXPECT_EQ(0u, CountLogged("WM_COMMAND"));
    // No menu was left open: the window still works.
    ASSERT_TRUE(ChooseMenu(main, {'F', 'S'}));
    HWND box = WaitForMessageBox(L"Driver Fixture");
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, L"Yes"));
    EXPECT_TRUE(WaitForLog("message box answer: Yes"));
}

TEST_F(DriverMenus, APathGoingOnPastACommandFails) {
    EXPECT_NONFATAL_FAILURE(ChooseMenu(main, {'F', 'S', 'X'}), "'S' chose a command before the last key");
    // Say Hello ran, and Exit did not.
    HWND box = WaitForMessageBox(L"Driver Fixture");
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, L"No"));
    EXPECT_TRUE(fixture.running());
}

TEST_F(DriverMenus, AMenuBarLetterNoMenuHasFails) {
    EXPECT_NONFATAL_FAILURE(ChooseMenu(main, {'Q', 'S'}), "no menu opened for 'Q'");
    EXPECT_EQ(0u, CountLogged("WM_COMMAND"));
}

// --- Failure reports, programs, screenshots -------------------------------

TEST_F(DriverReports, AFailureIsReportedAtTheCallersLine) {
    ::testing::TestPartResultArray failures;
    int line = 0;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        line = __LINE__ + 1;
        EXPECT_FALSE(WaitForWindow(L"No Such Window", 200));
    }
    ASSERT_EQ(1, failures.size());
    const ::testing::TestPartResult& failure = failures.GetTestPartResult(0);
    EXPECT_TRUE(failure.nonfatally_failed());
    EXPECT_STREQ(__FILE__, failure.file_name());
    EXPECT_EQ(line, failure.line_number());
    EXPECT_NE(nullptr, std::strstr(failure.message(), "200 ms waiting for a window \"No Such Window\""))
        << failure.message();
    // It says what is there instead.
    EXPECT_NE(nullptr, std::strstr(failure.message(), "\"Driver Fixture\" (QuintelGuiFixture)"))
        << failure.message();
}

TEST_F(DriverReports, AMissingControlIsReportedWithTheControlsThereAre) {
    EXPECT_NONFATAL_FAILURE(FindControl(main, L"Button", L"Nope"),
                            "no Button \"Nope\" in QuintelGuiFixture \"Driver Fixture\"; the Button "
                            "controls there read \"&Enable Defaults\", \"&Fast\"");
}

TEST_F(DriverReports, AProgramLeftRunningEndsWithItsProgramObject) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, fixture.id());
    ASSERT_TRUE(process);
    fixture = Program();
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(process, 5000));
    CloseHandle(process);
}

struct Bmp {
    int width = 0, height = 0;
    std::set<DWORD> colours;
};

// Reads a 24-bit BMP as SaveScreenshot writes it.
std::optional<Bmp> ReadBmp(const std::string& path) {
    const std::string data = wine::ReadTextFile(path);
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    if (data.size() < sizeof file + sizeof info) return std::nullopt;
    std::memcpy(&file, data.data(), sizeof file);
    std::memcpy(&info, data.data() + sizeof file, sizeof info);
    const size_t stride = (static_cast<size_t>(info.biWidth) * 3 + 3) & ~size_t(3);
    if (file.bfType != 0x4D42 || info.biBitCount != 24 || info.biHeight <= 0 ||
        data.size() < file.bfOffBits + stride * info.biHeight)
        return std::nullopt;
    Bmp bmp{info.biWidth, info.biHeight, {}};
    const auto* pixels = reinterpret_cast<const unsigned char*>(data.data() + file.bfOffBits);
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x) {
            const unsigned char* p = pixels + y * stride + x * 3;
            bmp.colours.insert(p[0] | p[1] << 8 | p[2] << 16);
        }
    return bmp;
}

TEST_F(DriverReports, AScreenshotShowsTheWindow) {
    const std::string path = folder / "window.bmp";
    ASSERT_TRUE(SaveScreenshot(main, Wide(path)));
    const auto bmp = ReadBmp(path);
    ASSERT_TRUE(bmp);
    RECT bounds;
    GetWindowRect(main, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, bmp->width);
    EXPECT_EQ(bounds.bottom - bounds.top, bmp->height);
    // Drawn controls and text, not one flat colour: the screen was read.
    EXPECT_GT(bmp->colours.size(), 4u);
}

TEST_F(DriverReports, AScreenshotIsABmpFileAndAnyOtherNameIsRefused) {
    const std::string path = folder / "window.png";
    EXPECT_NONFATAL_FAILURE(SaveScreenshot(main, Wide(path)), "screenshots are BMP files");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(DriverReports, AScreenshotOfTheScreenCoversIt) {
    const std::string path = folder / "screen.bmp";
    ASSERT_TRUE(SaveScreenshot(nullptr, Wide(path)));
    const auto bmp = ReadBmp(path);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), bmp->width);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), bmp->height);
    EXPECT_GT(bmp->colours.size(), 4u);
}

}  // namespace
}  // namespace quintel::gui
