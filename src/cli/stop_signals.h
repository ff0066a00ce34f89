// SIGINT, SIGTERM and SIGHUP ask the run to stop after the folder in hand.
#pragma once

namespace quire::cli {

// Catches the stop signals from now on. Calls they interrupt are not restarted, so that a write
// stalled on a reader gives way. A SIGHUP ignored when the tool started (nohup) stays ignored.
void CatchStopSignals();

// The first stop signal caught, or 0.
int StopSignal();

}  // namespace quire::cli
