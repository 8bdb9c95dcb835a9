#include "support/system_code_page.h"

#include <windows.h>

namespace morvane {
namespace {

AnsiCodePage BuildSystemAnsiCodePage() {
    AnsiCodePage page;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t c = 0;
        const int n = MultiByteToWideChar(CP_ACP, 0, &byte, 1, &c, 1);
        page.toChar[b] = n == 1 ? static_cast<char16_t>(c) : u'\uFFFD';
    }
    return page;
}

}  // namespace

const AnsiCodePage& SystemAnsiCodePage() {
    static const AnsiCodePage page = BuildSystemAnsiCodePage();
    return page;
}

}  // namespace morvane
