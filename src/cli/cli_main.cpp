// quirebatch-cli: creates numbered folders from the command line.
#include <unistd.h>

#include <ostream>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli/exit_status.h"
#include "cli/fd_output.h"
#include "cli/printable_text.h"
#include "cli/standard_descriptors.h"
#include "cli/stop_signals.h"
#include "platform/posix/posix_file_system.h"
#include "version.h"

namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

int Main(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
    using namespace quire::cli;
    return std::visit(
        Overloaded{
            [&](const ShowHelp&) {
                out << UsageText();
                return kExitDone;
            },
            [&](const ShowVersion&) {
                out << "quirebatch-cli " << quire::product::kVersion << '\n';
                return kExitDone;
            },
            [&](const UsageError& error) {
                err << "quirebatch-cli: " + Printable(error.message) + '\n' << UsageText();
                return kExitBadInput;
            },
            [&](const RunOptions& options) {
                CatchStopSignals();
                quire::PosixFileSystem files;
                CliContext context{files, out, err, StopSignal, ::isatty(STDERR_FILENO) == 1};
                return RunFromCommandLine(options, context);
            },
        },
        ParseCommandLine(arguments));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quire::cli;
    if (!ReserveStandardDescriptors()) return kExitFailed;
    FdOutput outBuffer(STDOUT_FILENO);
    FdOutput errBuffer(STDERR_FILENO);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err << std::unitbuf;
    const int status = GuardedStatus(
        [&] {
            const std::vector<std::string_view> arguments(argv + 1, argv + argc);
            return Main(arguments, out, err);
        },
        err);
    return SettleOutput(status, outBuffer, errBuffer);
}
