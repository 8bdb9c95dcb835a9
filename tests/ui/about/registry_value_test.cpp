// GetKeyValue against real registry keys that each test makes under HKEY_CURRENT_USER.
#include "ui/about/registry_value.h"

#include <gtest/gtest.h>

#include "tests/ui/about/test_registry_key.h"

namespace morvane {
namespace {

using testing::TestRegistryKey;

class GetKeyValueTest : public ::testing::Test {
protected:
    bool Read(const std::wstring& valueName) { return GetKeyValue(HKEY_CURRENT_USER, key_.Path(), valueName, value_); }

    TestRegistryKey key_{L"values"};
    std::wstring value_ = L"as passed";
};

TEST_F(GetKeyValueTest, MissingKeyOrValueIsFalseAndEmpties) {
    EXPECT_FALSE(GetKeyValue(HKEY_CURRENT_USER, key_.Path() + L"\\missing", L"PATH", value_));
    EXPECT_EQ(value_, L"");
    value_ = L"as passed";
    EXPECT_FALSE(Read(L"PATH"));
    EXPECT_EQ(value_, L"");
}

TEST_F(GetKeyValueTest, StringLosesOnlyOneTerminatingZero) {
    key_.SetString(L"with", L"C:\\Tools\\info.exe");
    key_.SetString(L"without", L"C:\\Tools\\info.exe", false);
    key_.SetString(L"two zeros", std::wstring(L"abc\0", 4));
    ASSERT_TRUE(Read(L"with"));
    EXPECT_EQ(value_, L"C:\\Tools\\info.exe");
    ASSERT_TRUE(Read(L"without"));
    EXPECT_EQ(value_, L"C:\\Tools\\info.exe");
    ASSERT_TRUE(Read(L"two zeros"));
    EXPECT_EQ(value_, std::wstring(L"abc\0", 4));
}

TEST_F(GetKeyValueTest, StringsUpToTheBufferAreReadAndLongerOnesAreRefused) {
    const std::wstring longest(1023, L'p');
    key_.SetString(L"fits", longest);
    key_.SetString(L"too long", std::wstring(1024, L'r'));
    key_.SetString(L"far too long", std::wstring(5000, L's'));
    ASSERT_TRUE(Read(L"fits"));
    EXPECT_EQ(value_, longest);
    value_ = L"as passed";
    EXPECT_FALSE(Read(L"too long"));
    EXPECT_EQ(value_, L"");
    value_ = L"as passed";
    EXPECT_FALSE(Read(L"far too long"));
    EXPECT_EQ(value_, L"");
}

TEST_F(GetKeyValueTest, NumberBecomesItsDecimalText) {
    key_.SetNumber(L"number", 0x12345678);
    key_.SetNumber(L"zero", 0);
    ASSERT_TRUE(Read(L"number"));
    EXPECT_EQ(value_, L"305419896");
    ASSERT_TRUE(Read(L"zero"));
    EXPECT_EQ(value_, L"0");
}

TEST_F(GetKeyValueTest, OtherTypesAreFoundButLeaveTheValueAsPassed) {
    const wchar_t expandable[] = L"%SystemRoot%\\info.exe";
    const unsigned char bytes[] = {1, 2, 3};
    const wchar_t list[] = L"a\0b\0";
    key_.SetRaw(L"expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
    key_.SetRaw(L"binary", REG_BINARY, bytes, sizeof bytes);
    key_.SetRaw(L"list", REG_MULTI_SZ, list, sizeof list);
    for (const wchar_t* name : {L"expandable", L"binary", L"list"}) {
        value_ = L"as passed";
        EXPECT_TRUE(Read(name));
        EXPECT_EQ(value_, L"as passed");
    }
}

TEST_F(GetKeyValueTest, ValueWithNoDataIsAnError) {
    key_.SetRaw(L"empty", REG_SZ, nullptr, 0);
    EXPECT_THROW(Read(L"empty"), EmptyRegistryValue);
}

}  // namespace
}  // namespace morvane
