#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "core/tuning/SettingsFile.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "core/text/Paths.h"

namespace quintel {
namespace {

const std::string Folder = "C:\\Program Files\\Quintel";
const std::string Path = Folder + "\\VarOderudi.cfg";
const WindowsFamily WinXP{family::WindowsXP, "Windows XP"};

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        t.LoadPresets();
        files.MakeFolder(Folder);
    }
    void Load(const std::string& text) {
        files.Put(Path, text);
        LoadSettingsFile(t, files, Path);
    }
    TuningSettings Defaults() const { return t.WindowsDefaults; }

    TuningState t;
    test::FakeFileSystem files;
    test::FakeRegistry reg;
};

TEST_F(SettingsFile, TheRestoreExampleIsWrittenByteForByte) {
    t.ResetToWindowsDefaults();
    const SaveResult result = SaveSettingsFile(t, files, Path, reg, WinXP);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ("ConnectionType,0\r\n"
              "OptiMode,3\r\n"
              "MTU,#FALSE#,1500\r\n"
              "RWIN,#FALSE#,-1,8192\r\n"
              "TTL,#FALSE#,32\r\n"
              "SKA,#FALSE#,-1,3600000\r\n"
              "NDI,#FALSE#,-1,0\r\n"
              "PMTU,#TRUE#\r\n"
              "BlackHole,#FALSE#\r\n"
              "MSCPS0,0,2\r\n"
              "MSCPS1,2,4\r\n",
              files.Contents(Path));
}

TEST_F(SettingsFile, AnAutomaticModeWritesTwoLinesWhateverTheRecordHolds) {
    t.SelectConnectionType(1);
    t.SelectOptimizationMode(mode::Automatic2);
    t.CurrentSettings.TTL = 99;  // not stored in an automatic mode
    SaveSettingsFile(t, files, Path, reg, WinXP);
    EXPECT_EQ("ConnectionType,1\r\nOptiMode,1\r\n", files.Contents(Path));
}

TEST_F(SettingsFile, SavingInAnAutomaticModeAfterManualDropsTheManualLines) {
    t.ResetToWindowsDefaults();
    SaveSettingsFile(t, files, Path, reg, WinXP);
    t.SelectOptimizationMode(mode::Automatic1);
    SaveSettingsFile(t, files, Path, reg, WinXP);
    EXPECT_EQ("ConnectionType,0\r\nOptiMode,0\r\n", files.Contents(Path));
}

TEST_F(SettingsFile, AManualRecordRoundTripsEveryField) {
    t.SelectConnectionType(2);
    t.SelectOptimizationMode(mode::Manual);
    TuningSettings& s = t.CurrentSettings;
    s.MTUCustom = true, s.MTU = 1492;
    s.RWINCustom = true, s.RWINIndex = 6, s.RWIN = 23872;
    s.TTLCustom = true, s.TTL = 64;
    s.SKACustom = true, s.SKAIndex = 59, s.SKA = 3600000;
    s.NDICustom = true, s.NDIIndex = 3, s.NDI = 8;
    s.PMTU = false, s.BlackHole = true;
    s.MSCPS0Index = 58, s.MSCPS0 = 60;
    s.MSCPS1Index = 0, s.MSCPS1 = 2;
    const TuningSettings saved = s;
    ASSERT_TRUE(SaveSettingsFile(t, files, Path, reg, WinXP).Succeeded());

    TuningState other;
    other.LoadPresets();
    LoadSettingsFile(other, files, Path);
    EXPECT_EQ(saved, other.CurrentSettings);
}

TEST_F(SettingsFile, AnAutomaticFileLoadsThePresetWithTheSavedConnectionType) {
    Load("ConnectionType,3\r\nOptiMode,1\r\n");
    TuningSettings expected = t.AutoPreset2;
    expected.ConnectionType = 3;
    EXPECT_EQ(expected, t.CurrentSettings);
}

TEST_F(SettingsFile, LinesAfterAnAutomaticModeAreNotRead) {
    Load("ConnectionType,1\r\nOptiMode,1\r\nMTU,#TRUE#,1\r\ngarbage\r\n");
    EXPECT_EQ(1, t.CurrentSettings.OptiMode);
    EXPECT_EQ(576, t.CurrentSettings.MTU);
}

