#include "core/tuning/RegFile.h"

#include <cstdint>
#include <string_view>

#include "core/tuning/RegFunctions.h"

namespace quintel {

namespace {

constexpr const char* Header4 = "REGEDIT4";
constexpr const char* Header5 = "Windows Registry Editor Version 5.00";
constexpr const char* RootName = "HKEY_LOCAL_MACHINE";
constexpr const char* LineEnd = "\r\n";
constexpr std::uint32_t BinaryType = 3;
constexpr std::uint32_t ExpandSzType = 2;
constexpr std::uint32_t MultiSzType = 7;
// The editor breaks hex data after the comma that takes a line past this.
constexpr std::size_t WrapColumn = 76;

bool IsPrintableAscii(char c) {
    return c >= 0x20 && c <= 0x7E;
}

bool IsPrintableAscii(std::string_view text) {
    for (char c : text) {
        if (!IsPrintableAscii(c)) return false;
    }
    return true;
}

// Types whose data the NT editor keeps as UTF-16 and the ANSI registry
// calls convert.
bool IsTextType(std::uint32_t type) {
    return type == regtype::Sz || type == ExpandSzType || type == MultiSzType;
}

// A REG_SZ that is one line of printable text and its single NUL: what a
// quoted string gives back on import.
bool IsCleanString(const RegValue& value) {
    if (value.type != regtype::Sz || value.data.empty() || value.data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i) {
        if (!IsPrintableAscii(static_cast<char>(value.data[i]))) return false;
    }
    return true;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Shown(const RegFileEntry& entry) {
    return ValuePathText(entry.Key, entry.ValueName);
}

const char HexDigits[] = "0123456789abcdef";

std::string HexNumber(std::uint32_t value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), HexDigits[value & 15]);
        value >>= 4;
    } while (value);
    return digits;
}

// hex(N): followed by the bytes, broken over lines as the editor does.
std::string HexData(std::uint32_t type, const std::vector<std::uint8_t>& bytes,
                    std::size_t column) {
    std::string text = type == BinaryType ? "hex:" : "hex(" + HexNumber(type) + "):";
    column += text.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += HexDigits[bytes[i] >> 4];
        text += HexDigits[bytes[i] & 15];
        column += 2;
        if (i + 1 == bytes.size()) break;
        text += ',';
        ++column;
        if (column > WrapColumn) {
            text += "\\";
            text += LineEnd;
            text += "  ";
            column = 2;
        }
    }
    return text;
}

Result<std::string, RegFileProblem> ValueLine(const RegFileEntry& entry, RegFileFlavour flavour) {
    if (!IsPrintableAscii(entry.ValueName)) {
        return RegFileProblem{0, Shown(entry) + ": the name holds characters a registry file "
                                                "cannot carry unchanged"};
    }
    std::string line = entry.ValueName.empty() ? std::string("@") : Quoted(entry.ValueName);
    line += '=';
    if (!entry.Value) return line + "-";

    const RegValue& value = *entry.Value;
    if (value.type == regtype::Dword && value.data.size() == 4) {
        const std::uint32_t bits = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                   (static_cast<std::uint32_t>(value.data[3]) << 24);
        std::string digits = HexNumber(bits);
        return line + "dword:" + std::string(8 - digits.size(), '0') + digits;
    }
    if (IsCleanString(value)) {
        return line + Quoted(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                              value.data.size() - 1));
    }
    if (flavour == RegFileFlavour::Version5 && IsTextType(value.type)) {
        // The NT editor stores these as UTF-16, which the ANSI calls turn
        // back into these bytes only for ASCII.
        std::vector<std::uint8_t> wide;
        for (std::uint8_t byte : value.data) {
            if (byte >= 0x80) {
                return RegFileProblem{0, Shown(entry) + ": the text holds characters outside "
                                                        "ASCII, which the registry editor "
                                                        "would store converted"};
            }
            wide.push_back(byte);
            wide.push_back(0);
        }
        return line + HexData(value.type, wide, line.size());
    }
    return line + HexData(value.type, value.data, line.size());
}

std::string Widened(const std::string& text) {
    std::string wide = "\xFF\xFE";
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

}  // namespace

RegFileFlavour RegFileFlavourFor(const WindowsFamily& family) {
    return family.Is9xBranch() ? RegFileFlavour::Regedit4 : RegFileFlavour::Version5;
}

