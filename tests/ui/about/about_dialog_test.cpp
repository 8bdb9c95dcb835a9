// The About dialog opened in this process: a second thread finds it, checks what it shows and
// works it with keys, as a user would, while this thread runs its modal loop.
#include "ui/about/about_dialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <regex>
#include <thread>
#include <vector>

#include "support/window_dpi.h"
#include "tests/ui/about/test_registry_key.h"
#include "ui/about/about_layout.h"

namespace morvane {
namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[4096];
    return std::wstring(text, GetWindowTextW(window, text, 4096));
}

// A visible dialog of this process with the caption, owned by owner when given.
HWND FindOurDialog(const wchar_t* caption, HWND owner = nullptr) {
    for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, L"#32770", caption)) != nullptr;) {
        DWORD pid = 0;
        GetWindowThreadProcessId(found, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(found) && (!owner || GetWindow(found, GW_OWNER) == owner)) {
            return found;
        }
    }
    return nullptr;
}

// Polls check() for up to thirty seconds; gives its first result that is not false or null.
template <typename Check>
auto WaitFor(Check check) {
    for (int waited = 0; waited < 30000; waited += 10) {
        if (auto result = check()) return result;
        Sleep(10);
    }
    return decltype(check()){};
}

bool WaitUntilGone(HWND window) { return WaitFor([&] { return !IsWindow(window); }); }

HWND FocusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

void PressKey(HWND dialog, WPARAM key) {
    HWND target = FocusOf(dialog);
    PostMessageW(target ? target : dialog, WM_KEYDOWN, key, 1);
    PostMessageW(target ? target : dialog, WM_KEYUP, key, 0xC0000001);
}

// Shows the dialog on this thread; drive(dialog) runs on a second thread once it is shown and
// is expected to close it. Returns false when the dialog never appeared. Whatever drive does,
// every dialog left open on this thread is then closed, so that a failing test cannot hang.
bool RunDialog(const std::function<void(HWND)>& drive, const SysInfoEnvironment& sysInfo = {}) {
    // Under Wine, a thread that enumerates windows while another creates the process's first
    // window can deadlock with it: make that first window before the second thread starts.
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
    const DWORD uiThread = GetCurrentThreadId();
    std::atomic<bool> appeared{false}, returned{false};
    std::thread driver([&] {
        HWND dialog = WaitFor([] { return FindOurDialog(L"About Morvane"); });
        if (dialog) {
            appeared = true;
            drive(dialog);
        }
        while (!returned) {
            EnumThreadWindows(
                uiThread,
                [](HWND window, LPARAM) WINAPI -> BOOL {
                    wchar_t name[16];
                    GetClassNameW(window, name, 16);
                    if (std::wstring(name) == L"#32770") PostMessageW(window, WM_COMMAND, IDOK, 0);
                    return TRUE;
                },
                0);
            Sleep(100);
        }
    });
    ShowAboutDialogCentred(GetModuleHandleW(nullptr), sysInfo);
    returned = true;
    driver.join();
    return appeared;
}