TEST_F(SettingsFile, AMissingFileGivesTheDefaults) {
    t.CurrentSettings.MTU = 7;
    LoadSettingsFile(t, files, Path);
    EXPECT_EQ(Defaults(), t.CurrentSettings);
}

TEST_F(SettingsFile, AHiddenOrUnreadableFileGivesTheDefaults) {
    files.Put(Path, "ConnectionType,1\r\nOptiMode,0\r\n", {.hidden = true});
    LoadSettingsFile(t, files, Path);
    EXPECT_EQ(Defaults(), t.CurrentSettings);
    files.Put(Path, "ConnectionType,1\r\nOptiMode,0\r\n");
    files.MakeUnreadable(Path);
    LoadSettingsFile(t, files, Path);
    EXPECT_EQ(Defaults(), t.CurrentSettings);
}

TEST_F(SettingsFile, KeysAreNeverComparedOnlyPositionsCount) {
    Load("Foo,2\r\nBar,3\r\nA,#TRUE#,1400\r\nB,#FALSE#,-1,8192\r\nC,#FALSE#,32\r\n"
         "D,#FALSE#,-1,3600000\r\nE,#FALSE#,-1,0\r\nF,#TRUE#\r\nG,#FALSE#\r\nH,0,2\r\nI,2,4\r\n");
    EXPECT_EQ(2, t.CurrentSettings.ConnectionType);
    EXPECT_EQ(1400, t.CurrentSettings.MTU);
    EXPECT_TRUE(t.CurrentSettings.MTUCustom);
}

TEST_F(SettingsFile, BlanksBeforeFieldsAndLfOnlyLineEndsAreAccepted) {
    Load("ConnectionType, 1\nOptiMode,  0 \n");
    EXPECT_EQ(1, t.CurrentSettings.ConnectionType);
    EXPECT_EQ(0, t.CurrentSettings.OptiMode);
}

struct Malformed {
    const char* name;
    const char* text;
};

