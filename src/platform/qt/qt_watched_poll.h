// poll() for an event loop that, while busy, keeps asking whether anything is ready without waiting
// (a zero timeout): the desktop program's run asks before every folder. Each such question is a
// system call, which costs as much as a quarter of the folder itself. Here a watcher thread waits
// on the same descriptors instead, and a question without waiting is answered from what the watcher
// has seen: nothing is ready as long as its own wait has not ended. Waiting polls are always real.
#pragma once

#include <poll.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/posix/posix_files.h"

namespace quire {

class WatchedPoll {
public:
    using PollFunction = int (*)(pollfd*, nfds_t, int);

    // `poll` is the call that asks the system (tests count it); the watcher always uses ::poll.
    explicit WatchedPoll(PollFunction poll = ::poll);
    ~WatchedPoll();
    WatchedPoll(const WatchedPoll&) = delete;
    WatchedPoll& operator=(const WatchedPoll&) = delete;

    // As poll(2). Called by one thread at a time.
    int Poll(pollfd* descriptors, nfds_t count, int timeout);

private:
    enum class Watch : std::uint8_t {
        Idle,      // nothing being watched: questions go to the system
        Starting,  // a set was handed over; the watcher has not begun waiting on it
        Watching,  // the watcher waits on the set and has seen nothing ready
    };

    bool IsWatched(const pollfd* descriptors, nfds_t count) const;
    void StartWatching(const pollfd* descriptors, nfds_t count);
    void Kick() const;
    void Run();

    PollFunction poll_;
    Descriptor kick_;  // wakes the watcher when the set changes or it must stop
    std::mutex mutex_;
    std::vector<pollfd> watched_;  // written by the polling thread under mutex_
    std::uint64_t generation_ = 0;
    bool stopping_ = false;
    std::atomic<Watch> state_{Watch::Idle};
    std::thread watcher_;
};

}  // namespace quire