Result<std::string, RegFileProblem> FormatRegFile(const RegFileContents& contents) {
    std::string text = contents.Flavour == RegFileFlavour::Regedit4 ? Header4 : Header5;
    text += LineEnd;
    text += LineEnd;
    for (const std::string& comment : contents.Comments) {
        if (!IsPrintableAscii(comment)) {
            return RegFileProblem{0, "a comment holds characters other than printable ASCII"};
        }
        text += "; " + comment + LineEnd;
    }
    if (!contents.Comments.empty()) text += LineEnd;

    const std::string* currentKey = nullptr;
    for (const RegFileEntry& entry : contents.Entries) {
        if (entry.Key.empty() || !IsPrintableAscii(entry.Key) || entry.Key.front() == '\\' ||
            entry.Key.back() == '\\') {
            return RegFileProblem{0, Shown(entry) + ": the key name cannot stand in a "
                                                    "registry file unchanged"};
        }
        if (!currentKey || *currentKey != entry.Key) {
            if (currentKey) text += LineEnd;
            text += "[" + std::string(RootName) + "\\" + entry.Key + "]" + LineEnd;
            currentKey = &entry.Key;
        }
        Result<std::string, RegFileProblem> line = ValueLine(entry, contents.Flavour);
        if (!line) return line.Error();
        text += line.Value() + LineEnd;
    }
    if (currentKey) text += LineEnd;
    return contents.Flavour == RegFileFlavour::Regedit4 ? text : Widened(text);
}

namespace {

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    // The next physical line without its line end; false at the end.
    bool Next(std::string& line) {
        if (pos_ >= text_.size()) return false;
        const std::size_t end = text_.find('\n', pos_);
        const std::size_t stop = end == std::string::npos ? text_.size() : end;
        line = text_.substr(pos_, stop - pos_);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos_ = end == std::string::npos ? text_.size() : end + 1;
        ++line_;
        return true;
    }
    int LineNumber() const { return line_; }

private:
    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 0;
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads one value line (continuations joined) into `entry`; the reason
// when it is not one the writer writes.
class ValueParser {
public:
    explicit ValueParser(std::string_view line) : in_(line) {}

    bool Parse(RegFileFlavour flavour, RegFileEntry& entry, std::string& reason) {
        if (!Name(entry.ValueName)) return Fail(reason, "the value name is not @ or a quoted name");
        if (!Take('=')) return Fail(reason, "no = after the value name");
        if (Take('-')) {
            entry.Value.reset();
            return AtEnd() || Fail(reason, "text after the removal mark");
        }
        RegValue value;
        if (TakeWord("dword:")) {
            std::uint32_t bits = 0;
            if (in_.size() != 8) return Fail(reason, "a dword is not eight hex digits");
            for (char c : in_) {
                const int digit = HexValue(c);
                if (digit < 0) return Fail(reason, "a dword is not eight hex digits");
                bits = (bits << 4) | static_cast<std::uint32_t>(digit);
            }
            value.type = regtype::Dword;
            for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
            entry.Value = std::move(value);
            return true;
        }
        if (!in_.empty() && in_.front() == '"') {
            std::string text;
            if (!QuotedText(text) || !AtEnd()) return Fail(reason, "a quoted text is not closed");
            value.type = regtype::Sz;
            value.data.assign(text.begin(), text.end());
            value.data.push_back(0);
            entry.Value = std::move(value);
            return true;
        }
        if (TakeWord("hex:")) {
            value.type = BinaryType;
        } else if (TakeWord("hex(")) {
            std::uint32_t type = 0;
            std::size_t digits = 0;
            while (!in_.empty() && HexValue(in_.front()) >= 0 && digits < 8) {
                type = (type << 4) | static_cast<std::uint32_t>(HexValue(in_.front()));
                in_.remove_prefix(1);
                ++digits;
            }
            if (digits == 0 || !TakeWord("):")) return Fail(reason, "a hex(N): type is malformed");
            value.type = type;
        } else {
            return Fail(reason, "the data is not -, dword:, a quoted text or hex");
        }
        while (!in_.empty()) {
            if (in_.size() < 2 || HexValue(in_[0]) < 0 || HexValue(in_[1]) < 0) {
                return Fail(reason, "hex data is not pairs of hex digits between commas");
            }
            value.data.push_back(static_cast<std::uint8_t>(HexValue(in_[0]) * 16 + HexValue(in_[1])));
            in_.remove_prefix(2);
            if (in_.empty()) break;
            if (!Take(',') || in_.empty()) {
                return Fail(reason, "hex data is not pairs of hex digits between commas");
            }
        }
        if (flavour == RegFileFlavour::Version5 && IsTextType(value.type)) {
            std::vector<std::uint8_t> narrow;
            if (value.data.size() % 2) return Fail(reason, "UTF-16 text of an odd length");
            for (std::size_t i = 0; i < value.data.size(); i += 2) {
                if (value.data[i] >= 0x80 || value.data[i + 1] != 0) {
                    return Fail(reason, "UTF-16 text with characters outside ASCII");
                }
                narrow.push_back(value.data[i]);
            }
            value.data = std::move(narrow);
        }
        entry.Value = std::move(value);
        return true;
    }

private:
    static bool Fail(std::string& reason, const char* why) {
        reason = why;
        return false;
    }
    bool AtEnd() const { return in_.empty(); }
    bool Take(char c) {
        if (in_.empty() || in_.front() != c) return false;
        in_.remove_prefix(1);
        return true;
    }
    bool TakeWord(std::string_view word) {
        if (in_.substr(0, word.size()) != word) return false;
        in_.remove_prefix(word.size());
        return true;
    }
    bool Name(std::string& name) {
        name.clear();
        if (Take('@')) return true;
        return QuotedText(name);
    }
    // A quoted text with \\ and \" as its only escapes.
    bool QuotedText(std::string& text) {
        if (!Take('"')) return false;
        while (!in_.empty()) {
            const char c = in_.front();
            in_.remove_prefix(1);
            if (c == '"') return true;
            if (!IsPrintableAscii(c)) return false;
            if (c == '\\') {
                if (in_.empty() || (in_.front() != '\\' && in_.front() != '"')) return false;
                text += in_.front();
                in_.remove_prefix(1);
                continue;
            }
            text += c;
        }
        return false;
    }

