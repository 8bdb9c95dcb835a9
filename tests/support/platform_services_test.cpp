// Support services against the real platform: profile values, files and paths, whole-file
// reads for the dictionary and its code page, text at the Win32 boundary, and the requests
// handed to the shell.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <tuple>

#include "support/app_paths.h"
#include "support/file_operations.h"
#include "support/ini_file.h"
#include "support/shell.h"
#include "support/system_code_page.h"
#include "support/system_error_text.h"
#include "support/text_convert.h"
#include "support/unique_handle.h"
#include "support/win_dictionary_host.h"
#include "support/window_dpi.h"
#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

using namespace std::string_literals;
using testing::TempDirectory;

std::string Bytes(const FileReadResult& r) { return std::string(r.bytes.data.get(), r.bytes.size); }

TEST(ReadIniValue, GivesTheValueOrTheDefaultWhenFileOrKeyIsAbsentAndAtMost2047Characters) {
    TempDirectory dir;
    const std::string longValue = std::string(2047, 'a') + std::string(953, 'z');
    // [Options] without MaxSuggestions, which stands only under another section.
    const auto file = dir.Write(L"Settings.ini", "[Options]\r\nOther=7\r\nLong=" + longValue +
                                                     "\r\n[Elsewhere]\r\nMaxSuggestions=3\r\n");
    const std::tuple<std::wstring, std::wstring, std::wstring> cases[] = {
        {dir / L"absent.ini", L"MaxSuggestions", L"10"}, {file, L"MaxSuggestions", L"10"}, {file, L"Other", L"7"},
        {file, L"Long", std::wstring(2047, L'a')}};
    for (const auto& [path, key, expected] : cases)
        EXPECT_EQ(ReadIniValue(L"Options", key, L"10", path), expected) << path << " " << key;
}

TEST(FilesAndPaths, FilesDirectoriesAndWildcardMatchesExistAndADriveRootKeepsItsBackslash) {
    TempDirectory dir;
    dir.Write(L"words.dictionary", "a\r\n");
    const std::pair<std::wstring, bool> cases[] = {{dir / L"words.dictionary", true}, {dir.Path(), true},
                                                   {dir / L"*.dictionary", true},     {L"", false},
                                                   {dir / L"missing.txt", false}};
    for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;

    const std::pair<const wchar_t*, const wchar_t*> directories[] = {
        {L"C:\\Morvane.exe", L"C:\\"}, {L"C:\\Programs\\Morvane\\Morvane.exe", L"C:\\Programs\\Morvane"},
        {L"\\\\server\\share\\Morvane.exe", L"\\\\server\\share"}, {L"Morvane.exe", L""}};
    for (const auto& [program, directory] : directories) EXPECT_EQ(DirectoryOfPath(program), directory) << program;
}

// The file is read whole up to the size limit; past it, or when the system refuses, the reason is given.
TEST(WinDictionaryHost, ReadsEveryByteOrGivesTheSystemsReasonOrTheSizeOverTheLimit) {
    TempDirectory dir;
    WinDictionaryHost host;
    const std::string content = "apple\r\ncaf\xe9\r\n\0\x80\xff"s;
    const FileReadResult r = host.ReadWholeFile(ToU16(dir.Write(L"Morvane.dictionary", content)));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Bytes(r), content);
    const FileReadResult missing = host.ReadWholeFile(ToU16(dir / L"missing.dictionary"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, ToU16(SystemErrorText(ERROR_FILE_NOT_FOUND)));
    // The system's own text without its line end; a code it has no text for is named.
    const std::wstring notFound = SystemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(notFound.size() > 8 && notFound.find_last_of(L"\r\n ") != notFound.size() - 1) << notFound;
    EXPECT_EQ(SystemErrorText(0xDEADBEEF), L"Error 3735928559.");

    const auto four = dir.Write(L"four.dictionary", "abcd");
    EXPECT_EQ(Bytes(ReadWholeFile(four, 4)), "abcd");
    const FileReadResult over = ReadWholeFile(four, 3);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.bytes.data, nullptr);
    EXPECT_NE(over.reason.find(u"4 bytes long; a dictionary can hold at most 3 bytes"), std::u16string::npos);
}

TEST(SystemCodePage, DecodesEveryByteAndConvertsTextAtTheBoundary) {
    if (GetACP() != 1252) GTEST_SKIP() << "the system code page is " << GetACP();
    const AnsiCodePage& system = SystemAnsiCodePage();
    for (int b = 0; b < 256; ++b) EXPECT_EQ(system.toChar[b], AnsiCodePage::Windows1252().toChar[b]) << "byte " << b;
    EXPECT_EQ(AnsiToWide("caf\xe9 \x80"), L"caf\u00e9 \u20ac");
    EXPECT_EQ(WideToAnsi(L"caf\u00e9 \u20ac"), "caf\xe9 \x80");
    EXPECT_EQ(WideToAnsi(L"\u0416"), "?");  // not in the code page: its default character
}

// A window the system cannot tell the DPI of, none or one that is gone, is shown at the screen's.
TEST(WindowDpi, IsTheScreensForNoWindowAndForOneThatIsGone) {
    HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(gone && DestroyWindow(gone));
    const int screenDpi = GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY);
    EXPECT_EQ(WindowDpi(nullptr), screenDpi);
    EXPECT_EQ(WindowDpi(gone), screenDpi);
}

using ShellRequest = std::tuple<std::wstring, std::wstring, std::optional<std::wstring>, std::optional<std::wstring>, int>;
std::optional<std::wstring> Present(LPCWSTR text) { return text ? std::optional<std::wstring>(text) : std::nullopt; }
HWND gOwner;
ShellRequest gRequest;

TEST(OpenWithShell, HandsTheRequestOwnedByTheDesktopWindowWithAbsentPartsAsNone) {
    const ShellCalls recording{[](HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                  INT show) WINAPI {
        gOwner = owner;
        gRequest = {verb, file, Present(parameters), Present(directory), show};
        return reinterpret_cast<HINSTANCE>(42);
    }};
    ScopedShellCalls scope(recording);
    const ShellRequest requests[] = {{L"open", L"https://example.org/?q=a", std::nullopt, std::nullopt, SW_SHOWNORMAL},
                                     {L"edit", L"C:\\ReadMe.txt", L"", L"C:\\", SW_SHOWMAXIMIZED}};
    for (const ShellRequest& request : requests) {
        gOwner = nullptr;
        std::apply(OpenWithShell, request);
        EXPECT_EQ(gRequest, request) << ::testing::PrintToString(std::get<1>(request));
        EXPECT_EQ(gOwner, GetDesktopWindow());
    }
}

}  // namespace
}  // namespace morvane
