#include <gtest/gtest.h>

#include <algorithm>

#include "core/ping/PingSettings.h"
#include "core/switches/EngineCommands.h"
#include "core/system/WindowsFamily.h"
#include "core/tuning/ChangePlan.h"
#include "core/tuning/RegFile.h"
#include "core/tuning/TuningSettings.h"
#include "core/tuning/UndoRecord.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeForms.h"
#include "fakes/FakeNetwork.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSystem.h"

namespace quintel {
namespace {

const std::string Folder = "C:\\Quintel";
const std::string Cfg = Folder + "\\VarOderudi.cfg";
constexpr const char* Tcpip = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
constexpr const char* Interfaces = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        files.MakeFolder(Folder);
        version.version = OsVersion{2, 5, 1};  // Windows XP
    }
    int Run(int (*command)(EngineContext&, std::string&, std::string&)) {
        EngineContext ctx{reg, files, version, clock, instance, Folder};
        out.clear();
        err.clear();
        return command(ctx, out, err);
    }

    test::FakeRegistry reg;
    test::FakeFileSystem files;
    test::FakeVersionQuery version;
    test::FakeClock clock;
    test::FakeSingleInstance instance;
    std::string out, err;
};

const std::string ManualDefaults =
    "ConnectionType,0\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\n"
    "TTL,#FALSE#,32\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
    "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n";

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class FindMtuCommand : public Commands {
protected:
    int FindMtu(const std::string& host) {
        EngineContext ctx{reg, files, version, clock, instance, Folder};
        out.clear();
        err.clear();
        return RunFindMtu(ctx, sockets, icmp, host, out, err);
    }
    test::FakeSockets sockets;
    test::FakeIcmp icmp;
};

TEST_F(FindMtuCommand, PrintsTheMtuFoundAndExitsZeroWritingNothing) {
    icmp.path.mtu = 1492;
    EXPECT_EQ(0, FindMtu("10.0.0.1"));
    EXPECT_EQ("The largest packet that reaches 10.0.0.1 whole is 1492 bytes (1464 of data): MTU 1492.\n", out);
    EXPECT_EQ("", err);
    EXPECT_TRUE(reg.Calls().empty());
    EXPECT_FALSE(files.FileExists(Cfg));
    EXPECT_EQ(0, files.Writes());
    // It writes nothing, so it runs beside the window.
    instance.another = true;
    EXPECT_EQ(0, FindMtu("10.0.0.1"));
}

TEST_F(FindMtuCommand, WithoutAHostItTakesThePingHostOfPingCfg) {
    files.Put(Folder + "\\Ping.cfg",
              "PingAutomatic,#FALSE#\r\nPingHost,gateway.example\r\nPingInterval,5\r\nPingSound,#FALSE#\r\n");
    sockets.hosts["gateway.example"] = {{10, 0, 0, 1}};
    EXPECT_EQ(0, FindMtu(""));
    EXPECT_EQ(std::vector<std::string>{"gateway.example"}, sockets.lookups);
    // Without the file, the default host the window would offer.
    files.Remove(Folder + "\\Ping.cfg");
    sockets.lookups.clear();
    EXPECT_EQ(1, FindMtu(""));
    EXPECT_EQ(std::vector<std::string>{DefaultPingHost}, sockets.lookups);
}

TEST_F(FindMtuCommand, AHostThatDoesNotAnswerExitsOneWithTheReason) {
    icmp.path.answers = false;
    EXPECT_EQ(1, FindMtu("10.0.0.1"));
    EXPECT_EQ("", out);
    EXPECT_EQ("Quintel: 10.0.0.1 does not answer: not even the smallest echo (576 bytes) came back "
              "within 1 second. Try another host, one that answers pings.\n",
              err);
    EXPECT_EQ(1u, icmp.echoes.size());
}

