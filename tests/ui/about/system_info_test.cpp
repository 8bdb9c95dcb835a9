// StartSysInfo with test registry entries under HKEY_CURRENT_USER and a starter and message
// that are recorded; StartProgram with a real stand-in program.
#include "ui/about/system_info.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/app_paths.h"
#include "support/file_operations.h"
#include "tests/support/temp_directory.h"
#include "tests/ui/about/test_registry_key.h"

namespace morvane {
namespace {

using testing::TempDirectory;
using testing::TestRegistryKey;

struct Told {
    std::wstring text, title;
    UINT style;
};

class StartSysInfoTest : public ::testing::Test {
protected:
    StartSysInfoTest() {
        environment_.root = HKEY_CURRENT_USER;
        environment_.pathKey = pathEntry_.Path();
        environment_.directoryKey = directoryEntry_.Path();
        environment_.start = [this](const std::wstring& program) {
            started_.push_back(program);
            return startSucceeds_;
        };
        environment_.tell = [this](const std::wstring& text, const std::wstring& title, UINT style) {
            told_.push_back({text, title, style});
        };
    }

    void ExpectToldUnavailable() {
        ASSERT_EQ(told_.size(), 1u);
        EXPECT_EQ(told_[0].text, L"System Information Is Unavailable At This Time");
        EXPECT_EQ(told_[0].title, L"Morvane");
        EXPECT_EQ(told_[0].style, 0u);
    }

    TestRegistryKey pathEntry_{L"MSINFO"};
    TestRegistryKey directoryEntry_{L"Shared Tools Location"};
    TempDirectory dir_;
    SysInfoEnvironment environment_;
    bool startSucceeds_ = true;
    std::vector<std::wstring> started_;
    std::vector<Told> told_;
};

TEST_F(StartSysInfoTest, FirstEntryIsStartedAsItStandsWithoutLookingForTheFile) {
    pathEntry_.SetString(L"PATH", L"C:\\Nowhere\\Sys Info.exe");
    directoryEntry_.SetString(L"MSINFO", dir_.Path());
    StartSysInfo(environment_);
    EXPECT_EQ(started_, std::vector<std::wstring>{L"C:\\Nowhere\\Sys Info.exe"});
    EXPECT_TRUE(told_.empty());
}

TEST_F(StartSysInfoTest, FirstEntryThatCannotBeStartedIsTold) {
    pathEntry_.SetString(L"PATH", dir_ / L"missing.exe");
    startSucceeds_ = false;
    StartSysInfo(environment_);
    EXPECT_EQ(started_.size(), 1u);
    ExpectToldUnavailable();
}

TEST_F(StartSysInfoTest, SecondEntrysDirectoryIsUsedWhenItHoldsTheTool) {
    dir_.Write(L"MSINFO32.EXE", "MZ");
    directoryEntry_.SetString(L"MSINFO", dir_.Path());
    StartSysInfo(environment_);
    EXPECT_EQ(started_, std::vector<std::wstring>{dir_ / L"MSINFO32.EXE"});
    EXPECT_TRUE(told_.empty());
}

TEST_F(StartSysInfoTest, SecondEntryWithoutTheToolIsTold) {
    directoryEntry_.SetString(L"MSINFO", dir_.Path());
    StartSysInfo(environment_);
    EXPECT_TRUE(started_.empty());
    ExpectToldUnavailable();
}

TEST_F(StartSysInfoTest, NeitherEntryIsTold) {
    StartSysInfo(environment_);
    EXPECT_TRUE(started_.empty());
    ExpectToldUnavailable();
}

TEST_F(StartSysInfoTest, FirstEntryOfAnotherTypeCountsAsFoundAndLeadsToTheMessage) {
    const wchar_t expandable[] = L"%SystemRoot%\\msinfo32.exe";
    pathEntry_.SetRaw(L"PATH", REG_EXPAND_SZ, expandable, sizeof expandable);
    dir_.Write(L"MSINFO32.EXE", "MZ");
    directoryEntry_.SetString(L"MSINFO", dir_.Path());
    StartSysInfo(environment_);
    EXPECT_TRUE(started_.empty());
    ExpectToldUnavailable();
}

TEST_F(StartSysInfoTest, FirstEntryWithNoDataLeadsToTheMessage) {
    pathEntry_.SetRaw(L"PATH", REG_SZ, nullptr, 0);
    dir_.Write(L"MSINFO32.EXE", "MZ");
    directoryEntry_.SetString(L"MSINFO", dir_.Path());
    StartSysInfo(environment_);
    EXPECT_TRUE(started_.empty());
    ExpectToldUnavailable();
}

TEST_F(StartSysInfoTest, FailingStarterIsTold) {
    pathEntry_.SetString(L"PATH", L"C:\\Tools\\info.exe");
    environment_.start = [](const std::wstring&) -> bool { throw std::runtime_error("cannot start"); };
    StartSysInfo(environment_);
    ExpectToldUnavailable();
}

// The stand-in program writes "<its path>.log" holding its command line.
std::wstring WaitForLog(const std::wstring& program) {
    const std::wstring log = program + L".log";
    for (int i = 0; i < 500 && !FileExists(log); ++i) Sleep(10);
    Sleep(50);  // let it finish writing
    const std::string bytes = testing::ReadFileBytes(log);
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

std::wstring CopyProbe(const std::wstring& to) {
    const std::wstring probe = ApplicationDirectory() + L"\\sysinfo_probe.exe";
    if (!CopyFileW(probe.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy the stand-in program");
    return to;
}

TEST(StartProgram, StartsThePathWithSpacesAndNotAProgramNamedByItsFirstWord) {
    TempDirectory dir;
    dir.MakeDirectory(L"Sys Info");
    const std::wstring program = CopyProbe(dir / L"Sys Info\\msinfo32.exe");
    const std::wstring decoy = CopyProbe(dir / L"Sys.exe");  // what "...\Sys Info\..." unquoted would start
    ASSERT_TRUE(StartProgram(program));
    EXPECT_EQ(WaitForLog(program), L"\"" + program + L"\"");
    EXPECT_FALSE(FileExists(decoy + L".log"));
}

TEST(StartProgram, MissingOrEmptyPathIsFalse) {
    TempDirectory dir;
    EXPECT_FALSE(StartProgram(dir / L"missing.exe"));
    EXPECT_FALSE(StartProgram(L""));
}

}  // namespace
}  // namespace morvane