    std::string_view in_;
};

// The file as 8-bit text: ANSI as it stands, UTF-16 after its byte order
// mark narrowed, which holds only ASCII in what the writer writes.
Result<std::string, RegFileProblem> Decoded(const std::string& bytes, bool& wide) {
    wide = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
    if (!wide) return bytes;
    if (bytes.size() % 2) return RegFileProblem{0, "the UTF-16 text has an odd length"};
    std::string text;
    int line = 1;
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
        const unsigned char low = static_cast<unsigned char>(bytes[i]);
        if (low >= 0x80 || bytes[i + 1] != 0) {
            return RegFileProblem{line, "a character outside ASCII"};
        }
        if (low == '\n') ++line;
        text += static_cast<char>(low);
    }
    return text;
}

}  // namespace

Result<RegFileContents, RegFileProblem> ParseRegFile(const std::string& bytes) {
    bool wide = false;
    Result<std::string, RegFileProblem> decoded = Decoded(bytes, wide);
    if (!decoded) return decoded.Error();
    Reader in(decoded.Value());

    RegFileContents contents;
    std::string line;
    if (!in.Next(line)) return RegFileProblem{1, "the file is empty"};
    if (line == Header4 && !wide) {
        contents.Flavour = RegFileFlavour::Regedit4;
    } else if (line == Header5 && wide) {
        contents.Flavour = RegFileFlavour::Version5;
    } else {
        return RegFileProblem{1, std::string("the first line is not ") + Header4 +
                                     " in ANSI nor " + Header5 + " in UTF-16"};
    }

    const std::string keyStart = std::string("[") + RootName + "\\";
    std::string key;
    while (in.Next(line)) {
        const int number = in.LineNumber();
        if (line.empty()) continue;
        if (line.rfind("; ", 0) == 0 || line == ";") {
            if (!key.empty()) return RegFileProblem{number, "a comment after the first key"};
            const std::string comment = line.size() > 2 ? line.substr(2) : std::string();
            if (!IsPrintableAscii(comment)) {
                return RegFileProblem{number, "a comment with characters other than printable ASCII"};
            }
            contents.Comments.push_back(comment);
            continue;
        }
        if (line.front() == '[') {
            if (line.rfind(keyStart, 0) != 0 || line.back() != ']' ||
                line.size() == keyStart.size() + 1) {
                return RegFileProblem{number, "a key that is not under " + std::string(RootName)};
            }
            key = line.substr(keyStart.size(), line.size() - keyStart.size() - 1);
            if (!IsPrintableAscii(key) || key.front() == '\\' || key.back() == '\\') {
                return RegFileProblem{number, "a key name the writer would not write"};
            }
            continue;
        }
        if (key.empty()) return RegFileProblem{number, "a value before the first key"};
        std::string joined = line;
        while (!joined.empty() && joined.back() == '\\') {
            joined.pop_back();
            std::string more;
            if (!in.Next(more)) return RegFileProblem{number, "a continued line ends the file"};
            const std::size_t start = more.find_first_not_of(' ');
            if (start == std::string::npos) return RegFileProblem{number, "an empty continuation"};
            joined += more.substr(start);
        }
        RegFileEntry entry;
        entry.Key = key;
        std::string reason;
        if (!ValueParser(joined).Parse(contents.Flavour, entry, reason)) {
            return RegFileProblem{number, reason};
        }
        contents.Entries.push_back(std::move(entry));
    }
    return contents;
}

}  // namespace quintel
