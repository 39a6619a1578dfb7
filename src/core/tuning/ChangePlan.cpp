#include "core/tuning/ChangePlan.h"

#include <map>

#include "core/tuning/DryRunRegistry.h"
#include "core/tuning/RegistryWriter.h"

namespace quintel {

namespace {

// Key access for reading values only (KEY_QUERY_VALUE): a registry that
// refuses the writer's access may still let the values be read.
constexpr std::uint32_t QueryValueAccess = 0x0001;
// RegQueryValueEx says 234 and nothing more when a value outgrows the
// buffer; the buffer grows until it fits, up to a size no TCP/IP value has.
constexpr std::size_t FirstBuffer = 256;
constexpr std::size_t LargestBuffer = 1 << 20;

// The dry run, keeping what each write would have written.
class PlanningRegistry : public DryRunRegistry {
public:
    using DryRunRegistry::DryRunRegistry;

    Result<RegKey> CreateKey(RegRoot root, const std::string& path,
                             std::uint32_t access) override {
        Result<RegKey> key = DryRunRegistry::CreateKey(root, path, access);
        if (key) paths_[key.Value()] = path;
        return key;
    }
    Result<> SetValue(RegKey key, const std::string& name, std::uint32_t type,
                      const std::vector<std::uint8_t>& data) override {
        Record(key, name, RegValue{type, data});
        return DryRunRegistry::SetValue(key, name, type, data);
    }
    Result<> DeleteValue(RegKey key, const std::string& name) override {
        Record(key, name, std::nullopt);
        return DryRunRegistry::DeleteValue(key, name);
    }

    ChangePlan Take() { return std::move(plan_); }

private:
    void Record(RegKey key, const std::string& name, std::optional<RegValue> after) {
        const auto path = paths_.find(key);
        if (path == paths_.end()) return;
        PlannedValue planned;
        planned.Key = path->second;
        planned.ValueName = name;
        planned.After = std::move(after);
        plan_.push_back(std::move(planned));
    }

    std::map<RegKey, std::string> paths_;
    ChangePlan plan_;
};

}  // namespace

std::optional<RegValue> ReadCurrentValue(Registry& registry, const std::string& path,
                                const std::string& name, std::string& problem) {
    const Result<RegKey> key = registry.OpenKeyEx(RegRoot::LocalMachine, path, QueryValueAccess);
    if (!key) {
        if (key.Code() != regcode::FileNotFound) problem = key.Error().Text;
        return std::nullopt;
    }
    std::optional<RegValue> now;
    for (std::size_t capacity = FirstBuffer; capacity <= LargestBuffer; capacity *= 4) {
        Result<RegValue> read = registry.QueryValue(key.Value(), name, capacity);
        if (read.Code() == regcode::MoreData) {
            if (capacity * 4 > LargestBuffer) problem = read.Error().Text;
            continue;
        }
        if (read) {
            now = std::move(read.Value());
        } else if (read.Code() != regcode::FileNotFound) {
            problem = read.Error().Text;
        }
        break;
    }
    (void)registry.CloseKey(key.Value());
    return now;
}

namespace {

std::string HexBytes(const std::vector<std::uint8_t>& data) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i) text += ',';
        text += digits[data[i] >> 4];
        text += digits[data[i] & 15];
    }
    return text;
}

}  // namespace

bool PlannedValue::Changes() const {
    if (Now.has_value() != After.has_value()) return true;
    if (!Now) return false;
    return Now->type != After->type || Now->data != After->data;
}

ChangePlan PlanChanges(const TuningSettings& settings, const WindowsFamily& family,
                       Registry& registry) {
    PlanningRegistry planning(registry);
    (void)ApplyTuningToRegistry(settings, family, planning);
    ChangePlan plan = planning.Take();
    for (PlannedValue& value : plan) {
        value.Now = ReadCurrentValue(registry, value.Key, value.ValueName, value.NowProblem);
    }
    return plan;
}

std::size_t CountChanges(const ChangePlan& plan) {
    std::size_t count = 0;
    for (const PlannedValue& value : plan) count += value.Differs() ? 1 : 0;
    return count;
}

std::string ValueText(const std::optional<RegValue>& value, const char* missing) {
    if (!value) return missing;
    const std::vector<std::uint8_t>& data = value->data;
    if (value->type == regtype::Dword && data.size() == 4) {
        const std::uint32_t bits = data[0] | (data[1] << 8) | (data[2] << 16) |
                                   (static_cast<std::uint32_t>(data[3]) << 24);
        return std::to_string(static_cast<std::int32_t>(bits));
    }
    if (value->type == regtype::Sz && !data.empty() && data.back() == 0) {
        const std::string text(data.begin(), data.end() - 1);
        bool oneLine = true;
        for (unsigned char c : text) oneLine = oneLine && c >= 0x20 && c != 0x7F;
        if (oneLine) return "\"" + text + "\"";
    }
    return "hex(" + std::to_string(value->type) + "):" + HexBytes(data);
}

std::string ChangeCountText(const ChangePlan& plan) {
    return std::to_string(CountChanges(plan)) + " of " + std::to_string(plan.size()) +
           " values change";
}

std::string NowText(const PlannedValue& value) {
    return value.NowProblem.empty() ? ValueText(value.Now) : "(unreadable: " + value.NowProblem + ")";
}

}  // namespace quintel
