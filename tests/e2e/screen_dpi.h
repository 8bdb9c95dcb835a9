#pragma once
// The screen resolution that programs started while this lives find: Wine reads the user's
// LogPixels value as each program starts. Put back as it was at the end.
#include <windows.h>

namespace morvane::e2e {

class ScreenDpiForNewPrograms {
public:
    explicit ScreenDpiForNewPrograms(DWORD dotsPerInch) {
        DWORD size = sizeof(previous_);
        hadValue_ = !RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &previous_, &size);
        RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &dotsPerInch, sizeof(dotsPerInch));
    }
    ~ScreenDpiForNewPrograms() {
        if (hadValue_) RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &previous_, sizeof(previous_));
        else RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
    }
    ScreenDpiForNewPrograms(const ScreenDpiForNewPrograms&) = delete;
    ScreenDpiForNewPrograms& operator=(const ScreenDpiForNewPrograms&) = delete;

private:
    static constexpr wchar_t kKey[] = L"Control Panel\\Desktop";
    static constexpr wchar_t kValue[] = L"LogPixels";
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

}  // namespace morvane::e2e
