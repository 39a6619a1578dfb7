// What Quintel.exe loads: the switches only kernel32 and advapi32 (and the
// C runtime), the DLLs of the windows when first used and only from the
// system's own folders, and the windows common controls 6 from their own
// activation context, as a process-wide manifest gave them before.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "wine/WineHelpers.h"

namespace quintel {
namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The text of manifest resource `id` of a program file; empty if none.
std::string Manifest(const std::string& program, int id) {
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return "";
    std::string text;
    if (HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(24))) {
        if (const void* data = LockResource(LoadResource(module, resource)))
            text.assign(static_cast<const char*>(data), SizeofResource(module, resource));
    }
    FreeLibrary(module);
    return text;
}

class Footprint : public ::testing::Test {
protected:
    void SetUp() override {
        probe_ = wine::BuiltFile("QUINTEL_DELAY_PROBE");
        ASSERT_FALSE(probe_.empty()) << "QUINTEL_DELAY_PROBE names the probe program";
    }
    std::string probe_;
    wine::ScratchFolder scratch_{"quintel footprint"};
};

// The process manifest asks Windows for nothing the switches do not use:
// the common controls are the window path's own manifest.
TEST_F(Footprint, TheCommonControlsAreNamedOnlyInTheWindowPathsManifest) {
    const std::string process = Manifest(wine::QuintelExe(), 1);
    const std::string windows = Manifest(wine::QuintelExe(), 2);
    ASSERT_FALSE(process.empty());
    EXPECT_NE(std::string::npos, process.find("requireAdministrator"));
    EXPECT_EQ(std::string::npos, process.find("Common-Controls"));
    EXPECT_NE(std::string::npos, windows.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
}

// The windows get common controls 6 (visual styles), from the side-by-side
// store, through Quintel.exe's own second manifest; without it a program
// would get version 5.
TEST_F(Footprint, TheWindowPathsContextGivesCommonControlsSix) {
    const wine::RunResult result = wine::RunProgram(probe_, "controls \"" + wine::QuintelExe() + "\"");
    EXPECT_EQ(0u, result.exitCode) << "failed check " << result.exitCode;
}

// Planted copies of the DLLs the program loads on first use never load:
// the delay-loaded DLLs come from the system folder (Wine is told to
// prefer a native copy, as Windows would take one from the program's
// folder when it is asked for the bare name).
TEST_F(Footprint, DelayLoadedLibrariesComeFromTheSystemFolderOnly) {
    const std::string library = wine::BuiltFile("QUINTEL_DECOY_LIBRARY");
    ASSERT_FALSE(library.empty());
    const std::string probe = scratch_ / "probe.exe";
    ASSERT_TRUE(CopyFileA(probe_.c_str(), probe.c_str(), FALSE));
    for (const char* dll : {"version.dll", "winmm.dll", "wsock32.dll"})
        ASSERT_TRUE(CopyFileA(library.c_str(), (scratch_ / dll).c_str(), FALSE)) << dll;

    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(scratch_.path().c_str()));
    const wine::RunResult result = wine::RunProgram(probe, "libraries");
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(0u, result.exitCode) << "failed check " << result.exitCode;
    for (const char* dll : {"version.dll", "winmm.dll", "wsock32.dll"})
        EXPECT_FALSE(Exists(scratch_ / (std::string(dll) + ".ran"))) << dll << " was loaded from the program's folder";
}

}  // namespace
}  // namespace quintel
