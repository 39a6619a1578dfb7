// Quintel.exe's engine switches against Wine's real registry, with Wine
// reporting the Windows version each test asks for.
#include <gtest/gtest.h>

#include "core/tuning/RegFile.h"
#include "wine/SetupChecks.h"
#include "wine/WineHelpers.h"

namespace quintel::wine {
namespace {

const std::string Mstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string NetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
const std::string Ndi = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
const std::string Inet = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const std::string Set001 = "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters";
const std::string Current = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const std::string IfCurrent = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const std::string If001 = "SYSTEM\\ControlSet001\\Services\\Tcpip\\Parameters\\Interfaces";

const std::string Automatic1 = "ConnectionType,1\r\nOptiMode,0\r\n";
const std::string Automatic3 = "ConnectionType,1\r\nOptiMode,2\r\n";

std::optional<std::uint32_t> Dword(const std::string& key, const std::string& name,
                                   REGSAM view = KEY_WOW64_64KEY) {
    const auto value = ReadValue(key, name, view);
    return value ? value->dword() : std::nullopt;
}

class EngineSwitches : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileA(QuintelExe().c_str(), (app / "Quintel.exe").c_str(), FALSE))
            << QuintelExe();
    }
    void TearDown() override {
        ClearWindowsVersion();
        DeleteKeyTree(HKEY_LOCAL_MACHINE, NetTrans);
        for (const char* name : {"{QUINTEL-TEST-1}", "{QUINTEL-TEST-2}"}) {
            DeleteKeyTree(HKEY_LOCAL_MACHINE, IfCurrent + "\\" + name);
            DeleteKeyTree(HKEY_LOCAL_MACHINE, If001 + "\\" + name);
            DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string("SYSTEM\\ControlSet001\\Services\\") + name);
            DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string("SYSTEM\\CurrentControlSet\\Services\\") + name);
        }
    }

    RunResult Quintel(const std::string& arguments) { return RunProgram(app / "Quintel.exe", arguments); }
    void Settings(const std::string& text) { WriteTextFile(app / "VarOderudi.cfg", text); }

    ScratchFolder app{"quintel app"};
};

TEST_F(EngineSwitches, ApplyOn98WritesThe9xMapAndRemovesForAutomatic3) {
    SetWindowsVersion("win98");
    CreateKey(NetTrans + "\\0000");
    CreateKey(NetTrans + "\\0001");
    Settings(Automatic1);

    RunResult run = Quintel("/apply");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("Windows 98")) << run.out;

    EXPECT_EQ(4288u, Dword(Mstcp, "DefaultRcvWindow"));
    const auto ttl = ReadValue(Mstcp, "DefaultTTL");
    ASSERT_TRUE(ttl);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), ttl->type);
    EXPECT_EQ(std::string("128\0", 4), ttl->data);
    EXPECT_EQ(600000u, Dword(Mstcp, "SessionKeepAlive"));
    EXPECT_EQ(1u, Dword(Mstcp, "PMTUDiscovery"));
    EXPECT_EQ(0u, Dword(Mstcp, "PMTUBlackHoleDetect"));
    // Wine, like Windows 95, ignores the access mask of a 9x program, so the
    // 64-bit view cannot be asked for: the values land in the view a 32-bit
    // program sees by default. Real Windows 9x has only the one registry.
    EXPECT_EQ(16u, Dword(Inet, "MaxConnectionsPer1_0Server", 0));
    EXPECT_EQ(8u, Dword(Inet, "MaxConnectionsPerServer", 0));
    for (const char* adapter : {"\\0000", "\\0001"}) {
        EXPECT_EQ(576u, Dword(NetTrans + adapter, "MaxMTU")) << adapter;
        EXPECT_EQ(536u, Dword(NetTrans + adapter, "MaxMSS")) << adapter;
    }
    EXPECT_EQ(0u, Dword(Ndi, ""));
    EXPECT_EQ(Automatic1, ReadTextFile(app / "VarOderudi.cfg"));

    Settings(Automatic3);
    run = Quintel("/apply");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    EXPECT_FALSE(ReadValue(Mstcp, "DefaultRcvWindow"));
    EXPECT_FALSE(ReadValue(NetTrans + "\\0000", "MaxMTU"));
    EXPECT_FALSE(ReadValue(NetTrans + "\\0001", "MaxMSS"));
    EXPECT_EQ(std::string("128\0", 4), ReadValue(Mstcp, "DefaultTTL")->data);
}

