// The message loop of the program and the pump that keeps the window alive during a run.
#pragma once

#include <windows.h>

#include "ui/event_pump.h"

namespace quire::win32 {

class Win32Form1View;

// Handles one message as the main loop does: the Tab key and the preview's key first, then the
// usual dispatch.
void Deliver(HWND window, MSG& message);

// Runs until the window has been closed.
int RunMessageLoop(Win32Form1View& window);

class Win32EventPump final : public EventPump {
public:
    explicit Win32EventPump(Win32Form1View& window) : window_(window) {}

    // Handles what is waiting with PeekMessageW; false once the window is closing.
    bool ProcessPendingEvents() override;

private:
    Win32Form1View& window_;
};

}  // namespace quire::win32
