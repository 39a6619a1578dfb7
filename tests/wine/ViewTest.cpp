// The Win32 view under Wine: model forms made into real windows, checked
// through what Windows reports about those windows, and user input
// simulated with the messages Windows itself sends. Needs a display: CTest
// runs it through tools/gui-run.sh.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ui/forms/Form.h"
#include "ui/forms/ListView.h"
#include "ui/forms/ValueControls.h"
#include "win32/TrayRecord.h"
#include "win32/view/Layout.h"
#include "win32/view/Mnemonic.h"
#include "win32/view/Win32FormHost.h"
#include "win32/view/art/Catalog.h"
#include "wine/WineHelpers.h"

namespace quintel::win32 {
namespace {

using forms::Rect;

// --- A form with every kind of control ------------------------------------

std::vector<forms::ToolbarButton> SampleButtons() {
    forms::ToolbarButton gap{};
    gap.Separator = true;
    return {{"Apply", "Apply", "Apply New Settings", 10, false},
            gap,
            {"Help", "Help", "Help", 0, false},
            {"Exit", "Exit", "", 11, false}};
}

class Sample : public forms::Form {
public:
    explicit Sample(forms::FormHost& host, std::string caption = "Sample")
        : Form(host, "Sample", std::move(caption), 7620, 6210),
          toolbar("toolbar", Rect{0, 0, 7620, 570}, SampleButtons()),
          frame("frame", Rect{120, 720, 7380, 5100}, "Settings"),
          label("label", Rect{240, 480, 1335, 255}, "Connection"),
          combo("combo", Rect{1560, 450, 2655, 315}),
          dark("dark", Rect{0, 960, 7380, 15}, forms::Line::SystemColor::WindowFrame),
          light("light", Rect{0, 970, 7380, 15}, forms::Line::SystemColor::WindowBackground),
          tabs("tabs", Rect{120, 1080, 7125, 3855}, {"&General", "&Advanced", "&&Ping"}),
          note("note", Rect{240, 480, 6615, 495}, "Line one\r\nLine two"),
          box("box", Rect{240, 1320, 2895, 1455}, "MTU"),
          optA("optA", Rect{240, 360, 1935, 255}, "Windows Default", group),
          optB("optB", Rect{240, 840, 1000, 255}, "Custom", group),
          text("text", Rect{1320, 825, 735, 285}),
          check("check", Rect{3360, 1320, 2895, 255}, "MTU Auto Discover"),
          logo("logo", Rect{240, 480, 720, 720}, "logo"),
          advanced("advanced", Rect{1200, 480, 2895, 1455}, "Advanced"),
          check2("check2", Rect{240, 360, 2295, 255}, "Black Hole Detection"),
          ok("ok", Rect{5520, 1320, 1095, 375}, "OK"),
          status("status", Rect{0, 5895, 7620, 315}, 3),
          file("file", "&File"),
          apply("apply", "&Apply New Settings"),
          fileSep("fileSep", "-"),
          exit("exit", "E&xit"),
          view("view", "&View"),
          showBar("showBar", "&ToolBar"),
          tray("tray", "Tray"),
          open("open", "&Open"),
          quit("quit", "&Quit") {
        Icon = "app";
        Add(toolbar);
        Add(frame);
        for (forms::Control* c : std::initializer_list<forms::Control*>{&label, &combo, &dark, &light, &tabs}) {
            c->PlaceIn(frame);
            Add(*c);
        }
        OnPage(0, {&note, &box});
        InFrame(box, {&optA, &optB, &text});
        OnPage(0, {&check});
        OnPage(1, {&logo, &advanced});
        InFrame(advanced, {&check2});
        OnPage(1, {&ok});
        Add(status);
        note.ForeColor = forms::Color{0, 0, 128};

        file.Add(apply).Add(fileSep).Add(exit);
        view.Add(showBar);
        tray.Add(open).Add(quit);
        AddMenu(file);
        AddMenu(view);
        AddMenu(tray);
        showBar.SetChecked(true);
        tray.SetVisible(false);
    }

    forms::Toolbar toolbar;
    forms::Frame frame;
    forms::Label label;
    forms::ComboBox combo;
    forms::Line dark, light;
    forms::TabSet tabs;
    forms::Label note;
    forms::OptionGroup group;
    forms::Frame box;
    forms::OptionButton optA, optB;
    forms::TextBox text;
    forms::CheckBox check;
    forms::Picture logo;
    forms::Frame advanced;
    forms::CheckBox check2;
    forms::CommandButton ok;
    forms::StatusBar status;
    forms::MenuItem file, apply, fileSep, exit, view, showBar, tray, open, quit;

