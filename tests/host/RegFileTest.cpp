#include <gtest/gtest.h>

#include "core/tuning/RegFile.h"

namespace quintel {
namespace {

RegValue Dword(std::uint32_t v) {
    return RegValue{regtype::Dword, {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                     static_cast<std::uint8_t>(v >> 16),
                                     static_cast<std::uint8_t>(v >> 24)}};
}

RegValue Sz(const std::string& text) {
    RegValue value{regtype::Sz, std::vector<std::uint8_t>(text.begin(), text.end())};
    value.data.push_back(0);
    return value;
}

// The UTF-16LE form of ASCII text with its byte order mark.
std::string Utf16(const std::string& text) {
    std::string wide = "\xFF\xFE";
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

std::string Formatted(const RegFileContents& contents) {
    const auto text = FormatRegFile(contents);
    EXPECT_TRUE(text.Ok()) << (text.Ok() ? "" : text.Error().Reason);
    return text.Ok() ? text.Value() : std::string();
}

const std::string Tcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

TEST(RegFile, EachFamilyGetsTheFormItsRegistryEditorWrites) {
    WindowsFamily win98{family::Windows98, "Windows 98"};
    WindowsFamily unknown{family::Windows32, "Windows 32"};
    WindowsFamily xp{family::WindowsXP, "Windows XP"};
    EXPECT_EQ(RegFileFlavour::Regedit4, RegFileFlavourFor(win98));
    EXPECT_EQ(RegFileFlavour::Regedit4, RegFileFlavourFor(unknown));
    EXPECT_EQ(RegFileFlavour::Version5, RegFileFlavourFor(xp));

    RegFileContents contents;
    contents.Comments = {"made for a test"};
    contents.Entries = {{Tcpip, "DefaultTTL", Dword(128)},
                        {Tcpip, "TcpWindowSize", std::nullopt},
                        {"System\\VxD\\MSTCP", "DefaultTTL", Sz("C:\\Path \"x\"")},
                        {"Ndi\\cachesize", "", Dword(0)}};
    const std::string body =
        "\r\n"
        "; made for a test\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\" + Tcpip + "]\r\n"
        "\"DefaultTTL\"=dword:00000080\r\n"
        "\"TcpWindowSize\"=-\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\System\\VxD\\MSTCP]\r\n"
        "\"DefaultTTL\"=\"C:\\\\Path \\\"x\\\"\"\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\Ndi\\cachesize]\r\n"
        "@=dword:00000000\r\n"
        "\r\n";

    contents.Flavour = RegFileFlavour::Regedit4;
    EXPECT_EQ("REGEDIT4\r\n" + body, Formatted(contents));
    contents.Flavour = RegFileFlavour::Version5;
    EXPECT_EQ(Utf16("Windows Registry Editor Version 5.00\r\n" + body), Formatted(contents));
}

// Values that are not what Quintel writes must come back as they were:
// their type and every byte.
std::vector<RegFileEntry> OddValues() {
    std::vector<RegFileEntry> odd;
    const std::string key = "SYSTEM\\Odd";
    odd.push_back({key, "Absent", std::nullopt});
    odd.push_back({key, "TtlAsText", Sz("64")});
    odd.push_back({key, "Empty text", Sz("")});
    odd.push_back({key, "No NUL", RegValue{regtype::Sz, {'1', '4', '9', '2'}}});
    odd.push_back({key, "Inner NUL", RegValue{regtype::Sz, {'a', 0, 'b', 0}}});
    odd.push_back({key, "Two NULs", RegValue{regtype::Sz, {'a', 0, 0}}});
    odd.push_back({key, "Zero bytes", RegValue{regtype::Sz, {}}});
    odd.push_back({key, "Line break", Sz("one\r\ntwo")});
    odd.push_back({key, "Tab", Sz("a\tb")});
    odd.push_back({key, "Short dword", RegValue{regtype::Dword, {1, 2, 3}}});
    odd.push_back({key, "Long dword", RegValue{regtype::Dword, {1, 2, 3, 4, 5}}});
    odd.push_back({key, "Binary", RegValue{3, {0x00, 0xff, 0x10}}});
    odd.push_back({key, "Empty binary", RegValue{3, {}}});
    odd.push_back({key, "None", RegValue{regtype::None, {7}}});
    odd.push_back({key, "Expand", RegValue{2, {'%', 'x', '%', 0}}});
    odd.push_back({key, "Multi", RegValue{7, {'a', 0, 'b', 0, 0}}});
    odd.push_back({key, "Big endian", RegValue{5, {0, 0, 5, 0xdc}}});
    odd.push_back({key, "Qword", RegValue{11, {1, 2, 3, 4, 5, 6, 7, 8}}});
    odd.push_back({key, "Type 0x12345", RegValue{0x12345, {9}}});
    odd.push_back({key, "Quote \" and \\", Dword(0xffffffff)});
    odd.push_back({key, "Mtu", Dword(1492)});
    std::vector<std::uint8_t> long_(300);
    for (std::size_t i = 0; i < long_.size(); ++i) long_[i] = static_cast<std::uint8_t>(i);
    odd.push_back({key, "Long binary", RegValue{3, long_}});
    odd.push_back({key + "\\Sub key", "", Sz("default")});
    odd.push_back({key + "\\Sub key", "", std::nullopt});
    return odd;
}

void ExpectSame(const std::vector<RegFileEntry>& expected, const std::vector<RegFileEntry>& got) {
    ASSERT_EQ(expected.size(), got.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].ValueName);
        EXPECT_EQ(expected[i].Key, got[i].Key);
        EXPECT_EQ(expected[i].ValueName, got[i].ValueName);
        ASSERT_EQ(expected[i].Value.has_value(), got[i].Value.has_value());
        if (!expected[i].Value) continue;
        EXPECT_EQ(expected[i].Value->type, got[i].Value->type);
        EXPECT_EQ(expected[i].Value->data, got[i].Value->data);
    }
}

