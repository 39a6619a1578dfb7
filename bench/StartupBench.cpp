// Start-up and memory: Quintel.exe from process creation until its main
// window waits for input, and until the tip of the day appears at a first
// start; the working set and private bytes of the idle main window and of
// Korvet.exe. Each is measured against a baseline that shows the same
// windows with the least code (SameWindow.c, TipDialog.c; for Korvet.exe,
// MinimalWindow.exe with a hidden window), started the same way in the same
// rounds. The windows each has after its start are counted, so that the
// baselines go on showing the same windows as the program changes.
// With --profile it measures nothing: it starts Quintel.exe once with
// QUINTEL_TRACE=1, at a first start (the tip of the day) and at a later
// one, and prints the ten largest steps of each start's profile.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchKit.h"

using namespace bench;

namespace {

const std::string MainCaption = "Quintel Version 5.0";
const std::string TipCaption = "Tip of the Day";
const std::string SameCaption = "Same Window";
const std::string TipBaselineCaption = "Tip Dialog";
const std::string TipKey = "Software\\Quintel\\Options";
const std::string TipValue = "Show Tips at Startup";
// The companion pings only the local host, once an hour: never during a run.
const std::string LocalPing =
    "PingAutomatic,#FALSE#\r\nPingHost,127.0.0.1\r\nPingInterval,60\r\nPingSound,#FALSE#\r\n";

struct Sample {
    double seconds = 0;       // until the window waits for input
    double workingSet = 0;    // once it is idle
    double privateBytes = 0;  // likewise
    int topLevel = 0;         // windows of the process after its start
    int children = 0;
};

PROCESS_MEMORY_COUNTERS_EX Memory(HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        Fail("GetProcessMemoryInfo failed: error " + std::to_string(GetLastError()));
    }
    return counters;
}

struct WindowCount {
    DWORD pid = 0;
    int topLevel = 0;
    int children = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++reinterpret_cast<WindowCount*>(count)->children;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    auto* windows = reinterpret_cast<WindowCount*>(count);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != windows->pid) return TRUE;
    ++windows->topLevel;
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

void WaitIdle(Child& child, const std::string& what) {
    const DWORD idle = WaitForInputIdle(child.process(), 30000);
    if (idle == WAIT_TIMEOUT) Fail(what + " did not wait for input within 30 s");
}

// Starts a program and waits until its window with `caption` (or, for an
// empty caption, its hidden window of class `windowClass`) answers.
Sample StartAndClose(const std::string& exe, const std::string& arguments, const std::string& folder,
                     const std::string& caption, const std::string& windowClass) {
    Child child;
    const double start = Now();
    child.Start(exe, arguments, folder);
    WaitIdle(child, exe);
    HWND window = nullptr;
    if (!caption.empty()) {
        window = WaitForProcessWindow(child.id(), caption, 30000);
    } else {
        const double deadline = start + 30;
        for (;;) {
            window = FindWindowA(windowClass.c_str(), nullptr);
            DWORD pid = 0;
            if (window) GetWindowThreadProcessId(window, &pid);
            if (window && pid == child.id()) break;
            if (Now() > deadline) Fail("no window of class " + windowClass + " within 30 s");
            Sleep(1);
        }
    }
    WaitUntilAnswering(window);
    Sample sample;
    sample.seconds = Now() - start;
    // Painting and the first timers follow the first idle moment; the
    // memory is read once they are done.
    Sleep(250);
    const PROCESS_MEMORY_COUNTERS_EX memory = Memory(child.process());
    sample.workingSet = static_cast<double>(memory.WorkingSetSize);
    // Private bytes are the commit charge: PagefileUsage, which Windows
    // gives in PrivateUsage too and Wine only there.
    sample.privateBytes = static_cast<double>(memory.PagefileUsage);
    WindowCount windows;
    windows.pid = child.id();
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    sample.topLevel = windows.topLevel;
    sample.children = windows.children;
    CloseAndWait(child, window, exe);
    return sample;
}

// Starts a program and returns the time until its window with `caption`
// shows.
double Appears(const std::string& exe, const std::string& caption) {
    Child child;
    const double start = Now();
    child.Start(exe, "", "");
    HWND window = WaitForProcessWindow(child.id(), caption, 30000);
    const double seconds = Now() - start;
    CloseAndWait(child, window, exe);
    return seconds;
}

// A first start: the tip of the day shows before the main window.
double TipAppears(const std::string& exe, const std::string& folder) {
    DeleteValue(HKEY_CURRENT_USER, TipKey, TipValue);
    Child child;
    const double start = Now();
    child.Start(exe, "", folder);
    HWND tip = WaitForProcessWindow(child.id(), TipCaption, 30000);
    const double seconds = Now() - start;
    PostMessageA(tip, WM_CLOSE, 0, 0);
    HWND main = WaitForProcessWindow(child.id(), MainCaption, 30000);
    CloseAndWait(child, main, exe);
    return seconds;
}

std::string Megabytes(double bytes) {
    return Fixed(bytes / (1024 * 1024), 1) + " MB";
}

