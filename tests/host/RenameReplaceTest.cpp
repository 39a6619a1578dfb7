// The replace of Windows 95, 98 and ME (renames only) and the loaders'
// finishing of one that was cut short, with the fake file system standing
// for the disk: every failure order keeps one whole copy of the settings.
#include <gtest/gtest.h>

#include "core/tuning/RenameReplace.h"
#include "core/tuning/SettingsFile.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "core/ping/CompanionPingSettings.h"
#include "core/ping/PingSettings.h"

namespace quintel {
namespace {

const std::string Folder = "C:\\Quintel";
const std::string Path = Folder + "\\VarOderudi.cfg";
const std::string Temporary = Path + ".tmp";
const std::string Aside = Path + ".old";
const std::string PingCfg = Folder + "\\Ping.cfg";
const WindowsFamily Win98{family::Windows98, "Windows 98"};

class RenameReplace : public ::testing::Test {
protected:
    void SetUp() override {
        files.MakeFolder(Folder);
        files.ReplaceByRenaming();
        state.LoadPresets();
        automatic = *state.PresetForMode(mode::Automatic1);
        automatic.ConnectionType = 1;
        automatic.OptiMode = mode::Automatic1;
        manual = state.WindowsDefaults;
        manual.MTUCustom = true;
        manual.MTU = 1400;
    }

    TuningSettings Loaded() {
        LoadSettingsFile(state, files, Path);
        return state.CurrentSettings;
    }

