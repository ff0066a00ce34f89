#include "cli/cli_main.h"

#include <ostream>
#include <variant>

#include "cli/cli_undo.h"
#include "cli/names_input.h"
#include "cli/printable_text.h"
#include "cli/stop_signals.h"
#include "cli/terminal_width.h"
#include "version.h"

namespace quire::cli {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

int CliMain(std::span<const std::string_view> arguments, CliContext& context,
            const std::function<void()>& catchStopSignals) {
    return std::visit(
        Overloaded{
            [&](const ShowHelp&) {
                context.out << UsageText();
                return kExitDone;
            },
            [&](const ShowVersion&) {
                context.out << "quirebatch-cli " << quire::product::kVersion << '\n';
                return kExitDone;
            },
            [&](const UsageError& error) {
                context.err << "quirebatch-cli: " + Printable(error.message, context.separator) +
                                   " (see quirebatch-cli --help)\n";
                return kExitBadInput;
            },
            [&](const RunOptions& options) {
                catchStopSignals();
                return RunFromCommandLine(options, context);
            },
            [&](const UndoOptions& options) {
                catchStopSignals();
                return UndoFromCommandLine(options, context);
            },
        },
        ParseCommandLine(arguments));
}

int ToolMain(const std::function<std::vector<std::string>()>& arguments, const Platform& platform) {
    OutputBuffer outBuffer(platform.out);
    OutputBuffer errBuffer(platform.err);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err << std::unitbuf;
    const int status = GuardedStatus(
        [&] {
            const std::vector<std::string> texts = arguments();
            const std::vector<std::string_view> views(texts.begin(), texts.end());
            CliContext context{platform.files,
                               out,
                               err,
                               StopSignal,
                               platform.progress,
                               platform.separator,
                               [](const std::string& file) { return OpenNamesInput(file); },
                               &platform.journal,
                               TerminalColumns,
                               platform.startHelper};
            return CliMain(views, context, CatchStopSignals);
        },
        err);
    return SettleOutput(status, outBuffer, errBuffer);
}

}  // namespace quire::cli
