#include "platform/win32/win32_shell_item.h"

#include <cwchar>

#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {

ItemList ItemOfFolder(const std::wstring& path) {
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(SHParseDisplayName(path.c_str(), nullptr, &item, 0, nullptr))) return {};
    return ItemList(item);
}

std::string PathOfItem(PCIDLIST_ABSOLUTE item) {
    // The longest path the system knows, so that a deep folder is never cut at MAX_PATH.
    constexpr DWORD kLongestPath = 32768;
    std::wstring path(kLongestPath, L'\0');
    if (!SHGetPathFromIDListEx(item, path.data(), kLongestPath, GPFIDL_DEFAULT)) return {};
    path.resize(std::wcslen(path.c_str()));
    return Utf8(path);
}

}  // namespace quire::win32
