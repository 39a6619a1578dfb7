#include <gtest/gtest.h>

#include "contract/Contract.h"

namespace quintel::contract {
namespace {

class FileSystemContract : public ::testing::Test {
protected:
    void SetUp() override {
        target_ = MakeFileTarget();
        folder_ = target_->folder();
    }

    FileSystem& fs() { return target_->files(); }
    std::string At(const std::string& name) { return folder_ + "\\" + name; }

    std::string Read(const std::string& path) {
        const auto read = fs().ReadFile(path);
        EXPECT_TRUE(read.Ok()) << path << ": " << (read ? "" : read.Error().reason);
        return read ? read.Value() : std::string();
    }

    std::unique_ptr<FileTarget> target_;
    std::string folder_;
};

TEST_F(FileSystemContract, ReplaceCreatesAFileThatReadsBackExactly) {
    const std::string text = "ConnectionType,0\r\nOptiMode,1\r\n";
    const auto written = fs().ReplaceFileContents(At("VarOderudi.cfg"), text);
    ASSERT_TRUE(written.Ok()) << written.Error().reason;
    EXPECT_TRUE(fs().FileExists(At("VarOderudi.cfg")));
    EXPECT_EQ(text, Read(At("VarOderudi.cfg")));
}

TEST_F(FileSystemContract, ReplaceOverALongerFileLeavesOnlyTheNewContents) {
    ASSERT_TRUE(fs().ReplaceFileContents(At("a.cfg"), std::string(300, 'x')).Ok());
    ASSERT_TRUE(fs().ReplaceFileContents(At("a.cfg"), "short\r\n").Ok());
    EXPECT_EQ("short\r\n", Read(At("a.cfg")));
}

TEST_F(FileSystemContract, ReplaceLeavesNoTemporaryFileBehind) {
    ASSERT_TRUE(fs().ReplaceFileContents(At("b.cfg"), "1").Ok());
    ASSERT_TRUE(fs().ReplaceFileContents(At("b.cfg"), "2").Ok());
    EXPECT_FALSE(target_->AnythingAt(At("b.cfg.tmp")));
    EXPECT_FALSE(target_->AnythingAt(At("b.cfg.old")));
}

TEST_F(FileSystemContract, AReadOnlyFileIsNotReplaced) {
    target_->MakeFile(At("locked.cfg"), "old", {.readOnly = true});
    const auto written = fs().ReplaceFileContents(At("locked.cfg"), "new");
    ASSERT_FALSE(written.Ok());
    EXPECT_EQ(At("locked.cfg"), written.Error().path);
    EXPECT_FALSE(written.Error().reason.empty());
    EXPECT_EQ("old", Read(At("locked.cfg")));
    EXPECT_FALSE(target_->AnythingAt(At("locked.cfg.tmp")));
    EXPECT_FALSE(target_->AnythingAt(At("locked.cfg.old")));
}

TEST_F(FileSystemContract, APrefixIsAtMostTheBytesAskedFor) {
    ASSERT_TRUE(fs().ReplaceFileContents(At("export.reg"), std::string(10000, 'r')).Ok());
    const auto head = fs().ReadFilePrefix(At("export.reg"), 64);
    ASSERT_TRUE(head.Ok());
    EXPECT_EQ(std::string(64, 'r'), head.Value());
    ASSERT_TRUE(fs().ReplaceFileContents(At("short.reg"), "REGEDIT4").Ok());
    const auto shortHead = fs().ReadFilePrefix(At("short.reg"), 64);
    ASSERT_TRUE(shortHead.Ok());
    EXPECT_EQ("REGEDIT4", shortHead.Value());
    EXPECT_FALSE(fs().ReadFilePrefix(At("none.reg"), 64).Ok());
}

TEST_F(FileSystemContract, AnEmptyFileIsWrittenAndReadAsEmpty) {
    ASSERT_TRUE(fs().ReplaceFileContents(At("empty.txt"), "").Ok());
    EXPECT_TRUE(fs().FileExists(At("empty.txt")));
    EXPECT_EQ("", Read(At("empty.txt")));
}

TEST_F(FileSystemContract, ExistsCountsOrdinaryAndReadOnlyFilesOnly) {
    target_->MakeFile(At("plain.txt"), "x", {});
    target_->MakeFile(At("readonly.txt"), "x", {.readOnly = true});
    target_->MakeFile(At("hidden.txt"), "x", {.hidden = true});
    target_->MakeFile(At("system.txt"), "x", {.system = true});
    target_->MakeFolder(At("folder"));
    EXPECT_TRUE(fs().FileExists(At("plain.txt")));
    EXPECT_TRUE(fs().FileExists(At("READONLY.TXT")));
    EXPECT_FALSE(fs().FileExists(At("hidden.txt")));
    EXPECT_FALSE(fs().FileExists(At("system.txt")));
    EXPECT_FALSE(fs().FileExists(At("folder")));
    EXPECT_FALSE(fs().FileExists(At("missing.txt")));
}

TEST_F(FileSystemContract, ReadingAMissingFileFailsWithAReason) {
    const auto read = fs().ReadFile(At("missing.cfg"));
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(At("missing.cfg"), read.Error().path);
    EXPECT_FALSE(read.Error().reason.empty());
}

TEST_F(FileSystemContract, AFolderWhereTheFileMustGoFailsAndStaysAFolder) {
    target_->MakeFolder(At("VarOderudi.cfg"));
    const auto written = fs().ReplaceFileContents(At("VarOderudi.cfg"), "ConnectionType,0\r\n");
    ASSERT_FALSE(written.Ok());
    EXPECT_EQ(At("VarOderudi.cfg"), written.Error().path);
    EXPECT_FALSE(written.Error().reason.empty());
    EXPECT_TRUE(target_->AnythingAt(At("VarOderudi.cfg")));
    EXPECT_FALSE(fs().FileExists(At("VarOderudi.cfg")));
    EXPECT_FALSE(target_->AnythingAt(At("VarOderudi.cfg.tmp")));
}

TEST_F(FileSystemContract, WritingIntoAMissingFolderFails) {
    const auto written = fs().ReplaceFileContents(At("no such folder\\Ping.cfg"), "x");
    ASSERT_FALSE(written.Ok());
    EXPECT_FALSE(written.Error().reason.empty());
}

TEST_F(FileSystemContract, ARenameMovesTheFileButNeverOverAnother) {
    target_->MakeFile(At("a.cfg"), "a", {});
    target_->MakeFile(At("b.cfg"), "b", {});
    const auto refused = fs().RenameFile(At("a.cfg"), At("b.cfg"));
    ASSERT_FALSE(refused.Ok());
    EXPECT_FALSE(refused.Error().reason.empty());
    EXPECT_EQ("a", Read(At("a.cfg")));
    EXPECT_EQ("b", Read(At("b.cfg")));

    const auto renamed = fs().RenameFile(At("a.cfg"), At("c.cfg"));
    ASSERT_TRUE(renamed.Ok()) << renamed.Error().reason;
    EXPECT_FALSE(target_->AnythingAt(At("a.cfg")));
    EXPECT_EQ("a", Read(At("c.cfg")));
    EXPECT_FALSE(fs().RenameFile(At("a.cfg"), At("d.cfg")).Ok());
    EXPECT_FALSE(target_->AnythingAt(At("d.cfg")));
}

TEST_F(FileSystemContract, RemovingTakesOrdinaryFilesOnly) {
    target_->MakeFile(At("plain.cfg"), "x", {});
    target_->MakeFile(At("readonly.cfg"), "x", {.readOnly = true});
    const auto removed = fs().RemoveFile(At("plain.cfg"));
    ASSERT_TRUE(removed.Ok()) << removed.Error().reason;
    EXPECT_FALSE(target_->AnythingAt(At("plain.cfg")));
    const auto refused = fs().RemoveFile(At("readonly.cfg"));
    ASSERT_FALSE(refused.Ok());
    EXPECT_EQ(At("readonly.cfg"), refused.Error().path);
    EXPECT_FALSE(refused.Error().reason.empty());
    EXPECT_TRUE(target_->AnythingAt(At("readonly.cfg")));
}

TEST_F(FileSystemContract, TheEndOfAFileIsItsLastBytesWithItsWholeSize) {
    target_->MakeFile(At("export.reg"), std::string(9000, 'r') + "\r\n\r\n", {});
    const auto end = fs().ReadFileEnd(At("export.reg"), 6);
    ASSERT_TRUE(end.Ok()) << end.Error().reason;
    EXPECT_EQ("rr\r\n\r\n", end.Value().bytes);
    EXPECT_EQ(9004u, end.Value().size);
    target_->MakeFile(At("short.reg"), "REG", {});
    const auto shortEnd = fs().ReadFileEnd(At("short.reg"), 6);
    ASSERT_TRUE(shortEnd.Ok());
    EXPECT_EQ("REG", shortEnd.Value().bytes);
    EXPECT_EQ(3u, shortEnd.Value().size);
    const auto none = fs().ReadFileEnd(At("none.reg"), 6);
    ASSERT_FALSE(none.Ok());
    EXPECT_FALSE(none.Error().reason.empty());
}

TEST_F(FileSystemContract, AMoveReplacesTheFileAtTheTargetAndLeavesNothingAtTheSource) {
    target_->MakeFile(At("all.reg"), "older", {});
    target_->MakeFile(At("all.reg.tmp"), "newer", {});
    const auto moved = fs().MoveFileOver(At("all.reg.tmp"), At("all.reg"));
    ASSERT_TRUE(moved.Ok()) << moved.Error().reason;
    EXPECT_EQ("newer", Read(At("all.reg")));
    EXPECT_FALSE(target_->AnythingAt(At("all.reg.tmp")));
    target_->MakeFile(At("new.tmp"), "first", {});
    const auto created = fs().MoveFileOver(At("new.tmp"), At("new.reg"));
    ASSERT_TRUE(created.Ok()) << created.Error().reason;
    EXPECT_EQ("first", Read(At("new.reg")));
}

TEST_F(FileSystemContract, AMoveOntoAReadOnlyFileOrAFolderFailsAndLeavesIt) {
    target_->MakeFile(At("kept.reg"), "kept", {.readOnly = true});
    target_->MakeFile(At("a.tmp"), "newer", {});
    target_->MakeFolder(At("folder.reg"));
    const auto refused = fs().MoveFileOver(At("a.tmp"), At("kept.reg"));
    ASSERT_FALSE(refused.Ok());
    EXPECT_FALSE(refused.Error().reason.empty());
    EXPECT_EQ("kept", Read(At("kept.reg")));
    EXPECT_FALSE(fs().MoveFileOver(At("a.tmp"), At("folder.reg")).Ok());
    EXPECT_TRUE(target_->AnythingAt(At("folder.reg")));
    EXPECT_FALSE(fs().FileExists(At("folder.reg")));
    EXPECT_FALSE(fs().MoveFileOver(At("missing.tmp"), At("b.reg")).Ok());
    EXPECT_FALSE(target_->AnythingAt(At("b.reg")));
}

TEST_F(FileSystemContract, RemovingAFileLeavesNothingAndAMissingOneIsNoFailure) {
    target_->MakeFile(At("gone.tmp"), "x", {});
    const auto removed = fs().RemoveFile(At("gone.tmp"));
    EXPECT_TRUE(removed.Ok()) << removed.Error().reason;
    EXPECT_FALSE(target_->AnythingAt(At("gone.tmp")));
    EXPECT_TRUE(fs().RemoveFile(At("never.tmp")).Ok());
    target_->MakeFolder(At("folder.tmp"));
    const auto refused = fs().RemoveFile(At("folder.tmp"));
    ASSERT_FALSE(refused.Ok());
    EXPECT_FALSE(refused.Error().reason.empty());
    EXPECT_TRUE(target_->AnythingAt(At("folder.tmp")));
}

}  // namespace
}  // namespace quintel::contract
