#include "platform/win32/message_pump.h"

#include "platform/win32/form1_window.h"
#include "platform/win32/keyboard_focus.h"

namespace quire::win32 {

void Deliver(HWND window, MSG& message) {
    if (HandleTabKey(window, message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop(Form1Window& window) {
    MSG message{};
    while (!window.Ended() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        Deliver(window.Handle(), message);
    }
    return 0;
}

bool WindowPump::ProcessPendingEvents() {
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