    test::FakeFileSystem files;
    TuningState state;
    TuningSettings automatic;
    TuningSettings manual;
};

TEST_F(RenameReplace, SetsTheOldFileAsideRenamesTheNewOneInAndLeavesNothingBeside) {
    files.Put(Path, "old");
    const auto written = files.ReplaceFileContents(Path, "new");
    ASSERT_TRUE(written.Ok()) << written.Error().reason;
    EXPECT_EQ("new", files.Contents(Path));
    EXPECT_FALSE(files.Has(Temporary));
    EXPECT_FALSE(files.Has(Aside));
    EXPECT_EQ((std::vector<std::string>{Path + " -> " + Aside, Temporary + " -> " + Path}),
              files.Renames());
}

TEST_F(RenameReplace, AFirstSaveAndAStaleOldCopyNeedNoSettingAside) {
    const auto first = files.ReplaceFileContents(Path, "first");
    ASSERT_TRUE(first.Ok()) << first.Error().reason;
    EXPECT_EQ("first", files.Contents(Path));

    // Left by a replace cut short after its new file was in place.
    files.Put(Aside, "older");
    const auto second = files.ReplaceFileContents(Path, "second");
    ASSERT_TRUE(second.Ok()) << second.Error().reason;
    EXPECT_EQ("second", files.Contents(Path));
    EXPECT_FALSE(files.Has(Aside));
    EXPECT_FALSE(files.Has(Temporary));
}

TEST_F(RenameReplace, WhenTheOldFileCannotBeSetAsideItStaysAndTheSaveFails) {
    files.Put(Path, "old");
    files.FailRenamesOf(Path);
    const auto written = files.ReplaceFileContents(Path, "new");
    ASSERT_FALSE(written.Ok());
    EXPECT_EQ(Path, written.Error().path);
    EXPECT_EQ("The process cannot access the file because it is being used by another process.",
              written.Error().reason);
    EXPECT_EQ("old", files.Contents(Path));
    EXPECT_FALSE(files.Has(Temporary));
    EXPECT_FALSE(files.Has(Aside));
}

TEST_F(RenameReplace, WhenTheNewFileCannotBeRenamedInTheOldOneIsPutBackAndTheSaveFails) {
    files.Put(Path, "old");
    files.FailRenamesOf(Temporary);
    const auto written = files.ReplaceFileContents(Path, "new");
    ASSERT_FALSE(written.Ok());
    EXPECT_EQ(Path, written.Error().path);
    EXPECT_FALSE(written.Error().reason.empty());
    EXPECT_EQ("old", files.Contents(Path));
    EXPECT_FALSE(files.Has(Temporary));
    EXPECT_FALSE(files.Has(Aside));
}

TEST_F(RenameReplace, WhenNotEvenTheOldFileGoesBackTheNextLoadBringsItBack) {
    state.CurrentSettings = manual;
    files.Put(Path, FormatSettingsFile(manual));
    files.FailRenamesOf(Temporary);
    files.FailRenamesOf(Aside);
    EXPECT_FALSE(files.ReplaceFileContents(Path, FormatSettingsFile(automatic)).Ok());
    EXPECT_FALSE(files.Has(Temporary)) << "the unsaved contents must not come back";
    ASSERT_TRUE(files.Has(Aside));

    test::FakeFileSystem reader;  // renames work again
    reader.MakeFolder(Folder);
    reader.Put(Aside, files.Contents(Aside));
    LoadSettingsFile(state, reader, Path);
    EXPECT_EQ(manual, state.CurrentSettings);
    EXPECT_EQ(FormatSettingsFile(manual), reader.Contents(Path));
}

TEST_F(RenameReplace, AFailedSettingsSaveIsReportedAndTheRegistryLeftAlone) {
    files.Put(Path, FormatSettingsFile(manual));
    files.FailRenamesOf(Temporary);
    test::FakeRegistry registry;
    state.CurrentSettings = automatic;
    const SaveResult result = SaveSettingsFile(state, files, Path, registry, Win98);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_FALSE(result.FileWritten);
    EXPECT_TRUE(result.Registry.empty());
    EXPECT_EQ(FormatSettingsFile(manual), files.Contents(Path));
}

TEST_F(RenameReplace, AReadOnlyFileIsRefusedBeforeAnythingMoves) {
    files.Put(Path, "old", {.readOnly = true});
    EXPECT_FALSE(files.ReplaceFileContents(Path, "new").Ok());
    EXPECT_EQ("old", files.Contents(Path));
    EXPECT_TRUE(files.Renames().empty());
}

// --- The loaders finish what a kill between the renames left --------------

TEST_F(RenameReplace, TheLoaderTakesACompleteNewFileWhenTheOldOneIsAside) {
    files.Put(Temporary, FormatSettingsFile(manual));
    files.Put(Aside, FormatSettingsFile(automatic));
    EXPECT_EQ(manual, Loaded());
    EXPECT_EQ(FormatSettingsFile(manual), files.Contents(Path));
    EXPECT_FALSE(files.Has(Temporary));
    EXPECT_FALSE(files.Has(Aside));
}

TEST_F(RenameReplace, TheLoaderPutsTheOldCopyBackWhenTheNewFileIsCut) {
    const std::string whole = FormatSettingsFile(manual);
    // Cut inside the last number: the rest still parses, as another value.
    files.Put(Temporary, whole.substr(0, whole.size() - 3));
    files.Put(Aside, FormatSettingsFile(automatic));
    EXPECT_EQ(automatic, Loaded());
    EXPECT_EQ(FormatSettingsFile(automatic), files.Contents(Path));
    EXPECT_FALSE(files.Has(Aside));
}

TEST_F(RenameReplace, TheLoaderPutsTheOldCopyBackWhenNoNewFileIsThere) {
    files.Put(Aside, FormatSettingsFile(manual));
    EXPECT_EQ(manual, Loaded());
    EXPECT_EQ(FormatSettingsFile(manual), files.Contents(Path));
}

TEST_F(RenameReplace, AFileInPlaceIsReadAsItIsWhateverLiesBeside) {
    files.Put(Path, FormatSettingsFile(automatic));
    files.Put(Temporary, FormatSettingsFile(manual));
    files.Put(Aside, FormatSettingsFile(manual));
    EXPECT_EQ(automatic, Loaded());
    EXPECT_TRUE(files.Renames().empty());
}

TEST_F(RenameReplace, NoFileAndNoCopyStillMeansTheDefaults) {
    EXPECT_EQ(state.WindowsDefaults, Loaded());
    EXPECT_FALSE(files.Has(Path));
}

TEST_F(RenameReplace, PingCfgIsFinishedTheSameWay) {
    const PingSettings before{false, "10.0.0.1", "7", true};
    const PingSettings after{false, "10.0.0.2", "30", false};
    files.Put(PingCfg + ".tmp", FormatPingFile(after));
    files.Put(PingCfg + ".old", FormatPingFile(before));
    EXPECT_EQ(after, LoadPingSettingsFile(files, PingCfg, PingSettings{}));
    EXPECT_EQ(FormatPingFile(after), files.Contents(PingCfg));
    EXPECT_FALSE(files.Has(PingCfg + ".old"));

    files.Remove(PingCfg);
    const std::string cut = FormatPingFile(after);
    files.Put(PingCfg + ".tmp", cut.substr(0, cut.size() - 2));
    files.Put(PingCfg + ".old", FormatPingFile(before));
    EXPECT_EQ(before, LoadPingSettingsFile(files, PingCfg, PingSettings{}));
    EXPECT_EQ(FormatPingFile(before), files.Contents(PingCfg));
}

// --- The companion's reading, while the ping tab saves ---------------------

TEST(CompanionPingSettings, AFailedOrCutReadKeepsTheLastGoodSettings) {
    test::FakeFileSystem files;
    files.MakeFolder(Folder);
    CompanionPingSettings companion;
    const PingSettings good{false, "10.0.0.1", "7", true};
    files.Put(PingCfg, FormatPingFile(good));
    EXPECT_EQ(good, companion.Load(files, PingCfg));

    files.Put(PingCfg, "PingAutomatic,#FALSE#\r\nPingHost,10.0.");
    EXPECT_EQ(good, companion.Load(files, PingCfg));

    files.MakeUnreadable(PingCfg);
    EXPECT_EQ(good, companion.Load(files, PingCfg));
}

TEST(CompanionPingSettings, AMissingFileMeansTheDefaultsUnlessAReplaceIsUnderWay) {
    test::FakeFileSystem files;
    CompanionPingSettings companion;
    EXPECT_EQ(DefaultPingSettings(false), companion.Load(files, PingCfg));

    const PingSettings good{false, "10.0.0.1", "7", true};
    files.Put(PingCfg, FormatPingFile(good));
    EXPECT_EQ(good, companion.Load(files, PingCfg));

    // Between the renames of a Windows 9x save: the old copy aside, the
    // new one beside it. The companion leaves them to the saver.
    files.Remove(PingCfg);
    files.Put(PingCfg + ".old", FormatPingFile(good));
    files.Put(PingCfg + ".tmp", "PingAutomatic,#TRUE#\r\n");
    EXPECT_EQ(good, companion.Load(files, PingCfg));
    EXPECT_FALSE(files.Has(PingCfg));
    EXPECT_TRUE(files.Renames().empty());

    files.Remove(PingCfg + ".old");
    files.Remove(PingCfg + ".tmp");
    EXPECT_EQ(DefaultPingSettings(true), companion.Load(files, PingCfg));
}

TEST(CompanionPingSettings, AnUnreadableFileAtTheFirstReadGivesTheDefaults) {
    test::FakeFileSystem files;
    files.Put(PingCfg, "junk");
    CompanionPingSettings companion;
    EXPECT_EQ(DefaultPingSettings(false), companion.Load(files, PingCfg));
}

}  // namespace
}  // namespace quintel
