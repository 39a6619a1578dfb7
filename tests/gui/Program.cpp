// Starting the program under test and making sure it does not outlive
// the test.
#include <utility>
#include <vector>

#include "Internals.h"

namespace quintel::gui {

using detail::Fail;

Program::Program(Program&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Program& Program::operator=(Program&& other) noexcept {
    if (this != &other) {
        Terminate();
        process_ = std::exchange(other.process_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Program::~Program() {
    Terminate();
}

Program Program::Start(const std::wstring& exe, const std::wstring& arguments, Where where) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(0);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        Fail(where, "could not start " + Narrow(commandLine) + " (error " +
                        std::to_string(GetLastError()) + ")");
        return {};
    }
    CloseHandle(started.hThread);
    Program program;
    program.process_ = started.hProcess;
    program.id_ = started.dwProcessId;
    return program;
}

bool Program::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD Program::WaitForExit(DWORD timeoutMs, Where where) {
    if (!process_) {
        Fail(where, "no program was started");
        return STILL_ACTIVE;
    }
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        Fail(where, "the program (process " + std::to_string(id_) + ") was still running after " +
                        std::to_string(timeoutMs) + " ms");
        return STILL_ACTIVE;
    }
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Program::Terminate() {
    if (!process_) return;
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

}  // namespace quintel::gui
