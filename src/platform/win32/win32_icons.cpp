#include "platform/win32/win32_icons.h"

#include "platform/win32/win32_system_error.h"

namespace quire::win32 {

Icon LoadIconScaledDown(HINSTANCE module, int id, int size) {
    // Exported by the common controls of version 6 (the manifest asks for them), but not named by
    // every import library.
    using ScaleDown = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    static const auto scaleDown = reinterpret_cast<ScaleDown>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
    HICON icon = nullptr;
    unsigned long error = 0;
    if (scaleDown != nullptr) {
        const HRESULT result = scaleDown(module, MAKEINTRESOURCEW(id), size, size, &icon);
        if (FAILED(result)) error = static_cast<unsigned long>(result);
    } else {
        icon = static_cast<HICON>(
            LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        if (icon == nullptr) error = GetLastError();
    }
    if (icon == nullptr) throw Failure(SystemMessage(error));
    return Icon(icon);
}

}  // namespace quire::win32
