#include "platform/win32/win32_system_error.h"

#include <windows.h>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {

std::string SystemMessage(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const LocalMemory owned(buffer);
    if (length == 0 || buffer == nullptr) return "Error " + std::to_string(code);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return Utf8(text);
}

Failure LastErrorFailure() { return Failure(SystemMessage(GetLastError())); }

}  // namespace quire::win32
