// quirebatch-cli on Linux: creates numbered folders from the command line.
#include <unistd.h>

#include <ostream>
#include <string_view>
#include <vector>

#include "cli/cli_main.h"
#include "cli/exit_status.h"
#include "cli/fd_output.h"
#include "cli/names_input.h"
#include "cli/standard_descriptors.h"
#include "cli/stop_signals.h"
#include "cli/terminal_width.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_journal_store.h"

int main(int argc, char** argv) {
    using namespace quire::cli;
    if (!ReserveStandardDescriptors()) return kExitFailed;
    FdOutput outSink(STDOUT_FILENO);
    FdOutput errSink(STDERR_FILENO);
    OutputBuffer outBuffer(outSink);
    OutputBuffer errBuffer(errSink);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err << std::unitbuf;
    const int status = GuardedStatus(
        [&] {
            const std::vector<std::string_view> arguments(argv + 1, argv + argc);
            quire::PosixFileSystem files;
            quire::PosixJournalStore journal;
            CliContext context{files,
                               out,
                               err,
                               StopSignal,
                               ::isatty(STDERR_FILENO) == 1,
                               '/',
                               [](const std::string& file) { return OpenNamesInput(file); },
                               &journal,
                               TerminalColumns};
            return CliMain(arguments, context, CatchStopSignals);
        },
        err);
    return SettleOutput(status, outBuffer, errBuffer);
}