// Left, top, width and height in the dialog's client area.
std::array<int, 4> PlaceOf(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::array<int, 4> PixelsOf(TwipsRect twips, int dpi) {
    const RECT r = TwipsToPixelRect(twips, dpi);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The client area, the controls' places, the logo and the title font at this resolution.
void ExpectLaidOutAt(HWND dialog, int dpi) {
    SCOPED_TRACE(::testing::Message() << dpi << " dots per inch");
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, TwipsToPixels(kAboutForm.client.width, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(kAboutForm.client.height, dpi));
    for (const ControlSpec& control : kAboutControls) {
        EXPECT_EQ(PlaceOf(dialog, control.id), PixelsOf(control.place, dpi)) << "control " << control.id;
    }
    // The logo fills the picture box inside its sunken frame; the description is an ordinary text box.
    const HWND icon = GetDlgItem(dialog, kIdIcon);
    EXPECT_TRUE(GetWindowLongW(icon, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT inside{};
    GetClientRect(icon, &inside);
    BITMAP logo{};
    GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(icon, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof logo, &logo);
    EXPECT_EQ(std::pair(logo.bmWidth, logo.bmHeight), std::pair(inside.right, inside.bottom));
    EXPECT_FALSE(GetWindowLongW(GetDlgItem(dialog, kIdDescription), GWL_STYLE) & ES_READONLY);

    LOGFONTW title{};
    GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, kIdTitle, WM_GETFONT, 0, 0)), sizeof title,
               &title);
    EXPECT_EQ(std::wstring(title.lfFaceName), L"MS Sans Serif");
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_EQ(title.lfHeight, -MulDiv(135, dpi, 720));
}

TEST(AboutDialog, ShowsItsControlsInTabOrderAndInTheirPlacesAndClosesWithEscape) {
    ASSERT_TRUE(RunDialog([](HWND dialog) {
        // The thanks, ending with a colon, then three sources with their addresses.
        const std::wstring source = L"\r\n[^\r\n]*https://[^\r\n]*";
        EXPECT_TRUE(std::regex_match(TextOf(GetDlgItem(dialog, kIdDescription)),
                                     std::wregex(L"[^\r\n]*:" + source + source + source)));
        EXPECT_EQ(TextOf(GetDlgItem(dialog, kIdDisclaimer)).rfind(L"Warning:", 0), 0u);

        std::vector<int> tabOrder;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            tabOrder.push_back(GetDlgCtrlID(child));
        }
        EXPECT_EQ(tabOrder, (std::vector<int>{kIdOk, kIdIcon, kIdSysInfo, kIdDisclaimer, kIdTitle, kIdVersion,
                                              kIdDescription}));
        EXPECT_EQ(GetDlgCtrlID(FocusOf(dialog)), kIdOk);
        EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, kIdOk), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);

        ExpectLaidOutAt(dialog, WindowDpi(dialog));
        // Moved to a screen of twice the resolution, everything is laid out again.
        const int dpi = 2 * WindowDpi(dialog);
        RECT suggested{};
        GetWindowRect(dialog, &suggested);
        SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        ExpectLaidOutAt(dialog, dpi);

        // No taskbar button: owned by a window that is never shown.
        const HWND owner = GetWindow(dialog, GW_OWNER);
        EXPECT_TRUE(owner && !IsWindowVisible(owner));
        EXPECT_FALSE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);

        PressKey(dialog, VK_ESCAPE);
        EXPECT_TRUE(WaitUntilGone(dialog));
    }));
}

constexpr WPARAM kCloseBox = 0;  // in place of a key: a click on the close box

// Esc and the close box close it wherever the focus is, and so does Enter, except on System
// Info, which Enter presses: here the tool cannot start, and the message shows over the
// dialog, which stays open.
TEST(AboutDialog, EscEnterAndTheCloseBoxCloseItButEnterOnSystemInfoPressesIt) {
    const testing::TestRegistryKey entry{L"MSINFO"};
    entry.SetString(L"PATH", L"C:\\Tools\\msinfo32.exe");
    SysInfoEnvironment sysInfo;  // the real message box
    sysInfo.root = HKEY_CURRENT_USER;
    sysInfo.pathKey = entry.Path();
    std::atomic<int> starts{0};
    sysInfo.start = [&](const std::wstring& program) {
        if (program == L"C:\\Tools\\msinfo32.exe") ++starts;
        return false;
    };
    const struct {
        int focus;
        WPARAM key;
        bool closes;
    } cases[] = {{kIdSysInfo, VK_ESCAPE, true},     {kIdDescription, VK_ESCAPE, true}, {kIdOk, VK_RETURN, true},
                 {kIdDescription, VK_RETURN, true}, {kIdSysInfo, kCloseBox, true},    {kIdSysInfo, VK_RETURN, false}};
    for (const auto& c : cases) {
        starts = 0;
        ASSERT_TRUE(RunDialog(
            [&](HWND dialog) {
                // Moves the focus the way the Tab key does, so the default button follows it.
                SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, c.focus)), TRUE);
                if (c.key == kCloseBox) {
                    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                } else {
                    PressKey(dialog, c.key);
                }
                if (c.closes) {
                    EXPECT_TRUE(WaitUntilGone(dialog)) << "focus on " << c.focus << ", key " << c.key;
                    return;
                }
                const HWND box = WaitFor([&] { return FindOurDialog(L"Morvane", dialog); });
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"System Information Is Unavailable At This Time");
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                EXPECT_TRUE(WaitUntilGone(box));
                EXPECT_TRUE(IsWindowVisible(dialog));
            },
            sysInfo));
        EXPECT_EQ(starts, c.closes ? 0 : 1) << "focus on " << c.focus << ", key " << c.key;
    }
}

}  // namespace
}  // namespace morvane
