#include "program_look.h"

namespace morvane::e2e {
namespace {

constexpr wchar_t kThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

}  // namespace

ProgramLook::ProgramLook(Look look, int dotsPerInch) {
    for (const wchar_t* name : {L"ThemeActive", L"DllName", L"ColorName", L"SizeName"}) Save(kThemeKey, name);
    Save(kDesktopKey, L"LogPixels");
    SetText(kThemeKey, L"DllName", L"C:\\windows\\resources\\themes\\light\\light.msstyles");
    SetText(kThemeKey, L"ColorName", L"Blue");
    SetText(kThemeKey, L"SizeName", L"NormalSize");
    SetText(kThemeKey, L"ThemeActive", look == Look::kThemed ? L"1" : L"0");
    const DWORD dpi = static_cast<DWORD>(dotsPerInch);
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
}

ProgramLook::~ProgramLook() {
    for (const SavedValue& value : saved_) {
        if (!value.existed) RegDeleteKeyValueW(HKEY_CURRENT_USER, value.key.c_str(), value.name.c_str());
        else RegSetKeyValueW(HKEY_CURRENT_USER, value.key.c_str(), value.name.c_str(), value.type,
                             value.data.data(), static_cast<DWORD>(value.data.size()));
    }
}

void ProgramLook::Save(const wchar_t* key, const wchar_t* name) {
    SavedValue& value = saved_.emplace_back(SavedValue{key, name});
    DWORD size = 0;
    for (int read = 0; read < 2; ++read) {  // the size, then the value as stored
        value.existed = RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                                     read ? value.data.data() : nullptr, &size) == ERROR_SUCCESS;
        value.data.resize(size);
    }
}

void ProgramLook::SetText(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace morvane::e2e
