// The keep-alive ping with Windows' own sockets and ICMP calls, and the
// companion Korvet.exe, under Wine. Nothing beyond this machine is ever
// pinged: 127.0.0.1, localhost (checked to resolve to the loopback
// network first), and 0.0.0.0 for an address the ping cannot use.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/ping/MtuFinder.h"
#include "core/ping/PingSettings.h"
#include "core/ping/Pinger.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Network.h"
#include "win32/Win32Services.h"
#include "win32/korvet/KorvetControl.h"
#include "win32/korvet/KorvetPing.h"
#include "win32/korvet/KorvetSwitches.h"
#include "win32/korvet/SteadyClock.h"
#include "wine/WineHelpers.h"
#include "win32/IcmpCalls.h"
#include "win32/SystemFolders.h"

// <windows.h> came last so the interfaces keep their own names; the
// macro would turn the calls below into CreateFileA.

namespace quintel::wine {
namespace {

constexpr std::uint32_t Loopback = 0x0100007F;  // 127.0.0.1 as its bytes lie in memory

class RecordingBoxes : public MessageBoxes {
public:
    int Show(const std::string& text, const std::string&, unsigned) override {
        shown.push_back(text);
        return mb::Ok;
    }
    std::vector<std::string> shown;
};

// The real ICMP calls, with each destination and reply status noted.
class RecordingIcmp : public Icmp {
public:
    explicit RecordingIcmp(Icmp& real) : real_(real) {}
    Result<std::optional<EchoReply>> Echo(std::uint32_t address, const std::vector<std::uint8_t>& data,
                                          std::uint32_t timeout) override {
        addresses.push_back(address);
        auto reply = real_.Echo(address, data, timeout);
        error = reply ? GetLastError() : static_cast<DWORD>(reply.Error().Code);
        answered = reply && reply.Value();
        status = answered ? reply.Value()->Status : 0;
        return reply;
    }
    Result<std::optional<EchoReply>> EchoUnfragmented(std::uint32_t address,
                                                      const std::vector<std::uint8_t>& data,
                                                      std::uint32_t timeout) override {
        addresses.push_back(address);
        return real_.EchoUnfragmented(address, data, timeout);
    }

    std::vector<std::uint32_t> addresses;
    DWORD error = 0;
    bool answered = false;
    std::uint32_t status = 0;

private:
    Icmp& real_;
};

class PingWin32 : public ::testing::Test {
protected:
    // The reply status and the system's error, to tell a refused raw
    // socket from a missing answer when a ping fails.
    std::string Why() const {
        return "status " + std::to_string(icmp.status) + ", error " + std::to_string(icmp.error);
    }

