// The registry files Quintel writes, imported by the system's own registry
// editor: every value must come back with its type and bytes.
#include <gtest/gtest.h>

#include "core/tuning/RegFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32Services.h"
#include "wine/WineHelpers.h"

namespace quintel::wine {
namespace {

const std::string Key = "SYSTEM\\QuintelRegFileTest";

struct Sample {
    std::string key;
    std::string name;
    std::optional<quintel::RegValue> value;
};

quintel::RegValue Bytes(std::uint32_t type, std::vector<std::uint8_t> data) {
    return quintel::RegValue{type, std::move(data)};
}

quintel::RegValue Text(const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return quintel::RegValue{REG_SZ, data};
}

// What a machine may hold where Quintel writes: its own kinds of values,
// a text where a number goes, values that are not there, and kinds it
// never writes.
std::vector<Sample> Samples(bool nt) {
    std::vector<Sample> samples = {
        {Key, "Mtu", Bytes(REG_DWORD, {0xd4, 0x05, 0, 0})},  // 1492
        {Key, "DefaultTTL", Text("64")},
        {Key, "Path", Text("C:\\Program Files\\\"quoted\"")},
        {Key, "Empty", Text("")},
        {Key, "Absent", std::nullopt},
        {Key, "Binary", Bytes(REG_BINARY, {0, 0xff, 0x80, 1})},
        {Key, "Short dword", Bytes(REG_DWORD, {7, 0})},
        {Key, "Qword", Bytes(11, {1, 2, 3, 4, 5, 6, 7, 8})},
        {Key, "Expand", Bytes(REG_EXPAND_SZ, {'%', 'S', '%', 0})},
        {Key, "Multi", Bytes(REG_MULTI_SZ, {'a', 0, 'b', 'c', 0, 0})},
        {Key + "\\Ndi", "", Bytes(REG_DWORD, {0, 0, 0, 0})},
    };
    if (nt) {
        // Text that is not one clean line goes as hex of its UTF-16 form,
        // which only the NT form can say for the ANSI calls to read back.
        // (A text without its NUL is left out: Wine's editor adds one to
        // hex text where Windows' stores the bytes as they stand; /undo
        // puts it back exactly, which the host tests check.)
        samples.push_back({Key, "Line break", Text("one\r\ntwo")});
        samples.push_back({Key, "Inner NUL", Bytes(REG_SZ, {'1', 0, '5', 0})});
    }
    return samples;
}

class RegFileImport : public ::testing::TestWithParam<RegFileFlavour> {
protected:
    void TearDown() override { DeleteKeyTree(HKEY_LOCAL_MACHINE, Key); }

    void Put(const Sample& sample) {
        auto key = registry_.CreateKey(RegRoot::LocalMachine, sample.key, KEY_ALL_ACCESS);
        ASSERT_TRUE(key.Ok()) << sample.key;
        if (sample.value) {
            EXPECT_TRUE(registry_.SetValue(key.Value(), sample.name, sample.value->type,
                                           sample.value->data)
                            .Ok())
                << sample.name;
        } else {
            (void)registry_.DeleteValue(key.Value(), sample.name);
        }
        (void)registry_.CloseKey(key.Value());
    }

    std::optional<quintel::RegValue> Get(const Sample& sample) {
        auto key = registry_.OpenKeyEx(RegRoot::LocalMachine, sample.key, KEY_QUERY_VALUE);
        if (!key) return std::nullopt;
        auto value = registry_.QueryValue(key.Value(), sample.name, 4096);
        (void)registry_.CloseKey(key.Value());
        if (!value) return std::nullopt;
        return value.Value();
    }

    // Runs the system's editor silently on `file`; it says nothing either
    // way, so the caller checks the values.
    void Import(const std::string& file) {
        win32::Win32Launcher launcher;
        const std::string regedit = launcher.SystemProgram("regedit.exe");
        ASSERT_FALSE(regedit.empty());
        const RunResult run = RunProgram(regedit, "/S \"" + file + "\"");
        ASSERT_EQ(0u, run.exitCode) << run.err;
    }

    win32::Win32Registry registry_;
};

TEST_P(RegFileImport, TheEditorPutsBackEveryValueWithItsTypeAndBytes) {
    const bool nt = GetParam() == RegFileFlavour::Version5;
    const std::vector<Sample> samples = Samples(nt);
    RegFileContents contents;
    contents.Flavour = GetParam();
    contents.Comments = {"Changed: 0"};
    // The record holds what the registry answers, as the program's is.
    std::vector<std::optional<quintel::RegValue>> before;
    for (const Sample& sample : samples) {
        Put(sample);
        before.push_back(Get(sample));
        contents.Entries.push_back({sample.key, sample.name, before.back()});
    }
    const auto text = FormatRegFile(contents);
    ASSERT_TRUE(text.Ok()) << text.Error().Reason;

    // Something else has been there since: other values, other types.
    for (const Sample& sample : samples) Put({sample.key, sample.name, Text("changed")});

    ScratchFolder folder{"quintel regfile"};
    WriteTextFile(folder / "Undo.reg", text.Value());
    Import(folder / "Undo.reg");

    for (std::size_t i = 0; i < samples.size(); ++i) {
        SCOPED_TRACE(samples[i].name);
        ASSERT_EQ(samples[i].value.has_value(), before[i].has_value());
        const auto now = Get(samples[i]);
        ASSERT_EQ(before[i].has_value(), now.has_value());
        if (!now) continue;
        EXPECT_EQ(before[i]->type, now->type);
        EXPECT_EQ(before[i]->data, now->data);
    }
}

INSTANTIATE_TEST_SUITE_P(RegFileImport, RegFileImport,
                         ::testing::Values(RegFileFlavour::Regedit4, RegFileFlavour::Version5),
                         [](const auto& info) {
                             return std::string(info.param == RegFileFlavour::Regedit4
                                                    ? "Regedit4"
                                                    : "Version5");
                         });

}  // namespace
}  // namespace quintel::wine
