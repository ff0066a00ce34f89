#include "cli/stop_signals_win32.h"

#include <atomic>

#include "cli/stop_signals.h"

namespace quire::cli {
namespace {

constexpr int kInterrupt = 2;
constexpr int kHangUp = 1;

std::atomic<int> caught{0};
HANDLE mainThread = nullptr;

}  // namespace

// Runs on a thread of its own. On a close the system ends the process once the handler returns:
// it waits for the run to finish, within the time the system allows.
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

// A Ctrl-C that the starter set to be ignored stays ignored (Ctrl-Break cannot be).
void CatchStopSignals() {
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &mainThread, 0,
                    FALSE, DUPLICATE_SAME_ACCESS);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

int StopSignal() { return caught.load(); }

}  // namespace quire::cli