class MalformedFile : public SettingsFile, public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedFile, GivesTheWindowsDefaultsReplacingWhatWasRead) {
    t.CurrentSettings.MTU = 1;
    Load(GetParam().text);
    EXPECT_EQ(Defaults(), t.CurrentSettings) << GetParam().name;
    EXPECT_EQ(0, t.CurrentSettings.ConnectionType);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedFile,
    ::testing::Values(
        Malformed{"empty", ""},
        Malformed{"only the two lines of a manual file", "ConnectionType,2\r\nOptiMode,3\r\n"},
        Malformed{"one line", "ConnectionType,2\r\n"},
        Malformed{"missing last line",
                  "ConnectionType,2\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\n"
                  "TTL,#FALSE#,32\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\n"},
        Malformed{"a field missing inside a line",
                  "ConnectionType,2\r\nOptiMode,3\r\nMTU,1500\r\nRWIN,#FALSE#,-1,8192\r\n"},
        Malformed{"a number that is not one", "ConnectionType,x\r\nOptiMode,0\r\n"},
        Malformed{"trailing garbage after a number", "ConnectionType,1x\r\nOptiMode,0\r\n"},
        Malformed{"a fraction", "ConnectionType,1.5\r\nOptiMode,0\r\n"},
        Malformed{"16-bit overflow", "ConnectionType,70000\r\nOptiMode,0\r\n"},
        Malformed{"32-bit overflow",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#TRUE#,4294967296\r\n"},
        Malformed{"a boolean that is not one",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,TRUE,1500\r\n"},
        Malformed{"connection type out of range", "ConnectionType,4\r\nOptiMode,0\r\n"},
        Malformed{"no connection type", "ConnectionType,-1\r\nOptiMode,0\r\n"},
        Malformed{"mode out of range", "ConnectionType,0\r\nOptiMode,9\r\n"},
        Malformed{"negative mode", "ConnectionType,0\r\nOptiMode,-1\r\n"},
        Malformed{"RWIN index past its list",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\nRWIN,#TRUE#,7,8192\r\n"
                  "TTL,#FALSE#,32\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n"},
        Malformed{"HTTP index past its list",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\n"
                  "TTL,#FALSE#,32\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,59,2\r\nMSCPS1,2,4\r\n"},
        Malformed{"SKA index below -1",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\n"
                  "TTL,#FALSE#,32\r\nSKA,#TRUE#,-2,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n"},
        Malformed{"a custom MTU no link can carry",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#TRUE#,0\r\nRWIN,#FALSE#,-1,8192\r\n"
                  "TTL,#FALSE#,32\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n"},
        Malformed{"a custom MTU above 65535",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#TRUE#,65536\r\nRWIN,#FALSE#,-1,8192\r\n"
                  "TTL,#FALSE#,32\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n"},
        Malformed{"a custom TTL of 0",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\n"
                  "TTL,#TRUE#,0\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n"},
        Malformed{"a custom TTL above 255",
                  "ConnectionType,0\r\nOptiMode,3\r\nMTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\n"
                  "TTL,#TRUE#,999\r\nSKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\n"
                  "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n"},
        Malformed{"an extra field shifts every later one",
                  "ConnectionType,0,5\r\nOptiMode,3\r\n"},
        // What a damaged disk or another program's file looks like: control
        // and high bytes where the numbers should be (NUL bytes are in the
        // fuzz corpus; this text ends at the first).
        Malformed{"binary junk", "\xff\xfe\x7f,\x01\x02\r\n\x80\x1b,\x7f\xff\r\n"}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST_F(SettingsFile, ValuesLeftToWindowsAreCheckedTooAndTheLimitsThemselvesLoad) {
    for (const char* outside : {"MTU,#FALSE#,0\r\nRWIN,#FALSE#,-1,8192\r\nTTL,#FALSE#,32\r\n",
                                "MTU,#FALSE#,1500\r\nRWIN,#FALSE#,-1,8192\r\nTTL,#FALSE#,999\r\n",
                                "MTU,#FALSE#,-1\r\nRWIN,#FALSE#,-1,-1\r\nTTL,#FALSE#,32\r\n"}) {
        t.CurrentSettings = {};
        Load(std::string("ConnectionType,1\r\nOptiMode,3\r\n") + outside +
             "SKA,#FALSE#,-1,3600000\r\nNDI,#FALSE#,-1,0\r\nPMTU,#TRUE#\r\nBlackHole,#FALSE#\r\n"
             "MSCPS0,0,2\r\nMSCPS1,2,4\r\n");
        EXPECT_EQ(Defaults(), t.CurrentSettings) << outside;
    }
    const std::string low = "MTU,#TRUE#,68\r\nRWIN,#TRUE#,0,272\r\nTTL,#TRUE#,1\r\n"
                            "SKA,#TRUE#,0,60000\r\nNDI,#TRUE#,0,0\r\nPMTU,#TRUE#\r\n"
                            "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,0,2\r\n";
    const std::string high = "MTU,#TRUE#,65535\r\nRWIN,#TRUE#,6,1048560\r\nTTL,#TRUE#,255\r\n"
                             "SKA,#TRUE#,59,3600000\r\nNDI,#TRUE#,6,64\r\nPMTU,#TRUE#\r\n"
                             "BlackHole,#FALSE#\r\nMSCPS0,58,60\r\nMSCPS1,58,60\r\n";
    for (const std::string& edge : {low, high}) {
        t.CurrentSettings = {};
        Load("ConnectionType,0\r\nOptiMode,3\r\n" + edge);
        EXPECT_EQ(3, t.CurrentSettings.OptiMode) << edge;
        EXPECT_TRUE(t.CurrentSettings.MTUCustom) << edge;
    }
}

TEST_F(SettingsFile, AValueOneStepOutsideItsRangeIsMalformedWhateverTheFlagSays) {
    const std::string base = "ConnectionType,0\r\nOptiMode,3\r\nMTU,#F#,1500\r\nRWIN,#F#,-1,8192\r\n"
                             "TTL,#F#,32\r\nSKA,#F#,-1,3600000\r\nNDI,#F#,-1,0\r\nPMTU,#TRUE#\r\n"
                             "BlackHole,#FALSE#\r\nMSCPS0,0,2\r\nMSCPS1,2,4\r\n";
    struct Step { const char* from; const char* to; int line; };
    for (const Step step : {Step{"MTU,#F#,1500", "MTU,#F#,67", 3}, Step{"MTU,#F#,1500", "MTU,#F#,65536", 3},
                            Step{"RWIN,#F#,-1,8192", "RWIN,#F#,-1,271", 4},
                            Step{"RWIN,#F#,-1,8192", "RWIN,#F#,-1,1048561", 4},
                            Step{"TTL,#F#,32", "TTL,#F#,0", 5}, Step{"TTL,#F#,32", "TTL,#F#,256", 5},
                            Step{"SKA,#F#,-1,3600000", "SKA,#F#,-1,59999", 6},
                            Step{"SKA,#F#,-1,3600000", "SKA,#F#,-1,3600001", 6},
                            Step{"NDI,#F#,-1,0", "NDI,#F#,-1,-1", 7}, Step{"NDI,#F#,-1,0", "NDI,#F#,-1,65", 7},
                            Step{"MSCPS0,0,2", "MSCPS0,0,1", 10}, Step{"MSCPS1,2,4", "MSCPS1,2,61", 11}}) {
        for (const char* flag : {"#TRUE#", "#FALSE#"}) {
            std::string text = base;
            text.replace(text.find(step.from), std::string(step.from).size(), step.to);
            for (auto at = text.find("#F#"); at != std::string::npos; at = text.find("#F#")) {
                text.replace(at, 3, flag);
            }
            TuningSettings parsed{};
            SettingsFileError error;
            EXPECT_FALSE(ParseSettingsFile(text, t, parsed, error)) << step.to << flag;
            EXPECT_EQ(step.line, error.Line) << step.to;
            EXPECT_NE(std::string::npos, error.Reason.find(" is outside ")) << error.Reason;
        }
    }
}

TEST_F(SettingsFile, AProblemIsPlacedOnTheLineOfItsKeyAndBlankLinesCount) {
    TuningSettings parsed{};
    SettingsFileError error;
    EXPECT_FALSE(ParseSettingsFile("ConnectionType,0\n\nOptiMode,3\r\nMTU,#TRUE#\r\nRWIN,#FALSE#,-1,8192\r\n",
                                   t, parsed, error));
    EXPECT_EQ(4, error.Line);
    EXPECT_EQ("MTU", error.Name);
    EXPECT_EQ("the MTU \"RWIN\" is not a whole number", error.Reason);
    EXPECT_FALSE(ParseSettingsFile("ConnectionType,0\rOptiMode,3\r\nMTU,#TRUE#,1500000000000", t,
                                   parsed, error));
    EXPECT_EQ(3, error.Line);
    EXPECT_EQ("the MTU \"1500000000000\" does not fit in 32 bits", error.Reason);
    const std::string junk(40, '\x01');
    EXPECT_FALSE(ParseSettingsFile(junk + "," + junk, t, parsed, error));
    EXPECT_EQ("the connection type \"????????????????????????...\" is not a whole number", error.Reason);
}

TEST_F(SettingsFile, AManualFileWithAllThreeListIndicesAtTheirEndsLoads) {
    Load(std::string("ConnectionType,3\r\nOptiMode,3\r\n") +
         "MTU,#TRUE#,576\r\nRWIN,#TRUE#,6,9216\r\nTTL,#TRUE#,255\r\nSKA,#TRUE#,59,3600000\r\n"
         "NDI,#TRUE#,6,64\r\nPMTU,#FALSE#\r\nBlackHole,#TRUE#\r\nMSCPS0,58,60\r\nMSCPS1,-1,2\r\n");
    EXPECT_EQ(3, t.CurrentSettings.ConnectionType);
    EXPECT_EQ(6, t.CurrentSettings.RWINIndex);
    EXPECT_EQ(59, t.CurrentSettings.SKAIndex);
    EXPECT_EQ(-1, t.CurrentSettings.MSCPS1Index);
}

TEST_F(SettingsFile, SavingWritesTheRegistryAfterTheFile) {
    t.SelectOptimizationMode(mode::Automatic1);
    const SaveResult result = SaveSettingsFile(t, files, Path, reg, WinXP);
    EXPECT_TRUE(result.FileWritten);
    EXPECT_EQ(15u, result.Registry.size());
    EXPECT_EQ(4288u, reg.GetDword("SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters",
                                  "TcpWindowSize"));
}

// An Apply reads every value once for its undo record before it writes
// any, and goes through each key once for both: the same values in the
// same order as the writer alone would write them.
TEST_F(SettingsFile, ASaveWithUndoReadsEachValueOnceAndOpensEachKeyOnce) {
    const std::string interfaces = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
    for (const char* name : {"{A}", "{B}"}) {
        reg.AddKey(interfaces + "\\" + name);
        reg.PutDword("SYSTEM\\CurrentControlSet\\Services\\" + std::string(name) + "\\Parameters\\Tcpip",
                     "MTU", 1500);
    }
    t.SelectOptimizationMode(mode::Automatic1);
    test::FakeRegistry alone = reg;
    const RegistryReport expected = ApplyTuningToRegistry(t.CurrentSettings, WinXP, alone);

    const SaveResult result = SaveSettingsFile(t, files, Path, reg, WinXP, UnixSeconds{1000});
    ASSERT_TRUE(result.Succeeded()) << result.FailureText(reg);
    ASSERT_EQ(expected.size(), result.Registry.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].Key, result.Registry[i].Key);
        EXPECT_EQ(expected[i].ValueName, result.Registry[i].ValueName);
    }

    std::map<std::string, int> opens;  // and reads, by call
    std::size_t reads = 0;
    bool written = false;
    for (const std::string& call : reg.Calls()) {
        const std::string kind = call.substr(0, call.find(' '));
        if (kind == "QueryValue") {
            EXPECT_FALSE(written) << "read after the first write: " << call;
            ++reads;
            ++opens[call];
        }
        if (kind == "SetValue" || kind == "DeleteValue") written = true;
        // A key that is not there yet is created for its writes.
        if (kind == "OpenKeyEx" || kind == "CreateKey") ++opens[call];
    }
    // A value of a key that is not there is not asked for.
    EXPECT_GT(reads, 0u);
    EXPECT_LE(reads, expected.size());
    for (const auto& [open, count] : opens) EXPECT_EQ(1, count) << open;
    EXPECT_EQ(0u, reg.OpenHandles());
}

TEST_F(SettingsFile, AFailedSaveKeepsTheOldFileAndLeavesTheRegistryAlone) {
    files.Put(Path, "ConnectionType,1\r\nOptiMode,0\r\n");
    files.FailWritesAfter(5);
    t.ResetToWindowsDefaults();
    const SaveResult result = SaveSettingsFile(t, files, Path, reg, WinXP);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_FALSE(result.FileWritten);
    EXPECT_EQ("ConnectionType,1\r\nOptiMode,0\r\n", files.Contents(Path));
    EXPECT_TRUE(reg.Calls().empty());
    EXPECT_EQ("could not write " + Path + ": There is not enough space on the disk.",
              result.FailureText(reg));
}

TEST_F(SettingsFile, AFolderInTheWayIsReportedAndNothingIsWritten) {
    files.MakeFolder(Path);
    t.ResetToWindowsDefaults();
    const SaveResult result = SaveSettingsFile(t, files, Path, reg, WinXP);
    EXPECT_FALSE(result.FileWritten);
    EXPECT_TRUE(reg.Calls().empty());
}

TEST_F(SettingsFile, ARegistryFailureNamesTheKeyAndValue) {
    reg.DenyKey("SOFTWARE\\Microsoft");
    t.ResetToWindowsDefaults();
    const SaveResult result = SaveSettingsFile(t, files, Path, reg, WinXP);
    EXPECT_TRUE(result.FileWritten);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ("could not write HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
              "Internet Settings value MaxConnectionsPer1_0Server: Access is denied.",
              result.FailureText(reg));
}

TEST(AppFilePath, JoinsFolderAndNameWithABackslash) {
    EXPECT_EQ("C:\\Q\\Ping.cfg", AppFilePath("C:\\Q", "Ping.cfg"));
}

}  // namespace
}  // namespace quintel
