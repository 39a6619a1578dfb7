// Starting programs and loading libraries as Windows does it, not as Wine
// kindly does: every command line must split back (CommandLineToArgvW, the
// C runtime's rules) into exactly the program and arguments meant, a path
// with blanks must never start the program its first word names, and
// system programs and libraries must come from the system's folders even
// when decoys of the same names lie in the application folder or the
// current folder. Each decoy leaves a marker file when it runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/system/ProgramCommandLine.h"
#include "win32/SystemFolders.h"
#include "win32/Win32Services.h"
#include "wine/WineHelpers.h"

namespace quintel {
namespace {

std::wstring Wide(const std::string& ansi) {
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    return wide;
}

std::vector<std::wstring> Split(const std::wstring& line) {
    int count = 0;
    LPWSTR* parts = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> split;
    if (!parts) return split;
    for (int i = 0; i < count; ++i) split.emplace_back(parts[i]);
    LocalFree(parts);
    return split;
}

std::vector<std::wstring> Expected(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::wstring> expected{Wide(program)};
    for (const std::string& argument : arguments) expected.push_back(Wide(argument));
    return expected;
}

// Letters beyond ASCII that the ANSI code page holds ("äöüé" in 1252).
std::string AnsiLetters() {
    const wchar_t letters[] = L"\u00E4\u00F6\u00FC\u00E9";
    char ansi[16] = {};
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, 0, letters, -1, ansi, sizeof ansi, nullptr, &lost);
    return lost ? std::string() : std::string(ansi);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The command line a probe started as `path` got, or nothing when it did
// not run.
std::wstring ProbeLine(const std::string& path) {
    const std::string marker = wine::ReadTextFile(path + ".ran");
    return std::wstring(reinterpret_cast<const wchar_t*>(marker.data()), marker.size() / 2);
}

class Launch : public ::testing::Test {
protected:
    void SetUp() override {
        probe_ = wine::BuiltFile("QUINTEL_LAUNCH_PROBE");
        ASSERT_FALSE(probe_.empty()) << "QUINTEL_LAUNCH_PROBE names the probe program";
    }
    void Plant(const std::string& from, const std::string& to) {
        ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << to;
    }
    void Run(const std::string& program, const std::vector<std::string>& arguments) {
        win32::Win32Launcher launcher;
        const auto started = launcher.StartToWait(program, arguments, SW_HIDE);
        ASSERT_TRUE(started) << program;
        started.Value()->WaitForExit([] {});
    }
    std::string probe_;
    wine::ScratchFolder scratch_{"quintel launch"};
};

TEST_F(Launch, EveryCommandLineSplitsBackIntoItsProgramAndItsArguments) {
    const std::string letters = AnsiLetters();
    ASSERT_FALSE(letters.empty()) << "the ANSI code page has no accented letters";
    struct Case {
        std::string program;
        std::vector<std::string> arguments;
    };
    const std::vector<Case> cases = {
        {"C:\\Program Files\\Quintel\\Korvet.exe", {}},
        {"C:\\WINDOWS\\regedit.exe", {"/E", "C:\\Program Files\\My Backups\\all regs.reg"}},
        {"C:\\WINDOWS\\system32\\rundll32.exe", {"shell32.dll,Control_RunDLL", "inetcpl.cpl,,0"}},
        {"C:\\Tools\\msinfo32.exe", {}},
        {"C:\\a folder\\p.exe", {"C:\\folder with blanks\\", "C:\\plain\\", "C:\\two\\\\"}},
        {"C:\\p.exe", {"say \"hi\"", "\"", "a\\\"b", "a\\\\\"b c", "\\\"", ""}},
        {"C:\\p.exe", {"tab\there", "line\nbreak", "back\\slash", " lead", "trail "}},
        {"C:\\" + letters + " folder\\" + letters + ".exe", {"C:\\" + letters + "\\x " + letters + ".reg"}},
    };
    for (const Case& c : cases) {
        const std::string line = MakeCommandLine(c.program, c.arguments);
        EXPECT_EQ(Expected(c.program, c.arguments), Split(Wide(line))) << line;
    }
}

TEST_F(Launch, AStartedProgramGetsExactlyItsArguments) {
    const std::string letters = AnsiLetters();
    ASSERT_FALSE(letters.empty());
    const std::string folder = scratch_ / ("with blanks " + letters);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string program = folder + "\\probe " + letters + ".exe";
    Plant(probe_, program);
    const std::vector<std::string> arguments = {
        "/E", "C:\\Backups with blanks\\", "say \"hi\"", "", "C:\\" + letters + "\\x.reg", "a\\\\\"b"};
    Run(program, arguments);
    ASSERT_TRUE(Exists(program + ".ran"));
    EXPECT_EQ(Expected(program, arguments), Split(ProbeLine(program)));
}

TEST_F(Launch, AProgramUnderProgramFilesNeverStartsADecoyNamedAfterItsFirstWord) {
    // C:\Program.exe beside "C:\Program Files": an unquoted line starts it,
    // and the real program would read "Files\Quintel\Korvet.exe" as its
    // argument.
    const std::string decoy = scratch_ / "Program.exe";
    Plant(probe_, decoy);
    ASSERT_TRUE(CreateDirectoryA((scratch_ / "Program Files").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((scratch_ / "Program Files\\Quintel").c_str(), nullptr));
    const std::string korvet = scratch_ / "Program Files\\Quintel\\Korvet.exe";
    Plant(probe_, korvet);
    Run(korvet, {});
    EXPECT_FALSE(Exists(decoy + ".ran")) << "the decoy ran";
    ASSERT_TRUE(Exists(korvet + ".ran"));
    EXPECT_EQ(std::vector<std::wstring>{Wide(korvet)}, Split(ProbeLine(korvet)));
}

TEST_F(Launch, TheSystemsProgramsComeFromItsOwnFolders) {
    const std::string system = win32::SystemFolder();
    const std::string windows = win32::WindowsFolder();
    ASSERT_FALSE(system.empty());
    win32::Win32Launcher launcher;
    for (const char* name : {"regedit.exe", "rundll32.exe"}) {
        const std::string path = launcher.SystemProgram(name);
        EXPECT_TRUE(path == win32::InFolder(system, name) || path == win32::InFolder(windows, name))
            << path;
        EXPECT_TRUE(Exists(path)) << path;
    }
    EXPECT_EQ("", launcher.SystemProgram("no such program.exe"));
}

// The application folder and the current folder both hold decoys named
// regedit.exe, rundll32.exe and icmp.dll (Wine is told to prefer a native
// icmp.dll, as Windows would take a planted one); the runner, started from
// there, must use the real ones.
TEST_F(Launch, DecoysInTheApplicationFolderAndTheCurrentFolderNeverRun) {
    const std::string runner = wine::BuiltFile("QUINTEL_DECOY_RUNNER");
    const std::string library = wine::BuiltFile("QUINTEL_DECOY_LIBRARY");
    ASSERT_FALSE(runner.empty());
    ASSERT_FALSE(library.empty());
    const std::string app = scratch_ / "app folder";
    const std::string current = scratch_ / "current folder";
    for (const std::string& folder : {app, current}) {
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        Plant(probe_, folder + "\\regedit.exe");
        Plant(probe_, folder + "\\rundll32.exe");
        Plant(library, folder + "\\icmp.dll");
    }
    Plant(runner, app + "\\runner.exe");
    const std::string exported = current + "\\wine.reg";

    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
    const wine::RunResult result = wine::RunProgram(app + "\\runner.exe", QuoteArgument(exported));
    SetCurrentDirectoryA(previous);

    EXPECT_EQ(0u, result.exitCode);
    for (const std::string& folder : {app, current}) {
        for (const char* decoy : {"\\regedit.exe", "\\rundll32.exe", "\\icmp.dll"})
            EXPECT_FALSE(Exists(folder + decoy + ".ran")) << folder + decoy << " ran";
    }
    EXPECT_EQ(0u, wine::ReadTextFile(exported).rfind("\xFF\xFE", 0)) << "the real editor exported";
}

}  // namespace
}  // namespace quintel
