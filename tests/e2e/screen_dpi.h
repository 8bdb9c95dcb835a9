#pragma once
// The screen resolution that programs started from now on find: Wine reads the user's
// LogPixels value as each program starts. Put back as it was at the end.
#include <windows.h>

#include <optional>

namespace morvane::e2e {

class ScreenDpiForNewPrograms {
public:
    explicit ScreenDpiForNewPrograms(DWORD dotsPerInch);
    ~ScreenDpiForNewPrograms();
    ScreenDpiForNewPrograms(const ScreenDpiForNewPrograms&) = delete;
    ScreenDpiForNewPrograms& operator=(const ScreenDpiForNewPrograms&) = delete;

private:
    std::optional<DWORD> previous_;  // nullopt: there was no value
};

}  // namespace morvane::e2e
