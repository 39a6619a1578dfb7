#include <gtest/gtest.h>

#include "core/tuning/AppliedState.h"
#include "core/tuning/SettingsFile.h"
#include "core/tuning/UndoChange.h"
#include "core/tuning/UndoRecord.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSystem.h"

namespace quintel {
namespace {

const std::string Folder = "C:\\Quintel";
const std::string Cfg = Folder + "\\VarOderudi.cfg";
const std::string UndoReg = Folder + "\\Undo.reg";
const std::string Copy = Folder + "\\VarOderudi.cfg.undo";
const std::string Tcpip = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
const std::string Set001 = "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters";
const std::string Interfaces = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const std::string Nic = Interfaces + "\\{NIC}";
const std::string Mstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const std::string NetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
const std::string Automatic2File = "ConnectionType,1\r\nOptiMode,1\r\n";
const WindowsFamily XP{family::WindowsXP, "Windows XP"};
const WindowsFamily Win98{family::Windows98, "Windows 98"};

using Snapshot = std::vector<std::pair<std::string, std::optional<RegValue>>>;

class Undo : public ::testing::Test {
protected:
    void SetUp() override {
        files.MakeFolder(Folder);
        state.LoadPresets();
        // What a machine may hold before Quintel: its own values, a text
        // where a number goes, a PPPoE MTU, values that are not there, and
        // a kind Quintel never writes.
        reg.AddKey(Nic);
        reg.PutDword(Nic, "MTU", 1492);
        reg.PutSz(Tcpip, "DefaultTTL", "64");
        reg.PutDword(Tcpip, "TcpWindowSize", 64240);
        reg.PutDword(Set001, "KeepAliveTime", 7200000);
        Put(Tcpip, "EnablePMTUDiscovery", RegValue{3, {1, 0}});
        Put(Tcpip, "EnablePMTUBHDetect", RegValue{regtype::Sz, {'0'}});  // no NUL
        files.Put(Cfg, "ConnectionType,2\r\nOptiMode,2\r\n");
    }

    void Put(const std::string& key, const std::string& name, const RegValue& value) {
        const auto handle = reg.CreateKey(RegRoot::LocalMachine, key, 0x3F);
        ASSERT_TRUE(handle.Ok());
        ASSERT_TRUE(reg.SetValue(handle.Value(), name, value.type, value.data).Ok());
        ASSERT_TRUE(reg.CloseKey(handle.Value()).Ok());
    }

    // Every value the apply of `settings` touches, as it stands.
    Snapshot Take(const TuningSettings& settings, const WindowsFamily& family = XP) {
        Snapshot snapshot;
        for (const PlannedValue& value : PlanChanges(settings, family, reg)) {
            snapshot.emplace_back(value.Key + "|" + value.ValueName, reg.Get(value.Key, value.ValueName));
        }
        return snapshot;
    }

    static void ExpectSame(const Snapshot& before, const Snapshot& after) {
        ASSERT_EQ(before.size(), after.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            SCOPED_TRACE(before[i].first);
            ASSERT_EQ(before[i].second.has_value(), after[i].second.has_value());
            if (!before[i].second) continue;
            EXPECT_EQ(before[i].second->type, after[i].second->type);
            EXPECT_EQ(before[i].second->data, after[i].second->data);
        }
    }

    TuningSettings Automatic(int mode) {
        TuningState s;
        s.LoadPresets();
        s.SelectOptimizationMode(static_cast<std::int16_t>(mode));
        s.CurrentSettings.ConnectionType = 1;
        return s.CurrentSettings;
    }

    SaveResult Apply(const TuningSettings& settings, const WindowsFamily& family = XP) {
        state.CurrentSettings = settings;
        return SaveSettingsFile(state, files, Cfg, reg, family, clock.now);
    }

    UndoResult DoUndo() { return UndoLastChange(files, reg, UndoFilesFor(Cfg), clock.now); }

    test::FakeRegistry reg;
    test::FakeFileSystem files;
    test::FakeClock clock;
    TuningState state;
};

TEST_F(Undo, TheRecordIsARegistryFileWithWhatEachValueHeldAndTheTimeOfTheChange) {
    const Snapshot before = Take(Automatic(1));
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());

