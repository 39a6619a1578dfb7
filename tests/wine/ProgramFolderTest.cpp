// Quintel.exe and Korvet.exe in a folder whose name has letters outside
// the ANSI code page (Wine's prefix uses code page 1252): the ANSI path of
// the program's folder leads nowhere, so both refuse to run rather than
// fail at every file without a word.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "win32/korvet/KorvetControl.h"
#include "wine/WineHelpers.h"

namespace quintel::wine {
namespace {

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

std::wstring BesideQuintel(const std::wstring& name) {
    const std::wstring exe = Widen(QuintelExe());
    return exe.substr(0, exe.find_last_of(L'\\') + 1) + name;
}

// A folder under the temporary one, its name given in full Unicode, with
// the two programs copied in; removed with what is in it.
class UnicodeFolder {
public:
    explicit UnicodeFolder(const std::wstring& name) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = temp + name + L"-" + std::to_wstring(GetCurrentProcessId());
        Clear();
        CreateDirectoryW(path_.c_str(), nullptr);
        copied_ = true;
        for (const wchar_t* exe : {L"Quintel.exe", L"Korvet.exe"}) {
            if (!CopyFileW(BesideQuintel(exe).c_str(), (*this / exe).c_str(), FALSE)) copied_ = false;
        }
    }
    ~UnicodeFolder() { Clear(); }
    UnicodeFolder(const UnicodeFolder&) = delete;
    UnicodeFolder& operator=(const UnicodeFolder&) = delete;

    bool Ready() const { return copied_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }
    bool Has(const std::wstring& name) const {
        return GetFileAttributesW((*this / name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

private:
    void Clear() {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((*this / L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name != L"." && name != L"..") DeleteFileW((*this / name).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
    }

    std::wstring path_;
    bool copied_ = false;
};

// Greek and Chinese letters: code page 1252 has neither.
const std::wstring OutsideTheCodePage = L"Quintel \x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC \x4E2D\x6587";

TEST(ProgramFolder, OutsideTheAnsiCodePageTheSwitchesRefuseNamingTheFolder) {
    UnicodeFolder folder(OutsideTheCodePage);
    ASSERT_TRUE(folder.Ready());
    for (const wchar_t* command : {L"/show", L"/apply", L"/restore"}) {
        SCOPED_TRACE(std::string(command, command + wcslen(command)));
        const RunResult run = RunProgram(folder / L"Quintel.exe", command);
        EXPECT_EQ(1u, run.exitCode);
        EXPECT_EQ(0u, run.err.find("Quintel cannot run from this folder: ")) << run.err;
        EXPECT_NE(std::string::npos, run.err.find("Quintel ?")) << "the folder, as far as it shows";
        EXPECT_NE(std::string::npos,
                  run.err.find("a folder whose name uses only letters of the system's language"))
            << run.err;
        EXPECT_EQ(1u, static_cast<unsigned>(std::count(run.err.begin(), run.err.end(), '\n')))
            << "one line: " << run.err;
        EXPECT_EQ("", run.out);
    }
    EXPECT_FALSE(folder.Has(L"VarOderudi.cfg"));

    // The usage needs no file of the program's.
    EXPECT_EQ(0u, RunProgram(folder / L"Quintel.exe", L"/?").exitCode);
}

TEST(ProgramFolder, OutsideTheAnsiCodePageTheCompanionLeavesQuietly) {
    UnicodeFolder folder(OutsideTheCodePage);
    ASSERT_TRUE(folder.Ready());
    ASSERT_FALSE(FindWindowA(korvet::WindowClass, nullptr)) << "a companion is already running";
    const RunResult run = RunProgram(folder / L"Korvet.exe", L"");
    EXPECT_EQ(static_cast<DWORD>(korvet::ExitUnusableFolder), run.exitCode);
    EXPECT_EQ("", run.out + run.err);
    EXPECT_FALSE(FindWindowA(korvet::WindowClass, nullptr));
}

// Letters the code page has are no reason to refuse.
TEST(ProgramFolder, LettersOfTheCodePageAreFine) {
    UnicodeFolder folder(L"Quintel Caf\x00E9 \x00C5ngstr\x00F6m");
    ASSERT_TRUE(folder.Ready());
    // /show reads the saved choice, so the folder needs one.
    const char saved[] = "ConnectionType,1\r\nOptiMode,0\r\n";
    HANDLE file = CreateFileW((folder / L"VarOderudi.cfg").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, saved, sizeof saved - 1, &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(sizeof saved - 1, written);
    const RunResult run = RunProgram(folder / L"Quintel.exe", L"/show");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ("", run.err);
}

}  // namespace
}  // namespace quintel::wine
