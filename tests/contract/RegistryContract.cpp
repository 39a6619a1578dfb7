#include <gtest/gtest.h>

#include "contract/Contract.h"

namespace quintel::contract {
namespace {

std::vector<std::uint8_t> Sz(const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

std::vector<std::uint8_t> Dword(std::uint32_t v) {
    return {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
}

class RegistryContract : public ::testing::Test {
protected:
    void SetUp() override {
        target_ = MakeRegistryTarget();
        base_ = target_->scratchKey();
    }
    void TearDown() override {
        for (RegKey key : open_) EXPECT_EQ(regcode::Success, reg().CloseKey(key).Code());
        target_.reset();
    }

    Registry& reg() { return target_->registry(); }

    RegKey Create(const std::string& path) {
        const Result<RegKey> key = reg().CreateKey(RegRoot::LocalMachine, path, 0x3F);
        EXPECT_EQ(regcode::Success, key.Code()) << path;
        if (!key) return 0;
        open_.push_back(key.Value());
        return key.Value();
    }

    long Open(const std::string& path, RegKey& key) {
        const Result<RegKey> opened = reg().OpenKey(RegRoot::LocalMachine, path);
        key = opened ? opened.Value() : 0;
        if (opened) open_.push_back(key);
        return opened.Code();
    }

    void Close(RegKey key) {
        EXPECT_EQ(regcode::Success, reg().CloseKey(key).Code());
        std::erase(open_, key);
    }

    long Query(RegKey key, const std::string& name, std::uint32_t& type,
               std::vector<std::uint8_t>& data, std::size_t capacity = 1024) {
        const Result<RegValue> value = reg().QueryValue(key, name, capacity);
        if (value) {
            type = value.Value().type;
            data = value.Value().data;
        } else {
            data.clear();
        }
        return value.Code();
    }

    std::unique_ptr<RegistryTarget> target_;
    std::string base_;
    std::vector<RegKey> open_;
};

TEST_F(RegistryContract, CreateMakesMissingParentsAndOpenFindsThem) {
    Close(Create(base_ + "\\a\\b\\c"));
    RegKey key = 0;
    EXPECT_EQ(regcode::Success, Open(base_ + "\\a\\b", key));
    EXPECT_EQ(regcode::Success, Open(base_ + "\\a\\b\\c", key));
}

TEST_F(RegistryContract, OpeningAMissingKeyAnswersFileNotFound) {
    RegKey key = 0;
    EXPECT_EQ(regcode::FileNotFound, Open(base_ + "\\missing", key));
    EXPECT_EQ(regcode::FileNotFound,
              reg().OpenKeyEx(RegRoot::LocalMachine, base_ + "\\missing", 0x2003F).Code());
}

TEST_F(RegistryContract, AFailureCarriesTheSystemsTextForItsCode) {
    const Result<RegKey> missing = reg().OpenKey(RegRoot::LocalMachine, base_ + "\\missing");
    ASSERT_FALSE(missing);
    EXPECT_EQ(reg().ErrorText(regcode::FileNotFound), missing.Error().Text);
    RegKey key = Create(base_ + "\\texts");
    const Result<RegValue> value = reg().QueryValue(key, "absent", 1024);
    ASSERT_FALSE(value);
    EXPECT_EQ(reg().ErrorText(regcode::FileNotFound), value.Error().Text);
}

TEST_F(RegistryContract, CreatingAnExistingKeyOpensIt) {
    RegKey first = Create(base_ + "\\k");
    ASSERT_EQ(regcode::Success, reg().SetValue(first, "v", regtype::Dword, Dword(7)).Code());
    RegKey again = Create(base_ + "\\k");
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(regcode::Success, Query(again, "v", type, data));
    EXPECT_EQ(Dword(7), data);
}

TEST_F(RegistryContract, StringAndDwordValuesReadBackByteForByte) {
    RegKey key = Create(base_ + "\\values");
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "DefaultTTL", regtype::Sz, Sz("128")).Code());
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "MTU", regtype::Dword, Dword(576)).Code());
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "Neg", regtype::Dword, Dword(0xFFFFFFD7u)).Code());

    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(regcode::Success, Query(key, "DefaultTTL", type, data));
    EXPECT_EQ(regtype::Sz, type);
    EXPECT_EQ(Sz("128"), data);
    ASSERT_EQ(regcode::Success, Query(key, "MTU", type, data));
    EXPECT_EQ(regtype::Dword, type);
    EXPECT_EQ(Dword(576), data);
    ASSERT_EQ(regcode::Success, Query(key, "Neg", type, data));
    EXPECT_EQ(Dword(0xFFFFFFD7u), data);
}

