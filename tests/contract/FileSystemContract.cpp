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
        std::string contents;
        FileError error;
        EXPECT_TRUE(fs().ReadFile(path, contents, error)) << path << ": " << error.reason;
        return contents;
    }

    std::unique_ptr<FileTarget> target_;
    std::string folder_;
};

TEST_F(FileSystemContract, ReplaceCreatesAFileThatReadsBackExactly) {
    const std::string text = "ConnectionType,0\r\nOptiMode,1\r\n";
    FileError error;
    ASSERT_TRUE(fs().ReplaceFileContents(At("VarOderudi.cfg"), text, error)) << error.reason;
    EXPECT_TRUE(fs().FileExists(At("VarOderudi.cfg")));
    EXPECT_EQ(text, Read(At("VarOderudi.cfg")));
}

TEST_F(FileSystemContract, ReplaceOverALongerFileLeavesOnlyTheNewContents) {
    FileError error;
    ASSERT_TRUE(fs().ReplaceFileContents(At("a.cfg"), std::string(300, 'x'), error));
    ASSERT_TRUE(fs().ReplaceFileContents(At("a.cfg"), "short\r\n", error));
    EXPECT_EQ("short\r\n", Read(At("a.cfg")));
}

TEST_F(FileSystemContract, ReplaceLeavesNoTemporaryFileBehind) {
    FileError error;
    ASSERT_TRUE(fs().ReplaceFileContents(At("b.cfg"), "1", error));
    ASSERT_TRUE(fs().ReplaceFileContents(At("b.cfg"), "2", error));
    EXPECT_FALSE(target_->AnythingAt(At("b.cfg.tmp")));
    EXPECT_FALSE(target_->AnythingAt(At("b.cfg.old")));
}

TEST_F(FileSystemContract, AReadOnlyFileIsNotReplaced) {
    target_->MakeFile(At("locked.cfg"), "old", {.readOnly = true});
    FileError error;
    EXPECT_FALSE(fs().ReplaceFileContents(At("locked.cfg"), "new", error));
    EXPECT_EQ(At("locked.cfg"), error.path);
    EXPECT_FALSE(error.reason.empty());
    EXPECT_EQ("old", Read(At("locked.cfg")));
    EXPECT_FALSE(target_->AnythingAt(At("locked.cfg.tmp")));
    EXPECT_FALSE(target_->AnythingAt(At("locked.cfg.old")));
}

TEST_F(FileSystemContract, APrefixIsAtMostTheBytesAskedFor) {
    FileError error;
    ASSERT_TRUE(fs().ReplaceFileContents(At("export.reg"), std::string(10000, 'r'), error));
    std::string head;
    ASSERT_TRUE(fs().ReadFilePrefix(At("export.reg"), 64, head, error));
    EXPECT_EQ(std::string(64, 'r'), head);
    ASSERT_TRUE(fs().ReplaceFileContents(At("short.reg"), "REGEDIT4", error));
    ASSERT_TRUE(fs().ReadFilePrefix(At("short.reg"), 64, head, error));
    EXPECT_EQ("REGEDIT4", head);
    EXPECT_FALSE(fs().ReadFilePrefix(At("none.reg"), 64, head, error));
}

TEST_F(FileSystemContract, AnEmptyFileIsWrittenAndReadAsEmpty) {
    FileError error;
    ASSERT_TRUE(fs().ReplaceFileContents(At("empty.txt"), "", error));
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
    std::string contents = "unchanged";
    FileError error;
    EXPECT_FALSE(fs().ReadFile(At("missing.cfg"), contents, error));
    EXPECT_EQ(At("missing.cfg"), error.path);
    EXPECT_FALSE(error.reason.empty());
}

TEST_F(FileSystemContract, AFolderWhereTheFileMustGoFailsAndStaysAFolder) {
    target_->MakeFolder(At("VarOderudi.cfg"));
    FileError error;
    EXPECT_FALSE(fs().ReplaceFileContents(At("VarOderudi.cfg"), "ConnectionType,0\r\n", error));
    EXPECT_EQ(At("VarOderudi.cfg"), error.path);
    EXPECT_FALSE(error.reason.empty());
    EXPECT_TRUE(target_->AnythingAt(At("VarOderudi.cfg")));
    EXPECT_FALSE(fs().FileExists(At("VarOderudi.cfg")));
    EXPECT_FALSE(target_->AnythingAt(At("VarOderudi.cfg.tmp")));
}

TEST_F(FileSystemContract, WritingIntoAMissingFolderFails) {
    FileError error;
    EXPECT_FALSE(fs().ReplaceFileContents(At("no such folder\\Ping.cfg"), "x", error));
    EXPECT_FALSE(error.reason.empty());
}

