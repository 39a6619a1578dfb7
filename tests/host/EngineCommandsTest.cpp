#include <gtest/gtest.h>

#include "engine/EngineCommands.h"
#include "fakes/FakeFileSystem.h"
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
        EngineContext ctx{reg, files, version, Folder};
        out.clear();
        err.clear();
        return command(ctx, out, err);
    }

    test::FakeRegistry reg;
    test::FakeFileSystem files;
    test::FakeVersionQuery version;
    std::string out, err;
};

TEST_F(Commands, ShowListsEveryWriteInOrderAndChangesNothing) {
    reg.AddKey(std::string(Interfaces) + "\\{AAA}");
    files.Put(Cfg, "ConnectionType,1\r\nOptiMode,1\r\n");
    EXPECT_EQ(0, Run(RunShow));
    const std::string text = out;
    EXPECT_EQ(0u, text.find("OS: Windows XP\nMode: Automatic #2\n"));
    EXPECT_NE(std::string::npos,
              text.find("HKEY_LOCAL_MACHINE\\SYSTEM\\ControlSet001\\Services\\tcpip\\parameters\t"
                        "GlobalMaxTcpWindowSize\tREG_DWORD\tremoved\n"));
    EXPECT_NE(std::string::npos,
              text.find("Interfaces\\{AAA}\tMTU\tREG_DWORD\t576\n"));
    EXPECT_NE(std::string::npos, text.find("cachesize\t(Default)\tREG_DWORD\t0\n"));
    EXPECT_EQ(0u, reg.ValueCount());
    EXPECT_FALSE(reg.HasKey("SOFTWARE\\Microsoft"));
    EXPECT_EQ(0, files.Writes());
    EXPECT_EQ(0u, reg.OpenHandles());
}

TEST_F(Commands, ShowOn98WritesTtlAsText) {
    version.version = OsVersion{1, 4, 10};
    EXPECT_EQ(0, Run(RunShow));
    EXPECT_NE(std::string::npos, out.find("OS: Windows 98\n"));
    EXPECT_NE(std::string::npos, out.find("\tDefaultTTL\tREG_SZ\t\"32\"\n"));
}

TEST_F(Commands, ApplyRewritesTheFileAndTheRegistry) {
    files.Put(Cfg, "ConnectionType,2\r\nOptiMode,0\r\n");
    EXPECT_EQ(0, Run(RunApply));
    EXPECT_EQ("ConnectionType,2\r\nOptiMode,0\r\n", files.Contents(Cfg));
    EXPECT_EQ(4288u, reg.GetDword(Tcpip, "TcpWindowSize"));
    EXPECT_EQ("", err);
    EXPECT_NE(std::string::npos, out.find("Automatic #1 for Windows XP"));
}

TEST_F(Commands, ApplyWithoutAFileAppliesTheDefaults) {
    EXPECT_EQ(0, Run(RunApply));
    EXPECT_EQ(8192u, reg.GetDword(Tcpip, "TcpWindowSize"));
    EXPECT_EQ(0u, files.Contents(Cfg).find("ConnectionType,0\r\nOptiMode,3\r\n"));
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
    EXPECT_EQ(1, Run(RunApply));
    EXPECT_EQ("Quintel: could not write " + Cfg + ": a folder of that name is in the way\n",
              err);
    EXPECT_TRUE(reg.Calls().empty());
}

TEST_F(Commands, ARefusedRegistryValueExitsOneNamingIt) {
    reg.DenyKey(Tcpip);
    EXPECT_EQ(1, Run(RunRestore));
    EXPECT_EQ("Quintel: could not write HKEY_LOCAL_MACHINE\\" + std::string(Tcpip) +
                  " value GlobalMaxTcpWindowSize: Access is denied.\n",
              err);
}

TEST(Usage, NamesEverySwitch) {
    const std::string usage = UsageText();
    for (const char* s : {"/show", "/apply", "/restore", "/?"}) {
        EXPECT_NE(std::string::npos, usage.find(s)) << s;
    }
}

}  // namespace
}  // namespace quintel
