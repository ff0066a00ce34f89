// A creation run from the command line: the window's validation and loop, reported as text.
#pragma once

#include <functional>
#include <ostream>

#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/progress_printer.h"
#include "engine/file_system.h"

namespace quire::cli {

struct CliContext {
    FileSystem& files;
    std::ostream& out;
    std::ostream& err;
    std::function<int()> stopSignal;  // 0, or the signal that stops the run, from then on
    bool progress;                    // a progress line on `err` (a terminal)
};

// Runs and returns the exit status. A dry run whose output fails stops there: what it prints is
// all it does.
int RunFromCommandLine(const RunOptions& options, CliContext& context);

}  // namespace quire::cli