TEST_F(EngineSwitches, ApplyOnXPWritesBothControlSetsAndEveryInterface) {
    SetWindowsVersion("winxp");
    // Wine keeps CurrentControlSet and ControlSet001 as separate keys: the
    // first interface is in both, the second only in control set 001.
    CreateKey(IfCurrent + "\\{QUINTEL-TEST-1}");
    CreateKey(If001 + "\\{QUINTEL-TEST-1}");
    CreateKey(If001 + "\\{QUINTEL-TEST-2}");
    Settings(Automatic1);

    RunResult run = Quintel("/apply");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    for (const std::string& key : {Set001, Current}) {
        EXPECT_EQ(4288u, Dword(key, "GlobalMaxTcpWindowSize")) << key;
        EXPECT_EQ(4288u, Dword(key, "TcpWindowSize")) << key;
        EXPECT_EQ(128u, Dword(key, "DefaultTTL")) << key;
        EXPECT_EQ(600000u, Dword(key, "KeepAliveTime")) << key;
        EXPECT_EQ(1u, Dword(key, "EnablePMTUDiscovery")) << key;
        EXPECT_EQ(0u, Dword(key, "EnablePMTUBHDetect")) << key;
    }
    const std::string one = "{QUINTEL-TEST-1}", two = "{QUINTEL-TEST-2}";
    const std::string currentServices = "SYSTEM\\CurrentControlSet\\Services\\";
    const std::string services001 = "SYSTEM\\ControlSet001\\Services\\";
    EXPECT_EQ(576u, Dword(IfCurrent + "\\" + one, "MTU"));
    EXPECT_EQ(576u, Dword(currentServices + one + "\\Parameters\\Tcpip", "MTU"));
    EXPECT_EQ(576u, Dword(If001 + "\\" + one, "MTU"));
    EXPECT_EQ(576u, Dword(services001 + one + "\\Parameters\\Tcpip", "MTU"));
    EXPECT_EQ(576u, Dword(If001 + "\\" + two, "MTU"));
    EXPECT_EQ(576u, Dword(services001 + two + "\\Parameters\\Tcpip", "MTU"));
    // Only the interfaces each control set lists are written there.
    EXPECT_FALSE(ReadValue(IfCurrent + "\\" + two, "MTU"));
    EXPECT_FALSE(ReadValue(currentServices + two + "\\Parameters\\Tcpip", "MTU"));
    EXPECT_EQ(0u, Dword(Ndi, ""));

    Settings(Automatic3);
    run = Quintel("/apply");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    for (const std::string& key : {Set001, Current}) {
        EXPECT_FALSE(ReadValue(key, "GlobalMaxTcpWindowSize")) << key;
        EXPECT_FALSE(ReadValue(key, "TcpWindowSize")) << key;
    }
    EXPECT_FALSE(ReadValue(IfCurrent + "\\{QUINTEL-TEST-1}", "MTU"));
    EXPECT_EQ(128u, Dword(Current, "DefaultTTL"));
}

TEST_F(EngineSwitches, InternetSettingsLandInThe64BitView) {
    SetWindowsVersion("winxp");
    DeleteValue(Inet, "MaxConnectionsPerServer", KEY_WOW64_64KEY);
    DeleteValue(Inet, "MaxConnectionsPerServer", KEY_WOW64_32KEY);
    Settings(Automatic1);
    const RunResult run = Quintel("/apply");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ(8u, Dword(Inet, "MaxConnectionsPerServer", KEY_WOW64_64KEY));
    EXPECT_FALSE(ReadValue(Inet, "MaxConnectionsPerServer", KEY_WOW64_32KEY))
        << "written into Wow6432Node, where Windows does not read it";
}

