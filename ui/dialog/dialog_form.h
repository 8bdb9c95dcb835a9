#pragma once
// What the check window and the About dialog are built on. Each gives a table of its
// controls and the size of its client area in twips; the form makes the controls in table
// order (the order of the Tab key) in the dialog's font, places them at the window's DPI,
// gives the window the program's icons, puts it in the middle of the screen, and lays it
// out again, in its font at the new size, when the window moves to a screen of another DPI.
#include <windows.h>

#include <span>

#include "support/unique_handle.h"
#include "ui/dialog/twips_layout.h"

namespace morvane {

// A fixed-size dialog frame with a caption and a close box, no minimise or maximise box.
inline constexpr DWORD kFixedDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

struct FormControl {
    int id;
    const wchar_t* windowClass;
    const wchar_t* text;  // for a picture button, its accessible name
    DWORD style;          // WS_CHILD and WS_VISIBLE are added
    DWORD extendedStyle;
    TwipsRect place;
};

struct FormLayout {
    std::span<const FormControl> controls;  // in tab order
    TwipsSize client;
};

class DialogForm {
public:
    explicit DialogForm(const FormLayout& layout) : layout_(layout) {}

    // For WM_INITDIALOG: controls, layout, icons, and the middle of the screen.
    void Load(HWND dialog);
    // For WM_DPICHANGED: the frame the system suggests, the layout again, and the dialog's
    // font at the new DPI for every control.
    void ChangeDpi(int dotsPerInch, const RECT& suggested);

    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    HINSTANCE Instance() const;
    int Dpi() const { return dpi_; }

private:
    void CreateControls() const;
    void LayOut() const;
    void SetIcons() const;
    void CentreOnScreen() const;
    void SetFontForDpi();

    FormLayout layout_;
    HWND dialog_ = nullptr;
    int dpi_ = 96;
    LOGFONTW loadedFont_{};  // the dialog's font as made at load, at loadedDpi_
    int loadedDpi_ = 0;      // 0: no font known
    UniqueFont scaledFont_;  // the font the controls use after a change of DPI
};

}  // namespace morvane
