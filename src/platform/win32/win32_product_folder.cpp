#include "platform/win32/win32_product_folder.h"

#include <windows.h>

#include "app/product.h"
#include "engine/failure.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {

std::wstring LocalApplicationDataFolder() {
    wchar_t value[MAX_PATH + 1];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", value, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    return std::wstring(value, length);
}

std::wstring ProductDataFolder() {
    const std::wstring folder = LocalApplicationDataFolder();
    if (folder.empty()) return {};
    return folder + L"\\" + Wide(product::kCompany) + L"\\" + Wide(product::kName);
}

void MakeFolderPath(const std::wstring& folder) {
    if (folder.empty()) throw Failure("LOCALAPPDATA names no folder");
    for (std::size_t separator = folder.find(L'\\', 3);;
         separator = folder.find(L'\\', separator + 1)) {
        const std::wstring step = folder.substr(0, separator);
        if (!CreateDirectoryW(step.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            const DWORD error = GetLastError();
            throw Failure(Utf8(step) + ": " + SystemMessage(error));
        }
        if (separator == std::wstring::npos) break;
    }
}

}  // namespace quire::win32
