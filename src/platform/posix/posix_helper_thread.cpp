#include "platform/posix/posix_helper_thread.h"

#include <pthread.h>
#include <signal.h>

#include <utility>

namespace quire {

std::optional<std::thread> StartHelperThread(std::function<void()> work) {
    // A new thread takes the mask of the thread that starts it.
    struct AllSignalsBlocked {
        sigset_t previous{};
        AllSignalsBlocked() {
            sigset_t all;
            ::sigfillset(&all);
            ::pthread_sigmask(SIG_SETMASK, &all, &previous);
        }
        ~AllSignalsBlocked() { ::pthread_sigmask(SIG_SETMASK, &previous, nullptr); }
        AllSignalsBlocked(const AllSignalsBlocked&) = delete;
        AllSignalsBlocked& operator=(const AllSignalsBlocked&) = delete;
    } const blocked;
    return std::thread(std::move(work));
}

}  // namespace quire
