#include "platform/win32/win32_preview_key.h"

#include <string_view>

#include "app/product.h"
#include "platform/win32/win32_window_ids.h"

namespace quire::win32 {
namespace {

// The letter after "Ctrl+": a virtual-key code is the capital letter itself.
constexpr std::string_view kControl = "Ctrl+";
static_assert(product::kPreviewShortcut.size() == kControl.size() + 1 &&
              product::kPreviewShortcut.starts_with(kControl) &&
              product::kPreviewShortcut.back() >= 'A' && product::kPreviewShortcut.back() <= 'Z');
constexpr WPARAM kLetter = static_cast<WPARAM>(product::kPreviewShortcut.back());

}  // namespace

bool HandlePreviewKey(HWND window, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != kLetter) return false;
    if (message.hwnd != window && IsChild(window, message.hwnd) == FALSE) return false;
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_SHIFT) < 0) {
        return false;
    }
    SendMessageW(window, WM_SYSCOMMAND, kPreviewCommand, 0);
    return true;
}

}  // namespace quire::win32