    const auto parsed = ParseRegFile(files.Contents(UndoReg));
    ASSERT_TRUE(parsed.Ok()) << parsed.Error().Reason;
    EXPECT_EQ(RegFileFlavour::Version5, parsed.Value().Flavour);
    EXPECT_EQ(before.size(), parsed.Value().Entries.size()) << "each value once";
    bool dated = false;
    for (const std::string& comment : parsed.Value().Comments) {
        dated = dated || comment == "Changed: " + std::to_string(clock.now);
    }
    EXPECT_TRUE(dated);
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,2\r\n", files.Contents(Copy));
    EXPECT_EQ(clock.now, LastChangeTime(files, UndoFilesFor(Cfg)));
    // A value that was not there is to be removed.
    const std::string text = files.Contents(UndoReg);
    std::string narrow;
    for (std::size_t i = 2; i < text.size(); i += 2) narrow += text[i];
    EXPECT_NE(std::string::npos, narrow.find("[HKEY_LOCAL_MACHINE\\" + Tcpip + "]\r\n")) << narrow;
    EXPECT_NE(std::string::npos, narrow.find("\"GlobalMaxTcpWindowSize\"=-\r\n")) << narrow;
    EXPECT_NE(std::string::npos, narrow.find("\"DefaultTTL\"=\"64\"\r\n")) << narrow;
    EXPECT_NE(std::string::npos, narrow.find("\"MTU\"=dword:000005d4\r\n")) << narrow;
}

TEST_F(Undo, AValueWrittenTwiceUnderNamesOfAnotherCaseIsRecordedAsItWasBeforeTheFirstWrite) {
    // Windows tells registry names apart without regard to case, so a
    // control set listed twice writes the same value twice.
    const RegValue before{regtype::Dword, {0xd4, 0x05, 0, 0}};
    const RegValue afterFirst{regtype::Dword, {0xdc, 0x05, 0, 0}};
    ChangePlan plan;
    plan.push_back(PlannedValue{Nic, "MTU", before, "", afterFirst});
    plan.push_back(PlannedValue{Interfaces + "\\{nic}", "mtu", afterFirst, "", afterFirst});
    plan.push_back(PlannedValue{Nic, "MTUs", std::nullopt, "", afterFirst});
    ASSERT_TRUE(RecordUndo(files, UndoFilesFor(Cfg), plan, RegFileFlavour::Version5, clock.now).Ok());

    const auto parsed = ParseRegFile(files.Contents(UndoReg));
    ASSERT_TRUE(parsed.Ok()) << parsed.Error().Reason;
    ASSERT_EQ(2u, parsed.Value().Entries.size()) << "the same value once, another name apart";
    EXPECT_EQ("MTU", parsed.Value().Entries[0].ValueName);
    ASSERT_TRUE(parsed.Value().Entries[0].Value.has_value());
    EXPECT_EQ(before.data, parsed.Value().Entries[0].Value->data);
    EXPECT_EQ("MTUs", parsed.Value().Entries[1].ValueName);
}

TEST_F(Undo, PutsBackEveryValueExactlyAndTheSettingsFileAndAgainTakesTheUndoBack) {
    const Snapshot before = Take(Automatic(1));
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());
    const Snapshot applied = Take(Automatic(1));
    ASSERT_EQ(Automatic2File, files.Contents(Cfg));

    clock.now += 60;
    const UndoResult undone = DoUndo();
    ASSERT_TRUE(undone.Succeeded()) << (undone.FailureLines.empty() ? undone.Problem : undone.FailureLines[0]);
    EXPECT_EQ(before.size(), undone.ValuesPutBack);
    EXPECT_EQ(clock.now - 60, undone.ChangedAt);
    ExpectSame(before, Take(Automatic(1)));
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,2\r\n", files.Contents(Cfg));
    // The undo is a change of its own, recorded with its time.
    EXPECT_EQ(clock.now, LastChangeTime(files, UndoFilesFor(Cfg)));

    ASSERT_TRUE(DoUndo().Succeeded());
    ExpectSame(applied, Take(Automatic(1)));
    EXPECT_EQ(Automatic2File, files.Contents(Cfg));
}

TEST_F(Undo, OnTheNineXMapTheRecordIsRegedit4AndTextValuesComeBack) {
    reg.AddKey(NetTrans + "\\0000");
    reg.PutDword(NetTrans + "\\0000", "MaxMTU", 1492);
    reg.PutDword(Mstcp, "DefaultTTL", 32);  // a number where 9x writes text
    const Snapshot before = Take(Automatic(2), Win98);
    ASSERT_TRUE(Apply(Automatic(2), Win98).Succeeded());
    EXPECT_EQ(0u, files.Contents(UndoReg).find("REGEDIT4\r\n"));
    ASSERT_TRUE(DoUndo().Succeeded());
    ExpectSame(before, Take(Automatic(2), Win98));
}