TEST_F(EngineSwitches, RestoreWritesTheDefaultsAndKeepsTheConnectionType) {
    SetWindowsVersion("winxp");
    Settings(Automatic3);
    const RunResult run = Quintel("/restore");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ(8192u, Dword(Current, "TcpWindowSize"));
    EXPECT_EQ(32u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(3600000u, Dword(Set001, "KeepAliveTime"));
    EXPECT_EQ(2u, Dword(Inet, "MaxConnectionsPer1_0Server"));
    EXPECT_EQ(4u, Dword(Inet, "MaxConnectionsPerServer"));
    const std::string file = ReadTextFile(app / "VarOderudi.cfg");
    EXPECT_EQ(0u, file.find("ConnectionType,1\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\n")) << file;
}

TEST_F(EngineSwitches, AFileThatCannotBeReplacedExitsOneWithTheRegistryUntouched) {
    SetWindowsVersion("winxp");
    PutDword(Current, "DefaultTTL", 99);
    ASSERT_TRUE(CreateDirectoryA((app / "VarOderudi.cfg").c_str(), nullptr));
    RunResult run = Quintel("/restore");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("could not write " + (app / "VarOderudi.cfg")))
        << run.err;
    EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << "one line";
    EXPECT_EQ(99u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((app / "VarOderudi.cfg.tmp").c_str()));

    run = Quintel("/apply");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("Quintel: " + (app / "VarOderudi.cfg") +
                  " is missing or not an ordinary file. Nothing was written.\n",
              run.err);
    EXPECT_EQ(99u, Dword(Current, "DefaultTTL"));
}

TEST_F(EngineSwitches, ApplyAndShowRefuseAMissingMalformedOrLockedFileAndWriteNothing) {
    SetWindowsVersion("winxp");
    PutDword(Current, "DefaultTTL", 99);
    const std::string cfg = app / "VarOderudi.cfg";
    RunResult run = Quintel("/apply");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("Quintel: " + cfg + " is missing or not an ordinary file. Nothing was written.\n",
              run.err);
    EXPECT_EQ("", run.out);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(cfg.c_str())) << "no file made up";

    // One typo in a deployed file: the window would start from the
    // defaults, a script must hear of it.
    const std::string typo = "ConnectionType,1\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\n"
                             "RWIN,#FALSE#,-1,8192\r\nTTL,#FALSE#,999\r\nSKA,#FALSE#,-1,3600000\r\n"
                             "NDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\nBlackHole,#FALSE#\r\nMSCPS0,0,2\r\n"
                             "MSCPS1,2,4\r\n";
    Settings(typo);
    for (const char* sw : {"/apply", "/show"}) {
        run = Quintel(sw);
        EXPECT_EQ(1u, run.exitCode) << sw;
        EXPECT_EQ(0u, run.err.find("Quintel: " + cfg + " is malformed at line 5 (TTL): the TTL 999 "
                                   "is outside 1 to 255"))
            << run.err;
        EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << "one line";
        EXPECT_EQ("", run.out);
    }
    EXPECT_EQ(typo, ReadTextFile(cfg));
    EXPECT_EQ(99u, Dword(Current, "DefaultTTL"));

    // Another program holding the file open without sharing it.
    Settings(Automatic1);
    HANDLE lock = CreateFileA(cfg.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    run = Quintel("/apply");
    CloseHandle(lock);
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ(0u, run.err.find("Quintel: cannot read " + cfg + ": ")) << run.err;
    EXPECT_NE(std::string::npos, run.err.find("Nothing was written.")) << run.err;
    EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << "one line";
    EXPECT_EQ(Automatic1, ReadTextFile(cfg));
    EXPECT_EQ(99u, Dword(Current, "DefaultTTL"));
}

TEST_F(EngineSwitches, SwitchesThatWriteRefuseWhileQuintelRunsAndShowDoesNot) {
    SetWindowsVersion("winxp");
    PutDword(Current, "DefaultTTL", 99);
    Settings(Automatic1);
    // What the main window holds for as long as it is open.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Quintel.SingleInstance");
    ASSERT_TRUE(mutex);
    RunResult runs[] = {Quintel("/apply"), Quintel("/restore"), Quintel("/undo"), Quintel("/show"),
                        Quintel("/verify")};
    CloseHandle(mutex);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(4u, runs[i].exitCode) << i;
        EXPECT_NE(std::string::npos, runs[i].err.find("Quintel is already running")) << runs[i].err;
        EXPECT_EQ(1, std::count(runs[i].err.begin(), runs[i].err.end(), '\n')) << "one line";
        EXPECT_EQ("", runs[i].out);
    }
    EXPECT_EQ(99u, Dword(Current, "DefaultTTL"));
    EXPECT_EQ(Automatic1, ReadTextFile(app / "VarOderudi.cfg"));
    EXPECT_EQ(0u, runs[3].exitCode) << runs[3].err;
    EXPECT_EQ(0u, runs[3].out.find("OS: Windows XP\n")) << runs[3].out;
    // /verify only reads: it answers (the values differ) beside the window.
    EXPECT_EQ(3u, runs[4].exitCode) << runs[4].err;

    // Once the window is gone the same switch goes through.
    const RunResult after = Quintel("/apply");
    EXPECT_EQ(0u, after.exitCode) << after.err;
    EXPECT_EQ(128u, Dword(Current, "DefaultTTL"));
}

