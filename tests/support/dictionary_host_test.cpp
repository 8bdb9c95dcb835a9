// The dictionary's Windows host: whole-file reads with reasons for the user, the system's
// code page, and a dictionary loaded through it.
#include "support/win_dictionary_host.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "support/system_code_page.h"
#include "support/system_error_text.h"
#include "support/text_convert.h"
#include "tests/support/temp_directory.h"

namespace morvane {
namespace {

using testing::TempDirectory;
using namespace std::string_literals;

std::string Bytes(const FileReadResult& r) { return std::string(r.bytes.data.get(), r.bytes.size); }

TEST(WinDictionaryHost, ReadsEveryByteOfAFileEvenAnEmptyOne) {
    TempDirectory dir;
    for (const std::string& content : {"apple\r\ncaf\xe9\r\n\0\x80\xff"s, std::string()}) {
        const FileReadResult r = WinDictionaryHost().ReadWholeFile(ToU16(dir.Write(L"Morvane.dictionary", content)));
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Bytes(r), content);
        EXPECT_TRUE(r.reason.empty());
    }
}

TEST(WinDictionaryHost, FilesThatCannotBeReadGiveTheSystemsReason) {
    TempDirectory dir;
    WinDictionaryHost host;

    const FileReadResult missing = host.ReadWholeFile(ToU16(dir / L"missing.dictionary"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, ToU16(SystemErrorText(ERROR_FILE_NOT_FOUND)));

    // Held open by another program that shares nothing.
    const auto locked = dir.Write(L"locked.dictionary", "a\r\n");
    HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const FileReadResult shared = host.ReadWholeFile(ToU16(locked));
    CloseHandle(holder);
    EXPECT_FALSE(shared.ok);
    EXPECT_EQ(shared.reason, ToU16(SystemErrorText(ERROR_SHARING_VIOLATION)));

    const FileReadResult directory = host.ReadWholeFile(ToU16(dir.MakeDirectory(L"folder.dictionary")));
    EXPECT_FALSE(directory.ok);
    EXPECT_FALSE(directory.reason.empty());
}

TEST(WinDictionaryHost, FileLargerThanTheLimitIsRefusedWithItsSize) {
    TempDirectory dir;
    const auto path = dir.Write(L"big.dictionary", "abcd");
    EXPECT_EQ(Bytes(ReadWholeFile(path, 4)), "abcd");

    const FileReadResult over = ReadWholeFile(path, 3);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.bytes.data, nullptr);
    EXPECT_NE(over.reason.find(u"4 bytes"), std::u16string::npos);
    EXPECT_NE(over.reason.find(u"at most 3 bytes"), std::u16string::npos);
}

TEST(WinDictionaryHost, LoadsADictionaryDecodedThroughTheSystemCodePage) {
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
}

}  // namespace
}  // namespace morvane