TEST_F(Commands, ShowListsEveryValueNowAndAfterTabSeparatedAndChangesNothing) {
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    reg.PutDword("SYSTEM\\ControlSet001\\Services\\tcpip\\parameters", "GlobalMaxTcpWindowSize", 64240);
    reg.PutSz(Tcpip, "DefaultTTL", "128");  // text where a number goes
    reg.PutDword(Tcpip, "KeepAliveTime", 600000);  // already what Apply writes
    files.Put(Cfg, "ConnectionType,1\r\nOptiMode,1\r\n");
    const std::size_t values = reg.ValueCount();
    const int writes = files.Writes();
    EXPECT_EQ(0, Run(RunShow));
    const std::string text = out;
    EXPECT_EQ(0u, text.find("OS: Windows XP\nMode: Automatic #2\n")) << text;
    // key, value, now, after, whether it changes
    for (const std::string& row : std::vector<std::string>
         {"HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\tcpip\\parameters\t"
          "GlobalMaxTcpWindowSize\t64240\t(removed)\tchanged\n",
          "HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\tcpip\\parameters\t"
          "TcpWindowSize\t(not set)\t(removed)\tsame\n",
          "HKEY_LOCAL_MACHINE\\" + std::string(Tcpip) + "\tDefaultTTL\t\"128\"\t128\tchanged\n",
          "HKEY_LOCAL_MACHINE\\" + std::string(Tcpip) + "\tKeepAliveTime\t600000\t600000\tsame\n",
          "HKEY_LOCAL_MACHINE\\" + std::string(Interfaces) + "\\{AAA}\tMTU\t(not set)\t576\tchanged\n",
          std::string("\tcachesize\t(Default)\t(not set)\t0\tchanged\n").substr(1)}) {
        EXPECT_NE(std::string::npos, text.find(row)) << row << "\n" << text;
    }
    // Every line: the two header lines, one per value with five fields,
    // and the count.
    std::size_t rows = 0, start = 0, lines = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        ++lines;
        if (line.rfind("HKEY_LOCAL_MACHINE\\", 0) == 0) {
            ++rows;
            EXPECT_EQ(4, std::count(line.begin(), line.end(), '\t')) << line;
        }
        start = end + 1;
    }
    EXPECT_EQ(17u, rows);
    EXPECT_EQ(rows + 3, lines);
    EXPECT_NE(std::string::npos, text.rfind("\n13 of 17 values change\n")) << text;
    EXPECT_EQ(text.size(), text.rfind("\n13 of 17 values change\n") + 24);
    EXPECT_EQ(values, reg.ValueCount());
    EXPECT_TRUE(reg.WriteCalls().empty());
    EXPECT_FALSE(reg.HasKey("SOFTWARE\\Microsoft"));
    EXPECT_EQ(writes, files.Writes());
    EXPECT_EQ(0u, reg.OpenHandles());
}

TEST_F(Commands, ShowOn98WritesTtlAsText) {
    version.version = OsVersion{1, 4, 10};
    files.Put(Cfg, ManualDefaults);
    EXPECT_EQ(0, Run(RunShow));
    EXPECT_NE(std::string::npos, out.find("OS: Windows 98\n"));
    EXPECT_NE(std::string::npos, out.find("\tDefaultTTL\t(not set)\t\"32\"\tchanged\n")) << out;
}

TEST_F(Commands, ApplyRewritesTheFileAndTheRegistry) {
    // A file that holds the settings as Quintel writes them is not written
    // again, so a copy made read-only for a locked deployment still applies.
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n", {.readOnly = true});
    EXPECT_EQ(0, Run(RunApply));
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,0\r\n", files.Contents(Cfg));
    EXPECT_EQ(4288u, reg.GetDword(Tcpip, "TcpWindowSize"));
    EXPECT_EQ("", err);
    EXPECT_NE(std::string::npos, out.find("Automatic #1 for Windows XP"));
}

TEST_F(Commands, ApplyWithoutAFileExitsOneNamingItAndWritesNothing) {
    EXPECT_EQ(1, Run(RunApply));
    EXPECT_EQ("Quintel: " + Cfg + " is missing or not an ordinary file. Nothing was written.\n", err);
    EXPECT_EQ("", out);
    EXPECT_TRUE(reg.Calls().empty());
    EXPECT_EQ(0, files.Writes());
    EXPECT_FALSE(files.FileExists(Cfg));
}