    std::function<void(bool&)> QueryUnload;
    int unloads = 0;

protected:
    void Form_QueryUnload(bool& cancel) override {
        if (QueryUnload) QueryUnload(cancel);
    }
    void Form_Unload() override { ++unloads; }

private:
    void OnPage(int page, std::initializer_list<forms::Control*> controls) {
        for (forms::Control* c : controls) {
            c->PlaceIn(tabs, page);
            Add(*c);
        }
    }
    void InFrame(forms::Frame& container, std::initializer_list<forms::Control*> controls) {
        for (forms::Control* c : controls) {
            c->PlaceIn(container);
            Add(*c);
        }
    }
};

// A dialog with one button.
class Dialog : public forms::Form {
public:
    explicit Dialog(forms::FormHost& host)
        : Form(host, "Dialog", "Dialog", 4000, 2000), button("button", Rect{2760, 1440, 1095, 375}, "OK") {
        MinButton = false;
        Add(button);
    }
    forms::CommandButton button;
};

// A dialog with a box to type in, a default button and another one.
class Question : public forms::Form {
public:
    explicit Question(forms::FormHost& host)
        : Form(host, "Question", "Question", 4000, 2000),
          text("text", Rect{240, 240, 1500, 285}),
          next("next", Rect{240, 1440, 1095, 375}, "&Next"),
          ok("ok", Rect{2760, 1440, 1095, 375}, "OK") {
        MinButton = false;
        ok.Default = true;
        Add(text);
        Add(next);
        Add(ok);
        next.Click = [this] { ++nexts; };
        ok.Click = [this] { ++oks; };
    }
    forms::TextBox text;
    forms::CommandButton next, ok;
    int nexts = 0, oks = 0, unloads = 0;

protected:
    void Form_Unload() override { ++unloads; }
};

// --- Helpers -----------------------------------------------------------------

// The control's rectangle in its form's client area.
RECT PlaceIn(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetAncestor(window, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The window's own visibility, whatever its parent's.
bool Shows(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

std::string TextOf(HWND window) {
    char buffer[512] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// What a control sends its parent when the user acts on it.
void Command(HWND control, UINT code) {
    SendMessageA(GetParent(control), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(code)),
                 reinterpret_cast<LPARAM>(control));
}

void Notify(HWND control, UINT code) {
    NMHDR header{control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
    SendMessageA(GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

int Pixels(int twips) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(twips, dpi, 1440);
}

// Ends a message loop that would otherwise hang the test: after `ms` it
// posts WM_QUIT with exit code 99, and closes any menu being tracked.
class Watchdog {
public:
    explicit Watchdog(UINT ms) {
        fired_ = false;
        timer_ = SetTimer(nullptr, 0, ms, &Watchdog::Fire);
    }
    ~Watchdog() {
        KillTimer(nullptr, timer_);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    static bool Fired() { return fired_; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
        fired_ = true;
        EndMenu();
        PostQuitMessage(99);
    }
    static inline bool fired_ = false;
    UINT_PTR timer_;
};

class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        // Wine makes no window without a display.
        HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr);
        ASSERT_TRUE(probe) << "no display: run through tools/gui-run.sh";
        DestroyWindow(probe);
    }

    HWND Of(const forms::Control& control) { return host.WindowOf(control); }

    Win32FormHost host;
};

// --- Measures ----------------------------------------------------------------

using ViewLayout = ::testing::Test;

TEST_F(ViewLayout, TwipsRoundToTheNearestPixel) {
    const Twips at96(96);
    EXPECT_EQ(508, at96.ToPixels(7620));
    EXPECT_EQ(414, at96.ToPixels(6210));
    // The two lines of an etched separator land on neighbouring pixels.
    EXPECT_EQ(64, at96.ToPixels(960));
    EXPECT_EQ(65, at96.ToPixels(970));
    EXPECT_EQ(635, Twips(120).ToPixels(7620));
}

TEST_F(ViewLayout, AccessKeysSkipDoubledAmpersands) {
    EXPECT_EQ('G', MnemonicOf("&General"));
    EXPECT_EQ('S', MnemonicOf("Play &sound"));
    EXPECT_EQ(0, MnemonicOf("&&Ping Configuration"));
    EXPECT_EQ('P', MnemonicOf("A && B &ping"));
    EXPECT_EQ(0, MnemonicOf("Trailing &"));
}

// --- Forms ---------------------------------------------------------------------

using ViewForm = ViewFixture;

TEST_F(ViewForm, TheClientAreaIsTheModelsSizeBelowTheMenuBar) {
    Sample form(host);
    form.Load();
    HWND window = host.WindowOf(form);
    ASSERT_TRUE(window);
    EXPECT_FALSE(IsWindowVisible(window)) << "a loaded form starts hidden";
    ASSERT_TRUE(GetMenu(window));

    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(Pixels(7620), client.right);
    EXPECT_EQ(Pixels(6210), client.bottom);
    if (host.Dpi() == 96) {
        EXPECT_EQ(508, client.right);
        EXPECT_EQ(414, client.bottom);
    }

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed single border";
    EXPECT_EQ("Sample", TextOf(window));
    EXPECT_TRUE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0)) << "the app icon";
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// The windows of this thread, the hidden ones too.
int ThreadTopWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(ViewForm, AFormLoadedHiddenIsMadeWhenItShowsWithWhatChangedMeanwhile) {
    const int before = ThreadTopWindows();
    Sample form(host);
    form.Load();
    EXPECT_EQ(before, ThreadTopWindows()) << "a hidden form costs no window until it is needed";

    form.SetCaption("Changed while hidden");
    form.text.SetText("1500");
    form.Show();
    EXPECT_GT(ThreadTopWindows(), before);
    HWND window = host.WindowOf(form);
    ASSERT_TRUE(window);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ("Changed while hidden", TextOf(window));
    EXPECT_EQ("1500", TextOf(Of(form.text)));
    form.text.SetText("576");
    EXPECT_EQ("576", TextOf(Of(form.text))) << "and follows the model from then on";
}

TEST_F(ViewForm, AHiddenFormsWindowIsMadeHiddenWhenAServiceAsksForIt) {
    Sample form(host);
    form.Load();
    // The tray icon takes the window's handle before the window shows.
    HWND window = reinterpret_cast<HWND>(form.Handle());
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(window, host.WindowOf(form));
    form.Show();
    EXPECT_EQ(window, host.WindowOf(form)) << "the same window shows";
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(ViewForm, FollowsTheModelsCaptionVisibilityStateAndHeight) {
    Sample form(host);
    form.Show();
    HWND window = host.WindowOf(form);
    EXPECT_TRUE(IsWindowVisible(window));

    form.SetCaption("Renamed");
    EXPECT_EQ("Renamed", TextOf(window));

    form.SetClientHeight(3000);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(Pixels(3000), client.bottom);

    form.SetState(forms::WindowState::Minimized);
    EXPECT_TRUE(IsIconic(window));
    form.SetState(forms::WindowState::Normal);
    EXPECT_FALSE(IsIconic(window));

    form.Hide();
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(ViewForm, MinimizingByTheUserIsTheFormsState) {
    Sample form(host);
    form.Show();
    ShowWindow(host.WindowOf(form), SW_MINIMIZE);
    EXPECT_EQ(forms::WindowState::Minimized, form.State());
    ShowWindow(host.WindowOf(form), SW_RESTORE);
    EXPECT_EQ(forms::WindowState::Normal, form.State());
}

TEST_F(ViewForm, AFormShownMinimizedStaysMinimized) {
    Sample form(host);
    form.SetState(forms::WindowState::Minimized);
    form.Show();
    EXPECT_TRUE(IsIconic(host.WindowOf(form)));
    EXPECT_EQ(forms::WindowState::Minimized, form.State());
}

TEST_F(ViewForm, CloseAsksTheModelAndUnloads) {
    Sample form(host);
    form.Show();
    HWND window = host.WindowOf(form);
    bool keep = true;
    form.QueryUnload = [&](bool& cancel) { cancel = keep; };

    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window)) << "QueryUnload kept it";
    EXPECT_TRUE(form.Loaded());

    keep = false;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(1, form.unloads);
    EXPECT_FALSE(host.WindowOf(form));

    form.Show();  // loads again, with a new window
    EXPECT_TRUE(IsWindowVisible(host.WindowOf(form)));
}

TEST_F(ViewForm, TheEndOfTheSessionClosesTheFormAsTheUserWould) {
    Sample form(host);
    form.Show();
    HWND window = host.WindowOf(form);
    int asked = 0;
    form.QueryUnload = [&](bool&) { ++asked; };
    EXPECT_EQ(TRUE, SendMessageA(window, WM_QUERYENDSESSION, 0, 0));
    EXPECT_TRUE(form.Loaded()) << "asking is not ending";
    SendMessageA(window, WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(form.Loaded()) << "a cancelled shutdown changes nothing";
    SendMessageA(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(1, asked);
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ViewForm, RunModalReturnsWhenTheFormIsHiddenAndGivesTheOthersBack) {
    Sample main(host);
    main.Show();
    HWND mainWindow = host.WindowOf(main);
    Dialog dialog(host);
    dialog.Load();
    bool mainEnabledWhileModal = true;
    HWND ownerWhileModal = nullptr;
    int clicks = 0;
    dialog.button.Click = [&] {
        ++clicks;
        mainEnabledWhileModal = IsWindowEnabled(mainWindow) != FALSE;
        ownerWhileModal = GetWindow(host.WindowOf(dialog), GW_OWNER);
        dialog.Hide();
    };
    PostMessageA(host.WindowOf(dialog.button), BM_CLICK, 0, 0);

    Watchdog watchdog(5000);
    dialog.Show(true);
    EXPECT_FALSE(Watchdog::Fired()) << "the modal loop did not end";
    EXPECT_EQ(1, clicks);
    EXPECT_FALSE(mainEnabledWhileModal);
    EXPECT_EQ(mainWindow, ownerWhileModal) << "the window it was shown over owns it";
    EXPECT_TRUE(IsWindowEnabled(mainWindow));
    EXPECT_FALSE(IsWindowVisible(host.WindowOf(dialog)));
    EXPECT_TRUE(dialog.Loaded());
}

TEST_F(ViewForm, RunModalReturnsWhenTheFormUnloads) {
    Dialog dialog(host);
    dialog.Load();
    dialog.button.Click = [&] { dialog.Close(); };
    PostMessageA(host.WindowOf(dialog.button), BM_CLICK, 0, 0);
    Watchdog watchdog(5000);
    dialog.Show(true);
    EXPECT_FALSE(Watchdog::Fired());
    EXPECT_FALSE(dialog.Loaded());
}

TEST_F(ViewForm, RunModalReturnsWhenAMessageSentFromElsewhereClosesTheForm) {
    // Another thread's or program's SendMessage is handled inside
    // GetMessage, which itself returns only for a posted message.
    Dialog dialog(host);
    dialog.Load();
    dialog.button.Click = [&] { dialog.Close(); };
    HWND window = host.WindowOf(dialog);
    HWND button = host.WindowOf(dialog.button);
    std::thread user([window, button] {
        while (!IsWindowVisible(window)) Sleep(10);
        SendMessageA(button, BM_CLICK, 0, 0);
    });
    Watchdog watchdog(5000);
    dialog.Show(true);
    const bool fired = Watchdog::Fired();
    user.join();
    EXPECT_FALSE(fired) << "the modal loop slept on after its form closed";
    EXPECT_FALSE(dialog.Loaded());
}

TEST_F(ViewForm, TheMessageLoopEndsWhenTheLastFormUnloads) {
    EXPECT_EQ(0, host.RunMessageLoop()) << "nothing loaded: nothing to wait for";
    Sample first(host, "First");
    Sample second(host, "Second");
    first.Show();
    second.Show();
    PostMessageA(host.WindowOf(first), WM_CLOSE, 0, 0);
    PostMessageA(host.WindowOf(second), WM_CLOSE, 0, 0);
    Watchdog watchdog(5000);
    EXPECT_EQ(0, host.RunMessageLoop());
    EXPECT_FALSE(first.Loaded());
    EXPECT_FALSE(second.Loaded());
}

TEST_F(ViewForm, AHandlersExceptionComesOutOfTheMessageLoop) {
    Sample form(host);
    form.Show();
    form.ok.Click = [] { throw std::runtime_error("handler failed"); };
    form.tabs.SetTab(1);
    PostMessageA(Of(form.ok), BM_CLICK, 0, 0);
    EXPECT_THROW(host.DoEvents(), std::runtime_error);
    EXPECT_TRUE(IsWindow(host.WindowOf(form))) << "the window survives the handler";
}

// --- Controls ------------------------------------------------------------------

using ViewControls = ViewFixture;

TEST_F(ViewControls, EveryControlSitsAtItsContainersPlaceInPixels) {
    Sample form(host);
    form.Show();
    // box: frame (120, 720) + tabs (120, 1080) + box (240, 1320); text
    // inside the box at (1320, 825).
    const RECT text = PlaceIn(Of(form.text));
    EXPECT_EQ(Pixels(120 + 120 + 240 + 1320), text.left);
    EXPECT_EQ(Pixels(720 + 1080 + 1320 + 825), text.top);
    EXPECT_EQ(Pixels(120 + 120 + 240 + 1320 + 735), text.right);
    EXPECT_EQ(Pixels(720 + 1080 + 1320 + 825 + 285), text.bottom);

    // The lines are one pixel high, on neighbouring rows.
    const RECT dark = PlaceIn(Of(form.dark));
    const RECT light = PlaceIn(Of(form.light));
    EXPECT_EQ(1, dark.bottom - dark.top);
    EXPECT_EQ(1, light.bottom - light.top);
    EXPECT_EQ(dark.top + 1, light.top);

    // The list drops deep enough for its items.
    for (const char* item : {"Modem", "ISDN", "LAN"}) form.combo.AddItem(item);
    RECT dropped{};
    SendMessageA(Of(form.combo), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const LRESULT itemHeight = SendMessageA(Of(form.combo), CB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(dropped.bottom - dropped.top, 3 * itemHeight);
    // The room is kept for a long list; Windows drops a short one only as
    // deep as its items.
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ASSERT_TRUE(GetComboBoxInfo(Of(form.combo), &parts));
    SendMessageA(Of(form.combo), CB_SHOWDROPDOWN, TRUE, 0);
    RECT list{};
    GetWindowRect(parts.hwndList, &list);
    SendMessageA(Of(form.combo), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_LE(list.bottom - list.top, 4 * itemHeight) << "three items drop three lines deep";

    // The status bar puts itself at the bottom of the client area.
    RECT client{};
    GetClientRect(host.WindowOf(form), &client);
    EXPECT_EQ(client.bottom, PlaceIn(Of(form.status)).bottom);

    form.box.Move(480, 1320);
    EXPECT_EQ(Pixels(120 + 120 + 480 + 1320), PlaceIn(Of(form.text)).left) << "contents move with their frame";
}

TEST_F(ViewControls, ContainersHoldTheirContentsInTabOrderAndNeverPaintOverThem) {
    Sample form(host);
    form.Show();
    auto children = [](HWND parent) {
        std::vector<HWND> list;
        for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) list.push_back(w);
        return list;
    };
    auto controlParent = [](HWND window) {
        return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
    };
    // A frame is a control parent holding its contents in the model's
    // order above its group box.
    HWND box = GetParent(Of(form.box));
    EXPECT_TRUE(controlParent(box));
    EXPECT_EQ((std::vector<HWND>{Of(form.optA), Of(form.optB), Of(form.text), Of(form.box)}), children(box));
    EXPECT_TRUE(GetWindowLongA(Of(form.box), GWL_STYLE) & WS_CLIPSIBLINGS);

    // Each page is a control parent right after the tab control.
    HWND frame = GetParent(Of(form.frame));
    EXPECT_EQ(frame, GetParent(Of(form.tabs)));
    HWND general = GetParent(Of(form.note));
    HWND advanced = GetWindow(general, GW_HWNDNEXT);
    EXPECT_TRUE(controlParent(general));
    EXPECT_TRUE(controlParent(advanced));
    EXPECT_EQ((std::vector<HWND>{Of(form.label), Of(form.combo), Of(form.dark), Of(form.light),
                                 Of(form.tabs), general, advanced, GetWindow(advanced, GW_HWNDNEXT),
                                 Of(form.frame)}),
              children(frame));
    EXPECT_EQ((std::vector<HWND>{Of(form.note), box, Of(form.check)}), children(general));
    // A page not chosen yet gets its controls when it is, in the same order.
    EXPECT_TRUE(children(advanced).empty());
    form.tabs.SetTab(1);
    ASSERT_TRUE(Of(form.advanced));
    EXPECT_EQ(advanced, GetParent(Of(form.logo)));
    EXPECT_EQ((std::vector<HWND>{Of(form.logo), GetParent(Of(form.advanced)), Of(form.ok)}), children(advanced));
    form.tabs.SetTab(0);

    // The tab control leaves its body to the page showing.
    RECT page{};
    GetWindowRect(general, &page);
    RECT tab{};
    GetWindowRect(Of(form.tabs), &tab);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(Of(form.tabs), region));
    EXPECT_FALSE(PtInRegion(region, (page.left + page.right) / 2 - tab.left, (page.top + page.bottom) / 2 - tab.top));
    EXPECT_TRUE(PtInRegion(region, 2, 2)) << "the strip is the tab control's";
    DeleteObject(region);
    EXPECT_TRUE(IsWindowVisible(general));
    EXPECT_FALSE(IsWindowVisible(advanced));
}

TEST_F(ViewControls, OptionsShowTheModelsChoiceAndAClickReachesItOnce) {
    Sample form(host);
    int clicksA = 0, clicksB = 0;
    form.optA.Click = [&] { ++clicksA; };
    form.optB.Click = [&] { ++clicksB; };
    form.Show();

    form.optA.SetValue(true);
    EXPECT_EQ(BST_CHECKED, SendMessageA(Of(form.optA), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Of(form.optB), BM_GETCHECK, 0, 0));
    // Not automatic: Windows must not check it behind the model's back.
    EXPECT_EQ(BS_RADIOBUTTON, GetWindowLongA(Of(form.optB), GWL_STYLE) & BS_TYPEMASK);

    clicksA = 0;
    Command(Of(form.optB), BN_CLICKED);
    EXPECT_EQ(1, clicksB);
    EXPECT_EQ(0, clicksA);
    EXPECT_TRUE(form.optB.Value());
    EXPECT_EQ(BST_CHECKED, SendMessageA(Of(form.optB), BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Of(form.optA), BM_GETCHECK, 0, 0));
}

TEST_F(ViewControls, ACheckBoxClickedTogglesTheModelOnce) {
    Sample form(host);
    int clicks = 0;
    form.check.Click = [&] { ++clicks; };
    form.Show();

    SendMessageA(Of(form.check), BM_CLICK, 0, 0);
    EXPECT_EQ(1, clicks);
    EXPECT_EQ(forms::CheckBox::Checked, form.check.Value());
    EXPECT_EQ(BST_CHECKED, SendMessageA(Of(form.check), BM_GETCHECK, 0, 0));

    form.check.SetValue(forms::CheckBox::Unchecked);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Of(form.check), BM_GETCHECK, 0, 0));

    // A disabled box ignores the click, and the window keeps showing the
    // model's state.
    form.check.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Of(form.check)));
    Command(Of(form.check), BN_CLICKED);
    EXPECT_EQ(forms::CheckBox::Unchecked, form.check.Value());
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(Of(form.check), BM_GETCHECK, 0, 0));
}

// A window with a progress bar, as the MTU finder has.
class Progress : public forms::Form {
public:
    explicit Progress(forms::FormHost& host)
        : Form(host, "Progress", "Progress", 4800, 1200), bar("bar", Rect{120, 120, 4545, 255}, 12) {
        Add(bar);
    }
    forms::ProgressBar bar;
};

TEST_F(ViewControls, AProgressBarShowsTheModelsRangeAndPosition) {
    Progress form(host);
    form.bar.SetValue(3);
    form.Show();
    HWND bar = Of(form.bar);
    ASSERT_TRUE(bar);
    char className[64] = {};
    GetClassNameA(bar, className, sizeof className);
    EXPECT_STREQ(PROGRESS_CLASSA, className);
    EXPECT_EQ(0, SendMessageA(bar, PBM_GETRANGE, TRUE, 0));
    EXPECT_EQ(12, SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
    EXPECT_EQ(3, SendMessageA(bar, PBM_GETPOS, 0, 0));
    form.bar.SetValue(12);
    EXPECT_EQ(12, SendMessageA(bar, PBM_GETPOS, 0, 0));
    // Past the end is the end; the bar never runs backwards past 0.
    form.bar.SetValue(40);
    EXPECT_EQ(12, SendMessageA(bar, PBM_GETPOS, 0, 0));
    form.bar.SetValue(-1);
    EXPECT_EQ(0, SendMessageA(bar, PBM_GETPOS, 0, 0));
    form.Close();
}

TEST_F(ViewControls, TextFromTheModelIsShownAndTextFromTheUserReachesIt) {
    Sample form(host);
    std::vector<std::string> changes;
    form.text.Change = [&] { changes.push_back(form.text.Text()); };
    form.Show();
    HWND edit = Of(form.text);

    form.text.SetText("1500");
    EXPECT_EQ("1500", TextOf(edit));
    EXPECT_EQ(std::vector<std::string>{"1500"}, changes) << "the model's own change runs Change once";

    // A Change handler that corrects the text: the window shows the
    // correction, and each change ran Change once.
    changes.clear();
    form.text.Change = [&] {
        changes.push_back(form.text.Text());
        if (form.text.Text() == "0576") form.text.SetText("576");
    };
    form.text.SetText("0576");
    EXPECT_EQ("576", TextOf(edit));
    EXPECT_EQ((std::vector<std::string>{"0576", "576"}), changes);

    // Text a one-line box may hold differently (a line break) stays the
    // model's: the view never reads the model's own changes back.
    changes.clear();
    form.text.Change = [&] { changes.push_back(form.text.Text()); };
    form.text.SetText("first\r\nsecond");
    EXPECT_EQ("first\r\nsecond", form.text.Text());
    EXPECT_EQ(std::vector<std::string>{"first\r\nsecond"}, changes);

    // Pasting: text arrives without key presses.
    changes.clear();
    SetWindowTextA(edit, "1492");
    EXPECT_EQ("1492", form.text.Text());
    EXPECT_EQ(std::vector<std::string>{"1492"}, changes);
}

TEST_F(ViewControls, TypedKeysPassTheModelsKeyFilter) {
    Sample form(host);
    std::vector<int> keys;
    form.text.KeyPress = [&](int& key) {
        keys.push_back(key);
        if (key == 'x') key = 0;         // refused
        else if (key == 'a') key = 'A';  // replaced
    };
    int changes = 0;
    form.text.Change = [&] { ++changes; };
    form.Show();
    HWND edit = Of(form.text);

    SendMessageA(edit, WM_CHAR, '5', 1);
    EXPECT_EQ("5", form.text.Text());
    EXPECT_EQ("5", TextOf(edit));
    EXPECT_EQ(1, changes);

    SendMessageA(edit, WM_CHAR, 'x', 1);
    EXPECT_EQ("5", TextOf(edit)) << "a refused key leaves the text alone";
    EXPECT_EQ("5", form.text.Text());
    EXPECT_EQ(1, changes);

    SendMessageA(edit, WM_CHAR, 'a', 1);
    EXPECT_EQ("5A", TextOf(edit));
    EXPECT_EQ("5A", form.text.Text());
    EXPECT_EQ((std::vector<int>{'5', 'x', 'a'}), keys);
}

TEST_F(ViewControls, ChangingTheAlignmentKeepsTheBoxWorking) {
    Sample form(host);
    int keys = 0;
    form.text.KeyPress = [&](int&) { ++keys; };
    form.Show();
    form.text.SetText("1500");
    const int id = GetDlgCtrlID(Of(form.text));
    EXPECT_FALSE(GetWindowLongA(Of(form.text), GWL_STYLE) & ES_CENTER);
    SendMessageA(Of(form.text), EM_SETSEL, 4, 4);  // the caret after the text

    form.text.SetAlignment(forms::TextBox::Align::Center);
    HWND edit = Of(form.text);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_CENTER);
    EXPECT_EQ("1500", TextOf(edit));
    EXPECT_EQ(id, GetDlgCtrlID(edit));
    EXPECT_EQ(edit, GetDlgItem(GetParent(edit), id)) << "the old window is gone";
    EXPECT_TRUE(Shows(edit));

    SendMessageA(edit, WM_CHAR, '0', 1);
    EXPECT_EQ(1, keys) << "the new window's keys still go through the model";
    EXPECT_EQ("15000", form.text.Text()) << "the caret stayed where it was";
}

TEST_F(ViewControls, AListShowsTheModelsItemsAndTheUsersChoiceReachesIt) {
    Sample form(host);
    int clicks = 0;
    form.combo.Click = [&] { ++clicks; };
    form.Show();
    HWND combo = Of(form.combo);
    EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongA(combo, GWL_STYLE) & 3);

