#include "gui/FixtureWindow.h"

#include <algorithm>
#include <sstream>

namespace quintel::gui {

namespace {

// The fixture is built beside this test program.
std::wstring FixtureExe() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"QuintelGuiFixture.exe";
}

}  // namespace

void FixtureWindow::SetUp() {
    fixture = Program::Start(FixtureExe(), L"\"" + Wide(logPath) + L"\"");
    ASSERT_TRUE(fixture);
    main = WaitForWindowOfClass(L"QuintelGuiFixture", L"Driver Fixture");
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForLog("ready"));
}

std::vector<std::string> FixtureWindow::Log() const {
    // The fixture holds the log open for writing while it runs.
    HANDLE file = CreateFileA(logPath.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string text;
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
        CloseHandle(file);
    }
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

int FixtureWindow::LogIndex(const std::string& line) const {
    const std::vector<std::string> lines = Log();
    const auto found = std::find(lines.begin(), lines.end(), line);
    return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
}

size_t FixtureWindow::CountLogged(const std::string& prefix) const {
    const std::vector<std::string> lines = Log();
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

bool FixtureWindow::WaitForLog(const std::string& line, Where where) {
    return WaitUntil([&] { return Logged(line); }, "the fixture to log \"" + line + "\"",
                     DefaultTimeoutMs, where);
}

}  // namespace quintel::gui