TEST_F(EngineSwitches, ShowListsTheWritesAndChangesNothing) {
    SetWindowsVersion("winxp");
    PutDword(Current, "DefaultTTL", 77);
    Settings(Automatic1);
    const RunResult run = Quintel("/show");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ(0u, run.out.find("OS: Windows XP\nMode: Automatic #1\n")) << run.out;
    EXPECT_NE(std::string::npos,
              run.out.find("HKEY_LOCAL_MACHINE\\" + Current + "\tDefaultTTL\t77\t128\tchanged\n"))
        << run.out;
    EXPECT_NE(std::string::npos, run.out.find(" values change\n")) << run.out;
    EXPECT_EQ(77u, Dword(Current, "DefaultTTL"));
}

class LaterWindows : public EngineSwitches, public ::testing::WithParamInterface<const char*> {};

TEST_P(LaterWindows, ApplyWritesTheNTMapAndNoVxDValue) {
    SetWindowsVersion(GetParam());
    DeleteValue(Mstcp, "DefaultTTL");
    DeleteValue(Mstcp, "DefaultTTL", KEY_WOW64_32KEY);
    PutDword(Current, "DefaultTTL", 99);
    PutDword(Set001, "DefaultTTL", 99);
    CreateKey(IfCurrent + "\\{QUINTEL-TEST-1}");
    CreateKey(If001 + "\\{QUINTEL-TEST-1}");
    Settings(Automatic1);

    const RunResult run = Quintel("/apply");
    ASSERT_EQ(0u, run.exitCode) << run.err;
    for (const std::string& key : {Set001, Current}) {
        EXPECT_EQ(128u, Dword(key, "DefaultTTL")) << key;
        EXPECT_EQ(600000u, Dword(key, "KeepAliveTime")) << key;
        EXPECT_EQ(4288u, Dword(key, "TcpWindowSize")) << key;
    }
    EXPECT_EQ(576u, Dword(IfCurrent + "\\{QUINTEL-TEST-1}", "MTU"));
    EXPECT_EQ(576u, Dword(If001 + "\\{QUINTEL-TEST-1}", "MTU"));
    EXPECT_FALSE(ReadValue(Mstcp, "DefaultTTL"));
    EXPECT_FALSE(ReadValue(Mstcp, "DefaultTTL", KEY_WOW64_32KEY));
    EXPECT_EQ(8u, Dword(Inet, "MaxConnectionsPerServer", KEY_WOW64_64KEY));
}

INSTANTIATE_TEST_SUITE_P(EngineSwitches, LaterWindows, ::testing::Values("win2003", "win7", "win10"),
                         [](const auto& info) { return std::string(info.param); });