    for (const char* item : {"Modem", "ISDN", "LAN"}) form.combo.AddItem(item);
    ASSERT_EQ(3, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    char item[32] = {};
    SendMessageA(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ("LAN", item);

    form.combo.SetListIndex(1);
    EXPECT_EQ(1, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    clicks = 0;

    SendMessageA(combo, CB_SETCURSEL, 2, 0);
    Command(combo, CBN_SELCHANGE);
    EXPECT_EQ(2, form.combo.ListIndex());
    EXPECT_EQ(1, clicks);

    form.combo.Clear();
    EXPECT_EQ(0, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_GETCURSEL, 0, 0));

    // Filled again with other entries, the window lists exactly those.
    for (const char* entry : {"Satellite", "Modem"}) form.combo.AddItem(entry);
    ASSERT_EQ(2, SendMessageA(combo, CB_GETCOUNT, 0, 0));
    SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ("Satellite", item);
    SendMessageA(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ("Modem", item);
}

TEST_F(ViewControls, ATabShowsItsPageAndHidesTheOthers) {
    Sample form(host);
    int clicks = 0;
    form.tabs.Click = [&] { ++clicks; };
    form.Show();
    HWND tab = Of(form.tabs);
    EXPECT_EQ(3, TabCtrl_GetItemCount(tab));
    EXPECT_TRUE(Shows(Of(form.note)));
    EXPECT_TRUE(Shows(Of(form.optA))) << "in a frame on the page showing";
    EXPECT_FALSE(Shows(Of(form.ok)));
    EXPECT_FALSE(Shows(Of(form.check2))) << "in a frame on another page";

    TabCtrl_SetCurSel(tab, 1);
    Notify(tab, TCN_SELCHANGE);
    EXPECT_EQ(1, form.tabs.Tab());
    EXPECT_EQ(1, clicks);
    EXPECT_FALSE(Shows(Of(form.note)));
    EXPECT_FALSE(Shows(Of(form.optA)));
    EXPECT_FALSE(Shows(Of(form.box)));
    EXPECT_TRUE(Shows(Of(form.ok)));
    EXPECT_TRUE(Shows(Of(form.advanced)));
    EXPECT_TRUE(Shows(Of(form.check2)));

    form.tabs.SetTab(0);
    EXPECT_EQ(0, TabCtrl_GetCurSel(tab));
    EXPECT_TRUE(Shows(Of(form.optA)));
    EXPECT_FALSE(Shows(Of(form.check2)));
}

// The controls of a page are made when it is first chosen; what the
// program did to them before shows then, and their ids and dialog keys are
// those they would have had from the start.
TEST_F(ViewControls, APageMadeLateShowsWhatItsControlsHeldMeanwhile) {
    Sample form(host);
    form.Show();
    EXPECT_EQ(nullptr, Of(form.check2));
    form.check2.SetValue(forms::CheckBox::Checked);
    form.ok.SetCaption("Done");
    form.tabs.SetTab(1);
    ASSERT_TRUE(Of(form.check2));
    EXPECT_EQ(BST_CHECKED, SendMessageA(Of(form.check2), BM_GETCHECK, 0, 0));
    EXPECT_EQ("Done", TextOf(Of(form.ok)));
    EXPECT_TRUE(Shows(Of(form.check2)));
    EXPECT_FALSE(Shows(Of(form.note)));

    // Ids follow the model's order, whatever was made first.
    int expected = 100;
    for (forms::Control* control : form.Controls()) {
        if (HWND window = Of(*control)) {
            EXPECT_EQ(expected, GetDlgCtrlID(window)) << control->Name();
        }
        ++expected;
    }
    // The Tab key goes from the strip into the page, and through it in order.
    HWND main = host.WindowOf(form);
    EXPECT_EQ(Of(form.check2), GetNextDlgTabItem(main, Of(form.tabs), FALSE));
    EXPECT_EQ(Of(form.ok), GetNextDlgTabItem(main, Of(form.check2), FALSE));
}

TEST_F(ViewControls, TabCaptionsKeepTheirAmpersandsForTheControlToDraw) {
    Sample form(host);
    form.Show();
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Of(form.tabs), TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ("&&Ping", text);
}

TEST_F(ViewControls, AltAndATabsAccessKeyChoosesTheTab) {
    Sample form(host);
    form.Show();
    PostMessageA(Of(form.combo), WM_SYSCHAR, 'a', 0);
    host.DoEvents();
    EXPECT_EQ(1, form.tabs.Tab());
    EXPECT_TRUE(Shows(Of(form.ok)));
}

TEST_F(ViewControls, ContainersTakeTheirContentsAlong) {
    Sample form(host);
    form.Show();
    form.box.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Of(form.box)));
    EXPECT_FALSE(IsWindowEnabled(Of(form.optA)));
    EXPECT_FALSE(IsWindowEnabled(Of(form.text)));
    EXPECT_TRUE(form.optA.Enabled()) << "the model's own state is untouched";
    form.box.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(Of(form.optA)));

