// A pump whose waiting events are whatever the test runs inside it.
#pragma once

#include <functional>

#include "ui/event_pump.h"

namespace quire::fakes {

class FakeEventPump final : public EventPump {
public:
    int calls = 0;
    std::function<bool(int call)> onPump;  // returns false to say the window is closing

    bool ProcessPendingEvents() override {
        ++calls;
        return onPump ? onPump(calls) : true;
    }
};

}  // namespace quire::fakes