TEST_F(RegistryContract, EmptyNameIsTheDefaultValueAndDistinctFromNamedOnes) {
    RegKey key = Create(base_ + "\\cachesize");
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "", regtype::Dword, Dword(32)).Code());
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "other", regtype::Dword, Dword(1)).Code());
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(regcode::Success, Query(key, "", type, data));
    EXPECT_EQ(Dword(32), data);
}

TEST_F(RegistryContract, OverwritingAValueReplacesTypeAndData) {
    RegKey key = Create(base_ + "\\over");
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "v", regtype::Sz, Sz("a long text")).Code());
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "v", regtype::Dword, Dword(3)).Code());
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(regcode::Success, Query(key, "v", type, data));
    EXPECT_EQ(regtype::Dword, type);
    EXPECT_EQ(Dword(3), data);
}

TEST_F(RegistryContract, DeletingAValueThenDeletingItAgainAnswersFileNotFound) {
    RegKey key = Create(base_ + "\\del");
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "MaxMTU", regtype::Dword, Dword(1500)).Code());
    EXPECT_EQ(regcode::Success, reg().DeleteValue(key, "MaxMTU").Code());
    EXPECT_EQ(regcode::FileNotFound, reg().DeleteValue(key, "MaxMTU").Code());
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    EXPECT_EQ(regcode::FileNotFound, Query(key, "MaxMTU", type, data));
}

TEST_F(RegistryContract, KeyAndValueNamesIgnoreCase) {
    RegKey key = Create(base_ + "\\Tcpip\\Parameters");
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "TcpWindowSize", regtype::Dword, Dword(4288)).Code());
    RegKey other = 0;
    ASSERT_EQ(regcode::Success, Open(base_ + "\\TCPIP\\parameters", other));
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(regcode::Success, Query(other, "tcpwindowsize", type, data));
    EXPECT_EQ(Dword(4288), data);
}

TEST_F(RegistryContract, EnumerationListsSubkeysSortedWithoutCaseThenNoMoreItems) {
    for (const char* name : {"b", "A", "c", "{2E1F}", "0000"}) Close(Create(base_ + "\\list\\" + name));
    RegKey list = 0;
    ASSERT_EQ(regcode::Success, Open(base_ + "\\list", list));
    std::vector<std::string> names;
    std::uint32_t index = 0;
    for (Result<std::string> name = reg().EnumKey(list, index); name;
         name = reg().EnumKey(list, ++index)) {
        names.push_back(name.Value());
    }
    EXPECT_EQ((std::vector<std::string>{"0000", "A", "b", "c", "{2E1F}"}), names);
    EXPECT_EQ(regcode::NoMoreItems, reg().EnumKey(list, index).Code());
    EXPECT_EQ(regcode::NoMoreItems, reg().EnumKey(list, index + 5).Code());
}

TEST_F(RegistryContract, EnumeratingAKeyWithoutSubkeysEndsAtOnce) {
    RegKey key = Create(base_ + "\\empty");
    EXPECT_EQ(regcode::NoMoreItems, reg().EnumKey(key, 0).Code());
}

TEST_F(RegistryContract, AValueLargerThanTheBufferAnswersMoreData) {
    RegKey key = Create(base_ + "\\big");
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "v", regtype::Sz, Sz(std::string(40, 'x'))).Code());
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    EXPECT_EQ(regcode::MoreData, Query(key, "v", type, data, 16));
}

TEST_F(RegistryContract, AStringStoredWithoutTerminatorReadsBackWithoutIt) {
    RegKey key = Create(base_ + "\\noterm");
    const std::vector<std::uint8_t> bare = {'a', 'b', 'c'};
    ASSERT_EQ(regcode::Success, reg().SetValue(key, "v", regtype::Sz, bare).Code());
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(regcode::Success, Query(key, "v", type, data));
    ASSERT_GE(data.size(), 3u);
    EXPECT_EQ('a', data[0]);
    EXPECT_EQ('c', data[2]);
    // Windows may add a terminator on reading; it never drops characters.
    EXPECT_LE(data.size(), 4u);
}

}  // namespace
}  // namespace quintel::contract