    form.frame.SetVisible(false);
    EXPECT_FALSE(Shows(Of(form.tabs)));
    EXPECT_FALSE(Shows(Of(form.optA)));
    form.frame.SetVisible(true);
    EXPECT_TRUE(Shows(Of(form.optA)));
    EXPECT_FALSE(Shows(Of(form.ok))) << "still on a page not showing";
}

TEST_F(ViewControls, TheTabKeyFollowsTheModelsOrder) {
    Sample form(host);
    form.optB.SetValue(true);
    form.Show();
    host.DoEvents();
    SetFocus(Of(form.combo));
    // Labels, lines and frames take no focus; of the options only the
    // chosen one does.
    for (const forms::Control* next : std::initializer_list<const forms::Control*>{
             &form.tabs, &form.optB, &form.text, &form.check, &form.combo}) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        host.DoEvents();
        EXPECT_EQ(Of(*next), GetFocus()) << "expected " << next->Name();
    }

    // Shift+Tab walks back; the edit reached has its text selected.
    form.text.SetText("1500");
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    for (const forms::Control* next : std::initializer_list<const forms::Control*>{
             &form.check, &form.text}) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        host.DoEvents();
        EXPECT_EQ(Of(*next), GetFocus()) << "expected " << next->Name() << " going back";
    }
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    DWORD start = 0, end = 0;
    SendMessageA(Of(form.text), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(4u, end);
}

