// Apply's cost as the number of network interfaces grows: `Quintel.exe
// /apply` on Windows XP against `regedit /S` importing the same values,
// and against the limit, a program writing them with every key kept open,
// and that limit listing the interfaces and reading each value once
// before it writes any, as Apply must.
// Each of the four is a process started and waited for in the same way,
// so all four include the cost of starting a program.
// With --profile it measures nothing: it runs `Quintel.exe /apply` once
// with QUINTEL_TRACE=1 at 1, 10 and 1000 interfaces, after one run that
// leaves the values as the timed runs find them, and prints the largest
// steps of each run's profile.
#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "BenchKit.h"
#include "core/text/TextLines.h"

using namespace bench;

namespace {

const std::string InterfacesCurrent = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
const std::string Interfaces001 = "SYSTEM\\ControlSet001\\Services\\Tcpip\\Parameters\\Interfaces";
const std::string ServicesCurrent = "SYSTEM\\CurrentControlSet\\Services\\";
const std::string Services001 = "SYSTEM\\ControlSet001\\Services\\";
const std::string Hklm = "HKEY_LOCAL_MACHINE\\";

// Automatic #1 on a dial-up connection: every value a REG_DWORD.
const std::string Settings = "ConnectionType,1\r\nOptiMode,0\r\n";

// The fixed values of the Windows NT map: six in each control set, two
// Internet settings, the NDI cache; then two per interface in each set.
int ExpectedValues(int interfaces) {
    return 15 + 4 * interfaces;
}

std::string InterfaceName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "{QUINTEL-BENCH-%04d}", index);
    return name;
}

void AddInterfaces(int count) {
    for (int i = 0; i < count; ++i) {
        CreateKeyOrFail(HKEY_LOCAL_MACHINE, InterfacesCurrent + "\\" + InterfaceName(i));
        CreateKeyOrFail(HKEY_LOCAL_MACHINE, Interfaces001 + "\\" + InterfaceName(i));
    }
}

void RemoveInterfaces(int count) {
    for (int i = 0; i < count; ++i) {
        const std::string name = InterfaceName(i);
        DeleteTree(HKEY_LOCAL_MACHINE, InterfacesCurrent + "\\" + name);
        DeleteTree(HKEY_LOCAL_MACHINE, Interfaces001 + "\\" + name);
        DeleteTree(HKEY_LOCAL_MACHINE, ServicesCurrent + name);
        DeleteTree(HKEY_LOCAL_MACHINE, Services001 + name);
    }
}

struct Write {
    std::string key;  // under HKEY_LOCAL_MACHINE
    std::string name;
    unsigned long value;
};

// The writes Apply would make, as `Quintel.exe /show` lists them: key, name,
// the value now, the value after, and whether it changes, separated by tabs
// (a DWORD shows as a signed decimal). Unchanged values are written too.
std::vector<Write> ListedWrites(const std::string& quintel) {
    std::vector<Write> writes;
    for (const std::string& line : quintel::TextLines(RunCaptured(quintel, "/show"))) {
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() < 5) continue;  // the heading and count lines
        const std::string& after = fields[3];
        const bool number = !after.empty() &&
                            after.find_first_not_of("-0123456789") == std::string::npos;
        if (!number || fields[0].rfind(Hklm, 0) != 0) {
            Fail("/show listed a write the bench does not reproduce: " + line);
        }
        const auto bits = static_cast<unsigned long>(static_cast<std::uint32_t>(std::strtol(after.c_str(), nullptr, 10)));
        writes.push_back({fields[0].substr(Hklm.size()), fields[1], bits});
    }
    return writes;
}

// The values, after the two lists of interfaces Apply goes through to
// find them, which the limit lists too when it reads first.
std::string LimitList(const std::vector<Write>& writes) {
    std::string text = "LIST\t" + InterfacesCurrent + "\r\nLIST\t" + Interfaces001 + "\r\n";
    for (const Write& w : writes) {
        text += w.key + "\t" + w.name + "\tREG_DWORD\t" + std::to_string(w.value) + "\r\n";
    }
    return text;
}

// The same values as a .reg file, grouped by key as an export would be.
std::string RegFile(const std::vector<Write>& writes) {
    std::vector<std::string> order;
    std::map<std::string, std::string> sections;
    for (const Write& w : writes) {
        if (!sections.count(w.key)) order.push_back(w.key);
        char data[16];
        std::snprintf(data, sizeof data, "dword:%08lx", w.value);
        const std::string name = w.name == "(Default)" ? "@" : "\"" + w.name + "\"";
        sections[w.key] += name + "=" + data + "\r\n";
    }
    std::string text = "Windows Registry Editor Version 5.00\r\n";
    for (const std::string& key : order) text += "\r\n[" + Hklm + key + "]\r\n" + sections[key];
    return text;
}

