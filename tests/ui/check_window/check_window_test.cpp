// The check window in-process: the web look-up's address, its modeless showing and
// unloading, its tooltips, Check's round of waiting messages, and a change of DPI. Its modal
// showing is walked end to end (tests/e2e); the pictures as the screen shows them:
// tests/e2e/button_picture_e2e_test.cpp.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "res/resource_ids.h"
#include "tests/support/window_search.h"
#include "ui/check_window/check_window.h"
#include "ui/check_window/web_search_address.h"

namespace morvane {
namespace {

// The empty entry and the address the shell is given: tests/e2e/check_e2e_test.cpp. A lone
// surrogate's U+FFFD is the UTF-8 conversion's, tested with the engine.
TEST(WebSearchAddress, IsTheSitesSearchWithTheEntryAsTheOnlyQueryValuePercentEncodedAsUtf8) {
    EXPECT_EQ(WebSearchAddress(L"two words"), L"https://www.dictionary.com/search?q=two%20words");
    const std::pair<std::wstring, std::wstring> cases[] = {
        // Letters, digits, apostrophes and hyphens stay as they are; their neighbours in ASCII do not.
        {L"O'Neill-Smith AZaz09.-_~'", L"O'Neill-Smith%20AZaz09.-_~'"}, {L"@[`{/:,&(", L"%40%5B%60%7B%2F%3A%2C%26%28"},
        {L"a&b=c#d%e+f", L"a%26b%3Dc%23d%25e%2Bf"}, {L"\"x\"?!$;*)]", L"%22x%22%3F%21%24%3B%2A%29%5D"},
        {L"\r\n\t", L"%0D%0A%09"}, {std::wstring(L"a\0b", 3), L"a%00b"},
        {L"caf\u00e9 \u20ac", L"caf%C3%A9%20%E2%82%AC"}, {L"\U0001F600", L"%F0%9F%98%80"}};  // the last a pair
    for (const auto& [text, encoded] : cases) EXPECT_EQ(PercentEncodeQueryValue(text), encoded);
}

SpellingState g_spelling;

HWND FindCheckWindow() {
    return testing::FindShownWindow(GetCurrentProcessId(), testing::kDialogClass, kCheckWindowCaption, kIdWordBox);
}

void PumpWaitingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsCheckWindowDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The texts of the tools of the tooltip windows the check window owns.
std::vector<std::wstring> ToolTexts(HWND window) {
    std::vector<std::wstring> texts;
    for (HWND tooltip = nullptr; (tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr));) {
        if (GetWindow(tooltip, GW_OWNER) != window) continue;
        for (LRESULT i = 0, count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0); i < count; ++i) {
            wchar_t text[80] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.lpszText = text;
            if (SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool)))
                texts.emplace_back(text);
        }
    }
    return texts;
}

// Posts itself again each time it is handled, a few times at most: messages that keep coming
// while Check lets the waiting ones through.
int g_reposted = 0;
LRESULT CALLBACK RepostingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) return DefWindowProcW(window, message, wParam, lParam);
    if (++g_reposted < 5) PostMessageW(window, WM_APP, 0, 0);
    return 0;
}

// The height of the font the control draws its text in.
LONG FontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

TEST(CheckWindowLifetime, ModelessShowReturnsAtOnceNeitherAnotherShowNorEscapeReplacesItAndItFollowsTheDpi) {
    ShowCheckWindowModeless(g_spelling);
    PumpWaitingMessages();
    ASSERT_TRUE(IsCheckWindowLoaded());
    const HWND window = FindCheckWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ToolTexts(window), (std::vector<std::wstring>{L"Check", L"Copy"}));
    SetDlgItemTextW(window, kIdWordBox, L"kept");
    ShowCheckWindowModeless(g_spelling);
    ShowCheckWindowModal(g_spelling);
    SendMessageW(window, WM_COMMAND, IDCANCEL, 0);  // Escape
    PumpWaitingMessages();
    EXPECT_EQ(FindCheckWindow(), window);
    EXPECT_EQ(testing::WindowText(GetDlgItem(window, kIdWordBox)), L"kept");

    // Check handles the messages waiting when it starts, once each, and not those they post.
    WNDCLASSW repostingClass{};
    repostingClass.lpfnWndProc = &RepostingProc;
    repostingClass.lpszClassName = L"Reposting";
    RegisterClassW(&repostingClass);
    const HWND reposting = CreateWindowW(L"Reposting", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);  // one for the window itself does not end the round either
    PostMessageW(reposting, WM_APP, 0, 0);
    SendDlgItemMessageW(window, kIdCheck, BM_CLICK, 0, 0);
    DestroyWindow(reposting);
    EXPECT_EQ(g_reposted, 1);

    // The word box has no length limit: a paste far beyond the edit control's default stays whole.
    const std::wstring pasted(40000, L'a');
    SendDlgItemMessageW(window, kIdWordBox, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pasted.c_str()));
    EXPECT_GE(GetWindowTextLengthW(GetDlgItem(window, kIdWordBox)), 40000);

    // A change of DPI gives every control the font, and the buttons the pictures, at the new size.
    const LONG loaded = FontHeight(GetDlgItem(window, kIdWordBox));  // made at the session's 96 DPI
    ASSERT_NE(loaded, 0);
    RECT frame{};
    GetWindowRect(window, &frame);
    for (const auto& [dpi, pictureSize] : {std::pair(144, 24), std::pair(192, 32), std::pair(96, 16)}) {
        RECT suggested{frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, dpi, 96),
                       frame.top + MulDiv(frame.bottom - frame.top, dpi, 96)};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        for (const int id : {kIdWordBox, kIdWordLabel, kIdCheck, kIdWordList, kIdCopy})
            EXPECT_EQ(FontHeight(GetDlgItem(window, id)), MulDiv(loaded, dpi, 96)) << "control " << id << " at " << dpi;
        for (const int id : {kIdCheck, kIdCopy}) {
            BUTTON_IMAGELIST picture{};
            SendDlgItemMessageW(window, id, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&picture));
            int width = 0, height = 0;
            ImageList_GetIconSize(picture.himl, &width, &height);
            EXPECT_EQ(std::pair(width, height), std::pair(pictureSize, pictureSize))
                << "button " << id << " at " << dpi;
        }
    }

    UnloadCheckWindow();
    EXPECT_FALSE(IsCheckWindowLoaded());
    EXPECT_FALSE(IsWindow(window));
    UnloadCheckWindow();  // not loaded: nothing happens
    EXPECT_FALSE(IsCheckWindowLoaded());
}

}  // namespace
}  // namespace morvane