    win32::Win32Sockets sockets;
    win32::Win32Icmp realIcmp;
    RecordingIcmp icmp{realIcmp};
    RecordingBoxes boxes;
    Pinger ping{sockets, icmp, boxes, "Quintel"};
};

TEST_F(PingWin32, TheLoopbackAddressAnswers) {
    EXPECT_TRUE(ping.Ping("127.0.0.1", 1000)) << Why();
    EXPECT_EQ(std::vector<std::uint32_t>{Loopback}, icmp.addresses);
    EXPECT_TRUE(icmp.answered);
    EXPECT_EQ(0u, icmp.status);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PingWin32, SocketsOnePointOneStartAndResolveLocalhost) {
    const auto started = sockets.Startup(SocketsVersion11);
    ASSERT_TRUE(started) << started.Error().Text;
    EXPECT_EQ(SocketsVersion11, started.Value().Version);
    EXPECT_GE(started.Value().MaxSockets, 1);
    const auto addresses = sockets.GetHostByName("localhost");
    const auto stopped = sockets.Cleanup();
    EXPECT_TRUE(stopped) << stopped.Error().Text;
    // Given back once more, the layer refuses: WSACleanup returns
    // SOCKET_ERROR (WSANOTINITIALISED is the layer's error), and the code
    // the stop-failure message names is the -1 it returned.
    const auto again = sockets.Cleanup();
    ASSERT_FALSE(again);
    EXPECT_EQ(-1, again.Error().Code);
    EXPECT_FALSE(again.Error().Text.empty());

    ASSERT_TRUE(addresses);
    ASSERT_FALSE(addresses->empty());
    for (const auto& bytes : *addresses) {
        ASSERT_EQ(4u, bytes.size());
        EXPECT_EQ(127, bytes[0]);
    }
    EXPECT_NE(addresses->end(),
              std::find(addresses->begin(), addresses->end(), std::vector<std::uint8_t>{127, 0, 0, 1}));
}

TEST_F(PingWin32, LocalhostIsResolvedAndAnswers) {
    // Only the loopback network may be pinged by name.
    const auto resolved = ping.ResolveHostAddresses("localhost");
    ASSERT_TRUE(resolved);
    ASSERT_FALSE(resolved->empty());
    ASSERT_EQ(0u, resolved->front().rfind("127.", 0)) << resolved->front();

    EXPECT_TRUE(ping.Ping("localhost", 1000)) << Why();
    ASSERT_EQ(1u, icmp.addresses.size());
    EXPECT_EQ(127u, icmp.addresses[0] & 0xFF);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PingWin32, ThreePartsSendToAddressZeroAndFailWithoutABox) {
    // Wine refuses address 0 before anything is sent (ERROR_INVALID_NETNAME),
    // so no packet leaves for it.
    EXPECT_FALSE(ping.Ping("10.0.0", 1000)) << Why();
    EXPECT_EQ(std::vector<std::uint32_t>{0}, icmp.addresses);
    EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front();
}

TEST(PingIcmp, AnEchoToLoopbackComesBackWithItsStatusAndTime) {
    win32::Win32Icmp icmp;
    const std::vector<std::uint8_t> data{'E', 'c', 'h', 'o'};
    const auto reply = icmp.Echo(Loopback, data, 1000);
    ASSERT_TRUE(reply) << reply.Error().Text;
    ASSERT_TRUE(reply.Value()) << "error " << GetLastError();
    EXPECT_EQ(EchoReply::Success, reply.Value()->Status);
    EXPECT_LT(reply.Value()->RoundTripMilliseconds, 1000u);
}

TEST(PingIcmp, TheLargestEchoThePingSendsFitsTheReplyArea) {
    // The area holds the reply record and 250 bytes of echoed data.
    win32::Win32Icmp icmp;
    const std::vector<std::uint8_t> data(250, 'x');
    const auto reply = icmp.Echo(Loopback, data, 1000);
    ASSERT_TRUE(reply) << reply.Error().Text;
    ASSERT_TRUE(reply.Value()) << "error " << GetLastError();
    EXPECT_EQ(EchoReply::Success, reply.Value()->Status);
}

// --- The unfragmented echoes of the MTU finder ---------------------------

// What the program asked of IcmpSendEcho, noted on the way to the real one.
struct SentRequest {
    bool options = false;
    UCHAR flags = 0;
    UCHAR ttl = 0;
    WORD size = 0;
    DWORD replySize = 0;
    DWORD timeout = 0;
};

struct IcmpSpy {
    static std::vector<SentRequest>& Sent() {
        static std::vector<SentRequest> sent;
        return sent;
    }
    static win32::IcmpCalls& Real() {
        static win32::IcmpCalls real;
        return real;
    }
    static DWORD WINAPI Send(HANDLE icmp, IPAddr address, LPVOID request, WORD size,
                             PIP_OPTION_INFORMATION options, LPVOID reply, DWORD replySize,
                             DWORD timeout) {
        SentRequest noted{options != nullptr, options ? options->Flags : UCHAR(0),
                          options ? options->Ttl : UCHAR(0), size, replySize, timeout};
        Sent().push_back(noted);
        return Real().send(icmp, address, request, size, options, reply, replySize, timeout);
    }
};

template <typename Entry>
Entry Find(HMODULE module, const char* name) {
    return reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

class PingUnfragmented : public ::testing::Test {
protected:
    void SetUp() override {
        library_ = win32::LoadSystemLibrary("icmp.dll");
        ASSERT_TRUE(library_) << GetLastError();
        win32::IcmpCalls& real = IcmpSpy::Real();
        real.create = Find<win32::IcmpCreateFileFn>(library_, "IcmpCreateFile");
        real.send = Find<win32::IcmpSendEchoFn>(library_, "IcmpSendEcho");
        real.close = Find<win32::IcmpCloseHandleFn>(library_, "IcmpCloseHandle");
        ASSERT_TRUE(real.create && real.send && real.close);
        IcmpSpy::Sent().clear();
        icmp = std::make_unique<win32::Win32Icmp>(win32::IcmpCalls{real.create, IcmpSpy::Send, real.close});
    }
    void TearDown() override {
        icmp.reset();
        if (library_) FreeLibrary(library_);
    }

    std::unique_ptr<win32::Win32Icmp> icmp;

private:
    HMODULE library_ = nullptr;
};

TEST_F(PingUnfragmented, TheRequestCarriesTheDontFragmentFlagAndEverySize) {
    for (int size : {548, 1010, 1472}) {
        const auto reply = icmp->EchoUnfragmented(Loopback, EchoPayload(size), 1000);
        ASSERT_TRUE(reply) << reply.Error().Text;
        const SentRequest& sent = IcmpSpy::Sent().back();
        EXPECT_TRUE(sent.options);
        EXPECT_EQ(IP_FLAG_DF, sent.flags & IP_FLAG_DF);
        EXPECT_GT(sent.ttl, 0) << "a time to live of 0 would not leave the machine";
        EXPECT_EQ(size, sent.size);
        // Room for the reply record, the whole echoed data and an ICMP error.
        EXPECT_GE(sent.replySize, sizeof(ICMP_ECHO_REPLY) + size + 8);
        EXPECT_EQ(1000u, sent.timeout);
        // The loopback interface carries 64 KB whole, so the flag never
        // bites there and Wine gives no way to see it bite: every size
        // comes back, with all its data.
        ASSERT_TRUE(reply.Value()) << "no reply for " << size << ", error " << GetLastError();
        EXPECT_EQ(EchoReply::Success, reply.Value()->Status);
        EXPECT_FALSE(reply.Value()->NeedsFragmenting);
        EXPECT_EQ(static_cast<std::uint32_t>(size), reply.Value()->DataSize);
    }
}

TEST_F(PingUnfragmented, TheKeepAliveEchoStillCarriesNoOptions) {
    const std::vector<std::uint8_t> data{'E', 'c', 'h', 'o', ' ', 'T', 'h', 'i', 's'};
    const auto reply = icmp->Echo(Loopback, data, 1000);
    ASSERT_TRUE(reply) << reply.Error().Text;
    ASSERT_EQ(1u, IcmpSpy::Sent().size());
    EXPECT_FALSE(IcmpSpy::Sent()[0].options);
    EXPECT_EQ(9, IcmpSpy::Sent()[0].size);
    EXPECT_EQ(278u, IcmpSpy::Sent()[0].replySize);
}

TEST_F(PingUnfragmented, TheLoopbackPathIsFoundToCarryTheLargestMtu) {
    win32::Win32Sockets sockets;
    const MtuFinding found = FindLargestMtu(sockets, *icmp, "127.0.0.1");
    EXPECT_TRUE(found.Found) << found.Text;
    EXPECT_EQ(1500, found.Mtu);
    // The smallest, then the largest, which comes back.
    EXPECT_EQ(2u, IcmpSpy::Sent().size());
}

// --- Korvet.exe's parts ------------------------------------------------

TEST(KorvetClock, AWrapOfTheOldCounterCarriesOver) {
    korvet::WrapCounter counter;
    EXPECT_EQ(0xFFFFFF00u, counter.Extend(0xFFFFFF00u));
    EXPECT_EQ(0xFFFFFFFFu, counter.Extend(0xFFFFFFFFu));
    EXPECT_EQ(0x100000010u, counter.Extend(0x10));
    EXPECT_EQ(0x100000010u, counter.Extend(0x10));
    EXPECT_EQ(0x1FFFFFFFFu, counter.Extend(0xFFFFFFFFu));
    EXPECT_EQ(0x200000004u, counter.Extend(4));  // and the next wrap
}

TEST(KorvetClock, NeverRunsBackwards) {
    // Only the order is pinned: how far the counter moves across a sleep
    // depends on the machine's load and the timer's granularity.
    korvet::SteadyClock clock;
    std::uint64_t previous = clock.Now();
    for (int i = 0; i < 50; ++i) {
        Sleep(1);
        const std::uint64_t now = clock.Now();
        ASSERT_GE(now, previous);
        previous = now;
    }
}

TEST(KorvetSwitches, SwitchesIgnoreCaseAndTakeEitherPrefix) {
    using korvet::Action;
    EXPECT_EQ(Action::Run, korvet::ParseArguments(""));
    EXPECT_EQ(Action::Run, korvet::ParseArguments("  "));
    EXPECT_EQ(Action::Stop, korvet::ParseArguments("/stop"));
    EXPECT_EQ(Action::Stop, korvet::ParseArguments(" -STOP "));
    EXPECT_EQ(Action::Pause, korvet::ParseArguments("/Pause"));
    EXPECT_EQ(Action::Resume, korvet::ParseArguments("-resume"));
    EXPECT_EQ(Action::Unknown, korvet::ParseArguments("stop"));
    EXPECT_EQ(Action::Unknown, korvet::ParseArguments("/"));
    EXPECT_EQ(Action::Unknown, korvet::ParseArguments("/stop now"));
}

TEST(KorvetSettings, PingCfgIsReadFromTheGivenFolder) {
    ScratchFolder app{"korvet settings"};
    const PingSettings saved{true, "127.0.0.1", "7", true};
    WriteTextFile(app / "Ping.cfg", FormatPingFile(saved));
    korvet::KorvetPing pinger(app.path());
    EXPECT_EQ(saved, pinger.Load());

    // Without the file the defaults apply, with the sound kept.
    DeleteFileA((app / "Ping.cfg").c_str());
    EXPECT_EQ(DefaultPingSettings(true), pinger.Load());
}

// The companion reads Ping.cfg every second; the ping tab saves it with a
// temporary file renamed over it. A read must never make a save fail with
// a sharing violation, nor a save make a read fall back to the defaults.
struct CompanionReader {
    explicit CompanionReader(const std::string& folder) : pinger(folder) {}
    korvet::KorvetPing pinger;
    PingSettings a, b;
    volatile LONG stop = 0;
    long reads = 0;
    long strays = 0;  // loads that were neither record
    PingSettings stray;

    static DWORD WINAPI Run(void* self) {
        auto& reader = *static_cast<CompanionReader*>(self);
        // The companion reads once a second; here a read follows every
        // millisecond, so each save meets reads.
        while (!reader.stop) {
            Sleep(1);
            const PingSettings read = reader.pinger.Load();
            ++reader.reads;
            if (!(read == reader.a || read == reader.b)) {
                ++reader.strays;
                reader.stray = read;
            }
        }
        return 0;
    }
};

TEST(PingFileSharing, SavesNeverFailWhileTheCompanionReads) {
    ScratchFolder app{"ping sharing"};
    const std::string path = app / "Ping.cfg";
    CompanionReader reader(app.path());
    reader.a = PingSettings{false, "127.0.0.1", "3", true};
    reader.b = PingSettings{false, "localhost", "45", false};
    WriteTextFile(path, FormatPingFile(reader.a));

    HANDLE thread = CreateThread(nullptr, 0, CompanionReader::Run, &reader, 0, nullptr);
    ASSERT_TRUE(thread);
    win32::Win32FileSystem files;
    int failures = 0;
    std::string firstFailure;
    for (int save = 0; save < 1000; ++save) {
        const auto written =
            files.ReplaceFileContents(path, FormatPingFile(save % 2 ? reader.a : reader.b));
        if (!written) {
            if (failures++ == 0) firstFailure = written.Error().reason;
        }
    }
    InterlockedExchange(&reader.stop, 1);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);

    EXPECT_EQ(0, failures) << "first failure: " << firstFailure;
    EXPECT_GT(reader.reads, 0);
    std::printf("PingFileSharing: 1000 saves, %ld reads\n", reader.reads);
    EXPECT_EQ(0, reader.strays) << "for example: " << FormatPingFile(reader.stray);
}

// --- Korvet.exe as a program --------------------------------------------

std::string KorvetExe() {
    const std::string quintel = QuintelExe();
    const auto slash = quintel.find_last_of('\\');
    return (slash == std::string::npos ? std::string() : quintel.substr(0, slash + 1)) + "Korvet.exe";
}

bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(50);
    }
    return true;
}

