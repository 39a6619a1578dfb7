// The Win32 layer's own readings and writings of Windows' records: the
// address table, under Wine's real IP Helper and against tables of any
// shape, and the notification area's record and mouse messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/AddressTable.h"
#include "win32/Win32Background.h"
#include "win32/TrayRecord.h"
#include "win32/Win32Services.h"
#include "wine/WineHelpers.h"
#include "win32/Win32System.h"

namespace quintel::wine {
namespace {

// Serves a fixed table as GetIpAddrTable would; `reportedSize` overrides
// the size the first call reports, to model a table that changed between
// the calls.
struct TableCall {
    std::vector<std::uint8_t> table;
    std::optional<std::uint32_t> reportedSize;
    std::vector<bool> sortedFlags;

    std::uint32_t operator()(std::uint8_t* buffer, std::uint32_t& size, bool sorted) {
        constexpr std::uint32_t ErrorInsufficientBuffer = 122;
        sortedFlags.push_back(sorted);
        const auto needed = static_cast<std::uint32_t>(table.size());
        if (buffer == nullptr || size < needed) {
            size = reportedSize.value_or(needed);
            return ErrorInsufficientBuffer;
        }
        std::memcpy(buffer, table.data(), std::min<std::size_t>(size, table.size()));
        return 0;
    }

    // A table of whole rows with these addresses (bytes in memory order).
    static std::vector<std::uint8_t> Rows(const std::vector<Ipv4Address>& rows) {
        std::vector<std::uint8_t> t(4 + rows.size() * 24, 0);
        const auto count = static_cast<std::uint32_t>(rows.size());
        std::memcpy(t.data(), &count, 4);
        for (std::size_t i = 0; i < rows.size(); ++i) std::memcpy(&t[4 + i * 24], rows[i].data(), 4);
        return t;
    }
};

class PlatformAddressTable : public ::testing::Test {
protected:
    std::optional<Ipv4Address> First() {
        return win32::FirstTableAddress(
            [this](std::uint8_t* buffer, std::uint32_t& size, bool sorted) {
                return call(buffer, size, sorted);
            });
    }
    TableCall call;
};

TEST_F(PlatformAddressTable, TakesTheFirstRowAsItComesEvenLoopback) {
    call.table = TableCall::Rows({{127, 0, 0, 1}, {192, 168, 0, 10}});
    EXPECT_EQ((Ipv4Address{127, 0, 0, 1}), First());
    // Asked sorted for the size, then in the system's own order.
    EXPECT_EQ((std::vector<bool>{true, false}), call.sortedFlags);
}

TEST_F(PlatformAddressTable, ASizeOfZeroGivesNothing) {
    call.reportedSize = 0;
    EXPECT_EQ(std::nullopt, First());
    EXPECT_EQ(1u, call.sortedFlags.size()) << "nothing is read from an empty table";
}

TEST_F(PlatformAddressTable, ATableTooSmallForOneRowIsNeverReadPast) {
    for (std::uint32_t size : {1u, 4u, 27u}) {
        call.table.assign(size, 0xAB);
        call.sortedFlags.clear();
        EXPECT_EQ(std::nullopt, First()) << size;
        EXPECT_EQ(1u, call.sortedFlags.size()) << size;
    }
}

TEST_F(PlatformAddressTable, ATableWithNoRowsGivesNothing) {
    call.table = TableCall::Rows({});
    call.table.resize(28, 0);  // room for a row, but the count says none
    EXPECT_EQ(std::nullopt, First());
}

TEST_F(PlatformAddressTable, ATableThatGrewBetweenTheCallsGivesNothing) {
    call.table = TableCall::Rows({{10, 0, 0, 1}, {10, 0, 0, 2}});
    call.reportedSize = 28;  // the size of one row, asked before the table grew
    EXPECT_EQ(std::nullopt, First());
}

TEST(BackgroundWin32, WorkRunsOffTheAskingThreadAndTheEndWaitsForIt) {
    // The work is held until the service is about to go: its end must
    // wait for it (the work uses services that go after it) and drop the
    // completion that no loop will run any more.
    win32::UniqueHandle gate(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(gate);
    DWORD workThread = 0;
    bool finished = false, completed = false;
    {
        win32::PendingError errors;
        win32::Win32BackgroundWork work(errors);
        const auto started = work.Run(
            [&] {
                workThread = GetCurrentThreadId();
                WaitForSingleObject(gate.Get(), INFINITE);
                finished = true;
            },
            [&] { completed = true; });
        ASSERT_TRUE(started) << started.Error().Text;
        SetEvent(gate.Get());
    }
    EXPECT_TRUE(finished);
    EXPECT_FALSE(completed);
    EXPECT_NE(0u, workThread);
    EXPECT_NE(GetCurrentThreadId(), workThread);
}

// What the work or its completion throws must not unwind through Windows'
// dispatch: it is kept for the message loop to raise on the asking thread.
TEST(BackgroundWin32, AFailureOfTheWorkOrItsCompletionReachesTheLoop) {
    for (const bool inWork : {true, false}) {
        SCOPED_TRACE(inWork ? "the work throws" : "the completion throws");
        win32::PendingError errors;
        win32::Win32BackgroundWork work(errors);
        bool delivered = false;
        const auto started = work.Run(
            [inWork] {
                if (inWork) throw std::runtime_error("work failed");
            },
            [&delivered, inWork] {
                delivered = true;
                if (!inWork) throw std::runtime_error("completion failed");
            });
        ASSERT_TRUE(started) << started.Error().Text;
        std::string raised;
        const DWORD deadline = GetTickCount() + 5000;
        while (raised.empty() && GetTickCount() < deadline) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            try {
                errors.RethrowIfAny();
            } catch (const std::runtime_error& error) {
                raised = error.what();
            }
            Sleep(1);
        }
        EXPECT_EQ(inWork ? "work failed" : "completion failed", raised);
        EXPECT_EQ(!inWork, delivered) << "a failed work has no completion";
    }
}

TEST(PlatformIpHelper, WinesTableGivesAnAddress) {
    win32::Win32IpHelper ipHelper;
    const auto address = ipHelper.LocalIPv4();
    ASSERT_TRUE(address) << address.Error().Text;
    // Every machine has at least the loopback interface.
    EXPECT_TRUE(address.Value().has_value());
}

TEST(PlatformTrayRecord, IsTheFirstFormWithTheWindowsIconItsMessageAndTip) {
    const NOTIFYICONDATAA record = win32::TrayRecord({0x1234, 0x5678, "Quintel"});
    EXPECT_EQ(88u, record.cbSize);
    EXPECT_EQ(reinterpret_cast<HWND>(0x1234), record.hWnd);
    EXPECT_EQ(1u, record.uID);
    EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), record.uFlags);
    EXPECT_EQ(7u, record.uFlags);
    EXPECT_EQ(static_cast<UINT>(WM_APP + 0x51), record.uCallbackMessage);
    EXPECT_NE(static_cast<UINT>(WM_MOUSEMOVE), record.uCallbackMessage)
        << "pointer moves over the window must not count";
    EXPECT_EQ(reinterpret_cast<HICON>(0x5678), record.hIcon);
    EXPECT_STREQ("Quintel", record.szTip);
    for (std::size_t i = 7; i < 64; ++i) EXPECT_EQ('\0', record.szTip[i]) << i;
}

