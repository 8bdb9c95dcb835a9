#pragma once
// The look a program started from the test is drawn in: the prefix's visual style (Wine's
// "Light", which a new prefix names) or the classic look, at a number of dots per inch. A
// Windows program reads both when it starts (Wine's LogPixels included), so they are set in
// the user's settings before the program is started, and put back after.
#include "program_driver.h"

namespace morvane::e2e {

enum class Look { kThemed, kClassic };

class ProgramLook : RegistryValues {
public:
    ProgramLook(Look look, DWORD dotsPerInch) {
        Set(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", L"ThemeActive",
            look == Look::kThemed ? L"1" : L"0");
        Set(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dotsPerInch, sizeof(dotsPerInch));
    }
};

}  // namespace morvane::e2e