TEST_F(Undo, AfterAnApplyThatFailedHalfwayEverythingTouchedIsAsBefore) {
    const Snapshot before = Take(Automatic(1));
    reg.FailValue(Tcpip, "TcpWindowSize", regcode::AccessDenied);
    reg.FailValue(Set001, "DefaultTTL", regcode::AccessDenied);
    reg.DenyKeyWrites("SYSTEM\\CurrentControlSet\\Services\\{NIC}");
    const SaveResult applied = Apply(Automatic(1));
    ASSERT_FALSE(applied.Succeeded());
    ASSERT_TRUE(applied.FileWritten);
    ASSERT_EQ(3u, applied.FailureLines(reg).size());

    // What the apply could not write never changed and needs no write.
    const UndoResult undone = DoUndo();
    EXPECT_TRUE(undone.Succeeded()) << (undone.FailureLines.empty() ? undone.Problem : undone.FailureLines[0]);
    ExpectSame(before, Take(Automatic(1)));
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,2\r\n", files.Contents(Cfg));
}

TEST_F(Undo, AValueThatCannotBePutBackIsNamedAndTheRecordStaysForAnotherTry) {
    const Snapshot before = Take(Automatic(1));
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());
    const UnixSeconds applied = clock.now;
    reg.FailValue(Tcpip, "DefaultTTL", regcode::AccessDenied);
    reg.DenyKeyWrites(Nic);

    clock.now += 10;
    const UndoResult undone = DoUndo();
    EXPECT_FALSE(undone.Succeeded());
    EXPECT_EQ((std::vector<std::string>{
                  "could not put back HKEY_LOCAL_MACHINE\\" + Tcpip + " value DefaultTTL: Access is denied.",
                  "could not put back HKEY_LOCAL_MACHINE\\" + Nic + " value MTU: Access is denied."}),
              undone.FailureLines);
    EXPECT_EQ(before.size() - 2, undone.ValuesPutBack);
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,2\r\n", files.Contents(Cfg)) << "the file goes back all the same";
    EXPECT_EQ(applied, LastChangeTime(files, UndoFilesFor(Cfg))) << "the apply's record stays";

    reg.ClearFailures();
    ASSERT_TRUE(DoUndo().Succeeded());
    ExpectSame(before, Take(Automatic(1)));
}

TEST_F(Undo, ARecordThatCannotBeWrittenRefusesTheChange) {
    const std::string cfgBefore = files.Contents(Cfg);
    const std::size_t setUp = reg.WriteCalls().size();
    const auto WriteNothing = [&](const SaveResult& result, const std::string& why) {
        EXPECT_FALSE(result.Succeeded());
        EXPECT_FALSE(result.FileWritten);
        ASSERT_EQ(1u, result.FailureLines(reg).size());
        EXPECT_NE(std::string::npos, result.FailureLines(reg)[0].find(why)) << result.FailureLines(reg)[0];
        EXPECT_NE(std::string::npos, result.FailureLines(reg)[0].find("nothing was changed"));
        EXPECT_EQ(setUp, reg.WriteCalls().size());
        EXPECT_EQ(cfgBefore, files.Contents(Cfg));
    };

    files.MakeFolder(UndoReg);  // a folder where the record must go
    WriteNothing(Apply(Automatic(1)), "could not write " + UndoReg);

    // A value that cannot be read cannot be put back.
    reg.DenyKey(Nic);
    files = test::FakeFileSystem();
    files.MakeFolder(Folder);
    files.Put(Cfg, cfgBefore);
    WriteNothing(Apply(Automatic(1)), "could not read HKEY_LOCAL_MACHINE\\" + Nic + " value MTU");
}

TEST_F(Undo, ARecordingCutShortLeavesTheOldRecordAndItsSettingsCopy) {
    const Snapshot before = Take(Automatic(1));
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());
    const std::string record = files.Contents(UndoReg);
    const std::string copy = files.Contents(Copy);

    // A disk that fills up while the record is written: the settings copy
    // is written whole, the record is not.
    clock.now += 100;
    files.FailWritesAfter(copy.size() + 10);
    const SaveResult second = Apply(Automatic(0));
    EXPECT_FALSE(second.Succeeded());
    files.FailWritesAfter(static_cast<std::size_t>(-1));
    EXPECT_EQ(record, files.Contents(UndoReg));
    EXPECT_EQ(copy, files.Contents(Copy));
    EXPECT_EQ(Automatic2File, files.Contents(Cfg));

    ASSERT_TRUE(DoUndo().Succeeded());
    ExpectSame(before, Take(Automatic(1)));
}

