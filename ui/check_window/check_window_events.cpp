// The check window's events: load, activation, Check, Look-up and Copy.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>

#include "engine/check_list.h"
#include "res/resource_ids.h"
#include "support/app_paths.h"
#include "support/shell.h"
#include "support/suggestion_setting.h"
#include "support/text_convert.h"
#include "support/win_dictionary_host.h"
#include "ui/check_window/check_window.h"
#include "ui/check_window/check_window_state.h"
#include "ui/check_window/copy_command.h"
#include "ui/check_window/web_search_address.h"

namespace morvane {
namespace {

std::wstring DictionaryPath() {
    return ApplicationDirectory() + L"\\" + ToWide(kDictionaryFileName);
}

// The pointer shows that the program is busy until the object goes out of scope.
class BusyCursor {
public:
    BusyCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyCursor() { SetCursor(previous_ ? previous_ : LoadCursorW(nullptr, IDC_ARROW)); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    HCURSOR previous_;
};

// Handles the window messages that are waiting, once, so that the emptied list is painted
// before the search. A marker posted behind them ends the round even when handling them
// posts more; a quit request is left for the program's own loop.
void HandleWaitingMessages(HWND window) {
    const bool marked = PostMessageW(window, kYieldEndMessage, 0, 0) != FALSE;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (marked && message.hwnd == window && message.message == kYieldEndMessage) break;
        if (IsCheckWindowDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void CheckWindow::OnLoad(HWND dialog) {
    form_.Load(dialog);
    SendMessageW(dialog, DM_SETDEFID, kIdCheck, 0);
    // The word box takes a word of any length, as the engine does.
    SendMessageW(Control(kIdWordBox), EM_SETLIMITTEXT, 0, 0);
    SetButtonPictures();
    AddToolTips();
    static WinDictionaryHost host;
    spelling_.WordDictionary.LoadDictionary(ToU16(DictionaryPath()), host);
    SetFocus(Control(kIdWordBox));
}

void CheckWindow::OnDpiChanged(int dotsPerInch, const RECT& suggested) {
    form_.ChangeDpi(dotsPerInch, suggested);
    SetButtonPictures();
}

void CheckWindow::OnActivate() {
    if (spelling_.WordDictionary.DictionaryMissing()) PostMessageW(Dialog(), kUnloadMessage, 0, 0);
}

void CheckWindow::OnCheck() {
    // A Check re-entered from the yield of a running one is dropped: the running Check
    // fills the list once, for the text it read.
    if (checkRunning_) return;
    const std::u16string typed = ToU16(WordBoxText());
    if (IsBlankWord(typed)) return;
    checkRunning_ = true;
    struct ClearFlag {
        bool& flag;
        ~ClearFlag() { flag = false; }
    } clearFlag{checkRunning_};

    const HWND list = Control(kIdWordList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    // A refused value has been reported by the reader; the previous limit stays.
    if (const std::optional<int> limit = ReadSuggestionLimit(spelling_.SettingsPath)) {
        spelling_.MaxSuggestionCount = *limit;
    }
    HandleWaitingMessages(Dialog());
    if (Unloading()) return;  // closed while the messages were handled

    const BusyCursor busy;
    const CheckResult result =
        CheckWord(typed, spelling_.WordDictionary.Words(), spelling_.MaxSuggestionCount);
    for (const std::u16string& entry : result.entries) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(entry).c_str()));
    }
}

void CheckWindow::OnLookUp() {
    const std::wstring entry = ListCurrentText();
    if (IsFixedListText(ToU16(entry))) return;
    OpenWithShell(L"open", WebSearchAddress(entry), std::nullopt, std::nullopt, SW_SHOWNORMAL);
}

void CheckWindow::OnCopy() {
    CopyListTextToClipboard(ListCurrentText());
}

std::wstring CheckWindow::WordBoxText() const {
    return WindowText(Control(kIdWordBox));
}

std::wstring CheckWindow::ListCurrentText() const {
    const HWND list = Control(kIdWordList);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return {};
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(selected),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void CheckWindow::SetButtonPictures() {
    // At the window's DPI; the buttons are given the new lists before the old ones go.
    const int size = ButtonPictureSize(form_.Dpi());
    UniqueImageList check = LoadButtonPicture(form_.Instance(), IDB_CHECK, size);
    UniqueImageList copy = LoadButtonPicture(form_.Instance(), IDB_COPY, size);
    SetButtonPicture(Control(kIdCheck), check.Get());
    SetButtonPicture(Control(kIdCopy), copy.Get());
    checkPicture_ = std::move(check);
    copyPicture_ = std::move(copy);
}

void CheckWindow::AddToolTips() {
    // Owned by the window, so destroyed with it. The buttons' own texts ("Check", "Copy")
    // are their accessible names.
    const HWND tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Dialog(),
                        nullptr, form_.Instance(), nullptr);
    if (!tooltip) return;
    for (const int id : {kIdCheck, kIdCopy}) {
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Dialog();
        tool.uId = reinterpret_cast<UINT_PTR>(Control(id));
        std::wstring text = WindowText(Control(id));
        tool.lpszText = text.data();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace morvane
