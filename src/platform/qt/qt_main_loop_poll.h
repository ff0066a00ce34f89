// The main loop's polls go through a WatchedPoll, so that the pump before every folder of a run
// costs no system call while nothing happens. Qt's main event loop runs on GLib's default context;
// with Qt's other dispatcher (QT_NO_GLIB) this changes nothing.
#pragma once

#include "platform/qt/qt_watched_poll.h"

namespace quire::qt {

class MainLoopPoll {
public:
    MainLoopPoll();
    // Puts back the poll the context had before.
    ~MainLoopPoll();
    MainLoopPoll(const MainLoopPoll&) = delete;
    MainLoopPoll& operator=(const MainLoopPoll&) = delete;

private:
    WatchedPoll poll_;
    WatchedPoll* previous_;
    void (*previousFunction_)();  // GLib's type, kept out of this header
};

}  // namespace quire::qt
