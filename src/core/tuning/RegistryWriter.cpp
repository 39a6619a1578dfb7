#include "core/tuning/RegistryWriter.h"

#include <functional>
#include <limits>

#include "core/tuning/RegFunctions.h"

namespace quintel {

namespace {

constexpr const char* Mstcp9x = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* InternetSettings9x =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const char* NetTrans9x = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr const char* NdiCache =
    "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";

constexpr const char* TcpipSet001 = "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters";
constexpr const char* TcpipCurrent = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
constexpr const char* InternetSettingsNT =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const char* InterfacesCurrent =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
constexpr const char* InterfacesSet001 =
    "SYSTEM\\ControlSet001\\Services\\Tcpip\\Parameters\\Interfaces";
constexpr const char* ServicesCurrent = "SYSTEM\\CurrentControlSet\\Services\\";
constexpr const char* ServicesSet001 = "SYSTEM\\ControlSet001\\Services\\";

// What the two value maps go through: each value in the map's order, and
// the lists of adapters and interfaces, read from the registry.
class MapVisitor {
public:
    explicit MapVisitor(Registry& registry) : registry_(registry) {}
    virtual ~MapVisitor() = default;
    MapVisitor(const MapVisitor&) = delete;
    MapVisitor& operator=(const MapVisitor&) = delete;

    void Write(const std::string& key, const std::string& name, std::uint32_t type,
               std::int32_t value, bool remove = false) {
        Put(RegistryWrite{key, name, type, value, remove});
    }

    // Calls `each` for every subkey name of `listKey`, from index 0 until
    // the registry says there are no more. A list key that cannot be opened
    // is skipped.
    void ForEachSubkey(const std::string& listKey, const std::function<void(const std::string&)>& each) {
        const Result<RegKey> opened = registry_.OpenKey(RegRoot::LocalMachine, listKey);
        if (!opened) return;
        const RegKey key = opened.Value();
        for (std::uint32_t index = 0;; ++index) {
            const Result<std::string> name = registry_.EnumKey(key, index);
            const long result = name.Code();
            if (result == regcode::NoMoreItems) break;
            // A name that does not fit the buffer is skipped; any other
            // failure would repeat for every index, so it ends the list.
            if (result == regcode::MoreData) continue;
            if (result != regcode::Success) break;
            each(name.Value());
        }
        // The names are read; a close that fails loses nothing.
        (void)registry_.CloseKey(key);
    }

protected:
    virtual void Put(RegistryWrite write) = 0;

    Registry& registry_;
};

// Only lists what would be written.
class Lister final : public MapVisitor {
public:
    using MapVisitor::MapVisitor;
    RegistryWrites Take() { return std::move(writes_); }

private:
    void Put(RegistryWrite write) override { writes_.push_back(std::move(write)); }

    RegistryWrites writes_;
};

// Writes the values in the order asked. A key written several times in a
// row is opened once for all of them: opening a key costs as much as
// writing a value. A key that cannot be opened answers each of its values
// with that failure, and every key the writer opened itself is closed
// before the report is taken; keys given by HeldKeys stay with it.
class Writer final : public MapVisitor {
public:
    explicit Writer(Registry& registry, HeldKeys* keys = nullptr) : MapVisitor(registry), keys_(keys) {}
    ~Writer() override { Release(); }

    RegistryReport Take() {
        Release();
        return std::move(report_);
    }

private:
    void Put(RegistryWrite write) override {
        RegistryOperation op;
        static_cast<RegistryWrite&>(op) = std::move(write);
        if (!holding_ || heldPath_ != op.Key) Hold(op.Key);
        op.Result = held_ ? WriteValueToKey(registry_, held_, op.ValueName, op.Type, op.Value, op.Removed)
                          : heldFailure_;
        report_.push_back(std::move(op));
    }

    void Hold(const std::string& path) {
        Release();
        holding_ = true;
        heldPath_ = path;
        const Result<RegKey> opened = keys_ ? keys_->ForWriting(path)
                                            : registry_.CreateKey(RegRoot::LocalMachine, path, WriterKeyAccess);
        if (opened) {
            held_ = opened.Value();
        } else {
            heldFailure_ = opened.Code();
        }
    }

    void Release() {
        // The writes' answers are what matter; a close that fails loses nothing.
        if (held_ && !keys_) (void)registry_.CloseKey(held_);
        holding_ = false;
        held_ = 0;
        heldFailure_ = regcode::Success;
        heldPath_.clear();
    }

