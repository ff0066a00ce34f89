#include "platform/win32/win32_system_path.h"

#include <windows.h>

#include <string_view>

#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

constexpr std::size_t kLongestShortPath = MAX_PATH - 12 - 1;

bool IsDriveAbsolute(std::wstring_view path) {
    return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}

}  // namespace

std::wstring SystemPath(const std::string& path) {
    std::wstring wide = Wide(SingleSeparators(path));
    if (wide.starts_with(L"\\\\?\\")) return wide;
    // A relative path may be short and still lead to a long one.
    if (wide.size() <= kLongestShortPath && (IsDriveAbsolute(wide) || wide.starts_with(L"\\\\"))) {
        return wide;
    }
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return wide;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return wide;
    full.resize(length);
    if (full.size() <= kLongestShortPath) return wide;
    // The prefixed form names no folder with a separator after it, except a drive's root.
    while (full.size() > 3 && full.back() == L'\\') full.pop_back();
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    if (IsDriveAbsolute(full)) return L"\\\\?\\" + full;
    return wide;
}

}  // namespace quire::win32
