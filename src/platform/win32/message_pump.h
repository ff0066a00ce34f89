// The message loop of the program and the pump that keeps the window alive during a run.
#pragma once

#include <windows.h>

#include "engine/event_pump.h"

namespace quire::win32 {

class Form1Window;

// Handles one message as the main loop does: the Tab key first, then the usual dispatch.
void Deliver(HWND window, MSG& message);

// Runs until the window has been closed.
int RunMessageLoop(Form1Window& window);

class WindowPump final : public EventPump {
public:
    explicit WindowPump(Form1Window& window) : window_(window) {}

    // Handles what is waiting with PeekMessageW; false once the window is closing.
    bool ProcessPendingEvents() override;

private:
    Form1Window& window_;
};

}  // namespace quire::win32