    HeldKeys* keys_;
    RegistryReport report_;
    bool holding_ = false;
    std::string heldPath_;
    RegKey held_ = 0;              // 0 while the held key could not be opened
    long heldFailure_ = regcode::Success;
};

// The segment size that goes with an MTU: 40 bytes of IP and TCP headers
// less. Held to 32 bits, so no record can make it overflow.
std::int32_t MssFor(std::int32_t mtu) {
    const std::int64_t mss = static_cast<std::int64_t>(mtu) - 40;
    return mss < std::numeric_limits<std::int32_t>::min() ? std::numeric_limits<std::int32_t>::min()
                                                          : static_cast<std::int32_t>(mss);
}

void Write9xMap(const TuningSettings& s, MapVisitor& w) {
    const bool noRwin = s.RWIN == -1;
    const bool noMtu = s.MTU == -1;
    w.Write(Mstcp9x, "DefaultRcvWindow", regtype::Dword, s.RWIN, noRwin);
    w.Write(Mstcp9x, "DefaultTTL", regtype::Sz, s.TTL);
    w.Write(Mstcp9x, "SessionKeepAlive", regtype::Dword, s.SKA);
    w.Write(Mstcp9x, "PMTUDiscovery", regtype::Dword, BooleanToFlag(s.PMTU));
    w.Write(Mstcp9x, "PMTUBlackHoleDetect", regtype::Dword, BooleanToFlag(s.BlackHole));
    w.Write(InternetSettings9x, "MaxConnectionsPer1_0Server", regtype::Dword, s.MSCPS0);
    w.Write(InternetSettings9x, "MaxConnectionsPerServer", regtype::Dword, s.MSCPS1);
    w.ForEachSubkey(NetTrans9x, [&](const std::string& adapter) {
        const std::string key = std::string(NetTrans9x) + "\\" + adapter;
        w.Write(key, "MaxMTU", regtype::Dword, s.MTU, noMtu);
        w.Write(key, "MaxMSS", regtype::Dword, MssFor(s.MTU), noMtu);
    });
    w.Write(NdiCache, "", regtype::Dword, s.NDI);
}

void WriteNTMap(const TuningSettings& s, MapVisitor& w) {
    const bool noRwin = s.RWIN == -1;
    const bool noMtu = s.MTU == -1;
    w.Write(TcpipSet001, "GlobalMaxTcpWindowSize", regtype::Dword, s.RWIN, noRwin);
    w.Write(TcpipSet001, "TcpWindowSize", regtype::Dword, s.RWIN, noRwin);
    w.Write(TcpipCurrent, "GlobalMaxTcpWindowSize", regtype::Dword, s.RWIN, noRwin);
    w.Write(TcpipCurrent, "TcpWindowSize", regtype::Dword, s.RWIN, noRwin);
    w.Write(TcpipSet001, "DefaultTTL", regtype::Dword, s.TTL);
    w.Write(TcpipCurrent, "DefaultTTL", regtype::Dword, s.TTL);
    w.Write(TcpipSet001, "KeepAliveTime", regtype::Dword, s.SKA);
    w.Write(TcpipCurrent, "KeepAliveTime", regtype::Dword, s.SKA);
    w.Write(TcpipSet001, "EnablePMTUDiscovery", regtype::Dword, BooleanToFlag(s.PMTU));
    w.Write(TcpipCurrent, "EnablePMTUDiscovery", regtype::Dword, BooleanToFlag(s.PMTU));
    w.Write(TcpipSet001, "EnablePMTUBHDetect", regtype::Dword, BooleanToFlag(s.BlackHole));
    w.Write(TcpipCurrent, "EnablePMTUBHDetect", regtype::Dword, BooleanToFlag(s.BlackHole));
    w.Write(InternetSettingsNT, "MaxConnectionsPer1_0Server", regtype::Dword, s.MSCPS0);
    w.Write(InternetSettingsNT, "MaxConnectionsPerServer", regtype::Dword, s.MSCPS1);

    auto interfaces = [&](const char* listKey, const char* services) {
        w.ForEachSubkey(listKey, [&](const std::string& name) {
            w.Write(std::string(listKey) + "\\" + name, "MTU", regtype::Dword, s.MTU, noMtu);
            w.Write(std::string(services) + name + "\\Parameters\\Tcpip", "MTU", regtype::Dword,
                    s.MTU, noMtu);
        });
    };
    interfaces(InterfacesCurrent, ServicesCurrent);
    interfaces(InterfacesSet001, ServicesSet001);

    w.Write(NdiCache, "", regtype::Dword, s.NDI);
}

}  // namespace

std::optional<RegValue> RegistryWrite::After() const {
    if (Removed) return std::nullopt;
    return ValueAsWritten(Type, Value);
}

std::string RegistryOperation::DataText() const {
    if (Removed) return "removed";
    if (Type == regtype::Sz) return "\"" + std::to_string(Value) + "\"";
    return std::to_string(Value);
}

namespace {

void VisitMap(const TuningSettings& settings, const WindowsFamily& family, MapVisitor& visitor) {
    if (family.Is9xBranch()) {
        Write9xMap(settings, visitor);
    } else if (family.IsNTBranch()) {
        WriteNTMap(settings, visitor);
    }
}

}  // namespace

RegistryReport ApplyTuningToRegistry(const TuningSettings& settings, const WindowsFamily& family,
                                     Registry& registry) {
    Writer writer(registry);
    VisitMap(settings, family, writer);
    return writer.Take();
}

RegistryWrites ListTuningWrites(const TuningSettings& settings, const WindowsFamily& family,
                                Registry& registry) {
    Lister lister(registry);
    VisitMap(settings, family, lister);
    return lister.Take();
}

RegistryReport WriteListedValues(const RegistryWrites& writes, HeldKeys& keys) {
    Writer writer(keys.registry(), &keys);
    for (const RegistryWrite& write : writes) {
        writer.Write(write.Key, write.ValueName, write.Type, write.Value, write.Removed);
    }
    return writer.Take();
}

const RegistryOperation* FirstFailure(const RegistryReport& report) {
    for (const RegistryOperation& op : report) {
        if (!op.Succeeded()) return &op;
    }
    return nullptr;
}

}  // namespace quintel