// Seconds from starting the program to its end; it must succeed.
double TimeRun(const std::string& exe, const std::string& arguments, const std::string& what) {
    Child child;
    const double start = Now();
    child.Start(exe, arguments);
    const DWORD code = child.Wait(120000, what);
    const double seconds = Now() - start;
    if (code != 0) Fail(what + " ended with exit code " + std::to_string(code));
    return seconds;
}

// A writer that exits 0 but writes nothing would look fast: each one must
// put back a value removed before it runs.
void CheckWrites(const Write& probe, const std::string& exe, const std::string& arguments,
                 const std::string& what) {
    DeleteValue(HKEY_LOCAL_MACHINE, probe.key, probe.name);
    TimeRun(exe, arguments, what);
    HKEY key = nullptr;
    DWORD value = 0, size = sizeof value, type = 0;
    bool found = RegOpenKeyExA(HKEY_LOCAL_MACHINE, probe.key.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY,
                               &key) == ERROR_SUCCESS;
    if (found) {
        found = RegQueryValueExA(key, probe.name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                 &size) == ERROR_SUCCESS &&
                type == REG_DWORD && value == probe.value;
        RegCloseKey(key);
    }
    if (!found) Fail(what + " did not write " + probe.key + "\\" + probe.name);
}

struct Sizes {
    int interfaces;
    int values;
    double quintel, regedit, limit, readFirst;  // median seconds per run
    std::string quintelSpread, regeditSpread;   // how the runs spread
    int runs;
};

// Under Wine a process start takes either about 10 ms or about 30 ms, at
// random: the fastest run, the lower quartile (the fast starts) and the
// slowest show which of the two the median fell on.
std::string Spread(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    return "fastest " + Milliseconds(seconds.front()) + ", lower quartile " +
           Milliseconds(seconds[seconds.size() / 4]) + ", slowest " + Milliseconds(seconds.back());
}

std::string PerValue(double seconds, int values) {
    return Fixed(seconds * 1e6 / values, 1) + " us";
}

