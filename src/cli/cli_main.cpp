#include "cli/cli_main.h"

#include <variant>

#include "cli/cli_undo.h"
#include "cli/printable_text.h"
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

}  // namespace quire::cli
