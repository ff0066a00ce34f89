// A creation run from the command line: the window's validation and loop, reported as text.
#pragma once

#include <functional>
#include <ostream>

#include "cli/cli_options.h"
#include "cli/progress_printer.h"
#include "engine/file_system.h"

namespace quire::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitInterrupted = 130;

struct CliContext {
    FileSystem& files;
    std::ostream& out;
    std::ostream& err;
    std::function<bool()> interrupted;  // polled before every folder
    bool progress;                      // a progress line on `err` (a terminal)
};

// Runs and returns the exit status.
int RunFromCommandLine(const RunOptions& options, CliContext& context);

}  // namespace quire::cli
