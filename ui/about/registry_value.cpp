#include "ui/about/registry_value.h"

#include <array>
#include <cstring>

#include "support/unique_handle.h"

namespace morvane {

bool GetKeyValue(HKEY keyRoot, const std::wstring& keyName, const std::wstring& valueName, std::wstring& keyVal) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(keyRoot, keyName.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    const UniqueRegistryKey key(opened);

    std::array<wchar_t, 1024> buffer{};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    if (RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        keyVal.clear();
        return false;
    }
    if (size == 0) throw EmptyRegistryValue("the registry value holds no data");

    switch (type) {
        case REG_SZ: {
            std::wstring text(buffer.data(), size / sizeof(wchar_t));
            if (!text.empty() && text.back() == L'\0') text.pop_back();
            keyVal = std::move(text);
            break;
        }
        case REG_DWORD: {
            DWORD number = 0;
            std::memcpy(&number, buffer.data(), size < sizeof number ? size : sizeof number);
            keyVal = std::to_wstring(number);
            break;
        }
        default:
            break;
    }
    return true;
}

}  // namespace morvane
