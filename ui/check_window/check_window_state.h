#pragma once
// CheckWindow, the check window's C++ object: its state and the event handlers its window
// procedure calls.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/check_window/button_picture.h"
#include "ui/check_window/check_window.h"
#include "ui/check_window/check_window_layout.h"
#include "ui/dialog/dialog_form.h"

namespace morvane {

inline constexpr UINT kUnloadMessage = WM_APP + 1;    // the window unloads itself
inline constexpr UINT kYieldEndMessage = WM_APP + 2;  // ends Check's round of waiting messages

// Owned through a shared pointer: the window procedure holds one while it handles a
// message, so the object outlives a window destroyed from a nested message loop.
class CheckWindow : public std::enable_shared_from_this<CheckWindow> {
public:
    CheckWindow(SpellingState& spelling, bool modal) : spelling_(spelling), modal_(modal) {}

    // Events, each called by the dialog procedure.
    void OnLoad(HWND dialog);
    void OnActivate();
    void OnCheck();
    void OnLookUp();
    void OnCopy();
    // Moved to a screen of another resolution: the suggested frame, the layout and the font
    // again, and the pictures at the new size.
    void OnDpiChanged(int dotsPerInch, const RECT& suggested);

    // Ends the modal show, or destroys the modeless window; only the first call acts.
    void Unload();
    void OnDestroyed() { destroyed_ = true; }
    bool Unloading() const { return unloading_ || destroyed_; }
    HWND Dialog() const { return form_.Dialog(); }
    bool Modal() const { return modal_; }

private:
    void SetButtonPictures();
    void AddToolTips();
    std::wstring WordBoxText() const;
    std::wstring ListCurrentText() const;
    HWND Control(int id) const { return form_.Control(id); }

    SpellingState& spelling_;
    DialogForm form_{kCheckWindowForm};
    bool modal_;
    bool unloading_ = false;
    bool destroyed_ = false;
    bool checkRunning_ = false;
    UniqueImageList checkPicture_;  // the pictures the buttons show, at the window's DPI
    UniqueImageList copyPicture_;
};

}  // namespace morvane
