// Port: lets the window breathe between the folders of a run. Implemented by QtEventPump
// (platform/qt) and Win32EventPump (platform/win32); tests use FakeEventPump.
#pragma once

namespace quire {

class EventPump {
public:
    virtual ~EventPump() = default;

    // Handles the window events that are waiting and returns. Any event procedure may run inside.
    // Returns false once the window is closing: the caller must stop at once.
    virtual bool ProcessPendingEvents() = 0;
};

}  // namespace quire
