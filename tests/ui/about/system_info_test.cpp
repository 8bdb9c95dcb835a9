// Reading the registry (GetKeyValue) and starting the System Information tool (StartSysInfo,
// StartProgram), against real registry keys of the test's own under HKEY_CURRENT_USER.
#include "ui/about/system_info.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/app_paths.h"
#include "support/file_operations.h"
#include "tests/support/temp_directory.h"
#include "ui/about/registry_value.h"

namespace morvane {
namespace {

using namespace std::string_literals;
using testing::TempDirectory;

// A registry key of its own for one test, under HKEY_CURRENT_USER, made with its first value
// and deleted with its subkeys at the end.
struct TestRegistryKey {
    const std::wstring path;

    explicit TestRegistryKey(const std::wstring& name)
        : path(L"Software\\Morvane tests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" + name) {}
    ~TestRegistryKey() { RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()); }
    TestRegistryKey(const TestRegistryKey&) = delete;

    void SetRaw(const std::wstring& name, DWORD type, const void* data, std::size_t bytes) const {
        if (RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), type, data, static_cast<DWORD>(bytes)))
            throw std::runtime_error("cannot set a test registry value");
    }
    // A REG_SZ value with its terminating zero.
    void SetString(const std::wstring& name, const std::wstring& text) const {
        SetRaw(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
};

TEST(GetKeyValue, ReadsStringsAndNumbersLeavesOtherTypesAndRefusesWhatItCannotRead) {
    const TestRegistryKey key{L"values"};
    key.SetString(L"with", L"C:\\Tools\\info.exe");
    key.SetRaw(L"without", REG_SZ, L"C:\\Tools\\info.exe", 17 * sizeof(wchar_t));  // no terminating zero
    key.SetString(L"two zeros", L"abc\0"s);  // only one terminating zero is dropped
    key.SetString(L"fits", std::wstring(1023, L'p'));
    key.SetString(L"too long", std::wstring(1024, L'r'));
    const DWORD number = 0x12345678;
    key.SetRaw(L"number", REG_DWORD, &number, sizeof number);
    // Other types are left as they are (REG_EXPAND_SZ: the StartSysInfo test below).
    const wchar_t list[] = L"a\0b\0";
    key.SetRaw(L"list", REG_MULTI_SZ, list, sizeof list);
    key.SetRaw(L"one byte", REG_SZ, "x", 1);  // less than one character
    key.SetRaw(L"empty", REG_SZ, nullptr, 0);

    // Key (the test's unless given), value name, whether found, the value then.
    const std::tuple<std::wstring, std::wstring, bool, std::wstring> cases[] = {
        {key.path + L"\\missing", L"PATH", false, L""}, {L"", L"PATH", false, L""},
        {L"", L"with", true, L"C:\\Tools\\info.exe"}, {L"", L"without", true, L"C:\\Tools\\info.exe"},
        {L"", L"two zeros", true, L"abc\0"s}, {L"", L"fits", true, std::wstring(1023, L'p')},
        {L"", L"too long", false, L""}, {L"", L"number", true, L"305419896"}, {L"", L"list", true, L"as passed"},
        {L"", L"one byte", true, L""}};
    for (const auto& [keyPath, name, found, expected] : cases) {
        std::wstring value = L"as passed";
        EXPECT_EQ(GetKeyValue(HKEY_CURRENT_USER, keyPath.empty() ? key.path : keyPath, name, value), found) << name;
        EXPECT_EQ(value, expected) << name;
    }
    std::wstring value;
    EXPECT_THROW(GetKeyValue(HKEY_CURRENT_USER, key.path, L"empty", value), EmptyRegistryValue);
}

// Each step adds to the entries of the one before; StartSysInfo must start exactly the
// programs given, then tell the one message for every failure when `told`.
TEST(StartSysInfo, StartsTheToolThroughEitherEntryAndTellsOfEveryFailure) {
    const TestRegistryKey pathEntry{L"MSINFO"}, directoryEntry{L"Shared Tools Location"};
    const TempDirectory dir;
    bool startSucceeds = true;
    std::vector<std::wstring> started, told;
    SysInfoEnvironment environment;
    environment.root = HKEY_CURRENT_USER;
    environment.pathKey = pathEntry.path;
    environment.directoryKey = directoryEntry.path;
    environment.start = [&](const std::wstring& program) {
        started.push_back(program);
        return startSucceeds;
    };
    environment.tell = [&](const std::wstring& text, const std::wstring& title, UINT style) {
        told.push_back(text + L"|" + title + L"|" + std::to_wstring(style));
    };
    const auto expect = [&](const char* situation, const std::vector<std::wstring>& programs, bool isTold) {
        started.clear();
        told.clear();
        StartSysInfo(environment);
        EXPECT_EQ(started, programs) << situation;
        EXPECT_EQ(told, std::vector<std::wstring>(isTold, L"System Information Is Unavailable At This Time|Morvane|0"))
            << situation;
    };
    expect("neither entry", {}, true);
    directoryEntry.SetString(L"MSINFO", dir.Path());
    expect("the second entry's directory without the tool", {}, true);
    dir.Write(L"MSINFO32.EXE", "MZ");
    expect("the second entry's directory with the tool", {dir / L"MSINFO32.EXE"}, false);
    pathEntry.SetRaw(L"PATH", REG_SZ, nullptr, 0);
    expect("a first entry with no data", {}, true);
    const wchar_t expandable[] = L"%SystemRoot%\\msinfo32.exe";
    pathEntry.SetRaw(L"PATH", REG_EXPAND_SZ, expandable, sizeof expandable);
    expect("a first entry of another type, which counts as found", {}, true);
    pathEntry.SetString(L"PATH", L"C:\\Nowhere\\Sys Info.exe");
    expect("a first entry, started as it stands without looking for it", {L"C:\\Nowhere\\Sys Info.exe"}, false);
    startSucceeds = false;
    expect("a first entry that cannot be started", {L"C:\\Nowhere\\Sys Info.exe"}, true);
    environment.start = [](const std::wstring&) -> bool { throw std::runtime_error("cannot start"); };
    expect("a starter that fails", {}, true);
}

// The shell recorder of the end-to-end tests stands in for the tool: it appends its command
// line, in UTF-8, to "<its path>.log".
TEST(StartProgram, StartsTheQuotedPathNotAProgramNamedByItsFirstWordAndRefusesWhatCannotStart) {
    const TempDirectory dir;
    dir.MakeDirectory(L"Sys Info");
    const std::wstring program = dir / L"Sys Info\\msinfo32.exe", decoy = dir / L"Sys.exe";  // decoy: unquoted
    for (const std::wstring& copy : {program, decoy})
        ASSERT_TRUE(CopyFileW((ApplicationDirectory() + L"\\shell_recorder.exe").c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(StartProgram(program));
    std::string log;
    for (int i = 0; i < 3000 && (log = testing::ReadFileBytes(program + L".log").value_or("")).empty(); ++i) Sleep(10);
    // The temporary directory's path is plain ASCII, as is the log then.
    EXPECT_EQ(log, "\"" + std::string(program.begin(), program.end()) + "\"\n") << "waited 30 s for the log";
    EXPECT_FALSE(FileExists(decoy + L".log"));
    EXPECT_FALSE(StartProgram(dir / L"missing.exe"));
}

}  // namespace
}  // namespace morvane