TEST(PlatformTrayRecord, ALongTipIsCutToTheSixtyThreeCharactersTheRecordHolds) {
    const NOTIFYICONDATAA record = win32::TrayRecord({1, 2, std::string(100, 'x')});
    EXPECT_EQ(std::string(63, 'x'), std::string(record.szTip));
    EXPECT_EQ('\0', record.szTip[63]);
    EXPECT_EQ(std::string(63, 'x'), std::string(win32::TrayRecord({1, 2, std::string(63, 'x')}).szTip));
    EXPECT_EQ(std::string(63, 'x'), std::string(win32::TrayRecord({1, 2, std::string(64, 'x')}).szTip));
    EXPECT_STREQ("", win32::TrayRecord({1, 2, ""}).szTip);
}

TEST(PlatformTrayRecord, OnlyReleasesAndTheDoubleClickAreEvents) {
    EXPECT_EQ(TrayEvent::LeftClick, win32::TrayEventOf(WM_LBUTTONUP));
    EXPECT_EQ(TrayEvent::DoubleClick, win32::TrayEventOf(WM_LBUTTONDBLCLK));
    EXPECT_EQ(TrayEvent::RightClick, win32::TrayEventOf(WM_RBUTTONUP));
    for (UINT message : std::initializer_list<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK,
                         WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, 0u, 514u * 15}) {
        EXPECT_EQ(std::nullopt, win32::TrayEventOf(message)) << message;
    }
}

TEST(PlatformUserSettings, AStoredValueIsReadBackAndItsStoringSucceeds) {
    constexpr const char* App = "QuintelPlatformTest";
    DeleteKeyTree(HKEY_CURRENT_USER, std::string("Software\\") + App);
    win32::RegistryUserSettings settings;
    EXPECT_EQ("fallback", settings.GetSetting(App, "Options", "Tip", "fallback"));
    const auto stored = settings.SaveSetting(App, "Options", "Tip", "0");
    EXPECT_TRUE(stored) << stored.Error().Text;
    EXPECT_EQ(0, stored.Code());
    EXPECT_EQ("0", settings.GetSetting(App, "Options", "Tip", "fallback"));
    DeleteKeyTree(HKEY_CURRENT_USER, std::string("Software\\") + App);
}

}  // namespace
}  // namespace quintel::wine