// The line of /show or /verify that starts with the key and the value name.
std::string Row(const std::string& out, const std::string& key, const std::string& name) {
    const std::string start = "HKEY_LOCAL_MACHINE\\" + key + "\t" + name + "\t";
    const std::size_t at = out.find(start);
    if (at == std::string::npos || (at > 0 && out[at - 1] != '\n')) return {};
    return out.substr(at, out.find('\n', at) - at);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(EngineSwitches, ShowSaysWhichValuesWindows7Ignores) {
    Settings(Automatic1);
    for (const char* version : {"win7", "win2003"}) {
        SetWindowsVersion(version);
        PutDword(Current, "DefaultTTL", 128);
        const RunResult run = Quintel("/show");
        ASSERT_EQ(0u, run.exitCode) << run.err;
        const bool ignored = std::string(version) == "win7";
        for (const std::string& key : {Set001, Current}) {
            for (const char* name : {"GlobalMaxTcpWindowSize", "TcpWindowSize"}) {
                const std::string row = Row(run.out, key, name);
                EXPECT_NE(std::string::npos, row.find("\t4288\t")) << row;
                EXPECT_EQ(ignored, EndsWith(row, "\tnot read by this Windows"))
                    << version << " " << name << "\n" << run.out;
            }
        }
        EXPECT_EQ("HKEY_LOCAL_MACHINE\\" + Current + "\tDefaultTTL\t128\t128\tsame",
                  Row(run.out, Current, "DefaultTTL"));
    }
}

// Every value Apply touches on one map, each read in the view the program
// of that map writes it in.
struct Touched {
    std::string key;
    std::string name;
    REGSAM view;
};

class UndoAndVerify : public EngineSwitches, public ::testing::WithParamInterface<const char*> {
protected:
    bool NineX() const { return std::string(GetParam()) == "win98"; }

    void SetUp() override {
        EngineSwitches::SetUp();
        SetWindowsVersion(GetParam());
        // Wine, like Windows 95, ignores the access mask of a 9x program:
        // its Internet Settings are in the view a 32-bit program sees.
        const REGSAM inet = NineX() ? 0 : KEY_WOW64_64KEY;
        if (NineX()) {
            CreateKey(NetTrans + "\\0000");
            for (const char* name : {"DefaultRcvWindow", "DefaultTTL", "SessionKeepAlive",
                                     "PMTUDiscovery", "PMTUBlackHoleDetect"}) {
                touched.push_back({Mstcp, name, KEY_WOW64_64KEY});
            }
            touched.push_back({NetTrans + "\\0000", "MaxMTU", KEY_WOW64_64KEY});
            touched.push_back({NetTrans + "\\0000", "MaxMSS", KEY_WOW64_64KEY});
        } else {
            for (const std::string& key : {Set001, Current}) {
                for (const char* name : {"GlobalMaxTcpWindowSize", "TcpWindowSize", "DefaultTTL",
                                         "KeepAliveTime", "EnablePMTUDiscovery", "EnablePMTUBHDetect"}) {
                    touched.push_back({key, name, KEY_WOW64_64KEY});
                }
            }
            for (const std::string& list : {IfCurrent, If001}) {
                CreateKey(list + "\\{QUINTEL-TEST-1}");
                touched.push_back({list + "\\{QUINTEL-TEST-1}", "MTU", KEY_WOW64_64KEY});
            }
            for (const char* set : {"SYSTEM\\CurrentControlSet", "SYSTEM\\ControlSet001"}) {
                touched.push_back({std::string(set) + "\\Services\\{QUINTEL-TEST-1}\\Parameters\\Tcpip",
                                   "MTU", KEY_WOW64_64KEY});
            }
        }
        touched.push_back({Inet, "MaxConnectionsPer1_0Server", inet});
        touched.push_back({Inet, "MaxConnectionsPerServer", inet});
        touched.push_back({Ndi, "", KEY_WOW64_64KEY});

        // What a machine holds before: values absent, text where a number
        // goes, a PPPoE MTU, a value of a kind Quintel never writes.
        for (const Touched& t : touched) DeleteValue(t.key, t.name, t.view);
        if (NineX()) {
            PutDword(Mstcp, "DefaultTTL", 64);  // 9x writes it as text
            PutDword(NetTrans + "\\0000", "MaxMTU", 1492);
            PutString(HKEY_LOCAL_MACHINE, Mstcp, "SessionKeepAlive", "7200000");
        } else {
            PutString(HKEY_LOCAL_MACHINE, Current, "DefaultTTL", "64");
            PutDword(Set001, "TcpWindowSize", 64240);
            PutDword(IfCurrent + "\\{QUINTEL-TEST-1}", "MTU", 1492);
            PutDword(If001 + "\\{QUINTEL-TEST-1}", "MTU", 1492);
        }
        PutDword(Inet, "MaxConnectionsPerServer", 10, inet);
        Settings("ConnectionType,2\r\nOptiMode,3\r\nMTU,#TRUE#,1400\r\nRWIN,#FALSE#,-1,8192\r\n"
                 "TTL,#FALSE#,32\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                 "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n");
        before = Take();
    }

    using Snapshot = std::vector<std::optional<RegValue>>;
    Snapshot Take() {
        Snapshot snapshot;
        for (const Touched& t : touched) snapshot.push_back(ReadValue(t.key, t.name, t.view));
        return snapshot;
    }
    void ExpectAsBefore(const Snapshot& now, const Snapshot* expected = nullptr,
                        bool internetSettings = true) {
        const Snapshot& before = expected ? *expected : this->before;
        ASSERT_EQ(before.size(), now.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (!internetSettings && touched[i].key == Inet) continue;
            SCOPED_TRACE(touched[i].key + " " + touched[i].name);
            ASSERT_EQ(before[i].has_value(), now[i].has_value());
            if (!before[i]) continue;
            EXPECT_EQ(before[i]->type, now[i]->type);
            EXPECT_EQ(before[i]->data, now[i]->data);
        }
    }
    void ApplyAutomatic2() {
        Settings("ConnectionType,1\r\nOptiMode,1\r\n");
        const RunResult run = Quintel("/apply");
        ASSERT_EQ(0u, run.exitCode) << run.err;
        const std::string mtu = NineX() ? NetTrans + "\\0000" : IfCurrent + "\\{QUINTEL-TEST-1}";
        ASSERT_EQ(576u, Dword(mtu, NineX() ? "MaxMTU" : "MTU"));
    }

    std::vector<Touched> touched;
    Snapshot before;
};

TEST_P(UndoAndVerify, UndoPutsEveryTouchedValueBackWithItsTypeAndData) {
    ApplyAutomatic2();
    const Snapshot applied = Take();
    const RunResult undo = Quintel("/undo");
    ASSERT_EQ(0u, undo.exitCode) << undo.err << undo.out;
    EXPECT_EQ("", undo.err);
    EXPECT_NE(std::string::npos, undo.out.find("Restart Windows for them to take effect.")) << undo.out;
    ExpectAsBefore(Take());

    // Restore and its undo: the settings file goes back too.
    const std::string automatic2 = ReadTextFile(app / "VarOderudi.cfg");
    ASSERT_EQ(0u, Quintel("/apply").exitCode);
    ASSERT_EQ(0u, Quintel("/restore").exitCode);
    EXPECT_EQ(0u, ReadTextFile(app / "VarOderudi.cfg").find("ConnectionType,1\r\nOptiMode,3\r\n"));
    ASSERT_EQ(0u, Quintel("/undo").exitCode);
    EXPECT_EQ(automatic2, ReadTextFile(app / "VarOderudi.cfg"));
    ExpectAsBefore(Take(), &applied);
}

TEST_P(UndoAndVerify, TheRecordImportedByTheRegistryEditorGivesWhatUndoGives) {
    ApplyAutomatic2();
    const std::string record = ReadTextFile(app / "Undo.reg");
    EXPECT_EQ(0u, record.find(NineX() ? "REGEDIT4\r\n" : "\xFF\xFEW\0i\0n\0d\0")) << record.substr(0, 16);
    // The editor of the family's own kind: the 9x program's values are in
    // the 32-bit view, which the 32-bit editor writes.
    const std::string regedit = NineX() ? "C:\\windows\\syswow64\\regedit.exe" : "C:\\windows\\regedit.exe";
    const RunResult import = RunProgram(regedit, "/S \"" + (app / "Undo.reg") + "\"");
    ASSERT_EQ(0u, import.exitCode);
    // Wine 8 runs even its 64-bit editor with the 32-bit view of SOFTWARE
    // (a value set or removed there lands in Wow6432Node, checked by hand),
    // where 64-bit Windows' own editor writes the native view; on the NT
    // map the Internet Settings are left to the /undo test.
    ExpectAsBefore(Take(), nullptr, NineX());
}

TEST_P(UndoAndVerify, VerifyExitsZeroAfterApplyAndThreeNamingAValueChangedSince) {
    ApplyAutomatic2();
    RunResult run = Quintel("/verify");
    EXPECT_EQ(0u, run.exitCode) << run.out << run.err;
    EXPECT_EQ(0u, run.out.find("All ")) << run.out;

    const std::string key = NineX() ? Mstcp : Current;
    const std::string type = NineX() ? "REG_SZ" : "REG_DWORD";
    const RunResult changed = RunProgram("C:\\windows\\system32\\reg.exe",
                                         "add \"HKLM\\" + key + "\" /v DefaultTTL /t " + type +
                                             " /d 99 /f");
    ASSERT_EQ(0u, changed.exitCode) << changed.out << changed.err;
    run = Quintel("/verify");
    EXPECT_EQ(3u, run.exitCode) << run.out << run.err;
    EXPECT_EQ(NineX() ? "HKEY_LOCAL_MACHINE\\" + key + "\tDefaultTTL\t\"128\"\t\"99\""
                      : "HKEY_LOCAL_MACHINE\\" + key + "\tDefaultTTL\t128\t99",
              Row(run.out, key, "DefaultTTL"))
        << run.out;
    EXPECT_NE(std::string::npos, run.out.find("1 of ")) << run.out;
}

INSTANTIATE_TEST_SUITE_P(EngineSwitches, UndoAndVerify, ::testing::Values("win98", "winxp"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(EngineSwitches, HelpGoesToOutputAndAnUnknownSwitchExitsTwo) {
    RunResult run = Quintel("/?");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_NE(std::string::npos, run.out.find("Usage: Quintel.exe"));
    run = Quintel("-BOGUS");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_EQ("", run.out);
    EXPECT_NE(std::string::npos, run.err.find("unknown switch -BOGUS"));
    EXPECT_NE(std::string::npos, run.err.find("Usage: Quintel.exe"));
}

TEST_F(EngineSwitches, AnExportedFileImportedByTheEditorGivesTheValuesApplyGives) {
    struct Case {
        const char* windows;
        const char* settings;
        // Where Quintel.exe's values land and the editor that imports
        // there: Wine, like Windows 95, ignores a 9x program's access mask,
        // so its values go to the 32-bit view, which the 32-bit editor in
        // the system folder sees (real Windows 9x has one registry). An NT
        // program writes the 64-bit view, the Windows folder's editor's.
        REGSAM view;
        bool systemFolderEditor;
    };
    const Case cases[] = {{"winxp", Automatic1.c_str(), KEY_WOW64_64KEY, false},
                          {"winxp", Automatic3.c_str(), KEY_WOW64_64KEY, false},
                          {"win98", Automatic1.c_str(), 0, true},
                          {"win98", Automatic3.c_str(), 0, true}};
    char systemFolder[MAX_PATH] = {}, windowsFolder[MAX_PATH] = {};
    GetSystemDirectoryA(systemFolder, MAX_PATH);
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    CreateKey(IfCurrent + "\\{QUINTEL-TEST-1}");
    CreateKey(If001 + "\\{QUINTEL-TEST-1}");
    CreateKey(NetTrans + "\\0000");
    const std::string file = app / "fleet tcp.reg";

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.windows) + " " + c.settings);
        SetWindowsVersion(c.windows);
        Settings(c.settings);

        RunResult run = Quintel("/export \"" + file + "\"");
        ASSERT_EQ(0u, run.exitCode) << run.err;
        EXPECT_NE(std::string::npos, run.out.find("Exported")) << run.out;
        const auto parsed = ParseRegFile(ReadTextFile(file));
        ASSERT_TRUE(parsed.Ok()) << parsed.Error().Reason;
        const std::vector<RegFileEntry>& entries = parsed.Value().Entries;
        ASSERT_FALSE(entries.empty());

        // What /apply leaves, value by value.
        run = Quintel("/apply");
        ASSERT_EQ(0u, run.exitCode) << run.err;
        std::vector<std::optional<RegValue>> applied;
        for (const RegFileEntry& entry : entries)
            applied.push_back(ReadValue(entry.Key, entry.ValueName, c.view));

        // Windows' editor in the Windows folder is the 64-bit one and
        // imports where Quintel.exe writes. Wine 8's, though 64-bit too,
        // puts HKLM\\SOFTWARE into the 32-bit view (Wow6432Node): there
        // those values are looked for.
        const auto importView = [&](const RegFileEntry& entry) -> REGSAM {
            const bool software = entry.Key.compare(0, 9, "SOFTWARE\\") == 0 ||
                                  entry.Key.compare(0, 9, "Software\\") == 0;
            return RunningOnWine() && c.view == KEY_WOW64_64KEY && software ? KEY_WOW64_32KEY
                                                                             : c.view;
        };
        // Every one of them otherwise, then the editor imports the file.
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const REGSAM view = importView(entries[i]);
            if (applied[i]) {
                DeleteValue(entries[i].Key, entries[i].ValueName, view);
            } else {
                CreateKey(entries[i].Key, view);
                PutDword(entries[i].Key, entries[i].ValueName, 12345, view);
            }
        }
        const std::string editor = std::string(c.systemFolderEditor ? systemFolder : windowsFolder) +
                                   "\\regedit.exe";
        run = RunProgram(editor, "/S \"" + file + "\"");
        ASSERT_EQ(0u, run.exitCode) << editor;

        for (std::size_t i = 0; i < entries.size(); ++i) {
            SCOPED_TRACE(entries[i].Key + " " + entries[i].ValueName);
            const auto imported = ReadValue(entries[i].Key, entries[i].ValueName, importView(entries[i]));
            ASSERT_EQ(applied[i].has_value(), imported.has_value());
            if (!imported) continue;
            EXPECT_EQ(applied[i]->type, imported->type);
            EXPECT_EQ(applied[i]->data, imported->data);
        }
    }
}

