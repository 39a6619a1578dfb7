/* The baseline of the main window's figures: the least a plain C program
 * does to show the same window Quintel.exe shows at a start with the tip
 * of the day off, and nothing else. The same frame (class, styles, size),
 * menu bar and items, toolbar with the same thirteen buttons and images,
 * status bar with its four panels and texts, tab control with its three
 * tabs, the frame above them with its two lists, every control of the
 * first page (classes, styles, texts, places, the dialog font), and the
 * same tray icon; then it waits for input as Quintel.exe does, through the
 * dialog manager. Common controls 6 come from the same second manifest.
 *
 * Quintel.exe puts its frames and pages in panes of their own; this one
 * puts each control straight on the window, so the places below are the
 * panes' added up, in pixels at 96 dots per inch. */
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <uxtheme.h>

#include <string.h>

#include "Baseline.h"

#define TOOLBAR_BITMAP 2
#define TRAY_MESSAGE (WM_APP + 1)

static const char* const NetTypes[] = {"Dial-up Networking (Modem)", "LAN, Cable Modem, xDSL, ISDN, T1, T2",
                                       "Cable/xDSL running PPPoE/PPTP", "DirectPc (Satellite)"};
static const char* const Modes[] = {"Automatic #1", "Automatic #2", "Automatic #3", "Manual"};
static const char* const Multipliers[] = {"x4", "x6", "x8", "x10", "x12", "x14", "x16"};
static const char* const GeneralHelp =
    "MTU is the default packet size that Windows uses to negotiate with.When a connection is "
    "opened between two computers.\r\n\r\n"
    "RWIN is the amount of receive data (in bytes) that can be buffered at one time on a "
    "connection.\r\n\r\n"
    "TTL is a field in the IP header which indicates how long a packet should be allowed to "
    "survive before it is discarded.";

/* Creation order is Quintel.exe's tab order; each frame's box comes after
 * its controls, as there. */
static const struct Control Controls[] = {
    {"Static", "Connection Type", WS_GROUP | SS_NOTIFY, 0, 24, 80, 89, 17, 102},
    {"ComboBox", "", WS_TABSTOP | WS_GROUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 112, 80, 177, 193, 103},
    {"Static", "Optimization Mode", WS_GROUP | SS_NOTIFY, 0, 304, 80, 89, 17, 104},
    {"ComboBox", "", WS_TABSTOP | WS_GROUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 400, 80, 89, 193, 105},
    {"Static", "", WS_GROUP | SS_OWNERDRAW, 0, 8, 112, 493, 1, 106},
    {"Static", "", WS_GROUP | SS_OWNERDRAW, 0, 8, 113, 493, 1, 107},
    {WC_TABCONTROLA, "", WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, 0, 16, 120, 483, 265, 108},
    {"Static", "", WS_GROUP | SS_NOTIFY, 0, 32, 160, 449, 113, 109},
    {"Button", "Windows Default", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 0, 40, 296, 129, 17, 111},
    {"Button", "Custom", BS_RADIOBUTTON, 0, 40, 328, 67, 17, 112},
    {"Edit", "", WS_DISABLED | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 112, 328, 49, 19, 113},
    {"Button", "Find...", WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0, 112, 349, 49, 17, 114},
    {"Button", "MTU (Max Transmission Unit)", WS_GROUP | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_TRANSPARENT, 24,
     272, 153, 97, 110},
    {"Button", "Windows Default", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 0, 201, 296, 129, 17, 116},
    {"Button", "Custom", BS_RADIOBUTTON, 0, 201, 328, 67, 17, 117},
    {"ComboBox", "", WS_DISABLED | WS_TABSTOP | WS_GROUP | CBS_DROPDOWNLIST | WS_VSCROLL, 0, 273, 328, 49, 193,
     118},
    {"Button", "RWIN (Receive Window)", WS_GROUP | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_TRANSPARENT, 185, 272,
     153, 97, 115},
    {"Button", "Windows Default", WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, 0, 362, 296, 121, 17, 120},
    {"Button", "Custom", BS_RADIOBUTTON, 0, 362, 328, 60, 17, 121},
    {"Edit", "", WS_DISABLED | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 426, 328, 49, 19, 122},
    {"Button", "TTL (Time To Live)", WS_GROUP | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_TRANSPARENT, 346, 272, 145,
     97, 119},
    {"Button", "Modify your Internet Settings in Order to improve your computer Networking Performance",
     WS_GROUP | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_TRANSPARENT, 8, 48, 497, 345, 101},
};