TEST_F(FileSystemContract, ARenameMovesTheFileButNeverOverAnother) {
    target_->MakeFile(At("a.cfg"), "a", {});
    target_->MakeFile(At("b.cfg"), "b", {});
    FileError error;
    EXPECT_FALSE(fs().RenameFile(At("a.cfg"), At("b.cfg"), error));
    EXPECT_FALSE(error.reason.empty());
    EXPECT_EQ("a", Read(At("a.cfg")));
    EXPECT_EQ("b", Read(At("b.cfg")));

    ASSERT_TRUE(fs().RenameFile(At("a.cfg"), At("c.cfg"), error)) << error.reason;
    EXPECT_FALSE(target_->AnythingAt(At("a.cfg")));
    EXPECT_EQ("a", Read(At("c.cfg")));
    EXPECT_FALSE(fs().RenameFile(At("a.cfg"), At("d.cfg"), error));
    EXPECT_FALSE(target_->AnythingAt(At("d.cfg")));
}

TEST_F(FileSystemContract, RemovingTakesOrdinaryFilesOnly) {
    target_->MakeFile(At("plain.cfg"), "x", {});
    target_->MakeFile(At("readonly.cfg"), "x", {.readOnly = true});
    FileError error;
    ASSERT_TRUE(fs().RemoveFile(At("plain.cfg"), error)) << error.reason;
    EXPECT_FALSE(target_->AnythingAt(At("plain.cfg")));
    EXPECT_FALSE(fs().RemoveFile(At("readonly.cfg"), error));
    EXPECT_EQ(At("readonly.cfg"), error.path);
    EXPECT_FALSE(error.reason.empty());
    EXPECT_TRUE(target_->AnythingAt(At("readonly.cfg")));
}

TEST_F(FileSystemContract, TheEndOfAFileIsItsLastBytesWithItsWholeSize) {
    target_->MakeFile(At("export.reg"), std::string(9000, 'r') + "\r\n\r\n", {});
    std::string end;
    std::uint64_t size = 0;
    FileError error;
    ASSERT_TRUE(fs().ReadFileEnd(At("export.reg"), 6, end, size, error)) << error.reason;
    EXPECT_EQ("rr\r\n\r\n", end);
    EXPECT_EQ(9004u, size);
    target_->MakeFile(At("short.reg"), "REG", {});
    ASSERT_TRUE(fs().ReadFileEnd(At("short.reg"), 6, end, size, error));
    EXPECT_EQ("REG", end);
    EXPECT_EQ(3u, size);
    EXPECT_FALSE(fs().ReadFileEnd(At("none.reg"), 6, end, size, error));
    EXPECT_FALSE(error.reason.empty());
}

TEST_F(FileSystemContract, AMoveReplacesTheFileAtTheTargetAndLeavesNothingAtTheSource) {
    target_->MakeFile(At("all.reg"), "older", {});
    target_->MakeFile(At("all.reg.tmp"), "newer", {});
    FileError error;
    ASSERT_TRUE(fs().MoveFileOver(At("all.reg.tmp"), At("all.reg"), error)) << error.reason;
    EXPECT_EQ("newer", Read(At("all.reg")));
    EXPECT_FALSE(target_->AnythingAt(At("all.reg.tmp")));
    target_->MakeFile(At("new.tmp"), "first", {});
    ASSERT_TRUE(fs().MoveFileOver(At("new.tmp"), At("new.reg"), error)) << error.reason;
    EXPECT_EQ("first", Read(At("new.reg")));
}

TEST_F(FileSystemContract, AMoveOntoAReadOnlyFileOrAFolderFailsAndLeavesIt) {
    target_->MakeFile(At("kept.reg"), "kept", {.readOnly = true});
    target_->MakeFile(At("a.tmp"), "newer", {});
    target_->MakeFolder(At("folder.reg"));
    FileError error;
    EXPECT_FALSE(fs().MoveFileOver(At("a.tmp"), At("kept.reg"), error));
    EXPECT_FALSE(error.reason.empty());
    EXPECT_EQ("kept", Read(At("kept.reg")));
    EXPECT_FALSE(fs().MoveFileOver(At("a.tmp"), At("folder.reg"), error));
    EXPECT_TRUE(target_->AnythingAt(At("folder.reg")));
    EXPECT_FALSE(fs().FileExists(At("folder.reg")));
    EXPECT_FALSE(fs().MoveFileOver(At("missing.tmp"), At("b.reg"), error));
    EXPECT_FALSE(target_->AnythingAt(At("b.reg")));
}

TEST_F(FileSystemContract, RemovingAFileLeavesNothingAndAMissingOneIsNoFailure) {
    target_->MakeFile(At("gone.tmp"), "x", {});
    FileError error;
    EXPECT_TRUE(fs().RemoveFile(At("gone.tmp"), error)) << error.reason;
    EXPECT_FALSE(target_->AnythingAt(At("gone.tmp")));
    EXPECT_TRUE(fs().RemoveFile(At("never.tmp"), error));
    target_->MakeFolder(At("folder.tmp"));
    EXPECT_FALSE(fs().RemoveFile(At("folder.tmp"), error));
    EXPECT_FALSE(error.reason.empty());
    EXPECT_TRUE(target_->AnythingAt(At("folder.tmp")));
}

}  // namespace
}  // namespace quintel::contract
