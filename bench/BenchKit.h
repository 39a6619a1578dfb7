// What the bench programs share: a clock, the median of repeated runs,
// starting and ending other programs, and the table rows they print.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// Seconds from the performance counter.
double Now();

// The median of `samples` (at least one).
double Median(std::vector<double> samples);

// Prints the message to standard error and ends the program with exit
// code 1: a bench that cannot measure must not print a figure.
[[noreturn]] void Fail(const std::string& message);

// The repetitions asked for on the command line ("--runs N"), at least 9.
int Runs(int argc, char** argv, int fallback);

// A program started by the bench; ended (killed) by the destructor if it
// is still running, so a failed bench leaves nothing behind.
class Child {
public:
    Child() = default;
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Starts `exe` with `arguments` in `folder` (empty: the bench's).
    void Start(const std::string& exe, const std::string& arguments, const std::string& folder = "");
    // Waits for the program to end; fails the bench after `timeoutMs`.
    DWORD Wait(DWORD timeoutMs, const std::string& what);
    HANDLE process() const { return info_.hProcess; }
    DWORD id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

// Runs a program to its end and returns what it printed on standard
// output; fails the bench when it exits with another code than 0.
std::string RunCaptured(const std::string& exe, const std::string& arguments);

// The visible top-level window of process `pid` with exactly `caption`.
HWND FindProcessWindow(DWORD pid, const std::string& caption);
// Polls every millisecond for that window; fails after `timeoutMs`.
HWND WaitForProcessWindow(DWORD pid, const std::string& caption, DWORD timeoutMs);
// Returns once the window's thread has answered a message: it is in its
// message loop, waiting for input.
void WaitUntilAnswering(HWND window);
// Posts WM_CLOSE and waits for the program to end.
void CloseAndWait(Child& child, HWND window, const std::string& what);

// The Windows build's bin folder with a trailing backslash, from the
// environment variable QUINTEL_BIN (a Unix path, as Wine maps it to Z:).
std::string QuintelBin();
// A fresh empty folder under the temporary folder, for a copy of the
// program under test.
std::string FreshFolder(const std::string& name);
void CopyOrFail(const std::string& from, const std::string& to);
void WriteFileOrFail(const std::string& path, const std::string& contents);
// A whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// The tab-separated fields of a line (the lines are quintel::TextLines'):
// the bench reads what the programs print without streams, which the
// runtime of what ships (CRTDLL) cannot carry.
std::vector<std::string> Fields(const std::string& line);

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE (64-bit view) writes the benches
// set up with; a failure ends the bench.
void PutString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
void DeleteValue(HKEY root, const std::string& key, const std::string& name);
void CreateKeyOrFail(HKEY root, const std::string& key);
void DeleteTree(HKEY root, const std::string& key);

// Has Wine report Windows XP to every program named Quintel.exe.
void ReportWindowsXpToQuintel();

// One step of Quintel.exe's profile (QUINTEL_TRACE=1).
struct ProfileStep {
    long long start = 0, length = 0;  // microseconds
    std::string name;                 // indented by its depth
};
// The profile Quintel.exe wrote at its end to the temporary folder; the
// file is removed once read, so the next run's profile is its own.
std::vector<ProfileStep> ReadProfile();
// `heading`, then the ten largest steps as a table (a step contains the
// steps indented below it, so the lengths overlap).
void PrintLargestSteps(const std::string& heading, std::vector<ProfileStep> steps);

// One row of the results table: figure, subject, baseline, ratio.
void PrintRow(const std::string& figure, const std::string& subject, const std::string& baseline,
              const std::string& ratio);
std::string Fixed(double value, int decimals);
std::string Milliseconds(double seconds);
std::string Ratio(double subject, double baseline);

}  // namespace bench
