// The console's events on Windows, which stand for the stop signals (stop_signals.h).
#pragma once

#include <windows.h>

namespace quire::cli {

// What CatchStopSignals registers with SetConsoleCtrlHandler: Ctrl-C and Ctrl-Break are the
// user's interrupt (status 130, as SIGINT), the console closing, a log-off or a shut-down a
// hang-up (129, as SIGHUP). A read or write that the thread which caught the signals waits on is
// broken off, so that the run notices.
BOOL WINAPI OnConsoleEvent(DWORD event);

}  // namespace quire::cli
