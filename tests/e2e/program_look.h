#pragma once
// The look a program started from the test is drawn in: the prefix's visual style (Wine's
// "Light" theme) or the classic look, and the dots per inch of the screen. Both are read by a
// Windows program when it starts, so they are set before the program is started.
#include <windows.h>

#include <string>
#include <vector>

namespace morvane::e2e {

enum class Look { kClassic, kThemed };

// Sets the look and the DPI in the current user's settings while it lives; puts back every
// value as it was at the end.
class ProgramLook {
public:
    ProgramLook(Look look, int dotsPerInch);
    ~ProgramLook();
    ProgramLook(const ProgramLook&) = delete;
    ProgramLook& operator=(const ProgramLook&) = delete;

private:
    struct SavedValue {
        std::wstring key, name;
        bool existed = false;
        DWORD type = 0;
        std::vector<BYTE> data{};
    };
    void Save(const wchar_t* key, const wchar_t* name);
    static void SetText(const wchar_t* key, const wchar_t* name, const std::wstring& text);

    std::vector<SavedValue> saved_;
};

}  // namespace morvane::e2e
