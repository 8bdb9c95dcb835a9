#pragma once
// The look a program started from the test is drawn in: the prefix's visual style (Wine's
// "Light", which a new prefix names) or the classic look, at a number of dots per inch. A
// Windows program reads both when it starts (Wine's LogPixels included), so they are set in
// the user's settings before the program is started, and put back after.
#include <windows.h>

#include <string>
#include <vector>

namespace morvane::e2e {

enum class Look { kThemed, kClassic };

class ProgramLook {
public:
    ProgramLook(Look look, DWORD dotsPerInch) {
        Set(kThemeKey, L"ThemeActive", look == Look::kThemed ? L"1" : L"0");
        Set(L"Control Panel\\Desktop", L"LogPixels", dotsPerInch);
    }
    ~ProgramLook() {
        for (auto value = saved_.rbegin(); value != saved_.rend(); ++value) {
            if (value->data.empty()) RegDeleteKeyValueW(HKEY_CURRENT_USER, value->key, value->name);
            else RegSetKeyValueW(HKEY_CURRENT_USER, value->key, value->name, value->type, value->data.data(),
                                 static_cast<DWORD>(value->data.size()));
        }
    }
    ProgramLook(const ProgramLook&) = delete;
    ProgramLook& operator=(const ProgramLook&) = delete;

private:
    static constexpr wchar_t kThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    struct Saved {
        const wchar_t* key;
        const wchar_t* name;
        DWORD type = 0;
        std::vector<BYTE> data{};  // empty: there was no value
    };

    void Set(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
        Save(key, name);
        RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void Set(const wchar_t* key, const wchar_t* name, DWORD number) {
        Save(key, name);
        RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &number, sizeof(number));
    }
    // The value as stored, its size asked first.
    void Save(const wchar_t* key, const wchar_t* name) {
        Saved& saved = saved_.emplace_back(Saved{key, name});
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr, nullptr, &size) != 0) return;
        saved.data.resize(size);
        RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY | RRF_NOEXPAND, &saved.type, saved.data.data(), &size);
    }

    std::vector<Saved> saved_;
};

}  // namespace morvane::e2e
