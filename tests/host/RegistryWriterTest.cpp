#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/tuning/RegFunctions.h"
#include "core/tuning/RegistryWriter.h"
#include "fakes/FakeRegistry.h"

namespace quintel {
namespace {

constexpr const char* Mstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* Inet9x = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const char* NetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr const char* Ndi = "System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
constexpr const char* Set001 = "SYSTEM\\ControlSet001\\Services\\tcpip\\parameters";
constexpr const char* Current = "SYSTEM\\CurrentControlSet\\Services\\tcpip\\parameters";
constexpr const char* InetNT = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const char* IfCurrent = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
constexpr const char* If001 = "SYSTEM\\ControlSet001\\Services\\Tcpip\\Parameters\\Interfaces";

const WindowsFamily Win98{family::Windows98, "Windows 98"};
const WindowsFamily WinXP{family::WindowsXP, "Windows XP"};

// "key|name|type|data" per operation, data "-" for a removal.
std::vector<std::string> Sequence(const RegistryReport& report) {
    std::vector<std::string> lines;
    for (const auto& op : report) {
        lines.push_back(op.Key + "|" + op.ValueName + "|" + std::to_string(op.Type) + "|" +
                        (op.Removed ? "-" : std::to_string(op.Value)));
    }
    return lines;
}

std::string Op(const std::string& key, const std::string& name, int type, const std::string& data) {
    return key + "|" + name + "|" + std::to_string(type) + "|" + data;
}

class Writer : public ::testing::Test {
protected:
    void SetUp() override { t.LoadPresets(); }
    RegistryReport Apply(const WindowsFamily& f) {
        RegistryReport r = ApplyTuningToRegistry(t.CurrentSettings, f, reg);
        EXPECT_EQ(0u, reg.OpenHandles()) << "every key is closed again";
        return r;
    }
    TuningState t;
    test::FakeRegistry reg;
};

TEST_F(Writer, The9xMapInOrderWithAnAdapterPairPerNetTransSubkey) {
    reg.AddKey(std::string(NetTrans) + "\\0001");
    reg.AddKey(std::string(NetTrans) + "\\0000");
    t.SelectOptimizationMode(mode::Automatic1);
    const std::string a0 = std::string(NetTrans) + "\\0000";
    const std::string a1 = std::string(NetTrans) + "\\0001";
    EXPECT_EQ((std::vector<std::string>{
                  Op(Mstcp, "DefaultRcvWindow", 4, "4288"),
                  Op(Mstcp, "DefaultTTL", 1, "128"),
                  Op(Mstcp, "SessionKeepAlive", 4, "600000"),
                  Op(Mstcp, "PMTUDiscovery", 4, "1"),
                  Op(Mstcp, "PMTUBlackHoleDetect", 4, "0"),
                  Op(Inet9x, "MaxConnectionsPer1_0Server", 4, "16"),
                  Op(Inet9x, "MaxConnectionsPerServer", 4, "8"),
                  Op(a0, "MaxMTU", 4, "576"),
                  Op(a0, "MaxMSS", 4, "536"),
                  Op(a1, "MaxMTU", 4, "576"),
                  Op(a1, "MaxMSS", 4, "536"),
                  Op(Ndi, "", 4, "0"),
              }),
              Sequence(Apply(Win98)));
    EXPECT_EQ("128", reg.GetSz(Mstcp, "DefaultTTL"));
    EXPECT_EQ(536u, reg.GetDword(a1, "MaxMSS"));
}

TEST_F(Writer, Automatic3On98RemovesTheReceiveWindowAndEveryAdapterMtu) {
    const std::string a0 = std::string(NetTrans) + "\\0000";
    reg.PutDword(Mstcp, "DefaultRcvWindow", 8192);
    reg.PutDword(a0, "MaxMTU", 1500);
    reg.PutDword(a0, "MaxMSS", 1460);
    t.SelectOptimizationMode(mode::Automatic3);
    const RegistryReport report = Apply(Win98);
    EXPECT_FALSE(reg.Get(Mstcp, "DefaultRcvWindow"));
    EXPECT_FALSE(reg.Get(a0, "MaxMTU"));
    EXPECT_FALSE(reg.Get(a0, "MaxMSS"));
    EXPECT_EQ("128", reg.GetSz(Mstcp, "DefaultTTL"));
    EXPECT_EQ(nullptr, FirstFailure(report));
}

TEST_F(Writer, RemovingValuesThatAreNotThereIsNoFailure) {
    reg.AddKey(std::string(NetTrans) + "\\0000");
    t.SelectOptimizationMode(mode::Automatic3);
    const RegistryReport report = Apply(Win98);
    EXPECT_EQ(nullptr, FirstFailure(report));
    EXPECT_EQ("DefaultRcvWindow", report[0].ValueName);
    EXPECT_EQ(regcode::FileNotFound, report[0].Result);
    EXPECT_TRUE(report[0].Removed);
}

TEST_F(Writer, TheNTMapInOrderWithBothControlSetsAndBothKeyForms) {
    reg.AddKey(std::string(IfCurrent) + "\\{AAA}");
    reg.AddKey(std::string(If001) + "\\{AAA}");
    reg.AddKey(std::string(If001) + "\\{BBB}");
    t.SelectOptimizationMode(mode::Automatic1);
    EXPECT_EQ((std::vector<std::string>{
                  Op(Set001, "GlobalMaxTcpWindowSize", 4, "4288"),
                  Op(Set001, "TcpWindowSize", 4, "4288"),
                  Op(Current, "GlobalMaxTcpWindowSize", 4, "4288"),
                  Op(Current, "TcpWindowSize", 4, "4288"),
                  Op(Set001, "DefaultTTL", 4, "128"),
                  Op(Current, "DefaultTTL", 4, "128"),
                  Op(Set001, "KeepAliveTime", 4, "600000"),
                  Op(Current, "KeepAliveTime", 4, "600000"),
                  Op(Set001, "EnablePMTUDiscovery", 4, "1"),
                  Op(Current, "EnablePMTUDiscovery", 4, "1"),
                  Op(Set001, "EnablePMTUBHDetect", 4, "0"),
                  Op(Current, "EnablePMTUBHDetect", 4, "0"),
                  Op(InetNT, "MaxConnectionsPer1_0Server", 4, "16"),
                  Op(InetNT, "MaxConnectionsPerServer", 4, "8"),
                  Op(std::string(IfCurrent) + "\\{AAA}", "MTU", 4, "576"),
                  Op("SYSTEM\\CurrentControlSet\\Services\\{AAA}\\Parameters\\Tcpip", "MTU", 4, "576"),
                  Op(std::string(If001) + "\\{AAA}", "MTU", 4, "576"),
                  Op("SYSTEM\\ControlSet001\\Services\\{AAA}\\Parameters\\Tcpip", "MTU", 4, "576"),
                  Op(std::string(If001) + "\\{BBB}", "MTU", 4, "576"),
                  Op("SYSTEM\\ControlSet001\\Services\\{BBB}\\Parameters\\Tcpip", "MTU", 4, "576"),
                  Op(Ndi, "", 4, "0"),
              }),
              Sequence(Apply(WinXP)));
    // The service-form key is created when it did not exist.
    EXPECT_EQ(576u, reg.GetDword("SYSTEM\\ControlSet001\\Services\\{BBB}\\Parameters\\Tcpip", "MTU"));
    EXPECT_EQ(4288u, reg.GetDword(Current, "TcpWindowSize"));
}

TEST_F(Writer, Automatic2OnXPRemovesTheFourWindowValuesAndWritesTheMtu) {
    reg.AddKey(std::string(IfCurrent) + "\\{AAA}");
    for (const char* key : {Set001, Current}) {
        reg.PutDword(key, "GlobalMaxTcpWindowSize", 1);
        reg.PutDword(key, "TcpWindowSize", 1);
    }
    t.SelectOptimizationMode(mode::Automatic2);
    Apply(WinXP);
    for (const char* key : {Set001, Current}) {
        EXPECT_FALSE(reg.Get(key, "GlobalMaxTcpWindowSize"));
        EXPECT_FALSE(reg.Get(key, "TcpWindowSize"));
    }
    EXPECT_EQ(576u, reg.GetDword(std::string(IfCurrent) + "\\{AAA}", "MTU"));
}

TEST_F(Writer, WithoutListKeysTheOtherValuesAndTheNdiCacheAreStillWritten) {
    t.SelectOptimizationMode(mode::Manual);
    const RegistryReport r98 = Apply(Win98);
    ASSERT_EQ(8u, r98.size());
    EXPECT_EQ(Ndi, r98.back().Key);
    const RegistryReport rxp = Apply(WinXP);
    ASSERT_EQ(15u, rxp.size());
    EXPECT_EQ(Ndi, rxp.back().Key);
    EXPECT_EQ(0u, reg.GetDword(Ndi, ""));
    EXPECT_FALSE(reg.HasKey(IfCurrent)) << "the list keys are only opened, never created";
}

TEST_F(Writer, MaxMssIsMtuLessForty) {
    reg.AddKey(std::string(NetTrans) + "\\0000");
    t.SelectOptimizationMode(mode::Manual);  // MTU 1500
    Apply(Win98);
    EXPECT_EQ(1500u, reg.GetDword(std::string(NetTrans) + "\\0000", "MaxMTU"));
    EXPECT_EQ(1460u, reg.GetDword(std::string(NetTrans) + "\\0000", "MaxMSS"));
}

TEST_F(Writer, BooleansBecomeOneAndZeroAndAreNeverRemoved) {
    t.SelectOptimizationMode(mode::Manual);
    t.CurrentSettings.PMTU = false;
    t.CurrentSettings.BlackHole = true;
    Apply(WinXP);
    EXPECT_EQ(0u, reg.GetDword(Current, "EnablePMTUDiscovery"));
    EXPECT_EQ(1u, reg.GetDword(Set001, "EnablePMTUBHDetect"));
    Apply(Win98);
    EXPECT_EQ(0u, reg.GetDword(Mstcp, "PMTUDiscovery"));
    EXPECT_EQ(1u, reg.GetDword(Mstcp, "PMTUBlackHoleDetect"));
}

TEST_F(Writer, TtlIsTextOn9xAndANumberOnNT) {
    t.SelectOptimizationMode(mode::Manual);
    Apply(Win98);
    EXPECT_EQ(regtype::Sz, reg.Get(Mstcp, "DefaultTTL")->type);
    EXPECT_EQ((std::vector<std::uint8_t>{'3', '2', 0}), reg.Get(Mstcp, "DefaultTTL")->data);
    Apply(WinXP);
    EXPECT_EQ(32u, reg.GetDword(Current, "DefaultTTL"));
}

TEST_F(Writer, FamilyCodesOutsideOneToFourteenWriteNothing) {
    t.SelectOptimizationMode(mode::Manual);
    for (std::int16_t code : {0, 15, -1, 100}) {
        EXPECT_TRUE(Apply(WindowsFamily{code, ""}).empty()) << code;
    }
    EXPECT_TRUE(reg.Calls().empty());
}

TEST_F(Writer, EveryNTReleaseAfterXPTakesTheNTMap) {
    t.SelectOptimizationMode(mode::Manual);
    const RegistryReport xp = Apply(WinXP);
    for (std::int16_t code = family::WindowsServer2003; code <= family::NewerNT; ++code) {
        const RegistryReport report = Apply(WindowsFamily{code, ""});
        ASSERT_EQ(xp.size(), report.size()) << code;
        for (std::size_t i = 0; i < xp.size(); ++i) {
            EXPECT_EQ(xp[i].Key, report[i].Key) << code;
            EXPECT_EQ(xp[i].ValueName, report[i].ValueName) << code;
        }
    }
}

TEST_F(Writer, AnMtuNearTheLeast32BitNumberGivesAnMssWithoutOverflow) {
    reg.AddKey(std::string(NetTrans) + "\\0000");
    t.SelectOptimizationMode(mode::Manual);
    for (std::int32_t mtu : {std::numeric_limits<std::int32_t>::min(),
                             std::numeric_limits<std::int32_t>::min() + 39}) {
        t.CurrentSettings.MTU = mtu;
        const RegistryReport report = Apply(Win98);
        const auto mss = std::find_if(report.begin(), report.end(),
                                      [](const RegistryOperation& op) { return op.ValueName == "MaxMSS"; });
        ASSERT_NE(report.end(), mss);
        EXPECT_EQ(std::numeric_limits<std::int32_t>::min(), mss->Value) << mtu;
    }
}

TEST_F(Writer, AnUnrecognisedWindowsTakesThe9xMap) {
    t.SelectOptimizationMode(mode::Manual);
    const RegistryReport report = Apply(WindowsFamily{family::Windows32, "Windows 32"});
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(Mstcp, report.front().Key);
}

TEST_F(Writer, EveryKeyIsCreatedWithTheWriterAccessMask) {
    t.SelectOptimizationMode(mode::Manual);
    Apply(WinXP);
    ASSERT_FALSE(reg.CreateAccess().empty());
    for (std::uint32_t access : reg.CreateAccess()) EXPECT_EQ(0x3Fu, access);
}

TEST_F(Writer, AKeyThatCannotBeCreatedIsSkippedAndTheRestIsWritten) {
    reg.DenyKey(InetNT);
    t.SelectOptimizationMode(mode::Manual);
    const RegistryReport report = Apply(WinXP);
    ASSERT_EQ(15u, report.size());
    const RegistryOperation* failure = FirstFailure(report);
    ASSERT_NE(nullptr, failure);
    EXPECT_EQ(InetNT, failure->Key);
    EXPECT_EQ("MaxConnectionsPer1_0Server", failure->ValueName);
    EXPECT_EQ(regcode::AccessDenied, failure->Result);
    EXPECT_EQ(0u, reg.GetDword(Ndi, ""));
    // Nothing is set through a key that was never opened.
    for (const std::string& call : reg.Calls()) {
        EXPECT_EQ(std::string::npos, call.find("SetValue HKLM\\" + std::string(InetNT))) << call;
    }
}

TEST_F(Writer, AValueThatCannotBeWrittenIsReportedAndTheSequenceGoesOn) {
    reg.FailValue(Current, "DefaultTTL", regcode::AccessDenied);
    t.SelectOptimizationMode(mode::Manual);
    const RegistryReport report = Apply(WinXP);
    const RegistryOperation* failure = FirstFailure(report);
    ASSERT_NE(nullptr, failure);
    EXPECT_EQ("DefaultTTL", failure->ValueName);
    EXPECT_EQ(Current, failure->Key);
    EXPECT_EQ(3600000u, reg.GetDword(Current, "KeepAliveTime"));
}

TEST_F(Writer, ListKeysAreEnumeredFromIndexZeroUntilNoMoreItems) {
    reg.AddKey(std::string(NetTrans) + "\\0000");
    t.SelectOptimizationMode(mode::Manual);
    Apply(Win98);
    std::vector<std::string> enums;
    for (const std::string& c : reg.Calls()) {
        if (c.rfind("EnumKey", 0) == 0 || c.rfind("OpenKey", 0) == 0) enums.push_back(c);
    }
    EXPECT_EQ((std::vector<std::string>{"OpenKey HKLM\\" + std::string(NetTrans),
                                        "EnumKey HKLM\\" + std::string(NetTrans) + " 0",
                                        "EnumKey HKLM\\" + std::string(NetTrans) + " 1"}),
              enums);
}

// The keys the writer created (opened), in order.
std::vector<std::string> CreatedKeys(const test::FakeRegistry& reg) {
    std::vector<std::string> keys;
    for (const std::string& c : reg.Calls())
        if (c.rfind("CreateKey HKLM\\", 0) == 0) keys.push_back(c.substr(std::string("CreateKey HKLM\\").size()));
    return keys;
}

TEST_F(Writer, AKeyWrittenSeveralTimesInARowIsOpenedOnceForThoseValues) {
    reg.AddKey(std::string(NetTrans) + "\\0000");
    reg.AddKey(std::string(NetTrans) + "\\0001");
    t.SelectOptimizationMode(mode::Manual);
    const RegistryReport report = Apply(Win98);
    EXPECT_EQ(12u, report.size());
    EXPECT_EQ((std::vector<std::string>{Mstcp, Inet9x, std::string(NetTrans) + "\\0000",
                                        std::string(NetTrans) + "\\0001", Ndi}),
              CreatedKeys(reg));
    EXPECT_EQ(nullptr, FirstFailure(report));

    // The NT map goes back and forth between the two control sets: a key
    // comes open again each time it comes back.
    test::FakeRegistry nt;
    nt.AddKey(std::string(IfCurrent) + "\\{A}");
    const RegistryReport ntReport = ApplyTuningToRegistry(t.CurrentSettings, WinXP, nt);
    EXPECT_EQ(0u, nt.OpenHandles());
    EXPECT_EQ(17u, ntReport.size());
    EXPECT_EQ((std::vector<std::string>{Set001, Current, Set001, Current, Set001, Current, Set001,
                                        Current, Set001, Current, InetNT,
                                        std::string(IfCurrent) + "\\{A}",
                                        "SYSTEM\\CurrentControlSet\\Services\\{A}\\Parameters\\Tcpip", Ndi}),
              CreatedKeys(nt));
}

TEST_F(Writer, EveryValueOfAKeyHeldOpenIsWrittenThroughItAndClosedBeforeTheNextKey) {
    t.SelectOptimizationMode(mode::Manual);
    Apply(Win98);
    std::vector<std::string> calls;
    for (const std::string& c : reg.Calls())
        if (c.find(Mstcp) != std::string::npos || c.rfind("CloseKey", 0) == 0) {
            const std::string call = c.substr(0, c.find(' '));
            calls.push_back(call == "SetValue" || call == "DeleteValue" ? "write" : call);
        }
    // Opened, its five values, closed; then the other keys' own closes.
    ASSERT_GE(calls.size(), 7u);
    EXPECT_EQ((std::vector<std::string>{"CreateKey", "write", "write", "write", "write", "write", "CloseKey"}),
              std::vector<std::string>(calls.begin(), calls.begin() + 7));
}

TEST_F(Writer, AHeldKeyThatCannotBeOpenedFailsEachOfItsValuesAndTheNextKeysAreWritten) {
    reg.DenyKey(Mstcp);
    t.SelectOptimizationMode(mode::Manual);
    const RegistryReport report = Apply(Win98);
    ASSERT_EQ(8u, report.size());
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(Mstcp, report[i].Key);
        EXPECT_EQ(regcode::AccessDenied, report[i].Result) << report[i].ValueName;
    }
    EXPECT_TRUE(report[5].Succeeded());
    EXPECT_TRUE(reg.GetDword(Inet9x, "MaxConnectionsPerServer").has_value());
    EXPECT_FALSE(reg.Get(Mstcp, "SessionKeepAlive"));
}

TEST(WriteRegistryValue, AnUnknownTypeWritesNothingButOpensAndClosesTheKey) {
    test::FakeRegistry reg;
    EXPECT_EQ(0, WriteRegistryValue(reg, RegRoot::LocalMachine, "X\\Y", "v", 3, 5, false));
    EXPECT_FALSE(reg.Get("X\\Y", "v"));
    EXPECT_TRUE(reg.HasKey("X\\Y"));
    EXPECT_EQ(0u, reg.OpenHandles());
}

TEST(WriteRegistryValue, DwordsAreLittleEndianAndNegativeValuesKeepTheirBits) {
    test::FakeRegistry reg;
    WriteRegistryValue(reg, RegRoot::LocalMachine, "K", "v", regtype::Dword, -41, false);
    EXPECT_EQ((std::vector<std::uint8_t>{0xD7, 0xFF, 0xFF, 0xFF}), reg.Get("K", "v")->data);
    WriteRegistryValue(reg, RegRoot::LocalMachine, "K", "w", regtype::Dword, 0x01020304, false);
    EXPECT_EQ((std::vector<std::uint8_t>{4, 3, 2, 1}), reg.Get("K", "w")->data);
}

TEST(BooleanToFlag, TrueIsOneFalseIsZero) {
    EXPECT_EQ(1, BooleanToFlag(true));
    EXPECT_EQ(0, BooleanToFlag(false));
}

}  // namespace
}  // namespace quintel