TEST_F(EngineSwitches, ExportWithoutAFileIsAUsageErrorAndABadSettingsFileWritesNone) {
    RunResult run = Quintel("/export");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("/export needs the file to write")) << run.err;

    Settings("ConnectionType,1\r\nOptiMode,9\r\n");
    run = Quintel("/export \"" + (app / "fleet tcp.reg") + "\"");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("No registry file was written.")) << run.err;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((app / "fleet tcp.reg").c_str()));
}

TEST_F(EngineSwitches, FindMtuToTheLoopbackFindsTheLargestAndChangesNothing) {
    RunResult run = Quintel("/findmtu 127.0.0.1");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ("The path to 127.0.0.1 carries 1500-byte packets whole, the largest tried: MTU 1500.\n",
              run.out);
    EXPECT_EQ("", run.err);
    for (const char* name : {"VarOderudi.cfg", "Ping.cfg"})
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((app / name).c_str())) << name;

    // Without a host, the ping host of Ping.cfg, as the window offers it.
    WriteTextFile(app / "Ping.cfg",
                  "PingAutomatic,#FALSE#\r\nPingHost,localhost\r\nPingInterval,5\r\nPingSound,#FALSE#\r\n");
    run = Quintel("-FINDMTU");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("The path to localhost carries")) << run.out;
}

