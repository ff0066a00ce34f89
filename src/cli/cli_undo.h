// `quirebatch-cli undo`: the engine's undo of the last run, reported as text.
#pragma once

#include "cli/cli_options.h"
#include "cli/cli_run.h"

namespace quire::cli {

// Runs the undo and returns the exit status: 0 every folder removed, 1 some kept (or the journal
// could not be marked undone, is incomplete, or its target cannot be found), 2 nothing to undo,
// a journal that cannot be read or a run still in progress, 128+n when stopped by signal n. Each
// folder kept is named on `err` with why; a dry run lists on `out` the folders it would remove.
int UndoFromCommandLine(const UndoOptions& options, CliContext& context);

}  // namespace quire::cli