// What Windows' dialog manager does with a key typed in the focused control.
void Press(Win32FormHost& host, UINT message, WPARAM key) {
    PostMessageA(GetFocus(), message, key, 0);
    host.DoEvents();
}

TEST_F(ViewControls, AnAccessKeyMovesFromALabelToItsControlAndClicksButtons) {
    Sample form(host);
    form.label.SetCaption("&Connection");
    form.check.SetCaption("MTU Auto &Discover");
    form.optA.SetCaption("&Windows Default");
    int checks = 0, options = 0;
    form.check.Click = [&] { ++checks; };
    form.optA.Click = [&] { ++options; };
    form.optB.SetValue(true);
    form.Show();
    host.DoEvents();
    SetFocus(Of(form.text));

    Press(host, WM_SYSCHAR, 'c');
    EXPECT_EQ(Of(form.combo), GetFocus()) << "a label's access key moves to the control after it";
    Press(host, WM_SYSCHAR, 'd');
    EXPECT_EQ(1, checks);
    EXPECT_EQ(forms::CheckBox::Checked, form.check.Value());
    Press(host, WM_SYSCHAR, 'w');
    EXPECT_EQ(1, options);
    EXPECT_TRUE(form.optA.Value());
    EXPECT_FALSE(form.optB.Value());

    Question question(host);
    question.Show();
    host.DoEvents();
    SetFocus(Of(question.text));
    Press(host, WM_SYSCHAR, 'n');
    EXPECT_EQ(1, question.nexts);
    EXPECT_EQ(0, question.oks);
}

