// Start-up and memory: Quintel.exe from process creation until its main
// window waits for input, and until the tip of the day appears at a first
// start; the peak working set of the idle main window and of Korvet.exe.
// The baseline of each is the minimal window program, started the same
// way in the same rounds.
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
const std::string MinimalCaption = "Minimal Window";
const std::string TipKey = "Software\\Quintel\\Options";
const std::string TipValue = "Show Tips at Startup";
// The companion pings only the local host, once an hour: never during a run.
const std::string LocalPing =
    "PingAutomatic,#FALSE#\r\nPingHost,127.0.0.1\r\nPingInterval,60\r\nPingSound,#FALSE#\r\n";

struct Sample {
    double seconds = 0;      // until the window waits for input
    double peakBytes = 0;    // peak working set once it does
};

double PeakWorkingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        Fail("GetProcessMemoryInfo failed: error " + std::to_string(GetLastError()));
    }
    return static_cast<double>(counters.PeakWorkingSetSize);
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
    // working set is read once they are done.
    Sleep(250);
    sample.peakBytes = PeakWorkingSet(child.process());
    CloseAndWait(child, window, exe);
    return sample;
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
    std::string minimal = own;
    minimal = minimal.substr(0, minimal.find_last_of('\\') + 1) + "MinimalWindow.exe";

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

    std::vector<double> quintelStart, minimalStart, quintelPeak, minimalPeak, korvetStart, korvetPeak;
    std::vector<double> controlsStart, controlsPeak;
    PutString(HKEY_CURRENT_USER, TipKey, TipValue, "0");
    for (int run = 0; run < runs; ++run) {
        for (int slot = 0; slot < 4; ++slot) {
            switch ((run + slot) % 4) {
            case 0: {
                const Sample s = StartAndClose(app + "Quintel.exe", "", app, MainCaption, "");
                quintelStart.push_back(s.seconds);
                quintelPeak.push_back(s.peakBytes);
                break;
            }
            case 1: {
                const Sample s = StartAndClose(minimal, "", "", MinimalCaption, "");
                minimalStart.push_back(s.seconds);
                minimalPeak.push_back(s.peakBytes);
                break;
            }
            case 2: {
                const Sample s = StartAndClose(minimal, "/controls", "", MinimalCaption, "");
                controlsStart.push_back(s.seconds);
                controlsPeak.push_back(s.peakBytes);
                break;
            }
            default: {
                const Sample s = StartAndClose(companion + "Korvet.exe", "", companion, "", "QuintelKorvet");
                korvetStart.push_back(s.seconds);
                korvetPeak.push_back(s.peakBytes);
                break;
            }
            }
        }
    }

    std::vector<double> tip, tipBaseline;
    for (int run = 0; run < runs; ++run) {
        if (run % 2) {
            tip.push_back(TipAppears(app + "Quintel.exe", app));
            tipBaseline.push_back(StartAndClose(minimal, "", "", MinimalCaption, "").seconds);
        } else {
            tipBaseline.push_back(StartAndClose(minimal, "", "", MinimalCaption, "").seconds);
            tip.push_back(TipAppears(app + "Quintel.exe", app));
        }
    }
    PutString(HKEY_CURRENT_USER, TipKey, TipValue, "0");

    const double qs = Median(quintelStart), ms = Median(minimalStart), ks = Median(korvetStart);
    const double tp = Median(tip), tb = Median(tipBaseline);
    const double qp = Median(quintelPeak), mp = Median(minimalPeak), kp = Median(korvetPeak);
    const double cs = Median(controlsStart), cp = Median(controlsPeak);
    PrintRow("Start-up until the main window waits for input, vs minimal window", Milliseconds(qs),
             Milliseconds(ms), Ratio(qs, ms));
    PrintRow("Start-up until the main window waits for input, vs minimal window with common controls 6",
             Milliseconds(qs), Milliseconds(cs), Ratio(qs, cs));
    PrintRow("First start until the Tip of the Day appears, vs minimal window", Milliseconds(tp),
             Milliseconds(tb), Ratio(tp, tb));
    PrintRow("Korvet.exe start-up until its hidden window answers, vs minimal window", Milliseconds(ks),
             Milliseconds(ms), Ratio(ks, ms));
    PrintRow("Peak working set, idle main window, vs minimal window", Megabytes(qp), Megabytes(mp),
             Ratio(qp, mp));
    PrintRow("Peak working set, idle main window, vs minimal window with common controls 6",
             Megabytes(qp), Megabytes(cp), Ratio(qp, cp));
    PrintRow("Peak working set, Korvet.exe running, vs minimal window", Megabytes(kp), Megabytes(mp),
             Ratio(kp, mp));
    return 0;
}
