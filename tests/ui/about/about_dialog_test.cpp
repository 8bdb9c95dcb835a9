// The About dialog opened in this process: a second thread finds it, reads what it shows and
// closes it with keys, as a user would; the checks run once the modal call has returned.
#include "ui/about/about_dialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <thread>
#include <vector>

#include "ui/about/about_layout.h"
#include "ui/about/centring.h"
#include "support/window_dpi.h"
#include "tests/ui/about/test_registry_key.h"

namespace morvane {
namespace {

using testing::TestRegistryKey;

std::wstring TextOf(HWND window) {
    wchar_t text[4096];
    const int n = GetWindowTextW(window, text, 4096);
    return std::wstring(text, n > 0 ? n : 0);
}

// A visible window of this process with the class and caption, owned by owner when given.
HWND FindOurWindow(const wchar_t* windowClass, const std::wstring& caption, HWND owner = nullptr) {
    struct Search {
        const wchar_t* windowClass;
        std::wstring caption;
        HWND owner;
        HWND found = nullptr;
    } search{windowClass, caption, owner};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            wchar_t name[64];
            GetClassNameW(window, name, 64);
            if (pid == GetCurrentProcessId() && IsWindowVisible(window) && std::wstring(name) == s.windowClass &&
                TextOf(window) == s.caption && (!s.owner || GetWindow(window, GW_OWNER) == s.owner)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitFor(const std::function<HWND()>& find, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (HWND found = find()) return found;
        Sleep(10);
    }
    return nullptr;
}

bool WaitUntilGone(HWND window) {
    for (int i = 0; i < 500 && IsWindow(window); ++i) Sleep(10);
    return !IsWindow(window);
}

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

// Moves the focus the way the Tab key does, so the default button follows it.
void FocusControl(HWND dialog, int id) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
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
        HWND dialog = WaitFor([] { return FindOurWindow(L"#32770", L"About Morvane"); });
        if (dialog) {
            appeared = true;
            drive(dialog);
        }
        while (!returned) {
            EnumThreadWindows(
                uiThread,
                [](HWND window, LPARAM) -> BOOL {
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

RECT ClientRectOf(HWND control, HWND dialog) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct Shown {
    std::wstring caption;
    std::map<int, std::wstring> texts;
    std::vector<int> tabOrder;
    std::map<int, RECT> places;
    RECT window{}, client{};
    int dpi = 0;
    int focusId = 0;
    bool okIsDefault = false;
    bool owned = false, ownerVisible = true, appWindow = true;
    LOGFONTW titleFont{};
    BITMAP logo{};
    bool closedByEscape = false;
};

Shown ReadAndCloseWithEscape(HWND dialog) {
    Shown s;
    s.caption = TextOf(dialog);
    s.dpi = WindowDpi(dialog);
    GetWindowRect(dialog, &s.window);
    GetClientRect(dialog, &s.client);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        s.tabOrder.push_back(id);
        s.texts[id] = TextOf(child);
        s.places[id] = ClientRectOf(child, dialog);
    }
    s.focusId = GetDlgCtrlID(FocusOf(dialog));
    s.okIsDefault = (GetWindowLongW(GetDlgItem(dialog, kIdOk), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON;
    HWND owner = GetWindow(dialog, GW_OWNER);
    s.owned = owner != nullptr;
    s.ownerVisible = owner && IsWindowVisible(owner);
    s.appWindow = (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0;
    const auto font = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, kIdTitle, WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof s.titleFont, &s.titleFont);
    const auto logo = reinterpret_cast<HBITMAP>(SendDlgItemMessageW(dialog, kIdIcon, STM_GETIMAGE, IMAGE_BITMAP, 0));
    GetObjectW(logo, sizeof s.logo, &s.logo);
    PressKey(dialog, VK_ESCAPE);
    s.closedByEscape = WaitUntilGone(dialog);
    return s;
}

void ExpectPlaced(const Shown& s, int id, TwipsRect twips) {
    const PixelRect expected = ToPixels(twips, s.dpi);
    const RECT& r = s.places.at(id);
    EXPECT_EQ(r.left, expected.left) << "control " << id;
    EXPECT_EQ(r.top, expected.top) << "control " << id;
    EXPECT_EQ(r.right - r.left, expected.width) << "control " << id;
    EXPECT_EQ(r.bottom - r.top, expected.height) << "control " << id;
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

TEST(AboutDialog, ShowsItsTextsInTheirPlacesCentredAndClosesWithEscape) {
    Shown s;
    ASSERT_TRUE(RunDialog([&](HWND dialog) { s = ReadAndCloseWithEscape(dialog); }));
    EXPECT_TRUE(s.closedByEscape);

    EXPECT_EQ(s.caption, L"About Morvane");
    EXPECT_EQ(s.texts[kIdTitle], L"Morvane");
    EXPECT_EQ(s.texts[kIdVersion], L"Version 1.0.0");
    EXPECT_EQ(s.texts[kIdOk], L"OK");
    EXPECT_EQ(s.texts[kIdSysInfo], L"&System Info...");
    const auto lines = Lines(s.texts[kIdDescription]);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].back(), L':');
    for (int i = 1; i < 4; ++i) EXPECT_NE(lines[i].find(L"https://"), std::wstring::npos) << lines[i].size();
    EXPECT_EQ(s.texts[kIdDisclaimer].rfind(L"Warning:", 0), 0u);

    EXPECT_EQ(s.tabOrder, (std::vector<int>{kIdOk, kIdIcon, kIdSysInfo, kIdDisclaimer, kIdTitle, kIdVersion,
                                            kIdDescription}));
    EXPECT_EQ(s.focusId, kIdOk);
    EXPECT_TRUE(s.okIsDefault);

    EXPECT_EQ(s.client.right, TwipsToPixels(kAboutClientWidth, s.dpi));
    EXPECT_EQ(s.client.bottom, TwipsToPixels(kAboutClientHeight, s.dpi));
    ExpectPlaced(s, kIdOk, kOkRect);
    ExpectPlaced(s, kIdSysInfo, kSysInfoRect);
    ExpectPlaced(s, kIdDisclaimer, kDisclaimerRect);
    ExpectPlaced(s, kIdTitle, kTitleRect);
    ExpectPlaced(s, kIdVersion, kVersionRect);
    ExpectPlaced(s, kIdDescription, kDescriptionRect);
    const RECT& icon = s.places[kIdIcon];
    EXPECT_EQ(icon.left, TwipsToPixels(kIconRect.left, s.dpi));
    EXPECT_EQ(icon.top, TwipsToPixels(kIconRect.top, s.dpi));
    EXPECT_EQ(s.logo.bmWidth, MulDiv(kLogoPixels, s.dpi, 96));
    EXPECT_EQ(s.logo.bmHeight, MulDiv(kLogoPixels, s.dpi, 96));
    EXPECT_EQ(icon.right - icon.left, s.logo.bmWidth);  // the picture box takes the picture's size

    EXPECT_EQ(std::wstring(s.titleFont.lfFaceName), L"MS Sans Serif");
    EXPECT_EQ(s.titleFont.lfWeight, FW_BOLD);
    EXPECT_EQ(s.titleFont.lfHeight, -MulDiv(135, s.dpi, 720));

    EXPECT_EQ(s.window.left, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), s.window.right - s.window.left));
    EXPECT_EQ(s.window.top, CentredOrigin(GetSystemMetrics(SM_CYSCREEN), s.window.bottom - s.window.top));

    // No taskbar button: owned by a window that is never shown.
    EXPECT_TRUE(s.owned);
    EXPECT_FALSE(s.ownerVisible);
    EXPECT_FALSE(s.appWindow);
}

TEST(AboutDialog, EscapeClosesItWhereverTheFocusIs) {
    for (int id : {kIdSysInfo, kIdDescription}) {
        bool closed = false;
        ASSERT_TRUE(RunDialog([&](HWND dialog) {
            FocusControl(dialog, id);
            PressKey(dialog, VK_ESCAPE);
            closed = WaitUntilGone(dialog);
        }));
        EXPECT_TRUE(closed) << "focus on control " << id;
    }
}

TEST(AboutDialog, EnterClosesItUnlessTheFocusIsOnSystemInfo) {
    for (int id : {kIdOk, kIdDescription}) {
        bool closed = false;
        ASSERT_TRUE(RunDialog([&](HWND dialog) {
            FocusControl(dialog, id);
            PressKey(dialog, VK_RETURN);
            closed = WaitUntilGone(dialog);
        }));
        EXPECT_TRUE(closed) << "focus on control " << id;
    }

    TestRegistryKey entry{L"MSINFO"};
    entry.SetString(L"PATH", L"C:\\Tools\\msinfo32.exe");
    SysInfoEnvironment sysInfo;
    sysInfo.root = HKEY_CURRENT_USER;
    sysInfo.pathKey = entry.Path();
    std::atomic<int> starts{0};
    sysInfo.start = [&](const std::wstring& program) {
        if (program == L"C:\\Tools\\msinfo32.exe") ++starts;
        return true;
    };
    bool stayedOpen = false, closedAfter = false;
    ASSERT_TRUE(RunDialog(
        [&](HWND dialog) {
            FocusControl(dialog, kIdSysInfo);
            PressKey(dialog, VK_RETURN);
            for (int i = 0; i < 300 && starts == 0; ++i) Sleep(10);
            stayedOpen = IsWindow(dialog) && IsWindowVisible(dialog);
            PressKey(dialog, VK_ESCAPE);
            closedAfter = WaitUntilGone(dialog);
        },
        sysInfo));
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(closedAfter);
}

TEST(AboutDialog, CloseBoxClosesIt) {
    bool closed = false;
    ASSERT_TRUE(RunDialog([&](HWND dialog) {
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        closed = WaitUntilGone(dialog);
    }));
    EXPECT_TRUE(closed);
}

TEST(AboutDialog, SystemInfoWithoutTheToolSaysSoOverTheDialog) {
    TestRegistryKey none{L"MSINFO"};
    SysInfoEnvironment sysInfo;  // the real message box; entries that do not exist
    sysInfo.root = HKEY_CURRENT_USER;
    sysInfo.pathKey = none.Path() + L"\\missing";
    sysInfo.directoryKey = none.Path() + L"\\missing too";
    std::wstring message;
    bool dialogStayed = false;
    ASSERT_TRUE(RunDialog(
        [&](HWND dialog) {
            PostMessageW(GetDlgItem(dialog, kIdSysInfo), BM_CLICK, 0, 0);
            HWND box = WaitFor([&] { return FindOurWindow(L"#32770", L"Morvane", dialog); });
            if (!box) return;
            message = TextOf(GetDlgItem(box, 0xFFFF));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            WaitUntilGone(box);
            dialogStayed = IsWindow(dialog) != FALSE;
            PressKey(dialog, VK_ESCAPE);
        },
        sysInfo));
    EXPECT_EQ(message, L"System Information Is Unavailable At This Time");
    EXPECT_TRUE(dialogStayed);
}

}  // namespace
}  // namespace morvane