int Profile(const std::string& quintel) {
    for (const int interfaces : {1, 10, 1000}) {
        AddInterfaces(interfaces);
        TimeRun(quintel, "/apply", "Quintel.exe /apply");
        SetEnvironmentVariableA("QUINTEL_TRACE", "1");
        TimeRun(quintel, "/apply", "Quintel.exe /apply");
        SetEnvironmentVariableA("QUINTEL_TRACE", nullptr);
        PrintLargestSteps("`/apply`, " + std::to_string(interfaces) + " interface(s), " +
                              std::to_string(ExpectedValues(interfaces)) + " values:",
                          ReadProfile());
        RemoveInterfaces(interfaces);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = Runs(argc, argv, 11);
    const std::string folder = FreshFolder("quintel-bench-apply");
    const std::string quintel = folder + "Quintel.exe";
    CopyOrFail(QuintelBin() + "Quintel.exe", quintel);
    WriteFileOrFail(folder + "VarOderudi.cfg", Settings);
    ReportWindowsXpToQuintel();

    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string limit = own;
    limit = limit.substr(0, limit.find_last_of('\\') + 1);
    const std::string empty = limit + "Empty.exe";
    limit += "RegWriteLimit.exe";
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    // The 64-bit regedit, which writes the view Quintel.exe writes.
    const std::string regedit = std::string(windows) + "\\regedit.exe";

    // A run that failed half-way may have left its interfaces behind.
    RemoveInterfaces(1000);
    if (argc > 1 && std::string(argv[1]) == "--profile") return Profile(quintel);
    std::vector<Sizes> results;
    std::pair<double, std::string> emptyRun;
    for (const int interfaces : {1, 10, 100, 1000}) {
        AddInterfaces(interfaces);
        const std::vector<Write> writes = ListedWrites(quintel);
        if (static_cast<int>(writes.size()) != ExpectedValues(interfaces)) {
            Fail("/show lists " + std::to_string(writes.size()) + " writes for " + std::to_string(interfaces) +
                 " interfaces, not " + std::to_string(ExpectedValues(interfaces)) +
                 ": the prefix has interfaces of its own, or the map changed");
        }
        const std::string list = folder + "values.txt";
        const std::string reg = folder + "values.reg";
        WriteFileOrFail(list, LimitList(writes));
        WriteFileOrFail(reg, RegFile(writes));
        const std::string regArguments = "/S \"" + reg + "\"";
        const std::string limitArguments = "\"" + list + "\"";
        const std::string readFirstArguments = "--read-first " + limitArguments;

        const Write& probe = writes[writes.size() - 2];  // the last interface's Services value
        CheckWrites(probe, quintel, "/apply", "Quintel.exe /apply");
        CheckWrites(probe, regedit, regArguments, "regedit /S");
        CheckWrites(probe, limit, limitArguments, "RegWriteLimit.exe");
        CheckWrites(probe, limit, readFirstArguments, "RegWriteLimit.exe --read-first");

        // One interface is the PC most users have: at least 21 runs, whose
        // spread goes with the median.
        const int rounds = interfaces == 1 ? std::max(runs, 21) : runs;
        std::vector<double> q, r, l, f, e;
        for (int run = 0; run < rounds; ++run) {
            if (interfaces == 1) e.push_back(TimeRun(empty, "", "Empty.exe"));
            // Interleaved, in a rotating order, so drift hits all four.
            for (int slot = 0; slot < 4; ++slot) {
                switch ((run + slot) % 4) {
                case 0: q.push_back(TimeRun(quintel, "/apply", "Quintel.exe /apply")); break;
                case 1: r.push_back(TimeRun(regedit, regArguments, "regedit /S")); break;
                case 2: l.push_back(TimeRun(limit, limitArguments, "RegWriteLimit.exe")); break;
                default:
                    f.push_back(TimeRun(limit, readFirstArguments, "RegWriteLimit.exe --read-first"));
                    break;
                }
            }
        }
        results.push_back({interfaces, static_cast<int>(writes.size()), Median(q), Median(r), Median(l),
                           Median(f), Spread(q), Spread(r), rounds});
        if (interfaces == 1) emptyRun = {Median(e), Spread(e)};
        RemoveInterfaces(interfaces);
    }

    const Sizes& one = results.front();
    PrintRow("`/apply`, 1 interface, whole run, vs `regedit /S` of the same values (median of " +
                 std::to_string(one.runs) + " runs in turn, and their spread)",
             Milliseconds(one.quintel) + " (" + one.quintelSpread + ")",
             Milliseconds(one.regedit) + " (" + one.regeditSpread + ")", Ratio(one.quintel, one.regedit));
    PrintRow("`/apply`, 1 interface, whole run, vs a program built the same way that does nothing "
             "(Empty.exe: the start of any program under Wine; Wine's regedit is one of its own)",
             Milliseconds(one.quintel) + " (" + one.quintelSpread + ")",
             Milliseconds(emptyRun.first) + " (" + emptyRun.second + ")", Ratio(one.quintel, emptyRun.first));
    for (const Sizes& s : results) {
        const std::string figure = "Apply, " + std::to_string(s.interfaces) + " interface(s), " +
                                   std::to_string(s.values) + " values: time per value, ";
        PrintRow(figure + "vs regedit /S", PerValue(s.quintel, s.values), PerValue(s.regedit, s.values),
                 Ratio(s.quintel, s.regedit));
        PrintRow(figure + "vs limit (keys kept open)", PerValue(s.quintel, s.values),
                 PerValue(s.limit, s.values), Ratio(s.quintel, s.limit));
        PrintRow(figure + "vs limit (interfaces listed, each value read first, keys kept open)", PerValue(s.quintel, s.values),
                 PerValue(s.readFirst, s.values), Ratio(s.quintel, s.readFirst));
    }
    // How the cost grows: per-value cost at 1000 interfaces over that at 10
    // (start-up spread over more values makes it fall), and the cost of
    // each value added between them (start-up cancels out).
    const Sizes& ten = results[1];
    const Sizes& thousand = results[3];
    const auto growth = [&](double at10, double at1000) {
        return (at1000 / thousand.values) / (at10 / ten.values);
    };
    const auto marginal = [&](double at10, double at1000) {
        return (at1000 - at10) / (thousand.values - ten.values);
    };
    PrintRow("Apply: time per value at 1000 interfaces / at 10, vs limit",
             Fixed(growth(ten.quintel, thousand.quintel), 2), Fixed(growth(ten.limit, thousand.limit), 2),
             Ratio(growth(ten.quintel, thousand.quintel), growth(ten.limit, thousand.limit)));
    PrintRow("Apply: each value added from 10 to 1000 interfaces, vs regedit /S",
             Fixed(marginal(ten.quintel, thousand.quintel) * 1e6, 1) + " us",
             Fixed(marginal(ten.regedit, thousand.regedit) * 1e6, 1) + " us",
             Ratio(marginal(ten.quintel, thousand.quintel), marginal(ten.regedit, thousand.regedit)));
    PrintRow("Apply: each value added from 10 to 1000 interfaces, vs limit",
             Fixed(marginal(ten.quintel, thousand.quintel) * 1e6, 1) + " us",
             Fixed(marginal(ten.limit, thousand.limit) * 1e6, 1) + " us",
             Ratio(marginal(ten.quintel, thousand.quintel), marginal(ten.limit, thousand.limit)));
    // Apply must read each value for its undo record before it writes:
    // the limit that does the same, keys kept open.
    PrintRow("Apply: each value added from 10 to 1000 interfaces, vs limit (interfaces listed, each value read first)",
             Fixed(marginal(ten.quintel, thousand.quintel) * 1e6, 1) + " us",
             Fixed(marginal(ten.readFirst, thousand.readFirst) * 1e6, 1) + " us",
             Ratio(marginal(ten.quintel, thousand.quintel), marginal(ten.readFirst, thousand.readFirst)));
    return 0;
}
