#include "platform/qt/qt_main_loop_poll.h"

#include <glib.h>

#include <cstddef>

namespace quire::qt {
namespace {

// GLib hands its descriptors to poll(2) as they are on Unix; so do we.
static_assert(sizeof(GPollFD) == sizeof(pollfd));
static_assert(offsetof(GPollFD, fd) == offsetof(pollfd, fd));
static_assert(offsetof(GPollFD, events) == offsetof(pollfd, events));
static_assert(offsetof(GPollFD, revents) == offsetof(pollfd, revents));

// GLib's poll function takes no context of its own; the context is polled by one thread at a time.
WatchedPoll* active = nullptr;

gint PollThroughWatcher(GPollFD* descriptors, guint count, gint timeout) {
    return active->Poll(reinterpret_cast<pollfd*>(descriptors), count, timeout);
}

}  // namespace

MainLoopPoll::MainLoopPoll()
    : previous_(active),
      previousFunction_(reinterpret_cast<void (*)()>(g_main_context_get_poll_func(nullptr))) {
    active = &poll_;
    g_main_context_set_poll_func(nullptr, PollThroughWatcher);
}

MainLoopPoll::~MainLoopPoll() {
    active = previous_;
    g_main_context_set_poll_func(nullptr, reinterpret_cast<GPollFunc>(previousFunction_));
}

}  // namespace quire::qt
