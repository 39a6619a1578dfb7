#include "core/tuning/SettingsFile.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "core/text/NoCase.h"
#include "core/tuning/ChangePlan.h"
#include "core/tuning/RegFunctions.h"
#include "core/tuning/RenameReplace.h"
#include "core/tuning/UndoRecord.h"

namespace quintel {

namespace {

const char* BoolText(bool value) {
    return value ? "#TRUE#" : "#FALSE#";
}

// Reads the file the way sequential field input does: fields are separated
// by commas or line ends, blanks and empty lines before a field are
// skipped, and trailing blanks are not part of it. Keys are fields like any
// other, read and thrown away, so only positions matter. The reader counts
// lines so that a problem can be shown where it is.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next() {
        while (pos_ < text_.size() && IsSkippable(text_[pos_])) Step();
        if (pos_ >= text_.size()) return std::nullopt;
        fieldLine_ = line_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
        std::string_view field = text_.substr(start, pos_ - start);
        while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
        if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
        return field;
    }

    // The line, counted from 1, of the field Next returned last.
    int FieldLine() const { return fieldLine_; }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool IsSkippable(char c) { return IsBlank(c) || IsLineEnd(c); }

    // CR LF, LF and a lone CR each end one line.
    void Step() {
        const char c = text_[pos_++];
        if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n'))) ++line_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
};

// A field as it may appear in a one-line message: printable ASCII only,
// and not too long.
std::string Shown(std::string_view field) {
    constexpr std::size_t Longest = 24;
    std::string text;
    for (std::size_t i = 0; i < field.size() && i < Longest; ++i) {
        const unsigned char c = static_cast<unsigned char>(field[i]);
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    if (field.size() > Longest) text += "...";
    return "\"" + text + "\"";
}

// Reads the file's lines in their order, each a key and its fields, and
// says at the first problem which line it is and what is wrong there.
class Parser {
public:
    Parser(std::string_view text, SettingsFileError& error) : in_(text), error_(error) {}

    // The key of line `number` of the format, named `name` in messages.
    bool Line(int number, const char* name) {
        name_ = name;
        if (!in_.Next()) {
            error_ = {number, name, "the line is missing"};
            return false;
        }
        line_ = in_.FieldLine();
        return true;
    }

    template <typename Number>
    bool Int(const char* what, Number& out) {
        const auto field = in_.Next();
        if (!field || field->empty()) return Fail(std::string(what) + " is missing");
        std::string_view digits = *field;
        if (digits.front() == '+') digits.remove_prefix(1);
        Number value{};
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (ec == std::errc::result_out_of_range && end == digits.data() + digits.size()) {
            return Fail(std::string(what) + " " + Shown(*field) + " does not fit in " +
                        std::to_string(sizeof(Number) * 8) + " bits");
        }
        if (ec != std::errc{} || end != digits.data() + digits.size()) {
            return Fail(std::string(what) + " " + Shown(*field) + " is not a whole number");
        }
        out = value;
        return true;
    }

    bool Bool(const char* what, bool& out) {
        const auto field = in_.Next();
        if (!field) return Fail(std::string(what) + " is missing");
        if (EqualsNoCase(*field, "#TRUE#")) {
            out = true;
            return true;
        }
        if (EqualsNoCase(*field, "#FALSE#")) {
            out = false;
            return true;
        }
        return Fail(std::string(what) + " " + Shown(*field) + " is neither #TRUE# nor #FALSE#");
    }

    // A value of the line just read must lie in low..high.
    bool Range(const char* what, long long value, long long low, long long high) {
        if (value >= low && value <= high) return true;
        return Fail(std::string(what) + " " + std::to_string(value) + " is outside " +
                    std::to_string(low) + " to " + std::to_string(high));
    }

    // A list index: -1 (nothing chosen) or an entry of a list of `count`.
    bool Index(std::int16_t& out, int count) {
        return Int("the list index", out) && Range("the list index", out, -1, count - 1);
    }

private:
    bool Fail(const std::string& reason) {
        error_ = {line_, name_, reason};
        return false;
    }

    FieldReader in_;
    SettingsFileError& error_;
    int line_ = 1;
    const char* name_ = "";
};

}  // namespace

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

bool ParseSettingsFile(const std::string& text, TuningState& state, TuningSettings& s,
                       SettingsFileError& error) {
    Parser in(text, error);
    // Values the lists cannot show are treated like a damaged file.
    if (!(in.Line(1, "ConnectionType") && in.Int("the connection type", s.ConnectionType) &&
          in.Range("the connection type", s.ConnectionType, 0, listsize::ConnectionTypes - 1))) {
        return false;
    }
    if (!(in.Line(2, "OptiMode") && in.Int("the mode", s.OptiMode) &&
          in.Range("the mode", s.OptiMode, 0, listsize::OptimizationModes - 1))) {
        return false;
    }

    if (s.OptiMode != mode::Manual) {
        const std::int16_t connection = s.ConnectionType;
        const std::int16_t optiMode = s.OptiMode;
        s = *state.PresetForMode(optiMode);
        s.ConnectionType = connection;
        s.OptiMode = optiMode;
        return true;  // anything after the two lines is not read
    }

    // Every value the registry writer will write must be one the window
    // could have chosen, whatever the custom flags say: the writer writes
    // the value either way, and an MTU or TTL the stack cannot use would
    // cut the machine off the network after the restart.
    using namespace limits;
    return in.Line(3, "MTU") && in.Bool("the custom flag", s.MTUCustom) &&
           in.Int("the MTU", s.MTU) && in.Range("the MTU", s.MTU, MinMtu, MaxMtu) &&
           in.Line(4, "RWIN") && in.Bool("the custom flag", s.RWINCustom) &&
           in.Index(s.RWINIndex, listsize::Rwin) && in.Int("the receive window", s.RWIN) &&
           in.Range("the receive window", s.RWIN, MinRwin, MaxRwin) &&
           in.Line(5, "TTL") && in.Bool("the custom flag", s.TTLCustom) &&
           in.Int("the TTL", s.TTL) && in.Range("the TTL", s.TTL, MinTtl, MaxTtl) &&
           in.Line(6, "SKA") && in.Bool("the custom flag", s.SKACustom) &&
           in.Index(s.SKAIndex, listsize::Ska) && in.Int("the keep-alive time", s.SKA) &&
           in.Range("the keep-alive time", s.SKA, MinSka, MaxSka) &&
           in.Line(7, "NDI") && in.Bool("the custom flag", s.NDICustom) &&
           in.Index(s.NDIIndex, listsize::Ndi) && in.Int("the cache size", s.NDI) &&
           in.Range("the cache size", s.NDI, MinNdi, MaxNdi) &&
           in.Line(8, "PMTU") && in.Bool("the flag", s.PMTU) &&
           in.Line(9, "BlackHole") && in.Bool("the flag", s.BlackHole) &&
           in.Line(10, "MSCPS0") && in.Index(s.MSCPS0Index, listsize::Mscps) &&
           in.Int("the connection limit", s.MSCPS0) &&
           in.Range("the connection limit", s.MSCPS0, MinMscps, MaxMscps) &&
           in.Line(11, "MSCPS1") && in.Index(s.MSCPS1Index, listsize::Mscps) &&
           in.Int("the connection limit", s.MSCPS1) &&
           in.Range("the connection limit", s.MSCPS1, MinMscps, MaxMscps);
}

bool ParseSettingsFile(const std::string& text, TuningState& state, TuningSettings& settings) {
    SettingsFileError ignored;
    return ParseSettingsFile(text, state, settings, ignored);
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

bool ReadSettingsFile(TuningState& state, FileSystem& files, const std::string& path,
                      TuningSettings& settings, std::string& problem) {
    FinishInterruptedSave(state, files, path);
    if (!files.FileExists(path)) {
        problem = path + " is missing or not an ordinary file";
        return false;
    }
    const auto read = files.ReadFile(path);
    if (!read) {
        problem = "cannot read " + path + ": " + read.Error().reason;
        return false;
    }
    const std::string& text = read.Value();
    SettingsFileError malformed;
    TuningSettings loaded{};
    if (!ParseSettingsFile(text, state, loaded, malformed)) {
        problem = path + " is malformed at line " + std::to_string(malformed.Line) + " (" +
                  malformed.Name + "): " + malformed.Reason;
        return false;
    }
    settings = loaded;
    return true;
}


void LoadSettingsFile(TuningState& state, FileSystem& files, const std::string& path) {
    std::string problem;
    TuningSettings loaded{};
    if (ReadSettingsFile(state, files, path, loaded, problem)) {
        state.CurrentSettings = loaded;
        return;
    }
    // The window starts from the defaults; only the switches refuse.
    state.CurrentSettings = state.WindowsDefaults;
}

std::vector<std::string> SaveResult::FailureLines(quintel::Registry& registry) const {
    if (!UndoFailure.empty()) return {UndoFailure + "; nothing was changed"};
    if (!FileWritten) {
        return {"could not write " + FileFailure.path + ": " + FileFailure.reason};
    }
    std::vector<std::string> lines;
    for (const RegistryOperation& op : Registry) {
        if (op.Succeeded()) continue;
        lines.push_back("could not " + std::string(op.Removed ? "remove" : "write") + " " +
                        ValuePathText(op.Key, op.ValueName) + ": " +
                        registry.ErrorText(op.Result));
    }
    return lines;
}

std::string SaveResult::FailureText(quintel::Registry& registry) const {
    const std::vector<std::string> lines = FailureLines(registry);
    return lines.empty() ? std::string() : lines.front();
}

std::size_t SaveResult::SucceededCount() const {
    std::size_t count = 0;
    for (const RegistryOperation& op : Registry) count += op.Succeeded() ? 1 : 0;
    return count;
}

SaveResult SaveSettingsFile(TuningState& state, FileSystem& files, const std::string& path,
                            Registry& registry, const WindowsFamily& family,
                            std::optional<UnixSeconds> recordUndoAt, Trace* trace) {
    SaveResult result;
    // Each key is opened once: read for the undo record, then written.
    HeldKeys keys(registry, KeyUse::ReadThenWrite);
    RegistryWrites writes;
    std::optional<std::string> before;  // the file as the undo record kept it
    if (recordUndoAt) {
        std::optional<TraceStep> step(std::in_place, trace, "values listed (adapters and interfaces)");
        writes = ListTuningWrites(state.CurrentSettings, family, registry);
        step.emplace(trace, "values read for the undo record");
        const ChangePlan plan = PlanWrites(writes, keys);
        step.emplace(trace, "undo record written");
        const auto recorded = RecordUndo(files, UndoFilesFor(path), plan, RegFileFlavourFor(family),
                                         *recordUndoAt, &before);
        if (!recorded) {
            result.UndoFailure = recorded.Error();
            return result;
        }
    }
    {
        const TraceStep step(trace, "settings file written");
        // A file the undo record found holding the settings already stays
        // as it is: writing it again would cost only a flush to the disk
        // (/apply at every logon).
        const std::string text = FormatSettingsFile(state.CurrentSettings);
        if (!recordUndoAt || before != text) {
            const auto written = files.ReplaceFileContents(path, text);
            if (!written) {
                result.FileFailure = written.Error();
                return result;
            }
        }
        result.FileWritten = true;
    }
    std::optional<TraceStep> step(std::in_place, trace, "registry values written");
    // The values listed for the record are the values written.
    result.Registry = recordUndoAt ? WriteListedValues(writes, keys)
                                   : ApplyTuningToRegistry(state.CurrentSettings, family, registry);
    step.emplace(trace, "keys closed");
    keys.CloseAll();
    return result;
}

}  // namespace quintel
