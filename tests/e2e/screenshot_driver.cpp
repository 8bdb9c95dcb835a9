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

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
    return length ? std::wstring(full, length) : path;
}

// The part of the screen that shows the window, with a small margin for its frame.
std::wstring CropAround(HWND window) {
    constexpr int kMargin = 3;
    RECT area{};
    GetWindowRect(window, &area);
    const int left = std::max(0, static_cast<int>(area.left) - kMargin);
    const int top = std::max(0, static_cast<int>(area.top) - kMargin);
    const int right = std::min(GetSystemMetrics(SM_CXSCREEN), static_cast<int>(area.right) + kMargin);
    const int bottom = std::min(GetSystemMetrics(SM_CYSCREEN), static_cast<int>(area.bottom) + kMargin);
    return std::to_wstring(right - left) + L"x" + std::to_wstring(bottom - top) + L"+" +
           std::to_wstring(left) + L"+" + std::to_wstring(top);
}

// Runs `import` on the display for the part of the screen that shows the window, and waits
// for the finished picture (the Linux program's process handle cannot be waited on, so the
// file is watched instead).
bool Photograph(const std::wstring& linuxPng, HWND window) {
    const std::wstring partial = linuxPng + L".partial.png";
    std::wstring command = L"Z:\\bin\\sh -c \"import -window root -crop " + CropAround(window) +
                           L" +repage '" + partial + L"' && mv '" + partial + L"' '" + linuxPng +
                           L"'\"";
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

HWND ShowCheckedWord(const RunningProgram& program, const std::wstring& word) {
    program.LeftClick();
    const HWND window = program.WaitForCheckWindow();
    if (!window) return nullptr;
    CheckWordAndRead(window, word);
    Sleep(300);  // let the list and the frame paint
    return window;
}

void Exit(const RunningProgram& program) {
    program.ChooseMenuItem(4);
    program.WaitForExit();
}

int PhotographAll(const std::wstring& programPath, const std::wstring& folder) {
    RunningProgram program(FullPath(programPath));
    if (!program.Host()) return 2;
    const HWND window = ShowCheckedWord(program, L"recieve");
    bool ok = window && Photograph(folder + L"/check-window.png", window);
    program.LeftClick();
    program.WaitUntilNoCheckWindow();

    program.RightClick();
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = program.FindWindowNamed(L"#32768", L"")) != nullptr; });
    Sleep(300);
    ok = menu && Photograph(folder + L"/tray-menu.png", menu) && ok;
    if (menu) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    WaitUntil([&] { return program.FindWindowNamed(L"#32768", L"") == nullptr; });

    program.ChooseMenuItem(2);
    const HWND about = program.WaitForWindow(nullptr, L"About Morvane");
    Sleep(300);
    ok = about && Photograph(folder + L"/about.png", about) && ok;
    if (about) PostMessageW(about, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindow(about); });
    Exit(program);
    return ok ? 0 : 1;
}

int PhotographCheck(const std::wstring& programPath, const std::wstring& png,
                    const std::wstring& word) {
    RunningProgram program(FullPath(programPath));
    if (!program.Host()) return 2;
    const HWND window = ShowCheckedWord(program, word);
    const bool ok = window && Photograph(png, window);
    Exit(program);
    return ok ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"all" && argc == 4) return PhotographAll(argv[2], argv[3]);
    if (mode == L"check" && (argc == 4 || argc == 5)) {
        return PhotographCheck(argv[2], argv[3], argc == 5 ? argv[4] : L"recieve");
    }
    std::fprintf(stderr, "usage: screenshot_driver all <Morvane.exe> <folder>\n"
                         "       screenshot_driver check <Morvane.exe> <png> [word]\n");
    return 2;
}
