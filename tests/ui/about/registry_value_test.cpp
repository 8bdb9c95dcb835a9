// GetKeyValue against real registry keys that each test makes under HKEY_CURRENT_USER.
#include "ui/about/registry_value.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/ui/about/test_registry_key.h"

namespace morvane {
namespace {

using namespace std::string_literals;

TEST(GetKeyValue, ReadsStringsAndNumbersLeavesOtherTypesAndRefusesWhatItCannotRead) {
    const testing::TestRegistryKey key{L"values"};
    key.SetString(L"with", L"C:\\Tools\\info.exe");
    key.SetString(L"without", L"C:\\Tools\\info.exe", false);
    key.SetString(L"two zeros", L"abc\0"s);  // only one terminating zero is dropped
    key.SetString(L"fits", std::wstring(1023, L'p'));
    key.SetString(L"too long", std::wstring(1024, L'r'));
    const DWORD number = 0x12345678, zero = 0;
    key.SetRaw(L"number", REG_DWORD, &number, sizeof number);
    key.SetRaw(L"zero", REG_DWORD, &zero, sizeof zero);
    const wchar_t expandable[] = L"%SystemRoot%\\info.exe", list[] = L"a\0b\0";
    const unsigned char bytes[] = {1, 2, 3};
    key.SetRaw(L"expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
    key.SetRaw(L"binary", REG_BINARY, bytes, sizeof bytes);
    key.SetRaw(L"list", REG_MULTI_SZ, list, sizeof list);
    key.SetRaw(L"one byte", REG_SZ, "x", 1);  // less than one character

    const std::tuple<std::wstring, std::wstring, bool, std::wstring> cases[] = {
                 {key.Path() + L"\\missing", L"PATH", false, L""},
                 {key.Path(), L"PATH", false, L""},
                 {key.Path(), L"with", true, L"C:\\Tools\\info.exe"},
                 {key.Path(), L"without", true, L"C:\\Tools\\info.exe"},
                 {key.Path(), L"two zeros", true, L"abc\0"s},
                 {key.Path(), L"fits", true, std::wstring(1023, L'p')},
                 {key.Path(), L"too long", false, L""},
                 {key.Path(), L"number", true, L"305419896"},
                 {key.Path(), L"zero", true, L"0"},
                 {key.Path(), L"expandable", true, L"as passed"},
                 {key.Path(), L"binary", true, L"as passed"},
                 {key.Path(), L"list", true, L"as passed"},
                 {key.Path(), L"one byte", true, L""}};
    for (const auto& [keyPath, name, found, expected] : cases) {
        std::wstring value = L"as passed";
        EXPECT_EQ(GetKeyValue(HKEY_CURRENT_USER, keyPath, name, value), found) << keyPath << " " << name;
        EXPECT_EQ(value, expected) << keyPath << " " << name;
    }

    key.SetRaw(L"empty", REG_SZ, nullptr, 0);
    std::wstring value;
    EXPECT_THROW(GetKeyValue(HKEY_CURRENT_USER, key.Path(), L"empty", value), EmptyRegistryValue);
}

}  // namespace
}  // namespace morvane