TEST_F(ViewControls, EnterPressesTheDefaultButtonOrTheButtonWithTheFocus) {
    Question question(host);
    question.Show();
    host.DoEvents();
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(Of(question.ok), GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(Of(question.text), GetFocus()) << "the first in the tab order has the focus";
    Press(host, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(1, question.oks);
    EXPECT_EQ(0, question.nexts);

    Press(host, WM_KEYDOWN, VK_TAB);
    ASSERT_EQ(Of(question.next), GetFocus());
    Press(host, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(1, question.nexts);
    EXPECT_EQ(1, question.oks);
}

TEST_F(ViewControls, EscClosesADialogButNotAMainWindow) {
    Sample main(host);
    main.Show();
    host.DoEvents();
    SetFocus(Of(main.combo));
    Press(host, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(main.Loaded());
    EXPECT_EQ(0, main.unloads);

    Question question(host);
    question.Show();
    host.DoEvents();
    HWND window = host.WindowOf(question);
    Press(host, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(question.Loaded());
    EXPECT_EQ(1, question.unloads);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(0, question.oks) << "Esc is not the default button";
}

TEST_F(ViewControls, TheFocusComesBackToItsControlWhenTheFormIsActiveAgain) {
    Sample form(host);
    form.Show();
    host.DoEvents();
    SetFocus(Of(form.text));
    Question other(host);
    other.Show();
    host.DoEvents();
    SetActiveWindow(host.WindowOf(other));
    host.DoEvents();
    ASSERT_EQ(Of(other.text), GetFocus());
    SetActiveWindow(host.WindowOf(form));
    host.DoEvents();
    EXPECT_EQ(Of(form.text), GetFocus());
}

TEST_F(ViewControls, LabelsTakeTheirColourGreyWhenDisabledAndHearClicks) {
    Sample form(host);
    int clicks = 0;
    form.note.Click = [&] { ++clicks; };
    form.Show();
    HWND label = Of(form.note);
    EXPECT_EQ("Line one\r\nLine two", TextOf(label));

    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(SendMessageA(host.WindowOf(form), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(label)));
    EXPECT_EQ(RGB(0, 0, 128), GetTextColor(dc));
    form.note.SetEnabled(false);
    SendMessageA(host.WindowOf(form), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), GetTextColor(dc));
    SendMessageA(host.WindowOf(form), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Of(form.frame)));
    form.frame.SetEnabled(false);
    SendMessageA(host.WindowOf(form), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Of(form.frame)));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), GetTextColor(dc)) << "a disabled frame's caption";
    DeleteDC(dc);

    form.note.SetEnabled(true);
    form.frame.SetEnabled(true);
    EXPECT_TRUE(GetWindowLongA(label, GWL_STYLE) & SS_NOTIFY);
    Command(label, STN_CLICKED);
    EXPECT_EQ(1, clicks);
}

// The colour a control paints at (x, y) of its client area, drawn into a
// bitmap of its own: what reaches the X screen is Wine's business.
COLORREF PaintedAt(HWND window, int x, int y) {
    RECT rect{};
    GetClientRect(window, &rect);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right, rect.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return colour;
}

TEST_F(ViewControls, LinesPaintTheirSystemColours) {
    Sample form(host);
    form.Show();
    for (const auto& [line, colour] : {std::pair{&form.dark, COLOR_WINDOWFRAME},
                                       std::pair{&form.light, COLOR_WINDOW}}) {
        RECT rect{};
        GetClientRect(Of(*line), &rect);
        EXPECT_EQ(GetSysColor(colour), PaintedAt(Of(*line), rect.right / 2, 0)) << line->Name();
    }
}

TEST_F(ViewControls, TheTabsBodyIsTheButtonFaceTheLabelsPaint) {
    Sample form(host);
    form.Show();
    RECT rect{};
    GetClientRect(Of(form.tabs), &rect);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), PaintedAt(Of(form.tabs), rect.right / 2, rect.bottom - 8));
}

// Panes and forms clip their children (painting over an unclipped parent
// is slow under Wine); a group box paints only its frame, so its inside
// must still get the pane's background when the whole window is redrawn.
TEST_F(ViewControls, AGroupBoxsInsideIsRepaintedWithItsPane) {
    Sample form(host);
    form.Show();
    HWND pane = GetParent(Of(form.box));
    EXPECT_TRUE(GetWindowLongA(pane, GWL_STYLE) & WS_CLIPCHILDREN);
    EXPECT_TRUE(GetWindowLongA(host.WindowOf(form), GWL_STYLE) & WS_CLIPCHILDREN);
    RECT inside{};
    GetClientRect(pane, &inside);
    // Between the frame and its first option: no control covers it.
    const POINT probe{Pixels(120), Pixels(240)};
    // Spoil the pane, children and all, then have everything redrawn.
    HDC dc = GetDCEx(pane, nullptr, DCX_CACHE);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &inside, red);
    DeleteObject(red);
    ReleaseDC(pane, dc);
    RedrawWindow(host.WindowOf(form), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    dc = GetDC(pane);
    const COLORREF shown = GetPixel(dc, probe.x, probe.y);
    ReleaseDC(pane, dc);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shown);
}

