// The run's pump: Qt handles what is waiting, so the window repaints and answers during a run.
#pragma once

#include <QCoreApplication>

#include "platform/qt/qt_main_window.h"
#include "ui/event_pump.h"

namespace quire::qt {

class QtEventPump final : public EventPump {
public:
    explicit QtEventPump(const QtMainWindow& window) : window_(window) {}

    bool ProcessPendingEvents() override {
        QCoreApplication::processEvents();
        return !window_.Closing();
    }

private:
    const QtMainWindow& window_;
};

}  // namespace quire::qt
