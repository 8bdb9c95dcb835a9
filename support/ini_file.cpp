#include "support/ini_file.h"

#include <windows.h>

namespace morvane {

std::wstring ReadIniValue(const std::wstring& section, const std::wstring& key,
                          const std::wstring& defaultValue, const std::wstring& file) {
    constexpr DWORD kBufferSize = 2048;
    std::wstring buffer(kBufferSize, L' ');
    const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(),
                                             buffer.data(), kBufferSize, file.c_str());
    buffer.resize(n);
    return buffer;
}

}  // namespace morvane