TEST_F(ViewControls, TheStatusBarHasTheModelsPanels) {
    Sample form(host);
    form.Show();
    HWND status = Of(form.status);
    EXPECT_EQ(3, SendMessageA(status, SB_GETPARTS, 0, 0));
    form.status.SetPanelText(2, "Mode: Manual");
    char text[64] = {};
    SendMessageA(status, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("Mode: Manual", text);
    EXPECT_FALSE(GetWindowLongA(status, GWL_STYLE) & SBARS_SIZEGRIP) << "the form cannot be resized";
}

TEST_F(ViewControls, TheToolbarHasTheModelsButtonsImagesAndTips) {
    Sample form(host);
    std::vector<std::string> clicked;
    form.toolbar.ButtonClick = [&](const forms::ToolbarButton& b) { clicked.push_back(b.Key); };
    form.Show();
    HWND toolbar = Of(form.toolbar);
    ASSERT_EQ(4, SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    TBBUTTON button{};
    SendMessageA(toolbar, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
    EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP);
    EXPECT_FALSE(GetWindowLongA(toolbar, GWL_STYLE) & TBSTYLE_LIST) << "text under the images";

    EXPECT_FALSE(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    form.toolbar.SetImageList("ImageList1");
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    ASSERT_TRUE(images);
    EXPECT_EQ(11, ImageList_GetImageCount(images));
    auto imageOf = [&](int id) {
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_IMAGE;
        SendMessageA(toolbar, TB_GETBUTTONINFOA, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
        return info.iImage;
    };
    EXPECT_EQ(9, imageOf(1)) << "image 10, counted from 1";
    EXPECT_EQ(I_IMAGENONE, imageOf(3));
    form.toolbar.SetButtonImage(3, 7);
    EXPECT_EQ(6, imageOf(3));

    SendMessageA(host.WindowOf(form), WM_COMMAND, MAKEWPARAM(4, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar));
    EXPECT_EQ(std::vector<std::string>{"Exit"}, clicked);

    NMTTDISPINFOA tip{};
    tip.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
    tip.hdr.idFrom = 1;
    tip.hdr.code = TTN_GETDISPINFOA;
    ASSERT_TRUE(tip.hdr.hwndFrom);
    SendMessageA(host.WindowOf(form), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&tip));
    ASSERT_TRUE(tip.lpszText);
    EXPECT_STREQ("Apply New Settings", tip.lpszText);
}

TEST_F(ViewControls, PaintingLeavesNothingToPaint) {
    // A control that tells its parent about its own painting (the
    // toolbar's NM_CUSTOMDRAW) must not be mistaken for the user: mirroring
    // in answer would invalidate it again, for ever.
    Sample form(host);
    form.toolbar.SetImageList("ImageList1");
    form.Show();
    RedrawWindow(host.WindowOf(form), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (HWND child = GetWindow(host.WindowOf(form), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE)) << "control " << GetDlgCtrlID(child);
}

// A dialog with a report-style list and a status bar.
class Report : public forms::Form {
public:
    explicit Report(forms::FormHost& host)
        : Form(host, "Report", "Report", 6000, 3000),
          list("list", Rect{120, 120, 5760, 2160}, {{"Key", 2880}, {"Value", 1440}, {"Now", 720}}),
          status("status", Rect{0, 2685, 6000, 315}, 3) {
        MinButton = false;
        Add(list);
        Add(status);
    }
    forms::ListView list;
    forms::StatusBar status;
};

std::string ItemText(HWND list, int item, int column) {
    char text[128] = {};
    LVITEMA cell{};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell));
    return text;
}

// What the list's parent answers when the list asks how to paint a row.
LRESULT AskToPaint(HWND list, DWORD stage, int item, COLORREF& text) {
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr = NMHDR{list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(item);
    draw.clrText = text;
    const LRESULT answer =
        SendMessageA(GetParent(list), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
    text = draw.clrText;
    return answer;
}

TEST_F(ViewControls, AReportListShowsTheModelsColumnsAndRowsAndPaintsGreyRowsGrey) {
    Report form(host);
    form.list.AddRow({{"HKLM\\A", "MTU", "(not set)"}, false});
    form.Show();
    HWND list = Of(form.list);
    ASSERT_TRUE(list);
    char className[32] = {};
    GetClassNameA(list, className, sizeof className);
    EXPECT_STREQ(WC_LISTVIEWA, className);
    EXPECT_EQ(LVS_REPORT, GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(header);
    EXPECT_EQ(3, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    char heading[32] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ("Value", heading);
    EXPECT_EQ(Pixels(1440), column.cx);

    ASSERT_EQ(1, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("HKLM\\A", ItemText(list, 0, 0));
    EXPECT_EQ("(not set)", ItemText(list, 0, 2));

    // Rows the model replaces are replaced in the window.
    form.list.SetRows({{{"B", "TTL", "128"}, false}, {{"C", "RWIN", "4288"}, true}});
    ASSERT_EQ(2, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("TTL", ItemText(list, 0, 1));
    EXPECT_EQ("4288", ItemText(list, 1, 2));

    COLORREF text = RGB(1, 2, 3);
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, AskToPaint(list, CDDS_PREPAINT, -1, text));
    EXPECT_EQ(CDRF_DODEFAULT, AskToPaint(list, CDDS_ITEMPREPAINT, 0, text));
    EXPECT_EQ(RGB(1, 2, 3), text) << "a row in black keeps the list's colour";
    EXPECT_EQ(CDRF_NEWFONT, AskToPaint(list, CDDS_ITEMPREPAINT, 1, text));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), text);
    text = RGB(1, 2, 3);
    EXPECT_EQ(CDRF_DODEFAULT, AskToPaint(list, CDDS_ITEMPREPAINT, 7, text)) << "no such row";
    EXPECT_EQ(RGB(1, 2, 3), text);

    // Painting for real asks the same and leaves nothing to paint.
    RedrawWindow(host.WindowOf(form), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_FALSE(GetUpdateRect(list, nullptr, FALSE));
}

TEST_F(ViewControls, AReportListSelectsTheModelsRowAndTheUsersChoiceReachesIt) {
    Report form(host);
    form.list.SetRows({{{"A"}, false}, {{"B"}, false}, {{"C"}, true}});
    std::vector<int> chosen;
    form.list.Click = [&] { chosen.push_back(form.list.ListIndex()); };
    form.Show();
    HWND list = Of(form.list);
    auto selected = [&] {
        return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    };
    EXPECT_EQ(-1, selected());
    form.list.SetListIndex(2);
    EXPECT_EQ(2, selected());
    EXPECT_EQ(std::vector<int>{2}, chosen) << "mirroring is no choice of the user's";

    // The user's click selects a row as this does, with the same
    // notifications: the old row's selection goes, the new one's comes.
    chosen.clear();
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(0, form.list.ListIndex());
    EXPECT_EQ(0, selected());
    EXPECT_EQ(0, chosen.back());

    form.list.SetRows({{{"D"}, false}});
    EXPECT_EQ(-1, selected()) << "new rows, none chosen";
}

TEST_F(ViewControls, ADoubleClickOnAStatusPanelReachesTheModelWithItsNumber) {
    Report form(host);
    std::vector<int> panels;
    form.status.PanelDblClick = [&](int panel) { panels.push_back(panel); };
    form.Show();
    HWND status = Of(form.status);
    ASSERT_TRUE(status);
    auto doubleClick = [&](DWORD_PTR part) {
        NMMOUSE mouse{};
        mouse.hdr = NMHDR{status, static_cast<UINT_PTR>(GetDlgCtrlID(status)), static_cast<UINT>(NM_DBLCLK)};
        mouse.dwItemSpec = part;
        SendMessageA(GetParent(status), WM_NOTIFY, mouse.hdr.idFrom, reinterpret_cast<LPARAM>(&mouse));
    };
    doubleClick(0);
    doubleClick(2);
    doubleClick(3);                          // past the last part
    doubleClick(static_cast<DWORD_PTR>(-1));  // on no part at all
    EXPECT_EQ((std::vector<int>{1, 3}), panels);

    // The bar's own double click, as the user makes it on the first panel.
    panels.clear();
    RECT part{};
    SendMessageA(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
    const LPARAM at = MAKELPARAM((part.left + part.right) / 2, (part.top + part.bottom) / 2);
    SendMessageA(status, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(status, WM_LBUTTONUP, 0, at);
    SendMessageA(status, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(status, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(std::vector<int>{1}, panels);
}

TEST_F(ViewControls, ControlsUseTheDialogFontAtTheSystemsScale) {
    Sample form(host);
    form.Show();
    auto font = reinterpret_cast<HFONT>(SendMessageA(Of(form.label), WM_GETFONT, 0, 0));
    ASSERT_TRUE(font);
    LOGFONTA log{};
    GetObjectA(font, sizeof log, &log);
    EXPECT_STREQ("MS Sans Serif", log.lfFaceName);
    EXPECT_EQ(-MulDiv(8, host.Dpi(), 72), log.lfHeight);
}

// --- Menus ---------------------------------------------------------------------

using ViewMenus = ViewFixture;

UINT CommandAt(HMENU menu, std::initializer_list<int> path) {
    HMENU current = menu;
    int last = 0;
    for (auto it = path.begin(); it != path.end(); ++it) {
        last = *it;
        if (it + 1 != path.end()) current = GetSubMenu(current, last);
    }
    return GetMenuItemID(current, last);
}

std::string MenuText(HMENU menu, int position) {
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(ViewMenus, TheBarShowsTheModelsVisibleMenus) {
    Sample form(host);
    form.Show();
    HMENU bar = GetMenu(host.WindowOf(form));
    ASSERT_TRUE(bar);
    ASSERT_EQ(2, GetMenuItemCount(bar)) << "the hidden tray menu stays out of the bar";
    EXPECT_EQ("&File", MenuText(bar, 0));
    HMENU fileMenu = GetSubMenu(bar, 0);
    ASSERT_EQ(3, GetMenuItemCount(fileMenu));
    EXPECT_EQ("&Apply New Settings", MenuText(fileMenu, 0));
    EXPECT_TRUE(GetMenuState(fileMenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(GetSubMenu(bar, 1), 0, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(ViewMenus, AChosenItemRunsItsClickOnceAndChangesShowAtOnce) {
    Sample form(host);
    int clicks = 0;
    form.apply.Click = [&] { ++clicks; };
    form.Show();
    HWND window = host.WindowOf(form);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(CommandAt(GetMenu(window), {0, 0}), 0), 0);
    EXPECT_EQ(1, clicks);

    form.showBar.SetChecked(false);
    EXPECT_FALSE(GetMenuState(GetSubMenu(GetMenu(window), 1), 0, MF_BYPOSITION) & MF_CHECKED);
    form.apply.SetEnabled(false);
    EXPECT_TRUE(GetMenuState(GetSubMenu(GetMenu(window), 0), 0, MF_BYPOSITION) & MF_GRAYED);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(CommandAt(GetMenu(window), {0, 0}), 0), 0);
    EXPECT_EQ(1, clicks) << "a disabled item does nothing";

    form.view.SetVisible(false);
    EXPECT_EQ(1, GetMenuItemCount(GetMenu(window)));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(Pixels(6210), client.bottom) << "the client area keeps its size";
}

// Once a menu is open, the keyboard chooses its first item.
void CALLBACK ChooseFirstItem(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(ViewMenus, AMenuHiddenFromTheBarOpensAsAShortcutMenu) {
    Sample form(host);
    int opened = 0;
    form.open.Click = [&] { ++opened; };
    form.Show();
    HWND window = host.WindowOf(form);
    SetTimer(window, 1, 300, &ChooseFirstItem);
    Watchdog watchdog(5000);
    host.ShowPopupMenu(form, form.tray, POINT{100, 100});
    EXPECT_FALSE(Watchdog::Fired()) << "the menu did not close";
    EXPECT_EQ(1, opened);
}

// --- The tray icon's messages ------------------------------------------------

class TrayForm : public Dialog {
public:
    using Dialog::Dialog;
    std::vector<TrayEvent> notifications;
    int restarts = 0;

protected:
    void Form_TrayNotify(TrayEvent event) override { notifications.push_back(event); }
    void Form_TaskbarCreated() override { ++restarts; }
};

using ViewTray = ViewFixture;

TEST_F(ViewTray, TheIconsMessageAndANewTaskbarReachTheForm) {
    TrayForm form(host);
    form.Show();
    HWND window = host.WindowOf(form);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(window), form.Handle());
    SendMessageA(window, win32::TrayCallbackMessage, 1, MAKELPARAM(WM_RBUTTONUP, 0));
    SendMessageA(window, win32::TrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
    SendMessageA(window, win32::TrayCallbackMessage, 1, WM_LBUTTONUP);
    // The pointer over the window itself is no notification, nor is the
    // pointer moving over the icon or a button going down there.
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(WM_RBUTTONUP, 5));
    SendMessageA(window, win32::TrayCallbackMessage, 1, WM_MOUSEMOVE);
    SendMessageA(window, win32::TrayCallbackMessage, 1, WM_RBUTTONDOWN);
    EXPECT_EQ((std::vector<TrayEvent>{TrayEvent::RightClick, TrayEvent::DoubleClick,
                                      TrayEvent::LeftClick}),
              form.notifications);
    SendMessageA(window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_EQ(1, form.restarts);
}

TEST_F(ViewTray, WhileAModalFormIsOpenTheIconOnlyBringsItForward) {
    TrayForm main(host);
    main.Show();
    Dialog dialog(host);
    dialog.Load();
    dialog.button.Click = [&] {
        SendMessageA(host.WindowOf(main), win32::TrayCallbackMessage, 1, WM_RBUTTONUP);
        dialog.Close();
    };
    PostMessageA(host.WindowOf(dialog.button), BM_CLICK, 0, 0);
    Watchdog watchdog(5000);
    dialog.Show(true);
    EXPECT_FALSE(Watchdog::Fired());
    EXPECT_TRUE(main.notifications.empty());
    SendMessageA(host.WindowOf(main), win32::TrayCallbackMessage, 1, WM_RBUTTONUP);
    EXPECT_EQ(std::vector<TrayEvent>{TrayEvent::RightClick}, main.notifications);
}

TEST_F(ViewTray, TheIconIsAnImageOfTheListKeptByTheHost) {
    const std::uintptr_t icon = host.ListImageIcon("imgKorvet", 3);
    EXPECT_NE(0u, icon);
    EXPECT_EQ(icon, host.ListImageIcon("imgKorvet", 3)) << "made once, kept";
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(icon), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(0u, host.ListImageIcon("imgKorvet", 99));
    EXPECT_EQ(0u, host.ListImageIcon("NoSuchList", 0));
}

// --- Images ----------------------------------------------------------------------

using ViewImages = ViewFixture;

TEST_F(ViewImages, TheNamedImageListsAndPicturesExist) {
    int width = 0, height = 0;
    HIMAGELIST toolbar = host.Images().List("ImageList1");
    ASSERT_TRUE(toolbar);
    EXPECT_EQ(11, ImageList_GetImageCount(toolbar));
    ImageList_GetIconSize(toolbar, &width, &height);
    EXPECT_EQ(16, width);
    EXPECT_EQ(16, height);
    HIMAGELIST tray = host.Images().List("imgKorvet");
    ASSERT_TRUE(tray);
    EXPECT_GE(ImageList_GetImageCount(tray), 4);
    EXPECT_FALSE(host.Images().List("NoSuchList"));

    EXPECT_EQ(48, host.Images().Picture("display").Width);
    EXPECT_EQ(32, host.Images().Picture("logo").Width);
    EXPECT_TRUE(host.Images().Picture("logo").Icon);
    EXPECT_FALSE(host.Images().Picture("nothing").Icon);
}

// The pixels of an icon as 0xAARRGGBB, top row first.
std::vector<std::uint32_t> IconPixels(HICON icon, int size) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = size;
    header.bmiHeader.biHeight = -size;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

TEST_F(ViewImages, TheProgramsIconIsTheLogo) {
    const std::string exe = wine::QuintelExe();
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module) << exe;
    auto icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0));
    ASSERT_TRUE(icon) << "Quintel.exe has no icon 1";
    const std::vector<std::uint32_t> shown = IconPixels(icon, 32);
    const auto logo = art::FindPicture("logo");
    ASSERT_TRUE(logo);
    ASSERT_EQ(logo->Pixels.size(), shown.size());
    int different = 0;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != logo->Pixels[i]) ++different;
    EXPECT_EQ(0, different) << "the icon was not drawn from the logo";
    DestroyIcon(icon);
    FreeLibrary(module);
}

}  // namespace
}  // namespace quintel::win32
