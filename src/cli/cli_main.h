// What the tool does with its arguments, the same on every platform; each platform's entry point
// (cli_main_posix.cpp, cli_main_win32.cpp) gives it the streams, the file system and the signals.
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "cli/cli_run.h"

namespace quire::cli {

// Help, the version, a usage error or a run in `context`; gives the exit status.
// `catchStopSignals` is called once a run is to start.
int CliMain(std::span<const std::string_view> arguments, CliContext& context,
            const std::function<void()>& catchStopSignals);

}  // namespace quire::cli