int Profile(const std::string& app) {
    SetEnvironmentVariableA("QUINTEL_TRACE", "1");
    TipAppears(app + "Quintel.exe", app);
    PrintLargestSteps("First start, until the Tip of the Day is closed and the main window is closed:",
                      ReadProfile());
    PutString(HKEY_CURRENT_USER, TipKey, TipValue, "0");
    StartAndClose(app + "Quintel.exe", "", app, MainCaption, "");
    PrintLargestSteps("Later start, until the main window is idle and closed:", ReadProfile());
    SetEnvironmentVariableA("QUINTEL_TRACE", nullptr);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = Runs(argc, argv, 11);
    const std::string bin = QuintelBin();
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string here = own;
    here = here.substr(0, here.find_last_of('\\') + 1);
    const std::string same = here + "SameWindow.exe", tipDialog = here + "TipDialog.exe";
    const std::string minimal = here + "MinimalWindow.exe";

    // Quintel.exe alone with its tips: no Korvet.exe beside it, so no
    // companion starts with the main window.
    const std::string app = FreshFolder("quintel-bench-start");
    CopyOrFail(bin + "Quintel.exe", app + "Quintel.exe");
    CopyOrFail(bin + "TIPs.TXT", app + "TIPs.TXT");
    const std::string companion = FreshFolder("quintel-bench-korvet");
    CopyOrFail(bin + "Korvet.exe", companion + "Korvet.exe");
    WriteFileOrFail(companion + "Ping.cfg", LocalPing);
    ReportWindowsXpToQuintel();
    if (argc > 1 && std::string(argv[1]) == "--profile") return Profile(app);

    std::vector<Sample> quintel, baseline, korvet, hidden;
    PutString(HKEY_CURRENT_USER, TipKey, TipValue, "0");
    for (int run = 0; run < runs; ++run) {
        for (int slot = 0; slot < 4; ++slot) {
            switch ((run + slot) % 4) {
            case 0: quintel.push_back(StartAndClose(app + "Quintel.exe", "", app, MainCaption, "")); break;
            case 1: baseline.push_back(StartAndClose(same, "", "", SameCaption, "")); break;
            case 2:
                korvet.push_back(StartAndClose(companion + "Korvet.exe", "", companion, "", "QuintelKorvet"));
                break;
            default:
                hidden.push_back(StartAndClose(minimal, "/hidden", "", "", "QuintelBenchMinimalWindow"));
                break;
            }
        }
    }

    std::vector<double> tip, tipBaseline;
    for (int run = 0; run < runs; ++run) {
        if (run % 2) {
            tip.push_back(TipAppears(app + "Quintel.exe", app));
            tipBaseline.push_back(Appears(tipDialog, TipBaselineCaption));
        } else {
            tipBaseline.push_back(Appears(tipDialog, TipBaselineCaption));
            tip.push_back(TipAppears(app + "Quintel.exe", app));
        }
    }
    PutString(HKEY_CURRENT_USER, TipKey, TipValue, "0");

    auto median = [](const std::vector<Sample>& samples, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& s : samples) values.push_back(s.*field);
        return Median(values);
    };
    const double qs = median(quintel, &Sample::seconds), bs = median(baseline, &Sample::seconds);
    const double qw = median(quintel, &Sample::workingSet), bw = median(baseline, &Sample::workingSet);
    const double qp = median(quintel, &Sample::privateBytes), bp = median(baseline, &Sample::privateBytes);
    const double ks = median(korvet, &Sample::seconds), hs = median(hidden, &Sample::seconds);
    const double kw = median(korvet, &Sample::workingSet), hw = median(hidden, &Sample::workingSet);
    const double kp = median(korvet, &Sample::privateBytes), hp = median(hidden, &Sample::privateBytes);
    const double tp = Median(tip), tb = Median(tipBaseline);
    auto windows = [](const Sample& s) {
        return std::to_string(s.topLevel) + " top-level, " + std::to_string(s.children) + " child";
    };
    PrintRow("Windows after the start, vs the same window in plain C (Quintel.exe's frames and pages are panes)",
             windows(quintel.back()), windows(baseline.back()),
             Ratio(quintel.back().topLevel + quintel.back().children, baseline.back().topLevel + baseline.back().children));
    PrintRow("Start-up until the main window waits for input, vs the same window in plain C", Milliseconds(qs),
             Milliseconds(bs), Ratio(qs, bs));
    PrintRow("First start until the Tip of the Day appears, vs the same dialog in plain C", Milliseconds(tp),
             Milliseconds(tb), Ratio(tp, tb));
    PrintRow("Working set, idle main window, vs the same window in plain C", Megabytes(qw), Megabytes(bw),
             Ratio(qw, bw));
    PrintRow("Private bytes, idle main window, vs the same window in plain C", Megabytes(qp), Megabytes(bp),
             Ratio(qp, bp));
    PrintRow("Korvet.exe start-up until its hidden window answers, vs a minimal hidden window", Milliseconds(ks),
             Milliseconds(hs), Ratio(ks, hs));
    PrintRow("Working set, Korvet.exe running, vs a minimal hidden window", Megabytes(kw), Megabytes(hw),
             Ratio(kw, hw));
    PrintRow("Private bytes, Korvet.exe running, vs a minimal hidden window", Megabytes(kp), Megabytes(hp),
             Ratio(kp, hp));
    return 0;
}