struct BadFile {
    const char* name;
    std::string text;
    std::string message;  // what follows the path
};

class CommandsWithABadFile : public Commands, public ::testing::WithParamInterface<BadFile> {};

TEST_P(CommandsWithABadFile, ApplyAndShowExitOneNamingTheLineAndLeaveEverythingAlone) {
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    files.Put(Cfg, GetParam().text);
    const std::size_t keysBefore = reg.Calls().size();
    EXPECT_EQ(1, Run(RunApply));
    EXPECT_EQ("Quintel: " + Cfg + GetParam().message + ". Nothing was written.\n", err);
    EXPECT_EQ("", out);
    EXPECT_EQ(1, LineCount(err));
    EXPECT_EQ(0, files.Writes());
    EXPECT_EQ(GetParam().text, files.Contents(Cfg));
    EXPECT_EQ(keysBefore, reg.Calls().size()) << "the registry is not even opened";

    EXPECT_EQ(1, Run(RunShow));
    EXPECT_EQ("Quintel: " + Cfg + GetParam().message + "\n", err);
    EXPECT_EQ("", out);
}

const std::string ManualLines3To11 =
    "MTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\nTTL,#FALSE#,32\r\n"
    "SKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\nBlackHole,#FALSE#\r\n"
    "MSCPS0,0,2\r\nMSCPS1,2,4\r\n";

