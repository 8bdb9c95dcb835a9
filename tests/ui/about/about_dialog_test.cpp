// The About dialog opened in this process and worked from a timer that its modal loop (and
// that of the message box it may show) runs: steps look at what it shows and press keys, as
// a user would.
#include "ui/about/about_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <tuple>
#include <utility>
#include <vector>

#include "support/unique_handle.h"
#include "support/window_dpi.h"
#include "tests/support/window_search.h"
#include "ui/about/about_layout.h"

namespace morvane {
namespace {

// A step is tried on each tick until it returns true; then the next one is tried.
using Step = std::function<bool(HWND dialog)>;

struct Run {
    std::vector<Step> steps;
    std::size_t next = 0;
    HWND dialog = nullptr;
    int ticks = 0;
} g_run;

constexpr int kTickMs = 20, kPatienceTicks = 30000 / kTickMs;

using testing::kDialogClass;
using testing::WindowText;

// The System Information message box.
HWND ShownBox() {
    return testing::FindShownWindow(GetCurrentProcessId(), kDialogClass, L"Morvane", testing::kMessageBoxTextId);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_run.dialog) g_run.dialog = testing::FindShownWindow(GetCurrentProcessId(), kDialogClass, L"About Morvane");
    if (!g_run.dialog) return;
    if (++g_run.ticks > kPatienceTicks) {  // ends whatever is still open, so that no test hangs
        if (const HWND box = ShownBox()) EndDialog(box, IDOK);
        EndDialog(g_run.dialog, IDOK);
        return;
    }
    if (g_run.next < g_run.steps.size() && g_run.steps[g_run.next](g_run.dialog)) ++g_run.next;
}

// Shows the dialog on this thread and runs the steps in its modal loop; the last must leave
// it closing. Fails when a step or the closing was waited for in vain.
void RunDialog(std::vector<Step> steps, const SysInfoEnvironment& sysInfo = {}) {
    g_run = {std::move(steps)};
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &Tick);
    ShowAboutDialogCentred(GetModuleHandleW(nullptr), sysInfo);
    KillTimer(nullptr, timer);
    EXPECT_NE(g_run.dialog, nullptr) << "waited for the dialog";
    EXPECT_EQ(g_run.next, g_run.steps.size()) << "waited for step " << g_run.next;
    EXPECT_LE(g_run.ticks, kPatienceTicks) << "waited for the dialog to close";
}

void PressKey(HWND dialog, WPARAM key) {
    const HWND target = GetFocus() ? GetFocus() : dialog;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

constexpr WPARAM kCloseBox = 0;  // in place of a key: a click on the close box

// Moves the focus the way the Tab key does, so the default button follows it, and presses.
void FocusAndPress(HWND dialog, int id, WPARAM key) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
    if (key == kCloseBox) PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    else PressKey(dialog, key);
}

// The client area (5730 x 3555 twips, 15 a pixel at 96 DPI), the logo and the title font.
void ExpectLaidOutAt(HWND dialog, int dpi) {
    SCOPED_TRACE(::testing::Message() << dpi << " dots per inch");
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, MulDiv(382, dpi, 96));
    EXPECT_EQ(client.bottom, MulDiv(237, dpi, 96));
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
    EXPECT_EQ(std::tuple(std::wstring(title.lfFaceName), title.lfWeight, title.lfHeight),
              std::tuple(L"MS Sans Serif", FW_BOLD, -MulDiv(135, dpi, 720)));
}

