#pragma once
// A dialog template built in memory, with no controls: windows that create their controls
// in code still get the dialog manager's keyboard handling and default button.
#include <windows.h>

#include <string_view>
#include <vector>

namespace morvane {

class DialogTemplate {
public:
    // A zero-sized template with the caption; the font is the system's default dialog font
    // ("MS Shell Dlg", 8 points).
    DialogTemplate(DWORD style, DWORD extendedStyle, std::wstring_view caption);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void AddWord(WORD word) { words_.push_back(word); }
    void AddDword(DWORD value);
    void AddText(std::wstring_view text);

    std::vector<WORD> words_;  // the vector's storage is aligned as DLGTEMPLATE needs
};

}  // namespace morvane