HWND CompanionWindow() {
    return FindWindowA(korvet::WindowClass, nullptr);
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    if (window) GetWindowThreadProcessId(window, &process);
    return process;
}

class KorvetProgram : public ::testing::Test {
protected:
    void SetUp() override {
        // A companion from elsewhere in this prefix would take the messages.
        ASSERT_FALSE(CompanionWindow()) << "a companion is already running";
        ASSERT_TRUE(CopyFileA(KorvetExe().c_str(), (app / "Korvet.exe").c_str(), FALSE))
            << KorvetExe();
        // Pings every minute at the earliest, and the tests end sooner.
        WriteTextFile(app / "Ping.cfg", FormatPingFile(PingSettings{true, "127.0.0.1", "1", false}));
    }

    void TearDown() override {
        if (process_) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
            CloseHandle(process_);
        }
    }

    // Starts the companion without waiting, as Quintel.exe does.
    void Start() {
        ASSERT_FALSE(process_);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::string line = "\"" + (app / "Korvet.exe") + "\"";
        std::vector<char> text(line.begin(), line.end());
        text.push_back('\0');
        ASSERT_TRUE(CreateProcessA(nullptr, text.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        CloseHandle(process.hThread);
        process_ = process.hProcess;
        processId_ = process.dwProcessId;
        ASSERT_TRUE(WaitUntil([&] { return ProcessOf(CompanionWindow()) == processId_; }))
            << "the companion's window did not appear";
    }

    bool Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

    // Waits for the companion to end and gives its exit code.
    DWORD Ended(DWORD milliseconds = 5000) {
        if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_, &code);
        CloseHandle(process_);
        process_ = nullptr;
        return code;
    }

    bool Paused() { return GetPropA(CompanionWindow(), korvet::PausedProperty) != nullptr; }

    RunResult Korvet(const std::string& arguments) { return RunProgram(app / "Korvet.exe", arguments); }

    ScratchFolder app{"korvet app"};
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

TEST_F(KorvetProgram, RunsHiddenAndASecondStartLeavesAtOnce) {
    Start();
    HWND window = CompanionWindow();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(GetParent(window)) << "a top-level window, told when the session ends";
    EXPECT_FALSE(Paused());

    const DWORD started = GetTickCount();
    const RunResult second = Korvet("");
    EXPECT_EQ(0u, second.exitCode);
    EXPECT_LT(GetTickCount() - started, 10000u);
    EXPECT_TRUE(Running());
    EXPECT_EQ(processId_, ProcessOf(CompanionWindow()));

    EXPECT_EQ(0u, Korvet("/stop").exitCode);
    EXPECT_EQ(0u, Ended());
    EXPECT_FALSE(CompanionWindow());
}

// The tray menu's "Disable"/"Enable" follows what the companion says,
// however it was paused.
TEST_F(KorvetProgram, TheMainProgramAsksTheCompanionWhetherItIsPaused) {
    win32::KorvetKeepAliveControl control;
    EXPECT_EQ(KeepAliveState::NotRunning, control.State());
    Start();
    EXPECT_EQ(KeepAliveState::Running, control.State());
    EXPECT_EQ(0u, Korvet("/pause").exitCode);
    EXPECT_TRUE(WaitUntil([&] { return Paused(); }));
    EXPECT_EQ(KeepAliveState::Paused, control.State());
    EXPECT_EQ(korvet::StatePaused,
              SendMessageA(CompanionWindow(), korvet::StateQueryMessage, 0, 0));

    control.Resume();
    EXPECT_TRUE(WaitUntil([&] { return control.State() == KeepAliveState::Running; }));
    EXPECT_FALSE(Paused());
    EXPECT_EQ(0u, Korvet("/stop").exitCode);
    EXPECT_EQ(0u, Ended());
    EXPECT_EQ(KeepAliveState::NotRunning, control.State());
}

TEST_F(KorvetProgram, PauseAndResumeReachTheRunningCopy) {
    Start();
    EXPECT_EQ(0u, Korvet("/pause").exitCode);
    EXPECT_TRUE(WaitUntil([&] { return Paused(); }));
    EXPECT_EQ(0u, Korvet("-PAUSE").exitCode);
    EXPECT_TRUE(Paused());
    EXPECT_EQ(0u, Korvet("/resume").exitCode);
    EXPECT_TRUE(WaitUntil([&] { return !Paused(); }));
    EXPECT_TRUE(Running());

    // Paused when stopped, enabled again on the next start.
    EXPECT_EQ(0u, Korvet("/pause").exitCode);
    EXPECT_TRUE(WaitUntil([&] { return Paused(); }));
    EXPECT_EQ(0u, Korvet("/stop").exitCode);
    EXPECT_EQ(0u, Ended());
    Start();
    EXPECT_FALSE(Paused());
}

TEST_F(KorvetProgram, MessagesFromAnotherProgramControlIt) {
    Start();
    HWND window = CompanionWindow();
    ASSERT_TRUE(PostMessageA(window, korvet::PauseMessage, 0, 0));
    EXPECT_TRUE(WaitUntil([&] { return Paused(); }));
    ASSERT_TRUE(PostMessageA(window, korvet::ResumeMessage, 0, 0));
    EXPECT_TRUE(WaitUntil([&] { return !Paused(); }));
    ASSERT_TRUE(PostMessageA(window, korvet::StopMessage, 0, 0));
    EXPECT_EQ(0u, Ended());
}

TEST_F(KorvetProgram, EndsWithTheWindowsSession) {
    Start();
    HWND window = CompanionWindow();
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(TRUE, static_cast<BOOL>(answer));
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    EXPECT_EQ(0u, Ended());
}

TEST_F(KorvetProgram, SwitchesWithoutARunningCopy) {
    EXPECT_EQ(1u, Korvet("/pause").exitCode);
    EXPECT_EQ(1u, Korvet("/resume").exitCode);
    EXPECT_EQ(0u, Korvet("/stop").exitCode);
    EXPECT_EQ(2u, Korvet("/bogus").exitCode);
    EXPECT_FALSE(CompanionWindow());
}

TEST_F(KorvetProgram, VersionResourceAndManifest) {
    const std::string exe = app / "Korvet.exe";
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_NE(0u, size);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(0x00050000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    auto text = [&](const char* name) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\040904E4\\") + name;
        if (!VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            return std::string();
        return std::string(value ? value : "");
    };
    EXPECT_EQ("Quintel", text("ProductName"));
    EXPECT_EQ("Quintel keep-alive", text("FileDescription"));

    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_TRUE(resource);
    const char* manifest = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    const std::string xml(manifest, SizeofResource(module, resource));
    FreeLibrary(module);
    EXPECT_NE(std::string::npos, xml.find("level=\"asInvoker\"")) << xml;
}

}  // namespace
}  // namespace quintel::wine