TEST(RegFile, OddValuesComeBackWithTheirTypeAndBytesInBothForms) {
    for (RegFileFlavour flavour : {RegFileFlavour::Regedit4, RegFileFlavour::Version5}) {
        RegFileContents contents;
        contents.Flavour = flavour;
        contents.Comments = {"Changed: 1", "", "Settings: none"};
        contents.Entries = OddValues();
        const std::string text = Formatted(contents);
        const auto back = ParseRegFile(text);
        ASSERT_TRUE(back.Ok()) << back.Error().Line << ": " << back.Error().Reason;
        EXPECT_EQ(flavour, back.Value().Flavour);
        EXPECT_EQ(contents.Comments, back.Value().Comments);
        ExpectSame(contents.Entries, back.Value().Entries);
    }
}

TEST(RegFile, DataTheEditorCannotTakeAsTextIsWrittenAsHexOfItsType) {
    RegFileContents contents;
    contents.Flavour = RegFileFlavour::Regedit4;
    contents.Entries = {{"K", "a", RegValue{regtype::Sz, {'3', '2'}}},
                        {"K", "b", RegValue{3, {0xab}}},
                        {"K", "c", RegValue{11, {1}}},
                        {"K", "d", RegValue{regtype::Dword, {1}}}};
    const std::string text = Formatted(contents);
    EXPECT_NE(std::string::npos, text.find("\"a\"=hex(1):33,32\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("\"b\"=hex:ab\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("\"c\"=hex(b):01\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("\"d\"=hex(4):01\r\n")) << text;

    // The NT editor keeps text types as UTF-16: their hex is of that form.
    contents.Flavour = RegFileFlavour::Version5;
    contents.Entries = {{"K", "a", RegValue{regtype::Sz, {'3', '2'}}}};
    EXPECT_EQ(Utf16("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\K]\r\n"
                    "\"a\"=hex(1):33,00,32,00\r\n\r\n"),
              Formatted(contents));
}

TEST(RegFile, LongHexDataIsBrokenIntoLinesTheEditorJoins) {
    RegFileContents contents;
    contents.Flavour = RegFileFlavour::Regedit4;
    contents.Entries = {{"K", "Long", RegValue{3, std::vector<std::uint8_t>(100, 0x5a)}}};
    const std::string text = Formatted(contents);
    std::size_t start = 0;
    int continued = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 80u) << line;
        if (!line.empty() && line.back() == '\\') {
            ++continued;
            EXPECT_EQ(',', line[line.size() - 2]) << "a break after a comma";
        }
        start = end + 2;
    }
    EXPECT_GE(continued, 3);
}