/* The frames' boxes, the tab and the outer frame, each put under the rest. */
static const int Lowered[] = {110, 115, 119, 108, 101};

static void Item(HMENU menu, const char* text, UINT flags) {
    AppendMenuA(menu, flags, 0, text);
}

static HMENU MenuBar(void) {
    HMENU bar = CreateMenu(), file = CreatePopupMenu(), view = CreatePopupMenu(), panel = CreatePopupMenu();
    HMENU help = CreatePopupMenu(), contact = CreatePopupMenu();
    Item(file, "&Apply New Settings", MF_STRING);
    Item(file, "&Preview Changes...", MF_STRING);
    Item(file, "&Registry Backup", MF_STRING);
    Item(file, NULL, MF_SEPARATOR);
    Item(file, "Restore &Windows Original Settings", MF_STRING);
    Item(file, "&Undo Last Change", MF_STRING | MF_GRAYED);
    Item(file, NULL, MF_SEPARATOR);
    Item(file, "&Exit", MF_STRING);
    Item(panel, "&Systems...", MF_STRING);
    Item(panel, "&Internet...", MF_STRING);
    Item(panel, "&Modems...", MF_STRING);
    Item(panel, "&Networks...", MF_STRING);
    Item(view, "&ToolBar", MF_STRING | MF_CHECKED);
    Item(view, "&Status Bar", MF_STRING | MF_CHECKED);
    Item(view, NULL, MF_SEPARATOR);
    AppendMenuA(view, MF_POPUP, (UINT_PTR)panel, "&Control Panel");
    Item(contact, "Visit our Web Site", MF_STRING);
    Item(contact, "Email us", MF_STRING);
    Item(help, "User's Guide", MF_STRING);
    Item(help, "&Tip of the Day", MF_STRING);
    Item(help, NULL, MF_SEPARATOR);
    AppendMenuA(help, MF_POPUP, (UINT_PTR)contact, "&Contact us");
    Item(help, NULL, MF_SEPARATOR);
    Item(help, "&Support", MF_STRING);
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)view, "&View");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)help, "&Help");
    return bar;
}

static void Toolbar(HWND window, HINSTANCE instance, HFONT font) {
    /* Apply, Ping | Restore, Backup | Internet, System, Modem, Network |
     * Help, Exit, with their images in the bitmap's order. */
    static const char* const Labels[] = {"Apply", "Ping", NULL, "Restore", "Backup", NULL, "Internet",
                                         "System", "Modem", "Network", NULL, "Help", "Exit"};
    static const int Images[] = {9, 4, 0, 8, 3, 0, 5, 2, 1, 0, 0, 6, 10};
    TBBUTTON buttons[13];
    HIMAGELIST images = ImageList_LoadImageA(instance, MAKEINTRESOURCEA(TOOLBAR_BITMAP), 16, 0, CLR_NONE,
                                             IMAGE_BITMAP, LR_CREATEDIBSECTION);
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | WS_GROUP | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                   CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               0, 0, 508, 38, window, (HMENU)100, instance, NULL);
    int i;
    SendMessageA(bar, WM_SETFONT, (WPARAM)font, 0);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(bar, TB_SETPADDING, 0, MAKELPARAM(5, 6));
    memset(buttons, 0, sizeof buttons);
    for (i = 0; i < 13; ++i) {
        buttons[i].idCommand = i + 1;
        buttons[i].fsState = TBSTATE_ENABLED;
        if (Labels[i]) {
            buttons[i].iBitmap = Images[i];
            buttons[i].fsStyle = TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE;
            buttons[i].iString = (INT_PTR)Labels[i];
        } else {
            buttons[i].fsStyle = TBSTYLE_SEP;
        }
    }
    SendMessageA(bar, TB_ADDBUTTONSA, 13, (LPARAM)buttons);
    SendMessageA(bar, TB_SETIMAGELIST, 0, (LPARAM)images);
    /* Windows makes the tooltip window with the toolbar; Wine when it is
     * first asked for, as Quintel.exe does at its start. */
    SendMessageA(bar, TB_GETTOOLTIPS, 0, 0);
}

