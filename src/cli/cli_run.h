// A creation run from the command line: the window's validation and loop, reported as text.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/progress_printer.h"
#include "engine/file_ports.h"
#include "engine/journal_store.h"
#include "engine/name_list.h"
#include "engine/run_journal.h"

namespace quire::cli {

struct CliContext {
    FilePorts files;
    std::ostream& out;
    std::ostream& err;
    std::function<int()> stopSignal;  // 0, or the signal that stops the run, from then on
    bool progress;                    // a progress line on `err` (a terminal)
    char separator = '/';             // of the paths the run composes
    // Opens the list of --names ("-" is standard input). Throws Failure when it cannot.
    std::function<std::unique_ptr<ByteSource>(const std::string& file)> openNames{};
    JournalStore* journal = nullptr;  // where runs are kept for undo; none: no journal
    std::function<int()> columns{};   // the terminal's width for the progress line; 0: not known
    HelperStart startHelper{};        // the journal's thread; none: the journal is written inline
};

// Runs and returns the exit status. Every input is checked before anything is made: the
// window's checks in its order (target, pattern, count), then the tool's own (a pattern leading
// out of the target, the counters' range, the subfolders, the template, the list). A dry run
// whose output fails stops there: what it prints is all it does. A run that creates a folder
// becomes the journal's last run unless --no-journal; a journal that cannot be written is one
// warning line, and the run goes on.
int RunFromCommandLine(const RunOptions& options, CliContext& context);

}  // namespace quire::cli
