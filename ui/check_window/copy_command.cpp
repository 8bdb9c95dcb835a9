#include "ui/check_window/copy_command.h"

#include "clipboard/clipboard.h"

namespace morvane {
namespace {

bool IsBlank(const std::wstring& text) {
    return text.find_first_not_of(L' ') == std::wstring::npos;
}

}  // namespace

void CopyListTextToClipboard(const std::wstring& listText) {
    if (IsBlank(listText)) return;  // nothing selected, or a blank entry: leave the clipboard be
    CClipboard clipboard;
    clipboard.Clear();
    clipboard.SetText(listText);  // the entry exactly as the list holds it
}

}  // namespace morvane