static void StatusBar(HWND window, HINSTANCE instance, HFONT font) {
    static const char* const Texts[] = {"Restart needed", "Mode: Manual", "OS: Windows XP", "IP Address: 192.0.2.2"};
    static const int Rights[] = {96, 192, 288, -1};
    HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 394, 508, 20, window,
                               (HMENU)150, instance, NULL);
    int i;
    SendMessageA(bar, WM_SETFONT, (WPARAM)font, 0);
    SendMessageA(bar, SB_SETPARTS, 4, (LPARAM)Rights);
    for (i = 0; i < 4; ++i) SendMessageA(bar, SB_SETTEXTA, (WPARAM)i, (LPARAM)Texts[i]);
}

static void Fill(HWND window, int id, const char* const* items, int count, int selected) {
    HWND list = GetDlgItem(window, id);
    int i;
    for (i = 0; i < count; ++i) SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)items[i]);
    if (selected >= 0) SendMessageA(list, CB_SETCURSEL, (WPARAM)selected, 0);
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        /* The two lines of the etched separator. */
        const DRAWITEMSTRUCT* item = (const DRAWITEMSTRUCT*)lParam;
        FillRect(item->hDC, &item->rcItem, GetSysColorBrush(item->CtlID == 106 ? COLOR_WINDOWFRAME : COLOR_WINDOW));
        return TRUE;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show) {
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    static const char* const Tabs[] = {"General", "Advanced", "&&Ping Configuration"};
    HFONT font;
    HWND window;
    TCITEMA tab;
    NOTIFYICONDATAA tray;
    size_t i;
    (void)previous;
    (void)arguments;

    if (!ActivateCommonControls6()) return 1;
    font = DialogFont();
    window = MakeWindow(instance, WindowProc, "QuintelBenchSameWindow", "Same Window", style, MenuBar(), 508, 414);
    if (!window) return 1;

    Toolbar(window, instance, font);
    MakeControls(window, instance, font, Controls, sizeof Controls / sizeof Controls[0]);
    /* The frames' boxes and the tab lie under the controls in them, and
     * the tab has the plain look, as Quintel.exe's. */
    for (i = 0; i < sizeof Lowered / sizeof Lowered[0]; ++i)
        SetWindowPos(GetDlgItem(window, Lowered[i]), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTheme(GetDlgItem(window, 108), L" ", L" ");
    SetDlgItemTextA(window, 109, GeneralHelp);
    memset(&tab, 0, sizeof tab);
    tab.mask = TCIF_TEXT;
    for (i = 0; i < 3; ++i) {
        tab.pszText = (char*)Tabs[i];
        SendDlgItemMessageA(window, 108, TCM_INSERTITEMA, i, (LPARAM)&tab);
    }
    Fill(window, 103, NetTypes, 4, 0);
    Fill(window, 105, Modes, 4, 3);
    Fill(window, 118, Multipliers, 7, -1);
    CheckDlgButton(window, 111, BST_CHECKED);
    CheckDlgButton(window, 116, BST_CHECKED);
    CheckDlgButton(window, 120, BST_CHECKED);
    StatusBar(window, instance, font);

    memset(&tray, 0, sizeof tray);
    tray.cbSize = NOTIFYICONDATAA_V1_SIZE;
    tray.hWnd = window;
    tray.uID = 1;
    tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray.uCallbackMessage = TRAY_MESSAGE;
    tray.hIcon = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, 16, 16, 0);
    strcpy(tray.szTip, "Quintel");
    Shell_NotifyIconA(NIM_ADD, &tray);

    ShowAndWait(window, show);
    Shell_NotifyIconA(NIM_DELETE, &tray);
    return 0;
}
