// Shows Morvane's windows on the current (virtual) display and photographs them with
// ImageMagick's `import`, for the documentation and for a run without a screen.
//   screenshot_driver all <Morvane.exe> <output folder>
//       check-window.png (after checking a misspelt word), tray-menu.png, about.png
//   screenshot_driver check <Morvane.exe> <output png> [word]
//       the check window after checking the word (default "recieve"); the program then ends
// Paths may be given as Linux paths.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "program_driver.h"

namespace {

using namespace morvane::e2e;

// Runs `import` on the display for the part of the screen that shows the window, with a small
// margin for its frame, and waits for the finished picture (the Linux program's process
// handle cannot be waited on, so the file is watched instead).
bool Photograph(const std::wstring& linuxPng, HWND window) {
    if (!window) return false;
    // The window painted, then the program idle again, its drawing on the display.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    WaitUntilIdle(window);
    RECT area{};
    GetWindowRect(window, &area);
    const LONG left = std::max(0L, area.left - 3), top = std::max(0L, area.top - 3);
    const LONG right = std::min<LONG>(GetSystemMetrics(SM_CXSCREEN), area.right + 3);
    const LONG bottom = std::min<LONG>(GetSystemMetrics(SM_CYSCREEN), area.bottom + 3);
    const std::wstring crop = std::to_wstring(right - left) + L"x" + std::to_wstring(bottom - top) +
                              L"+" + std::to_wstring(left) + L"+" + std::to_wstring(top);
    const std::wstring partial = linuxPng + L".partial.png";
    std::wstring command = L"Z:\\bin\\sh -c \"import -window root -crop " + crop + L" +repage '" +
                           partial + L"' && mv '" + partial + L"' '" + linuxPng + L"'\"";
    const std::wstring windowsPng = FullPath(linuxPng);
    DeleteFileW(windowsPng.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const bool made = WaitUntil(
        [&] { return GetFileAttributesW(windowsPng.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
    if (made) std::printf("%ls\n", linuxPng.c_str());
    return made;
}

// Shows the check window, checks the word and photographs the window.
bool PhotographCheckedWord(const RunningProgram& program, const std::wstring& word,
                           const std::wstring& png) {
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    if (window) {
        CheckWordAndRead(window, word);
        // The click leaves the focus on Check; made certain, with its focus rectangle shown
        // (and so no caret in the word box), so that every picture is the same.
        SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, morvane::kIdCheck)), TRUE);
        SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    return Photograph(png, window);
}

// Photographs the window, then closes it with `message` and waits for it to go.
bool PhotographAndClose(HWND window, const std::wstring& png, UINT message, WPARAM first) {
    const bool made = Photograph(png, window);
    if (window) PostMessageW(window, message, first, 0);
    WaitUntil([&] { return !IsWindowVisible(window); });
    return made;
}

int Run(const std::wstring& programPath, const std::wstring& output, const std::wstring* word) {
    RunningProgram program(FullPath(programPath));
    if (!program.Host()) return 2;
    bool ok = PhotographCheckedWord(program, word ? *word : L"recieve",
                                    word ? output : output + L"/check-window.png");
    if (!word) {
        program.LeftClick();
        program.WaitUntilNoCheckWindow();
        program.RightClick();
        ok = PhotographAndClose(program.WaitForShownWindow(L"#32768", L""),
                                output + L"/tray-menu.png", WM_KEYDOWN, VK_ESCAPE) && ok;
        program.ChooseMenuItem(RunningProgram::kAbout);
        ok = PhotographAndClose(program.WaitForShownWindow(nullptr, L"About Morvane"),
                                output + L"/about.png", WM_CLOSE, 0) && ok;
    }
    program.ChooseMenuItem(RunningProgram::kExit);
    program.WaitForExit();
    return ok ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"all" && argc == 4) return Run(argv[2], argv[3], nullptr);
    if (mode == L"check" && (argc == 4 || argc == 5)) {
        const std::wstring word = argc == 5 ? argv[4] : L"recieve";
        return Run(argv[2], argv[3], &word);
    }
    std::fprintf(stderr, "usage: screenshot_driver all <Morvane.exe> <folder>\n"
                         "       screenshot_driver check <Morvane.exe> <png> [word]\n");
    return 2;
}
