// The registry writer with adapters and interfaces present, for any record
// and any family code: no overflow or other undefined behaviour, every key
// it opens is closed, each adapter or interface gets its values in both
// forms, MaxMSS is the MTU less 40, and a record the settings-file parser
// accepted makes the writer write only values the window could choose.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/tuning/RegistryWriter.h"
#include "core/tuning/SettingsFile.h"

using namespace quintel;

namespace {

constexpr const char* NetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr const char* InterfacesCurrent =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
constexpr const char* InterfacesSet001 =
    "SYSTEM\\ControlSet001\\Services\\Tcpip\\Parameters\\Interfaces";

// Lists the same few subkeys under each of the three list keys, and may
// answer an enumeration with a name too long for the buffer or a failure,
// as a real registry can. Every other key opens; values are counted.
class AdapterRegistry : public Registry {
public:
    std::vector<std::string> names;
    std::map<std::uint32_t, long> enumAnswers;  // index -> answer other than success
    std::set<RegKey> open;
    std::map<std::string, int> writesPerKey;

    Result<RegKey> CreateKey(RegRoot, const std::string& path, std::uint32_t) override {
        return Open(path);
    }
    Result<RegKey> OpenKey(RegRoot, const std::string& path) override {
        if (path != NetTrans && path != InterfacesCurrent && path != InterfacesSet001) {
            return Failure(regcode::FileNotFound);
        }
        return Open(path);
    }
    Result<RegKey> OpenKeyEx(RegRoot root, const std::string& path, std::uint32_t) override {
        return OpenKey(root, path);
    }
    Result<> SetValue(RegKey key, const std::string&, std::uint32_t type,
                      const std::vector<std::uint8_t>& data) override {
        FUZZ_CHECK(open.count(key) == 1);
        FUZZ_CHECK(type == regtype::Sz || (type == regtype::Dword && data.size() == 4));
        writesPerKey[paths_[key]]++;
        return {};
    }
    Result<RegValue> QueryValue(RegKey, const std::string&, std::size_t) override {
        return Failure(regcode::FileNotFound);
    }
    Result<> DeleteValue(RegKey key, const std::string&) override {
        FUZZ_CHECK(open.count(key) == 1);
        writesPerKey[paths_[key]]++;
        return Failure(regcode::FileNotFound);  // not there: no failure
    }
    Result<std::string> EnumKey(RegKey key, std::uint32_t index) override {
        FUZZ_CHECK(open.count(key) == 1);
        FUZZ_CHECK(index <= names.size() + enumAnswers.size());
        const auto special = enumAnswers.find(index);
        if (special != enumAnswers.end()) return Failure(special->second);
        std::uint32_t listed = index;
        for (const auto& [at, answer] : enumAnswers) listed -= at < index ? 1 : 0;
        if (listed >= names.size()) return Failure(regcode::NoMoreItems);
        return names[listed];
    }
    Result<> CloseKey(RegKey key) override {
        FUZZ_CHECK(open.erase(key) == 1);
        return {};
    }
    std::string ErrorText(long code) override { return "error " + std::to_string(code); }

private:
    SystemError Failure(long code) { return SystemError{code, ErrorText(code)}; }
    RegKey Open(const std::string& path) {
        const RegKey key = next_++;
        open.insert(key);
        paths_[key] = path;
        return key;
    }
    RegKey next_ = 1;
    std::map<RegKey, std::string> paths_;
};

std::int32_t ExpectedMss(std::int32_t mtu) {
    const std::int64_t mss = static_cast<std::int64_t>(mtu) - 40;
    return mss < std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::min()
                                                          : static_cast<std::int32_t>(mss);
}

bool Within(std::int32_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

// Every value a record from an accepted file makes the writer write lies
// where the window's controls could have put it.
void CheckWrittenRanges(const RegistryReport& report) {
    using namespace limits;
    for (const RegistryOperation& op : report) {
        if (op.Removed) continue;
        const std::string& n = op.ValueName;
        if (n == "MTU" || n == "MaxMTU") FUZZ_CHECK(Within(op.Value, MinMtu, MaxMtu));
        if (n == "MaxMSS") FUZZ_CHECK(Within(op.Value, MinMtu - 40, MaxMtu - 40));
        if (n == "DefaultRcvWindow" || n == "TcpWindowSize" || n == "GlobalMaxTcpWindowSize")
            FUZZ_CHECK(Within(op.Value, MinRwin, MaxRwin));
        if (n == "DefaultTTL") FUZZ_CHECK(Within(op.Value, MinTtl, MaxTtl));
        if (n == "SessionKeepAlive" || n == "KeepAliveTime") FUZZ_CHECK(Within(op.Value, MinSka, MaxSka));
        if (n.empty()) FUZZ_CHECK(Within(op.Value, MinNdi, MaxNdi));
        if (n == "MaxConnectionsPer1_0Server" || n == "MaxConnectionsPerServer")
            FUZZ_CHECK(Within(op.Value, MinMscps, MaxMscps));
    }
}

TuningSettings AnyRecord(FuzzedDataProvider& in) {
    TuningSettings s;
    s.ConnectionType = in.ConsumeIntegral<std::int16_t>();
    s.OptiMode = in.ConsumeIntegral<std::int16_t>();
    s.MTU = in.ConsumeIntegral<std::int32_t>();
    s.RWIN = in.ConsumeIntegral<std::int32_t>();
    s.TTL = in.ConsumeIntegral<std::int32_t>();
    s.SKA = in.ConsumeIntegral<std::int32_t>();
    s.NDI = in.ConsumeIntegral<std::int32_t>();
    s.PMTU = in.ConsumeBool();
    s.BlackHole = in.ConsumeBool();
    s.MSCPS0 = in.ConsumeIntegral<std::int32_t>();
    s.MSCPS1 = in.ConsumeIntegral<std::int32_t>();
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const bool fromFile = in.ConsumeBool();
    const std::int16_t code = in.ConsumeIntegralInRange<std::int16_t>(-1, 16);
    const WindowsFamily family{code, "any"};

    AdapterRegistry registry;
    const std::size_t adapters = in.ConsumeIntegralInRange<std::size_t>(0, 4);
    for (std::size_t i = 0; i < adapters; ++i) registry.names.push_back("{NIC-" + std::to_string(i) + "}");
    if (in.ConsumeBool()) registry.enumAnswers[in.ConsumeIntegralInRange<std::uint32_t>(0, 4)] = regcode::MoreData;

    TuningSettings settings;
    if (fromFile) {
        TuningState state;
        state.LoadPresets();
        if (!ParseSettingsFile(in.ConsumeRemainingBytesAsString(), state, settings)) return 0;
    } else {
        settings = AnyRecord(in);
    }

    const RegistryReport report = ApplyTuningToRegistry(settings, family, registry);
    FUZZ_CHECK(registry.open.empty());
    if (!family.Is9xBranch() && !family.IsNTBranch()) {
        FUZZ_CHECK(report.empty());
        return 0;
    }
    FUZZ_CHECK(FirstFailure(report) == nullptr);
    // A name too long for the buffer is skipped, the others all written.
    const std::size_t perList = registry.names.size();
    const std::size_t fixed = family.Is9xBranch() ? 8 : 15;
    const std::size_t perName = family.Is9xBranch() ? 2 : 4;
    FUZZ_CHECK(report.size() == fixed + perName * perList);

    for (const RegistryOperation& op : report) {
        if (op.ValueName == "MaxMSS") {
            FUZZ_CHECK(op.Value == ExpectedMss(settings.MTU));
            FUZZ_CHECK(op.Removed == (settings.MTU == -1));
        }
        if (op.ValueName == "MTU" || op.ValueName == "MaxMTU") {
            FUZZ_CHECK(op.Removed == (settings.MTU == -1));
        }
    }
    if (fromFile) CheckWrittenRanges(report);
    return 0;
}
