#include "platform/qt/qt_watched_poll.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace quire {

WatchedPoll::WatchedPoll(PollFunction poll) : poll_(poll) {
    kick_ = Opened(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (kick_.Fd() < 0) return;  // every question then goes to the system
    try {
        watcher_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        kick_ = Descriptor();
    }
}

WatchedPoll::~WatchedPoll() {
    if (!watcher_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    Kick();
    watcher_.join();
}

int WatchedPoll::Poll(pollfd* descriptors, nfds_t count, int timeout) {
    if (timeout == 0 && state_.load(std::memory_order_acquire) == Watch::Watching &&
        IsWatched(descriptors, count)) {
        std::for_each(descriptors, descriptors + count, [](pollfd& d) { d.revents = 0; });
        return 0;
    }
    const int ready = poll_(descriptors, count, timeout);
    // Watching starts from a quiet set only: what is ready now is still to be handled, and the
    // watcher would stop at once.
    if (timeout == 0 && ready == 0 && watcher_.joinable()) StartWatching(descriptors, count);
    return ready;
}

bool WatchedPoll::IsWatched(const pollfd* descriptors, nfds_t count) const {
    return std::equal(
        descriptors, descriptors + count, watched_.begin(), watched_.end(),
        [](const pollfd& a, const pollfd& b) { return a.fd == b.fd && a.events == b.events; });
}

void WatchedPoll::StartWatching(const pollfd* descriptors, nfds_t count) {
    {
        const std::lock_guard lock(mutex_);
        if (state_.load(std::memory_order_relaxed) == Watch::Starting &&
            IsWatched(descriptors, count)) {
            return;
        }
        watched_.assign(descriptors, descriptors + count);
        ++generation_;
        state_.store(Watch::Starting, std::memory_order_release);
    }
    Kick();
}

void WatchedPoll::Kick() const {
    const std::uint64_t one = 1;
    // Fails only when the counter is full, and then the watcher is woken already.
    [[maybe_unused]] const ssize_t written = ::write(kick_.Fd(), &one, sizeof one);
}

void WatchedPoll::Run() {
    std::vector<pollfd> set;
    for (;;) {
        std::uint64_t generation = 0;
        {
            const std::lock_guard lock(mutex_);
            if (stopping_) return;
            generation = generation_;
            set.clear();
            if (state_.load(std::memory_order_relaxed) != Watch::Idle) {
                set = watched_;
                // Anything that becomes ready from here on ends the wait below, as poll reports
                // what is ready at the moment it is called.
                state_.store(Watch::Watching, std::memory_order_release);
            }
        }
        set.push_back({kick_.Fd(), POLLIN, 0});
        int ready = 0;
        do {
            ready = ::poll(set.data(), set.size(), -1);
        } while (ready < 0 && errno == EINTR);
        if (ready > 0 && set.back().revents != 0) {
            std::uint64_t kicks = 0;
            [[maybe_unused]] const ssize_t read = ::read(kick_.Fd(), &kicks, sizeof kicks);
            continue;
        }
        const std::lock_guard lock(mutex_);
        if (generation_ == generation) state_.store(Watch::Idle, std::memory_order_release);
    }
}

}  // namespace quire