TEST_F(EngineSwitches, FindMtuWithAHostItCannotUseExitsOneWithTheReason) {
    // Nothing is sent: the text is no address, and it is not looked up.
    RunResult run = Quintel("/findmtu 10.0.0");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("Quintel: 10.0.0 is not an IP address (four numbers, such as 192.168.0.1).\n", run.err);
    EXPECT_EQ("", run.out);
    // Two hosts are one too many.
    run = Quintel("/findmtu 127.0.0.1 127.0.0.2");
    EXPECT_EQ(2u, run.exitCode);
}

struct VersionRow {
    const char* wine;
    const char* name;
};

class EngineVersions : public ::testing::TestWithParam<VersionRow> {};

TEST_P(EngineVersions, ShowNamesTheFamilyWineReports) {
    ScratchFolder app{"quintel version"};
    ASSERT_TRUE(CopyFileA(QuintelExe().c_str(), (app / "Quintel.exe").c_str(), FALSE));
    WriteTextFile(app / "VarOderudi.cfg", Automatic1);
    SetWindowsVersion(GetParam().wine);
    const RunResult run = RunProgram(app / "Quintel.exe", "/show");
    ClearWindowsVersion();
    ASSERT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ(0u, run.out.find(std::string("OS: ") + GetParam().name + "\n")) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Wine, EngineVersions,
                         ::testing::Values(VersionRow{"win95", "Windows 95"},
                                           VersionRow{"win98", "Windows 98"},
                                           VersionRow{"winme", "Windows ME"},
                                           VersionRow{"nt40", "Windows NT"},
                                           VersionRow{"win2k", "Windows 2000"},
                                           VersionRow{"winxp", "Windows XP"},
                                           VersionRow{"winxp64", "Windows XP x64"},
                                           VersionRow{"win2003", "Windows Server 2003"},
                                           VersionRow{"vista", "Windows Vista"},
                                           VersionRow{"win2008", "Windows Server 2008"},
                                           // Wine 8 has the product types of these
                                           // two swapped: win7 reports a server,
                                           // win2008r2 a workstation.
                                           VersionRow{"win7", "Windows Server 2008 R2"},
                                           VersionRow{"win2008r2", "Windows 7"},
                                           VersionRow{"win8", "Windows 8"},
                                           VersionRow{"win81", "Windows 8.1"},
                                           VersionRow{"win10", "Windows 10"}),
                         [](const auto& info) { return std::string(info.param.wine); });

}  // namespace
}  // namespace quintel::wine
