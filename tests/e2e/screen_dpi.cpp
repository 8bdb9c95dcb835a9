#include "screen_dpi.h"

namespace morvane::e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

}  // namespace

ScreenDpiForNewPrograms::ScreenDpiForNewPrograms(DWORD dotsPerInch) {
    DWORD value = 0, size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
        ERROR_SUCCESS)
        previous_ = value;
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dotsPerInch, sizeof(dotsPerInch));
}

ScreenDpiForNewPrograms::~ScreenDpiForNewPrograms() {
    if (previous_) RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &*previous_, sizeof(DWORD));
    else RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
}

}  // namespace morvane::e2e
