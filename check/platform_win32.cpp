#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform.h"
#include "support/app_paths.h"
#include "support/file_operations.h"
#include "support/system_code_page.h"
#include "support/text_convert.h"
#include "support/win_dictionary_host.h"
#include "utf8.h"

namespace morvane {

const char16_t kPathSeparator = u'\\';

ConsoleHost::ConsoleHost() : codePage_(SystemAnsiCodePage()) {}

bool ConsoleHost::FileExists(const std::u16string& path) { return morvane::FileExists(ToWide(path)); }

FileReadResult ConsoleHost::ReadWholeFile(const std::u16string& path) {
    return morvane::ReadWholeFile(ToWide(path), WordList::kMaxBytes);
}

void ConsoleHost::ShowMessage(const std::u16string& text, const std::u16string& title, int) {
    std::fprintf(stderr, "morvane-check: %s: %s\n", Utf16ToUtf8(title).c_str(), Utf16ToUtf8(text).c_str());
}

std::u16string ExecutableDirectory() { return ToU16(ApplicationDirectory()); }

std::vector<std::u16string> CommandLineArguments(int, char**) {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> args;
    for (int i = 1; argv && i < count; ++i) args.push_back(ToU16(argv[i]));
    LocalFree(argv);
    return args;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace morvane
