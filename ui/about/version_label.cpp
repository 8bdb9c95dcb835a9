#include "ui/about/version_label.h"

#include <vector>

namespace morvane {

std::wstring VersionLabel(unsigned major, unsigned minor, unsigned revision) {
    return L"Version " + std::to_wstring(major) + L"." + std::to_wstring(minor) + L"." + std::to_wstring(revision);
}

std::wstring ModuleVersionLabel(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    // VerQueryValue wants a block it may write to, not the mapped resource itself.
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::vector<unsigned char> block(bytes, bytes + SizeofResource(module, found));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || length < sizeof *info ||
        info->dwSignature != VS_FFI_SIGNATURE) {
        return {};
    }
    return VersionLabel(HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionLS));
}

}  // namespace morvane
