// "Preview Changes..." in Quintel.exe, operated as a user would against
// Wine's real registry: what it lists for the choice in the window, and
// that looking writes nothing.
#include "gui/QuintelApp.h"

#include <algorithm>

namespace quintel::gui {
namespace {

const std::string Interface = "{QUINTEL-PREVIEW}";

class QuintelPreview : public QuintelApp {
protected:
    void TearDown() override {
        QuintelApp::TearDown();
        for (const char* set : {"CurrentControlSet", "ControlSet001"})
            wine::DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string("SYSTEM\\") + set +
                                                        "\\Services\\Tcpip\\Parameters\\Interfaces\\" + Interface);
    }

    // The preview's rows, waiting until it has listed them.
    std::vector<std::vector<std::wstring>> ListedRows(HWND preview, Where where = Where::current()) {
        HWND list = nullptr;
        std::vector<HWND> lists = FindControls(preview, L"SysListView32");
        if (lists.size() == 1) list = lists[0];
        if (!list) {
            ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
                << lists.size() << " list views in the preview";
            return {};
        }
        EXPECT_EQ((std::vector<std::wstring>{L"Key", L"Value", L"Now", L"After"}), ListViewHeadings(list, where));
        return ListViewRows(list, where);
    }
};

using Rows = std::vector<std::vector<std::wstring>>;

// The row of a value, and where it stands in the list (-1: missing).
int Find(const Rows& rows, const std::wstring& key, const std::wstring& value) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].size() == 4 && rows[i][0] == key && rows[i][1] == value) return static_cast<int>(i);
    return -1;
}

TEST_F(QuintelPreview, TheFileMenuShowsWhatApplyWouldDoForTheChoiceInTheWindow) {
    wine::WriteTextFile(AppFile("VarOderudi.cfg"), "ConnectionType,0\r\nOptiMode,0\r\n");
    wine::PutDword(TcpipCurrent, "TcpWindowSize", 4288);
    wine::PutDword(TcpipCurrent, "DefaultTTL", 128);
    wine::CreateKey(InterfacesCurrent + "\\" + Interface);

    Start();
    ASSERT_TRUE(main);
    // Automatic #2, chosen and not applied, removes the receive window
    // that the saved Automatic #1 keeps.
    HWND modes = ModeList();
    ASSERT_TRUE(modes);
    ASSERT_TRUE(ChooseComboItem(modes, L"Automatic #2"));
    ASSERT_TRUE(ChooseMenu(main, {'F', 'P'}));
    HWND preview = WaitForWindow(L"Preview Changes");
    ASSERT_TRUE(preview);
    EXPECT_FALSE(IsEnabled(main)) << "modal";

    const Rows rows = ListedRows(preview);
    const std::wstring tcpip = L"HKLM\\" + Wide(TcpipCurrent);
    const int window = Find(rows, tcpip, L"TcpWindowSize");
    ASSERT_GE(window, 0);
    EXPECT_EQ(L"4288", rows[window][2]);
    EXPECT_EQ(L"(removed)", rows[window][3]);
    const int mtu = Find(rows, L"HKLM\\" + Wide(InterfacesCurrent + "\\" + Interface), L"MTU");
    ASSERT_GE(mtu, 0);
    EXPECT_EQ(L"(not set)", rows[mtu][2]);
    EXPECT_EQ(L"576", rows[mtu][3]);
    const int ttl = Find(rows, tcpip, L"DefaultTTL");
    ASSERT_GE(ttl, 0);
    EXPECT_EQ(L"128", rows[ttl][2]);
    EXPECT_EQ(L"128", rows[ttl][3]);
    EXPECT_LT(window, ttl) << "the changes come first";
    EXPECT_LT(mtu, ttl) << "the changes come first";
    // The first row is chosen, and its key shows whole under the list.
    EXPECT_TRUE(FindControl(preview, L"Static", L"HKEY_LOCAL_MACHINE\\" + rows[0][0].substr(5)));
    SaveScreenshot(preview, ScreenshotFolder() + L"\\preview-changes.bmp");

    ASSERT_TRUE(Click(FindControl(preview, L"Button", L"Close")));
    ASSERT_TRUE(WaitForClose(preview));
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(main) != FALSE; }, "the main window to take input again"));
    // Looking wrote nothing.
    EXPECT_EQ(4288u, Dword(TcpipCurrent, "TcpWindowSize"));
    EXPECT_FALSE(Dword(InterfacesCurrent + "\\" + Interface, "MTU"));
    EXPECT_EQ("ConnectionType,0\r\nOptiMode,0\r\n", SettingsFile());

    // A double click on the status bar's first panel opens it too.
    HWND status = FindControls(main, L"msctls_statusbar32").at(0);
    ASSERT_TRUE(DoubleClickStatusPanel(status, 0));
    preview = WaitForWindow(L"Preview Changes");
    ASSERT_TRUE(preview);
    EXPECT_EQ(rows, ListedRows(preview));
    ASSERT_TRUE(PressKey(preview, VK_ESCAPE));
    ASSERT_TRUE(WaitForClose(preview));
    EXPECT_TRUE(quintel.running());
}

}  // namespace
}  // namespace quintel::gui
