#pragma once
// A registry key of its own for one test under HKEY_CURRENT_USER, deleted with its subkeys
// at the end.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane::testing {

class TestRegistryKey {
public:
    explicit TestRegistryKey(const std::wstring& name)
        : top_(L"Software\\Morvane tests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made_)),
          path_(top_ + L"\\" + name) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr)) {
            throw std::runtime_error("cannot create a test registry key");
        }
    }
    ~TestRegistryKey() {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, top_.c_str());
    }
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // The key's path under HKEY_CURRENT_USER.
    const std::wstring& Path() const { return path_; }

    void SetRaw(const std::wstring& name, DWORD type, const void* data, std::size_t bytes) const {
        if (RegSetValueExW(key_, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(bytes))) {
            throw std::runtime_error("cannot set a test registry value");
        }
    }
    // A REG_SZ value, stored with or without its terminating zero.
    void SetString(const std::wstring& name, std::wstring_view text, bool withTerminator = true) const {
        std::wstring data(text);
        if (withTerminator) data.push_back(L'\0');
        SetRaw(name, REG_SZ, data.data(), data.size() * sizeof(wchar_t));
    }

private:
    static inline int made_ = 0;
    std::wstring top_, path_;
    HKEY key_ = nullptr;
};

}  // namespace morvane::testing
