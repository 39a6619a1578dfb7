#include "core/tuning/ChangePlan.h"

#include "core/tuning/RegFunctions.h"

namespace quintel {

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
    HeldKeys keys(registry, KeyUse::Read);
    return PlanWrites(ListTuningWrites(settings, family, registry), keys);
}

ChangePlan PlanWrites(const RegistryWrites& writes, HeldKeys& keys) {
    ChangePlan plan;
    plan.reserve(writes.size());
    for (const RegistryWrite& write : writes) {
        PlannedValue value;
        value.Key = write.Key;
        value.ValueName = write.ValueName;
        value.Now = keys.Read(write.Key, write.ValueName, value.NowProblem);
        value.After = write.After();
        plan.push_back(std::move(value));
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