TEST(RegFile, NamesAndTextThatWouldNotComeBackUnchangedAreRefused) {
    RegFileContents contents;
    contents.Flavour = RegFileFlavour::Version5;
    contents.Entries = {{Tcpip, "Caf\xE9", Dword(1)}};
    auto text = FormatRegFile(contents);
    ASSERT_FALSE(text.Ok());
    EXPECT_NE(std::string::npos, text.Error().Reason.find(Tcpip + " value Caf")) << text.Error().Reason;

    contents.Entries = {{"Bad\nKey", "x", Dword(1)}};
    EXPECT_FALSE(FormatRegFile(contents).Ok());
    contents.Entries = {{"", "x", Dword(1)}};
    EXPECT_FALSE(FormatRegFile(contents).Ok());

    // ANSI text beyond ASCII: exact in the 9x form, whose registry keeps
    // ANSI; the NT editor would store it converted.
    contents.Entries = {{"K", "x", Sz("Caf\xE9")}};
    text = FormatRegFile(contents);
    ASSERT_FALSE(text.Ok());
    EXPECT_NE(std::string::npos, text.Error().Reason.find("outside ASCII"));
    contents.Flavour = RegFileFlavour::Regedit4;
    text = FormatRegFile(contents);
    ASSERT_TRUE(text.Ok());
    const auto back = ParseRegFile(text.Value());
    ASSERT_TRUE(back.Ok());
    EXPECT_EQ(Sz("Caf\xE9").data, back.Value().Entries.at(0).Value->data);
}

TEST(RegFile, TheReaderRefusesWhatTheWriterDoesNotWriteAndSaysWhere) {
    const std::string head = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\K]\r\n";
    struct Case {
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"", 1},
        {"REGEDIT5\r\n", 1},
        {Utf16("REGEDIT4\r\n"), 1},                                 // the 9x form is ANSI
        {"Windows Registry Editor Version 5.00\r\n", 1},            // the NT form is UTF-16
        {"REGEDIT4\r\n\r\n\"x\"=dword:00000001\r\n", 3},            // a value before any key
        {"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n", 3},
        {"REGEDIT4\r\n\r\n[-HKEY_LOCAL_MACHINE\\K]\r\n", 3},
        {head + "\"x\"=dword:1\r\n", 4},
        {head + "\"x\"=dword:0000000g\r\n", 4},
        {head + "\"x\"=\"open\r\n", 4},
        {head + "\"x\"=\"a\\nb\"\r\n", 4},
        {head + "\"x\"=hex(1):3\r\n", 4},
        {head + "\"x\"=hex(1):33,\r\n", 4},
        {head + "\"x\"=hex(q):33\r\n", 4},
        {head + "\"x\"=hex:33,\\\r\n", 4},
        {head + "x=dword:00000001\r\n", 4},
        {head + "\"x\"=-1\r\n", 4},
        {head + "\"x\"=str:\"a\"\r\n", 4},
        {head + "\"x\"=dword:00000001\r\n; late comment\r\n", 5},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseRegFile(c.text);
        ASSERT_FALSE(parsed.Ok()) << c.text;
        EXPECT_EQ(c.line, parsed.Error().Line) << c.text;
        EXPECT_FALSE(parsed.Error().Reason.empty());
    }
    // Text with characters outside ASCII, in the NT form.
    std::string wide = Utf16("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\K]\r\n");
    wide += std::string("\xE9\0", 2);
    EXPECT_FALSE(ParseRegFile(wide).Ok());
    EXPECT_FALSE(ParseRegFile(Utf16("Windows Registry Editor Version 5.00\r\n\r\n"
                                    "[HKEY_LOCAL_MACHINE\\K]\r\n\"x\"=hex(1):e9,00\r\n"))
                     .Ok());
}

}  // namespace
}  // namespace quintel
