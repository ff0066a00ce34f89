#include <csignal>
#include <initializer_list>

#include "cli/stop_signals.h"

namespace quire::cli {
namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void OnStopSignal(int signal) {
    if (caught == 0) caught = signal;
}

}  // namespace

void CatchStopSignals() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (signal == SIGHUP && ::sigaction(signal, nullptr, &previous) == 0 &&
            previous.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

int StopSignal() { return caught; }

}  // namespace quire::cli
