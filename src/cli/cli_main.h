// What the tool does with its arguments, the same on every platform; each platform's entry point
// (cli_main_posix.cpp, cli_main_win32.cpp) gives it the streams, the file system and the signals.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"
#include "cli/output_buffer.h"

namespace quire::cli {

// Help, the version, a usage error or a run in `context`; gives the exit status.
// `catchStopSignals` is called once a run is to start.
int CliMain(std::span<const std::string_view> arguments, CliContext& context,
            const std::function<void()>& catchStopSignals);

// What a platform's entry point hands the tool.
struct Platform {
    ByteSink& out;
    ByteSink& err;
    bool progress;   // standard error shows a progress line
    char separator;  // of the paths the run composes
    FilePorts files;
    JournalStore& journal;
    HelperStart startHelper;  // the journal's thread (engine/run_journal.h)
};

// The whole tool with the platform's signals, list input and terminal: the standard streams over
// the platform's sinks, the arguments `arguments` gives (read under the guard of the run) and the
// exit status once all output is written.
int ToolMain(const std::function<std::vector<std::string>()>& arguments, const Platform& platform);

}  // namespace quire::cli