// The colours the dialog gives a control's text: brush, text colour and background.
std::tuple<LRESULT, COLORREF, COLORREF> ColoursOf(HWND dialog, UINT message, int id) {
    const WindowDc dc(dialog);
    const LRESULT brush = SendMessageW(dialog, message, reinterpret_cast<WPARAM>(dc.Get()),
                                       reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return {brush, GetTextColor(dc.Get()), GetBkColor(dc.Get())};
}

// The System Information tool cannot start here: Enter on its button shows the message over
// the dialog, which stays open until Escape.
TEST(AboutDialog, ShowsItsControlsLaidOutAtEachResolutionAndTellsWhenSystemInfoCannotStart) {
    SysInfoEnvironment sysInfo;  // the real message box; a registry value every system has as the tool's path
    sysInfo.pathKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion";
    sysInfo.pathValue = L"SystemRoot";
    std::vector<std::wstring> started;
    sysInfo.start = [&](const std::wstring& program) {
        started.push_back(program);
        return false;
    };
    RunDialog({[](HWND dialog) {
                   // The thanks, ending with a colon, then three sources with their addresses.
                   const std::wstring source = L"\r\n[^\r\n]*https://[^\r\n]*";
                   EXPECT_TRUE(std::regex_match(WindowText(GetDlgItem(dialog, kIdDescription)),
                                                std::wregex(L"[^\r\n]*:" + source + source + source)));
                   EXPECT_EQ(WindowText(GetDlgItem(dialog, kIdDisclaimer)).rfind(L"Warning:", 0), 0u);

                   EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, kIdOk), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
                   const LRESULT dialogFont = SendMessageW(dialog, WM_GETFONT, 0, 0);
                   EXPECT_NE(dialogFont, 0);
                   EXPECT_EQ(SendDlgItemMessageW(dialog, kIdSysInfo, WM_GETFONT, 0, 0), dialogFont);
                   // The description on the scroll-bar colour, the labels in black on the face colour.
                   EXPECT_EQ(ColoursOf(dialog, WM_CTLCOLOREDIT, kIdDescription),
                             std::tuple(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_SCROLLBAR)),
                                        GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_SCROLLBAR)));
                   EXPECT_EQ(ColoursOf(dialog, WM_CTLCOLORSTATIC, kIdTitle),
                             std::tuple(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)), RGB(0, 0, 0),
                                        GetSysColor(COLOR_BTNFACE)));
                   // The etched separator: a dark grey line one pixel high over a white line two high.
                   UpdateWindow(dialog);
                   const WindowDc dc(dialog);
                   const int x = TwipsToPixels(2000, WindowDpi(dialog)), y = TwipsToPixels(2445, WindowDpi(dialog));
                   const COLORREF face = GetSysColor(COLOR_BTNFACE), white = RGB(255, 255, 255);
                   const COLORREF fromAbove[] = {face, RGB(128, 128, 128), white, white, face};
                   for (int i = 0; i < 5; ++i) EXPECT_EQ(GetPixel(dc.Get(), x, y - 1 + i), fromAbove[i]) << "row " << i;
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
                   FocusAndPress(dialog, kIdSysInfo, VK_RETURN);
                   return true;
               },
               [](HWND dialog) {
                   const HWND box = ShownBox();
                   if (!box) return false;
                   EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
                   EXPECT_EQ(WindowText(GetDlgItem(box, testing::kMessageBoxTextId)),
                             L"System Information Is Unavailable At This Time");
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
                   return true;
               },
               [](HWND dialog) {
                   if (ShownBox()) return false;
                   EXPECT_TRUE(IsWindowVisible(dialog));
                   PressKey(dialog, VK_ESCAPE);
                   return true;
               }},
              sysInfo);
    wchar_t systemRoot[MAX_PATH];
    const std::wstring windowsFolder(systemRoot, GetWindowsDirectoryW(systemRoot, MAX_PATH));
    EXPECT_EQ(started, std::vector<std::wstring>{windowsFolder});
}

// Esc and the close box close it wherever the focus is, and so does Enter elsewhere than on
// System Info.
TEST(AboutDialog, EscEnterAndTheCloseBoxCloseIt) {
    const std::pair<int, WPARAM> cases[] = {
        {kIdSysInfo, VK_ESCAPE}, {kIdDescription, VK_ESCAPE}, {kIdOk, VK_RETURN},
        {kIdDescription, VK_RETURN}, {kIdSysInfo, kCloseBox}};
    for (const auto& [focus, key] : cases) {
        SCOPED_TRACE(::testing::Message() << "focus on " << focus << ", key " << key);
        RunDialog({[&](HWND dialog) {
            FocusAndPress(dialog, focus, key);
            return true;
        }});
    }
}

}  // namespace
}  // namespace morvane
