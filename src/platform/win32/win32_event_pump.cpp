#include "platform/win32/win32_event_pump.h"

#include "platform/win32/win32_form1_view.h"
#include "platform/win32/win32_keyboard_focus.h"
#include "platform/win32/win32_preview_key.h"

namespace quire::win32 {

void Deliver(HWND window, MSG& message) {
    if (HandleTabKey(window, message) || HandlePreviewKey(window, message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop(Win32Form1View& window) {
    MSG message{};
    while (!window.Ended() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        Deliver(window.Handle(), message);
    }
    return 0;
}

bool Win32EventPump::ProcessPendingEvents() {
    MSG message{};
    while (!window_.Ended() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the main loop, which ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Deliver(window_.Handle(), message);
    }
    return !window_.Ended();
}

}  // namespace quire::win32
