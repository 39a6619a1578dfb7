#include "engine/SettingsFile.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "engine/RenameReplace.h"

namespace quintel {

namespace {

const char* BoolText(bool value) {
    return value ? "#TRUE#" : "#FALSE#";
}

// Reads the file the way sequential field input does: fields are separated
// by commas or line ends, blanks and empty lines before a field are
// skipped, and trailing blanks are not part of it. Keys are fields like any
// other, read and thrown away, so only positions matter.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next() {
        while (pos_ < text_.size() && IsSkippable(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        std::string_view field = text_.substr(start, pos_ - start);
        while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
        if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
        return field;
    }

    bool SkipKey() { return Next().has_value(); }

    template <typename Int>
    bool ReadInt(Int& out) {
        const auto field = Next();
        if (!field || field->empty()) return false;
        std::string_view digits = *field;
        if (digits.front() == '+') digits.remove_prefix(1);
        Int value{};
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (ec != std::errc{} || end != digits.data() + digits.size()) return false;
        out = value;
        return true;
    }

    bool ReadBool(bool& out) {
        const auto field = Next();
        if (!field) return false;
        if (EqualsNoCase(*field, "#TRUE#")) {
            out = true;
            return true;
        }
        if (EqualsNoCase(*field, "#FALSE#")) {
            out = false;
            return true;
        }
        return false;
    }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool IsSkippable(char c) { return IsBlank(c) || IsLineEnd(c); }
    static bool EqualsNoCase(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            char x = a[i], y = b[i];
            if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
            if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
            if (x != y) return false;
        }
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool InList(std::int16_t index, int count) {
    return index >= -1 && index < count;
}

}  // namespace

std::string AppFilePath(const std::string& appFolder, const std::string& fileName) {
    return appFolder + "\\" + fileName;
}

std::string FormatSettingsFile(const TuningSettings& s) {
    std::string text;
    auto line = [&text](const std::string& content) { text += content + "\r\n"; };
    auto n = [](auto value) { return std::to_string(value); };

    line("ConnectionType," + n(s.ConnectionType));
    line("OptiMode," + n(s.OptiMode));
    if (s.OptiMode != mode::Manual) return text;

    line(std::string("MTU,") + BoolText(s.MTUCustom) + "," + n(s.MTU));
    line(std::string("RWIN,") + BoolText(s.RWINCustom) + "," + n(s.RWINIndex) + "," + n(s.RWIN));
    line(std::string("TTL,") + BoolText(s.TTLCustom) + "," + n(s.TTL));
    line(std::string("SKA,") + BoolText(s.SKACustom) + "," + n(s.SKAIndex) + "," + n(s.SKA));
    line(std::string("NDI,") + BoolText(s.NDICustom) + "," + n(s.NDIIndex) + "," + n(s.NDI));
    line(std::string("PMTU,") + BoolText(s.PMTU));
    line(std::string("BlackHole,") + BoolText(s.BlackHole));
    line("MSCPS0," + n(s.MSCPS0Index) + "," + n(s.MSCPS0));
    line("MSCPS1," + n(s.MSCPS1Index) + "," + n(s.MSCPS1));
    return text;
}

bool ParseSettingsFile(const std::string& text, TuningState& state, TuningSettings& s) {
    FieldReader in(text);
    if (!(in.SkipKey() && in.ReadInt(s.ConnectionType))) return false;
    if (!(in.SkipKey() && in.ReadInt(s.OptiMode))) return false;

    // Values the lists cannot show are treated like a damaged file.
    if (s.ConnectionType < 0 || s.ConnectionType >= listsize::ConnectionTypes) return false;
    if (s.OptiMode < 0 || s.OptiMode >= listsize::OptimizationModes) return false;

    if (s.OptiMode != mode::Manual) {
        const std::int16_t connection = s.ConnectionType;
        const std::int16_t optiMode = s.OptiMode;
        s = *state.PresetForMode(optiMode);
        s.ConnectionType = connection;
        s.OptiMode = optiMode;
        return true;  // anything after the two lines is not read
    }

    const bool read = in.SkipKey() && in.ReadBool(s.MTUCustom) && in.ReadInt(s.MTU) &&
                      in.SkipKey() && in.ReadBool(s.RWINCustom) && in.ReadInt(s.RWINIndex) &&
                      in.ReadInt(s.RWIN) &&
                      in.SkipKey() && in.ReadBool(s.TTLCustom) && in.ReadInt(s.TTL) &&
                      in.SkipKey() && in.ReadBool(s.SKACustom) && in.ReadInt(s.SKAIndex) &&
                      in.ReadInt(s.SKA) &&
                      in.SkipKey() && in.ReadBool(s.NDICustom) && in.ReadInt(s.NDIIndex) &&
                      in.ReadInt(s.NDI) &&
                      in.SkipKey() && in.ReadBool(s.PMTU) &&
                      in.SkipKey() && in.ReadBool(s.BlackHole) &&
                      in.SkipKey() && in.ReadInt(s.MSCPS0Index) && in.ReadInt(s.MSCPS0) &&
                      in.SkipKey() && in.ReadInt(s.MSCPS1Index) && in.ReadInt(s.MSCPS1);
    if (!read) return false;

    // A custom MTU or TTL the window would refuse is refused here too, so
    // an edited file cannot reach the registry through /apply.
    if (s.MTUCustom && (s.MTU < limits::MinMtu || s.MTU > limits::MaxMtu)) return false;
    if (s.TTLCustom && (s.TTL < limits::MinTtl || s.TTL > limits::MaxTtl)) return false;

    return InList(s.RWINIndex, listsize::Rwin) && InList(s.SKAIndex, listsize::Ska) &&
           InList(s.NDIIndex, listsize::Ndi) && InList(s.MSCPS0Index, listsize::Mscps) &&
           InList(s.MSCPS1Index, listsize::Mscps);
}

namespace {

// A save on Windows 9x that was cut short between its renames leaves the
// new file beside the missing one. Only a file exactly as the program
// writes it counts as complete: a cut one may still parse.
void FinishInterruptedSave(TuningState& state, FileSystem& files, const std::string& path) {
    FinishInterruptedReplace(files, path, [&state](const std::string& text) {
        TuningSettings saved{};
        return ParseSettingsFile(text, state, saved) && FormatSettingsFile(saved) == text;
    });
}

}  // namespace

void LoadSettingsFile(TuningState& state, FileSystem& files, const std::string& path) {
    FinishInterruptedSave(state, files, path);
    std::string text;
    FileError error;
    TuningSettings loaded{};
    if (files.FileExists(path) && files.ReadFile(path, text, error) &&
        ParseSettingsFile(text, state, loaded)) {
        state.CurrentSettings = loaded;
        return;
    }
    state.CurrentSettings = state.WindowsDefaults;
}

std::string SaveResult::FailureText(quintel::Registry& registry) const {
    if (!FileWritten) {
        return "could not write " + FileFailure.path + ": " + FileFailure.reason;
    }
    if (const RegistryOperation* op = FirstFailure(Registry)) {
        const std::string name = op->ValueName.empty() ? "(Default)" : op->ValueName;
        return "could not " + std::string(op->Removed ? "remove" : "write") +
               " HKEY_LOCAL_MACHINE\\" + op->Key + " value " + name + ": " +
               registry.ErrorText(op->Result);
    }
    return {};
}

SaveResult SaveSettingsFile(TuningState& state, FileSystem& files, const std::string& path,
                            Registry& registry, const WindowsFamily& family) {
    SaveResult result;
    result.FileWritten =
        files.ReplaceFileContents(path, FormatSettingsFile(state.CurrentSettings), result.FileFailure);
    if (!result.FileWritten) return result;
    result.Registry = ApplyTuningToRegistry(state.CurrentSettings, family, registry);
    return result;
}

}  // namespace quintel