std::string ManualWith(const std::string& from, const std::string& to) {
    std::string text = "ConnectionType,1\r\nOptiMode,3\r\n" + ManualLines3To11;
    text.replace(text.find(from), from.size(), to);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandsWithABadFile,
    ::testing::Values(
        BadFile{"empty", "", " is malformed at line 1 (ConnectionType): the line is missing"},
        BadFile{"truncated", "ConnectionType,1\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\n",
                " is malformed at line 4 (RWIN): the line is missing"},
        BadFile{"NotANumber", "ConnectionType,x1\r\nOptiMode,0\r\n",
                " is malformed at line 1 (ConnectionType): the connection type \"x1\" is not a "
                "whole number"},
        BadFile{"Overflow", "ConnectionType,1\r\nOptiMode,99999\r\n",
                " is malformed at line 2 (OptiMode): the mode \"99999\" does not fit in 16 bits"},
        BadFile{"BadFlag", ManualWith("TTL,#FALSE#", "TTL,yes"),
                " is malformed at line 5 (TTL): the custom flag \"yes\" is neither #TRUE# nor "
                "#FALSE#"},
        BadFile{"MtuZeroLeftToWindows", ManualWith("MTU,#FALSE#,1500", "MTU,#FALSE#,0"),
                " is malformed at line 3 (MTU): the MTU 0 is outside 68 to 65535"},
        BadFile{"TtlLeftToWindows", ManualWith("TTL,#FALSE#,32", "TTL,#FALSE#,999"),
                " is malformed at line 5 (TTL): the TTL 999 is outside 1 to 255"},
        BadFile{"RwinTooSmall", ManualWith("RWIN,#FALSE#,-1,8192", "RWIN,#FALSE#,-1,20"),
                " is malformed at line 4 (RWIN): the receive window 20 is outside 272 to "
                "1048560"},
        BadFile{"KeepAliveOfNoMinute", ManualWith("SKA,#FALSE#,-1,3600000", "SKA,#FALSE#,-1,5"),
                " is malformed at line 6 (SKA): the keep-alive time 5 is outside 60000 to "
                "3600000"},
        BadFile{"NdiCacheTooLarge", ManualWith("NDI,#FALSE#,-1,0", "NDI,#FALSE#,-1,65"),
                " is malformed at line 7 (NDI): the cache size 65 is outside 0 to 64"},
        BadFile{"NoHttp11Limit", ManualWith("MSCPS1,2,4", "MSCPS1,-1,0"),
                " is malformed at line 11 (MSCPS1): the connection limit 0 is outside 2 to 60"},
        BadFile{"IndexPastTheList", ManualWith("MSCPS0,0,2", "MSCPS0,59,2"),
                " is malformed at line 10 (MSCPS0): the list index 59 is outside -1 to 58"},
        BadFile{"Junk", "\x01\xff,\x7f\r\n",
                " is malformed at line 1 (ConnectionType): the connection type \"?\" is not a "
                "whole number"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Commands, AnUnreadableOrHiddenFileIsNamedAndNothingIsWritten) {
    files.Put(Cfg, "ConnectionType,1\r\nOptiMode,0\r\n");
    files.MakeUnreadable(Cfg);
    EXPECT_EQ(1, Run(RunApply));
    EXPECT_EQ("Quintel: cannot read " + Cfg + ": Access is denied. Nothing was written.\n", err);
    EXPECT_TRUE(reg.Calls().empty());
    EXPECT_EQ(0, files.Writes());

    files.Put(Cfg, "ConnectionType,1\r\nOptiMode,0\r\n", {.hidden = true});
    EXPECT_EQ(1, Run(RunShow));
    EXPECT_EQ("Quintel: " + Cfg + " is missing or not an ordinary file\n", err);
}

TEST_F(Commands, RestoreNeedsNoFile) {
    EXPECT_EQ(0, Run(RunRestore));
    EXPECT_EQ(ManualDefaults, files.Contents(Cfg));
    EXPECT_EQ(8192u, reg.GetDword(Tcpip, "TcpWindowSize"));
}

TEST_F(Commands, RestoreKeepsTheConnectionTypeAndWritesElevenLines) {
    files.Put(Cfg, "ConnectionType,3\r\nOptiMode,2\r\n");
    EXPECT_EQ(0, Run(RunRestore));
    const std::string text = files.Contents(Cfg);
    EXPECT_EQ(0u, text.find("ConnectionType,3\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\n"));
    EXPECT_EQ(11, std::count(text.begin(), text.end(), '\n'));
    EXPECT_EQ(8192u, reg.GetDword(Tcpip, "GlobalMaxTcpWindowSize"));
}

TEST_F(Commands, AFileThatCannotBeReplacedExitsOneAndTouchesNoRegistryValue) {
    files.MakeFolder(Cfg);
    EXPECT_EQ(1, Run(RunRestore));
    EXPECT_EQ("Quintel: could not write " + Cfg + ": a folder of that name is in the way\n",
              err);
    EXPECT_TRUE(reg.WriteCalls().empty());
    EXPECT_EQ(1, Run(RunApply));
    EXPECT_EQ("Quintel: " + Cfg + " is missing or not an ordinary file. Nothing was written.\n",
              err);
    EXPECT_TRUE(reg.WriteCalls().empty());
}

TEST_F(Commands, ARefusedRegistryValueExitsOneNamingIt) {
    reg.DenyKeyWrites(Tcpip);
    EXPECT_EQ(1, Run(RunRestore));
    std::string expected;
    for (const char* name : {"GlobalMaxTcpWindowSize", "TcpWindowSize", "DefaultTTL",
                             "KeepAliveTime", "EnablePMTUDiscovery", "EnablePMTUBHDetect"}) {
        expected += "Quintel: could not write HKEY_LOCAL_MACHINE\\" + std::string(Tcpip) +
                    " value " + name + ": Access is denied.\n";
    }
    EXPECT_EQ(expected, err);
}

TEST_F(Commands, APartialApplyNamesEveryValueNotWrittenAndCountsTheOthers) {
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    reg.AddKey(std::string(Interfaces) + "\\{BBB}");
    reg.FailValue(std::string(Interfaces) + "\\{AAA}", "MTU", 5);
    reg.DenyKeyWrites("SYSTEM\\CurrentControlSet\\Services\\{BBB}");
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    EXPECT_EQ(1, Run(RunApply));
    EXPECT_EQ("Quintel: could not write HKEY_LOCAL_MACHINE\\" + std::string(Interfaces) +
                  "\\{AAA} value MTU: Access is denied.\n"
                  "Quintel: could not write HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\"
                  "Services\\{BBB}\\Parameters\\Tcpip value MTU: Access is denied.\n",
              err);
    EXPECT_EQ("Applied Automatic #1 for Windows XP in part: 17 registry values written, 0 removed, "
              "2 not (each named on standard error).\n",
              out);
    EXPECT_EQ(576u, reg.GetDword(std::string(Interfaces) + "\\{BBB}", "MTU"));
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,0\r\n", files.Contents(Cfg)) << "the choice stays";
}

TEST_F(Commands, ApplyAndRestoreRefuseWhileTheWindowRunsAndShowDoesNot) {
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    instance.another = true;
    for (auto command : {RunApply, RunRestore}) {
        EXPECT_EQ(exitcode::AnotherInstance, Run(command));
        EXPECT_EQ(4, exitcode::AnotherInstance);
        EXPECT_EQ(1, LineCount(err));
        EXPECT_NE(std::string::npos, err.find("Quintel is already running")) << err;
        EXPECT_NE(std::string::npos, err.find("Nothing was written.")) << err;
        EXPECT_EQ("", out);
        EXPECT_TRUE(reg.Calls().empty());
        EXPECT_EQ(0, files.Writes());
    }
    EXPECT_EQ(0, Run(RunShow));
    EXPECT_EQ("", err);
    EXPECT_NE(std::string::npos, out.find("OS: Windows XP\n"));
}

TEST_F(Commands, ShowMarksTheReceiveWindowFromVistaOn) {
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    const std::string rows[] = {
        "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters\tGlobalMaxTcpWindowSize\t(not set)\t4288\tchanged",
        "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters\tTcpWindowSize\t(not set)\t4288\tchanged",
        "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters\tGlobalMaxTcpWindowSize\t(not set)\t4288\tchanged",
        "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters\tTcpWindowSize\t(not set)\t4288\tchanged"};
    for (const OsVersion v : {OsVersion{2, 6, 0, 6002, 1}, OsVersion{2, 10, 0, 19045, 1}}) {
        version.version = v;
        EXPECT_EQ(0, Run(RunShow));
        for (const std::string& row : rows) {
            EXPECT_NE(std::string::npos,
                      out.find("HKEY_LOCAL_MACHINE\\" + row + "\tnot read by this Windows\n"))
                << row << "\n" << out;
        }
        std::size_t marks = 0;
        for (auto at = out.find("not read"); at != std::string::npos; at = out.find("not read", at + 1)) {
            ++marks;
        }
        EXPECT_EQ(4u, marks);
        EXPECT_NE(std::string::npos, out.find("\tDefaultTTL\t(not set)\t128\tchanged\n"));
    }
    for (const OsVersion v : {OsVersion{2, 5, 1, 2600, 1}, OsVersion{2, 5, 2, 3790, 3}}) {
        version.version = v;
        EXPECT_EQ(0, Run(RunShow));
        EXPECT_EQ(std::string::npos, out.find("not read")) << out;
        EXPECT_NE(std::string::npos, out.find("HKEY_LOCAL_MACHINE\\" + rows[3] + "\n"));
    }
}

TEST_F(Commands, EveryNTReleaseAfterXPGetsTheNTMap) {
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    for (const OsVersion v : {OsVersion{2, 5, 2, 3790, 3}, OsVersion{2, 6, 1, 7601, 1},
                              OsVersion{2, 10, 0, 19045, 1}, OsVersion{2, 11, 0, 30000, 1}}) {
        version.version = v;
        test::FakeRegistry fresh;
        fresh.AddKey(std::string(Interfaces) + "\\{AAA}");
        EngineContext ctx{fresh, files, version, clock, instance, Folder};
        out.clear();
        err.clear();
        EXPECT_EQ(0, RunApply(ctx, out, err)) << err;
        EXPECT_EQ(4288u, fresh.GetDword(Tcpip, "TcpWindowSize"));
        EXPECT_EQ(128u, fresh.GetDword(Tcpip, "DefaultTTL"));
        EXPECT_EQ(576u, fresh.GetDword(std::string(Interfaces) + "\\{AAA}", "MTU"));
        EXPECT_FALSE(fresh.HasKey("System\\CurrentControlSet\\Services\\VxD\\MSTCP"));
    }
}

// The text of a version 5 file (UTF-16LE with its byte order mark) as
// bytes, for a file that holds ASCII only.
std::string Narrowed(const std::string& wide) {
    EXPECT_EQ(0u, wide.find("\xFF\xFE")) << "no byte order mark";
    std::string text;
    for (std::size_t i = 2; i + 1 < wide.size(); i += 2) {
        EXPECT_EQ('\0', wide[i + 1]) << "not ASCII at " << i;
        text += wide[i];
    }
    return text;
}

class Export : public Commands {
protected:
    int RunExportTo(const std::string& path) {
        EngineContext ctx{reg, files, version, clock, instance, Folder};
        out.clear();
        err.clear();
        return RunExport(ctx, path, out, err);
    }
    const std::string Out = "C:\\Fleet Settings\\tcp.reg";
};

TEST_F(Export, OnXPWritesVersionFiveWithEveryValueApplyWritesAndRemovalsAsMinus) {
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    reg.PutDword(Tcpip, "DefaultTTL", 64);
    files.MakeFolder("C:\\Fleet Settings");
    files.Put(Cfg, "ConnectionType,1\r\nOptiMode,1\r\n");  // Automatic #2: RWIN removed, MTU 576

    ASSERT_EQ(0, RunExportTo(Out)) << err;
    // The file holds what Apply would leave, which needs no value read:
    // at a thousand interfaces each read would cost a call to the registry.
    for (const std::string& call : reg.Calls())
        EXPECT_NE(0u, call.rfind("QueryValue", 0)) << "read for nothing: " << call;

    const std::string text = Narrowed(files.Contents(Out));
    EXPECT_EQ(0u, text.find("Windows Registry Editor Version 5.00\r\n\r\n")) << text;
    EXPECT_NE(std::string::npos,
              text.find("[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\tcpip\\parameters]\r\n"
                        "\"GlobalMaxTcpWindowSize\"=-\r\n\"TcpWindowSize\"=-\r\n"
                        "\"DefaultTTL\"=dword:00000080\r\n"))
        << text;
    EXPECT_NE(std::string::npos,
              text.find("[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\"
                        "Interfaces\\{AAA}]\r\n\"MTU\"=dword:00000240\r\n"))
        << text;
    EXPECT_NE(std::string::npos,
              text.find("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\"
                        "params\\cachesize]\r\n@=dword:00000000\r\n"))
        << text;
    EXPECT_NE(std::string::npos, text.find("; The adapter and interface keys are those of the machine"));

    // Exactly what Apply would leave, value for value, each key once.
    const auto parsed = ParseRegFile(files.Contents(Out));
    ASSERT_TRUE(parsed.Ok()) << parsed.Error().Reason;
    EXPECT_EQ(RegFileFlavour::Version5, parsed.Value().Flavour);
    WindowsFamily xp = DetectWindowsFamily(version);
    TuningState state;
    state.LoadPresets();
    state.CurrentSettings = state.AutoPreset2;
    const ChangePlan plan = PlanChanges(state.CurrentSettings, xp, reg);
    ASSERT_EQ(plan.size(), parsed.Value().Entries.size());
    for (const PlannedValue& value : plan) {
        SCOPED_TRACE(value.Key + " " + value.ValueName);
        const auto found = std::find_if(
            parsed.Value().Entries.begin(), parsed.Value().Entries.end(), [&](const RegFileEntry& e) {
                return e.Key == value.Key && e.ValueName == value.ValueName;
            });
        ASSERT_NE(parsed.Value().Entries.end(), found);
        EXPECT_EQ(value.After.has_value(), found->Value.has_value());
        if (value.After && found->Value) {
            EXPECT_EQ(value.After->type, found->Value->type);
            EXPECT_EQ(value.After->data, found->Value->data);
        }
    }
    std::size_t headers = 0;
    for (std::size_t at = text.find("\r\n[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\tcpip\\parameters]");
         at != std::string::npos;
         at = text.find("\r\n[HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\tcpip\\parameters]", at + 1))
        ++headers;
    EXPECT_EQ(1u, headers) << "the values of one key stand together";

    EXPECT_EQ(64u, reg.GetDword(Tcpip, "DefaultTTL")) << "the registry is only read";
    EXPECT_FALSE(reg.HasKey("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"));
    EXPECT_EQ("ConnectionType,1\r\nOptiMode,1\r\n", files.Contents(Cfg));
    EXPECT_EQ(0u, reg.OpenHandles());
    EXPECT_NE(std::string::npos, out.find("Exported Automatic #2 for Windows XP to " + Out)) << out;
}

TEST_F(Export, OnWindows98WritesRegedit4WithTheTtlAsText) {
    version.version = OsVersion{1, 4, 10};
    reg.AddKey("System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000");
    files.MakeFolder("C:\\Fleet Settings");
    files.Put(Cfg, ManualDefaults);

    ASSERT_EQ(0, RunExportTo(Out)) << err;

    const std::string text = files.Contents(Out);
    EXPECT_EQ(0u, text.find("REGEDIT4\r\n\r\n")) << "ANSI, no byte order mark";
    EXPECT_NE(std::string::npos,
              text.find("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\MSTCP]\r\n"
                        "\"DefaultRcvWindow\"=dword:00002000\r\n\"DefaultTTL\"=\"32\"\r\n"))
        << text;
    EXPECT_NE(std::string::npos,
              text.find("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000]\r\n"
                        "\"MaxMTU\"=dword:000005dc\r\n\"MaxMSS\"=dword:000005b4\r\n"))
        << text;
    EXPECT_EQ(std::string::npos, text.find("tcpip\\parameters")) << "no value of the NT map";
}

TEST_F(Export, WithoutAUsableSettingsFileOrWhereTheFileCannotGoNothingIsWritten) {
    // No settings file: named, as /show and /apply name it.
    EXPECT_EQ(1, RunExportTo("C:\\Quintel\\tcp.reg"));
    EXPECT_NE(std::string::npos, err.find("VarOderudi.cfg")) << err;
    EXPECT_NE(std::string::npos, err.find("No registry file was written.")) << err;
    EXPECT_FALSE(files.Has("C:\\Quintel\\tcp.reg"));

    // A folder that is not there.
    files.Put(Cfg, "ConnectionType,1\r\nOptiMode,0\r\n");
    EXPECT_EQ(1, RunExportTo("C:\\Nowhere\\tcp.reg"));
    EXPECT_NE(std::string::npos, err.find("could not write C:\\Nowhere\\tcp.reg")) << err;
    EXPECT_EQ("", out);

    // A full disk: the older file at the path stays whole.
    files.Put("C:\\Quintel\\tcp.reg", "REGEDIT4\r\n\r\n");
    files.FailWritesAfter(10);
    EXPECT_EQ(1, RunExportTo("C:\\Quintel\\tcp.reg"));
    EXPECT_EQ("REGEDIT4\r\n\r\n", files.Contents("C:\\Quintel\\tcp.reg"));
    EXPECT_EQ(0u, reg.ValueCount());
}

// --- /undo and /verify --------------------------------------------------------

TEST_F(Commands, UndoPutsBackWhatTheLastApplyReplacedAndSaysSo) {
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    reg.PutDword(std::string(Interfaces) + "\\{AAA}", "MTU", 1492);
    reg.PutSz(Tcpip, "DefaultTTL", "64");
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    ASSERT_EQ(0, Run(RunApply)) << err;
    EXPECT_EQ(576u, reg.GetDword(std::string(Interfaces) + "\\{AAA}", "MTU"));

    clock.now += 30;
    EXPECT_EQ(0, Run(RunUndo)) << err;
    EXPECT_EQ("", err);
    EXPECT_EQ(0u, out.find("Undid the change of " + TimeText(clock.now - 30) + ": 17 registry values "
                           "and VarOderudi.cfg put back"))
        << out;
    EXPECT_NE(std::string::npos, out.find("Restart Windows for them to take effect.\n"));
    EXPECT_EQ(1492u, reg.GetDword(std::string(Interfaces) + "\\{AAA}", "MTU"));
    EXPECT_EQ("64", reg.GetSz(Tcpip, "DefaultTTL"));
    EXPECT_FALSE(reg.Get(Tcpip, "KeepAliveTime"));
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,0\r\n", files.Contents(Cfg));
}

TEST_F(Commands, UndoWithNothingToUndoOrWhileTheWindowRunsChangesNothing) {
    EXPECT_EQ(1, Run(RunUndo));
    EXPECT_EQ("Quintel: there is no change to undo (no " + Folder + "\\Undo.reg). Nothing was changed.\n",
              err);
    EXPECT_EQ("", out);

    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    ASSERT_EQ(0, Run(RunApply));
    const std::size_t writes = reg.WriteCalls().size();
    instance.another = true;
    EXPECT_EQ(exitcode::AnotherInstance, Run(RunUndo));
    EXPECT_NE(std::string::npos, err.find("Quintel is already running")) << err;
    EXPECT_EQ(writes, reg.WriteCalls().size());
}

TEST_F(Commands, AnUndoThatCannotPutAValueBackExitsOneNamingIt) {
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    ASSERT_EQ(0, Run(RunApply));
    reg.DenyKeyWrites(Tcpip);
    EXPECT_EQ(1, Run(RunUndo));
    EXPECT_EQ(0u, err.find("Quintel: could not put back HKEY_LOCAL_MACHINE\\" + std::string(Tcpip) +
                           " value "))
        << err;
    // The six values of that key; the other nine went back.
    EXPECT_EQ(6, LineCount(err)) << err;
    EXPECT_NE(std::string::npos, out.find(" in part: 9 registry values put back")) << out;
    EXPECT_NE(std::string::npos, out.find("Undo.reg stays for another try")) << out;
}

TEST_F(Commands, VerifyExitsZeroWhenTheRegistryHoldsTheFileAndThreeListingEachValueThatDiffers) {
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    EXPECT_EQ(exitcode::Differs, Run(RunVerify));
    EXPECT_EQ(3, exitcode::Differs);
    EXPECT_NE(std::string::npos, out.find("\n17 of 17 values differ from VarOderudi.cfg\n")) << out;

    ASSERT_EQ(0, Run(RunApply));
    EXPECT_EQ(exitcode::Ok, Run(RunVerify)) << out;
    EXPECT_EQ("All 17 values match VarOderudi.cfg\n", out);

    reg.PutDword(Tcpip, "DefaultTTL", 64);
    reg.PutSz(std::string(Interfaces) + "\\{AAA}", "MTU", "576");
    EXPECT_EQ(exitcode::Differs, Run(RunVerify));
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\" + std::string(Tcpip) + "\tDefaultTTL\t128\t64\n"
              "HKEY_LOCAL_MACHINE\\" + std::string(Interfaces) + "\\{AAA}\tMTU\t576\t\"576\"\n"
              "2 of 17 values differ from VarOderudi.cfg\n",
              out);
    EXPECT_EQ("", err);
}

TEST_F(Commands, VerifyWithoutAUsableFileExitsOneAndAValueThatCannotBeReadDiffers) {
    EXPECT_EQ(1, Run(RunVerify));
    EXPECT_EQ("Quintel: " + Cfg + " is missing or not an ordinary file\n", err);
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,7\r\n");
    EXPECT_EQ(1, Run(RunVerify));
    EXPECT_NE(std::string::npos, err.find("is malformed at line 2")) << err;

    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    ASSERT_EQ(0, Run(RunApply));
    reg.DenyKey("SOFTWARE\\Microsoft");
    EXPECT_EQ(exitcode::Differs, Run(RunVerify));
    EXPECT_NE(std::string::npos,
              out.find("\tMaxConnectionsPerServer\t8\t(unreadable: Access is denied.)\n")) << out;
}

TEST(Usage, NamesEverySwitch) {
    const std::string usage = UsageText();
    for (const char* s : {"/show", "/apply", "/restore", "/undo", "/verify", "/export FILE", "/?"}) {
        EXPECT_NE(std::string::npos, usage.find(s)) << s;
    }
}

}  // namespace
}  // namespace quintel
