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
            told_.push_back(text + L"|" + title + L"|" + std::to_wstring(style));
        };
    }

    // Runs StartSysInfo once; it must start exactly `started`, then tell the one message for
    // every failure when `told`.
    void Expect(const char* situation, const std::vector<std::wstring>& started, bool told) {
        started_.clear();
        told_.clear();
        StartSysInfo(environment_);
        EXPECT_EQ(started_, started) << situation;
        EXPECT_EQ(told_, told ? std::vector<std::wstring>{L"System Information Is Unavailable At This Time|Morvane|0"}
                              : std::vector<std::wstring>{})
            << situation;
    }

    testing::TestRegistryKey pathEntry_{L"MSINFO"};
    testing::TestRegistryKey directoryEntry_{L"Shared Tools Location"};
    TempDirectory dir_;
    SysInfoEnvironment environment_;
    bool startSucceeds_ = true;
    std::vector<std::wstring> started_, told_;
};

// Each step adds to the entries of the one before.
TEST_F(StartSysInfoTest, StartsTheToolThroughEitherEntryAndTellsOfEveryFailure) {
    Expect("neither entry", {}, true);
    directoryEntry_.SetString(L"MSINFO", dir_.Path());
    Expect("the second entry's directory without the tool", {}, true);
    dir_.Write(L"MSINFO32.EXE", "MZ");
    Expect("the second entry's directory with the tool", {dir_ / L"MSINFO32.EXE"}, false);
    pathEntry_.SetRaw(L"PATH", REG_SZ, nullptr, 0);
    Expect("a first entry with no data", {}, true);
    const wchar_t expandable[] = L"%SystemRoot%\\msinfo32.exe";
    pathEntry_.SetRaw(L"PATH", REG_EXPAND_SZ, expandable, sizeof expandable);
    Expect("a first entry of another type, which counts as found", {}, true);
    pathEntry_.SetString(L"PATH", L"C:\\Nowhere\\Sys Info.exe");
    Expect("a first entry, started as it stands without looking for it", {L"C:\\Nowhere\\Sys Info.exe"}, false);
    startSucceeds_ = false;
    Expect("a first entry that cannot be started", {L"C:\\Nowhere\\Sys Info.exe"}, true);
    environment_.start = [](const std::wstring&) -> bool { throw std::runtime_error("cannot start"); };
    Expect("a starter that fails", {}, true);
}

// The shell recorder of the end-to-end tests stands in for the tool: it appends its command
// line, in UTF-8, to "<its path>.log", holding the file to itself until it is written.
std::string WaitForLog(const std::wstring& program) {
    std::string bytes;
    for (int i = 0; i < 3000 && (bytes = testing::ReadFileBytes(program + L".log")).empty(); ++i) Sleep(10);
    return bytes;
}

std::wstring CopyStandIn(const std::wstring& to) {
    const std::wstring recorder = ApplicationDirectory() + L"\\shell_recorder.exe";
    if (!CopyFileW(recorder.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy the stand-in program");
    return to;
}

TEST(StartProgram, StartsTheQuotedPathNotAProgramNamedByItsFirstWordAndRefusesWhatCannotStart) {
    TempDirectory dir;
    dir.MakeDirectory(L"Sys Info");
    const std::wstring program = CopyStandIn(dir / L"Sys Info\\msinfo32.exe");
    const std::wstring decoy = CopyStandIn(dir / L"Sys.exe");  // what "...\Sys Info\..." unquoted would start
    ASSERT_TRUE(StartProgram(program));
    // The temporary directory's path is plain ASCII, as is the log then.
    EXPECT_EQ(WaitForLog(program), "\"" + std::string(program.begin(), program.end()) + "\"\n");
    EXPECT_FALSE(FileExists(decoy + L".log"));
    EXPECT_FALSE(StartProgram(dir / L"missing.exe"));
    EXPECT_FALSE(StartProgram(L""));
}

}  // namespace
}  // namespace morvane
