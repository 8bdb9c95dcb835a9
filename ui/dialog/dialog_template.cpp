#include "ui/dialog/dialog_template.h"

namespace morvane {

DialogTemplate::DialogTemplate(DWORD style, DWORD extendedStyle, std::wstring_view caption) {
    AddDword(style | DS_SETFONT);
    AddDword(extendedStyle);
    AddWord(0);  // controls
    for (int i = 0; i < 4; ++i) AddWord(0);  // x, y, width, height: placed in code
    AddWord(0);  // no menu
    AddWord(0);  // the standard dialog class
    AddText(caption);
    AddWord(8);  // points
    AddText(L"MS Shell Dlg");
}

void DialogTemplate::AddDword(DWORD value) {
    AddWord(LOWORD(value));
    AddWord(HIWORD(value));
}

void DialogTemplate::AddText(std::wstring_view text) {
    for (const wchar_t c : text) AddWord(static_cast<WORD>(c));
    AddWord(0);
}

}  // namespace morvane