TEST_F(Undo, NoRecordOrAForeignOneIsRefusedAndNothingIsWritten) {
    const std::size_t setUp = reg.WriteCalls().size();
    UndoResult result = DoUndo();
    EXPECT_NE(std::string::npos, result.Problem.find("there is no change to undo")) << result.Problem;
    EXPECT_FALSE(UndoAvailable(files, UndoFilesFor(Cfg)));

    for (const std::string& foreign :
         {std::string("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\X]\r\n\"a\"=dword:00000001\r\n"),
          std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n"), std::string("junk")}) {
        files.Put(UndoReg, foreign);
        EXPECT_TRUE(UndoAvailable(files, UndoFilesFor(Cfg)));
        result = DoUndo();
        EXPECT_FALSE(result.Succeeded());
        EXPECT_NE(std::string::npos, result.Problem.find("is not an undo record of this program"))
            << result.Problem;
        EXPECT_EQ(setUp, reg.WriteCalls().size());
        EXPECT_EQ(foreign, files.Contents(UndoReg));
    }
}

TEST_F(Undo, ASettingsCopyThatIsNotTheRecordedOneIsNotPutBackButTheValuesAre) {
    const Snapshot before = Take(Automatic(1));
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());
    files.Put(Copy, "ConnectionType,0\r\nOptiMode,1\r\n");
    const UndoResult result = DoUndo();
    EXPECT_FALSE(result.Succeeded());
    ASSERT_EQ(1u, result.FailureLines.size());
    EXPECT_EQ("could not put back " + Cfg + ": " + Copy +
                  " is not the settings file recorded with " + UndoReg,
              result.FailureLines[0]);
    ExpectSame(before, Take(Automatic(1)));
    EXPECT_EQ(Automatic2File, files.Contents(Cfg));
}

TEST_F(Undo, WithoutASettingsFileBeforeTheChangeTheUndoRemovesIt) {
    files.Remove(Cfg);
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());
    EXPECT_FALSE(files.Has(Copy));
    ASSERT_TRUE(DoUndo().Succeeded());
    EXPECT_FALSE(files.Has(Cfg));
}

TEST(UndoTime, ReadsAsADateInUtc) {
    EXPECT_EQ("1970-01-01 00:00 UTC", TimeText(0));
    EXPECT_EQ("2026-12-08 15:53 UTC", TimeText(1796745208));
    EXPECT_EQ("2000-02-29 23:59 UTC", TimeText(951868799));
}

// --- The state in the status bar --------------------------------------------

class State : public Undo {
protected:
    AppliedStatus Check() { return CheckAppliedState(state, files, reg, XP, clock, Cfg); }
};

TEST_F(State, AppliedSinceWindowsStartedNeedsARestartAndIsAppliedAfterIt) {
    clock.boot = clock.now - 3600;
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());
    AppliedStatus status = Check();
    EXPECT_EQ(AppliedState::RestartNeeded, status.State);
    EXPECT_EQ("Restart needed", AppliedStateText(status));

    clock.boot = clock.now + 120;  // Windows started again
    clock.now += 300;
    status = Check();
    EXPECT_EQ(AppliedState::Applied, status.State);
    EXPECT_EQ("Settings applied", AppliedStateText(status));

    // A start that cannot be told counts as in use, as does a record that
    // is gone.
    clock.bootUnknown = true;
    EXPECT_EQ(AppliedState::Applied, Check().State);
    clock.bootUnknown = false;
    files.Remove(UndoReg);
    EXPECT_EQ(AppliedState::Applied, Check().State);
}

TEST_F(State, ValuesChangedSinceAreCounted) {
    ASSERT_TRUE(Apply(Automatic(1)).Succeeded());
    reg.PutDword(Tcpip, "DefaultTTL", 64);
    AppliedStatus status = Check();
    EXPECT_EQ(AppliedState::Differs, status.State);
    EXPECT_EQ("1 value differs", AppliedStateText(status));
    reg.PutDword(Set001, "DefaultTTL", 64);
    reg.PutDword(Nic, "MTU", 1500);
    EXPECT_EQ("3 values differ", AppliedStateText(Check()));
}

TEST_F(State, WithoutAUsableSettingsFileThePanelIsEmpty) {
    files.Remove(Cfg);
    EXPECT_EQ(AppliedState::NoSettings, Check().State);
    EXPECT_EQ("", AppliedStateText(Check()));
    files.Put(Cfg, "ConnectionType,9\r\n");
    EXPECT_EQ("", AppliedStateText(Check()));
}

}  // namespace
}  // namespace quintel
