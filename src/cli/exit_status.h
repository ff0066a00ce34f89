// The tool's exit status: what it reports to the script that started it.
#pragma once

#include <functional>
#include <ostream>

#include "cli/output_buffer.h"

namespace quire::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // a folder, a write or the memory failed
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitSignalBase = 128;  // plus the number of the signal that stopped the run

// The status `body` gives. Running out of memory says so on `err` and is a failure; any other
// exception is said on `err` and is bad input.
int GuardedStatus(const std::function<int()>& body, std::ostream& err);

// The status once all output is written. A write to standard output that failed is said on
// standard error; a failed write to either turns success into failure.
int SettleOutput(int status, OutputBuffer& out, OutputBuffer& err);

}  // namespace quire::cli
