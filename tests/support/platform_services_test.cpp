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
#include "support/win_dictionary_host.h"
#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

using namespace std::string_literals;
using testing::TempDirectory;

std::string Bytes(const FileReadResult& r) { return std::string(r.bytes.data.get(), r.bytes.size); }

TEST(ReadIniValue, GivesTheValueExactlyAsThePlatformDoesOrTheDefaultWhenFileSectionOrKeyIsAbsent) {
    TempDirectory dir;
    std::string longValue;
    for (int i = 0; i < 3000; ++i) longValue.push_back(static_cast<char>('a' + i % 26));
    // [Options] without MaxSuggestions, which stands only under another section.
    const auto file = dir.Write(L"Settings.ini", "[Options]\r\nOther=7\r\nEmpty=\r\nLong=" + longValue +
                                                     "\r\nSpaces =   12   \r\nQuoted=\"13\"\r\nTabbed=\t14\t\r\n"
                                                     "Inner=1 2  3\r\nComment=15 ; a remark\r\nAnsi=caf\xe9\r\n"
                                                     "[Elsewhere]\r\nMaxSuggestions=3\r\n");
    const std::tuple<std::wstring, std::wstring, std::wstring, std::wstring> cases[] = {
        {dir / L"absent.ini", L"Options", L"MaxSuggestions", L"10"}, {file, L"Options", L"MaxSuggestions", L"10"},
        {file, L"Missing", L"Other", L"10"}, {file, L"Options", L"Other", L"7"}, {file, L"Options", L"Empty", L""},
        {file, L"Options", L"Long", std::wstring(longValue.begin(), longValue.begin() + 2047)},
        {file, L"Options", L"Inner", L"1 2  3"}};
    for (const auto& [path, section, key, expected] : cases)
        EXPECT_EQ(ReadIniValue(section, key, L"10", path), expected) << path << " [" << section << "] " << key;
    // Whatever the platform does to a value (spaces, quotes, tabs), nothing is added or removed.
    for (const std::wstring key : {L"Spaces", L"Quoted", L"Tabbed", L"Comment", L"Ansi"}) {
        std::wstring direct(8192, L'\0');
        direct.resize(GetPrivateProfileStringW(L"Options", key.c_str(), L"x", direct.data(), 8192, file.c_str()));
        EXPECT_EQ(ReadIniValue(L"Options", key, L"x", file), direct) << key;
    }
}

TEST(FilesAndPaths, FilesDirectoriesAndWildcardMatchesExistAndADriveRootKeepsItsBackslash) {
    TempDirectory dir;
    dir.Write(L"words.dictionary", "a\r\n");
    dir.MakeDirectory(L"sub");
    const std::pair<std::wstring, bool> cases[] = {
        {dir / L"words.dictionary", true}, {dir / L"sub", true},  {dir / L"*.dictionary", true},
        {dir / L"w?rds.*", true},          {L"", false},          {dir / L"missing.txt", false},
        {dir / L"*.txt", false},           {dir / L"missing\\words.dictionary", false}};
    for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;

    const std::pair<const wchar_t*, const wchar_t*> directories[] = {
        {L"C:\\Morvane.exe", L"C:\\"}, {L"C:\\Programs\\Morvane\\Morvane.exe", L"C:\\Programs\\Morvane"},
        {L"\\\\server\\share\\Morvane.exe", L"\\\\server\\share"}, {L"Morvane.exe", L""}};
    for (const auto& [program, directory] : directories) EXPECT_EQ(DirectoryOfPath(program), directory) << program;
}

TEST(WinDictionaryHost, ReadsEveryByteOrGivesTheSystemsReasonOrTheSizeOverTheLimit) {
    TempDirectory dir;
    WinDictionaryHost host;
    for (const std::string& content : {"apple\r\ncaf\xe9\r\n\0\x80\xff"s, std::string()}) {
        const FileReadResult r = host.ReadWholeFile(ToU16(dir.Write(L"Morvane.dictionary", content)));
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Bytes(r), content);
        EXPECT_TRUE(r.reason.empty());
    }
    const FileReadResult missing = host.ReadWholeFile(ToU16(dir / L"missing.dictionary"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, ToU16(SystemErrorText(ERROR_FILE_NOT_FOUND)));
    // The system's own text without its line end; a code it has no text for is named.
    const std::wstring notFound = SystemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(notFound.size() > 8 && notFound.find_last_of(L"\r\n ") != notFound.size() - 1) << notFound;
    EXPECT_EQ(SystemErrorText(0xDEADBEEF), L"Error 3735928559.");
    // Held open by another program that shares nothing.
    const auto locked = dir.Write(L"locked.dictionary", "abcd");
    HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const FileReadResult shared = host.ReadWholeFile(ToU16(locked));
    CloseHandle(holder);
    EXPECT_FALSE(shared.ok);
    EXPECT_EQ(shared.reason, ToU16(SystemErrorText(ERROR_SHARING_VIOLATION)));
    const FileReadResult directory = host.ReadWholeFile(ToU16(dir.MakeDirectory(L"folder.dictionary")));
    EXPECT_FALSE(directory.ok);
    EXPECT_FALSE(directory.reason.empty());

    EXPECT_EQ(Bytes(ReadWholeFile(locked, 4)), "abcd");
    const FileReadResult over = ReadWholeFile(locked, 3);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.bytes.data, nullptr);
    EXPECT_NE(over.reason.find(u"4 bytes"), std::u16string::npos);
    EXPECT_NE(over.reason.find(u"at most 3 bytes"), std::u16string::npos);
}

TEST(SystemCodePage, DecodesTheDictionaryAndConvertsTextAtTheBoundary) {
    if (GetACP() != 1252) GTEST_SKIP() << "the system code page is " << GetACP();
    const AnsiCodePage& system = SystemAnsiCodePage();
    for (int b = 0; b < 256; ++b) EXPECT_EQ(system.toChar[b], AnsiCodePage::Windows1252().toChar[b]) << "byte " << b;
    WinDictionaryHost host;
    EXPECT_EQ(&host.CodePage(), &system);  // built once, shared
    TempDirectory dir;
    Dictionary dictionary;
    dictionary.LoadDictionary(ToU16(dir.Write(L"Morvane.dictionary", "apple\r\ncaf\xe9\r\nzebra")), host);
    EXPECT_FALSE(dictionary.DictionaryMissing());
    ASSERT_EQ(dictionary.Words().Count(), 3);
    EXPECT_EQ(dictionary.Words().Entry(1), u"caf\u00e9");
    EXPECT_EQ(dictionary.Words().Entry(2), u"zebra");

    EXPECT_EQ(AnsiToWide("caf\xe9 \x80"), L"caf\u00e9 \u20ac");
    EXPECT_EQ(WideToAnsi(L"caf\u00e9 \u20ac"), "caf\xe9 \x80");
    EXPECT_EQ(WideToAnsi(L"\u0416"), "?");  // not in the code page: its default character
    EXPECT_EQ(AnsiToWide(""), L"");
    EXPECT_EQ(WideToAnsi(L""), "");
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
