#include <windows.h>

#include <atomic>

#include "cli/stop_signals.h"

namespace quire::cli {
namespace {

// The statuses are those of the POSIX signals the events stand for: Ctrl-C and Ctrl-Break are
// the user's interrupt (SIGINT, 130), the console going away is a hang-up (SIGHUP, 129).
constexpr int kInterrupt = 2;
constexpr int kHangUp = 1;

std::atomic<int> caught{0};
HANDLE mainThread = nullptr;

// Runs on a thread of its own. A read or write of the main thread that waits is broken off, so
// that the run notices. On a close the system ends the process once the handler returns: it
// waits for the run to finish, within the time the system allows.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    int signal = 0;
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT: signal = kInterrupt; break;
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT: signal = kHangUp; break;
        default: return FALSE;
    }
    int none = 0;
    caught.compare_exchange_strong(none, signal);
    if (mainThread != nullptr) CancelSynchronousIo(mainThread);
    if (signal == kHangUp && mainThread != nullptr) WaitForSingleObject(mainThread, 4500);
    return TRUE;
}

}  // namespace

// A Ctrl-C that the starter set to be ignored stays ignored (Ctrl-Break cannot be).
void CatchStopSignals() {
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &mainThread, 0,
                    FALSE, DUPLICATE_SAME_ACCESS);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

int StopSignal() { return caught.load(); }

}  // namespace quire::cli
