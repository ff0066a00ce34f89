// quirebatch-cli: creates numbered folders from the command line.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string_view>
#include <variant>
#include <vector>

#include "app/product.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "platform/posix/posix_file_system.h"

namespace {

volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void OnInterrupt(int) { interruptRequested = 1; }

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

int Main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);

    return std::visit(Overloaded{
                          [](const quire::cli::ShowHelp&) {
                              std::cout << quire::cli::UsageText();
                              return quire::cli::kExitDone;
                          },
                          [](const quire::cli::ShowVersion&) {
                              std::cout << "quirebatch-cli " << quire::product::kVersion << '\n';
                              return quire::cli::kExitDone;
                          },
                          [](const quire::cli::UsageError& error) {
                              std::cerr << "quirebatch-cli: " << error.message << '\n'
                                        << quire::cli::UsageText();
                              return quire::cli::kExitBadInput;
                          },
                          [](const quire::cli::RunOptions& options) {
                              struct sigaction action {};
                              action.sa_handler = OnInterrupt;
                              sigemptyset(&action.sa_mask);
                              sigaction(SIGINT, &action, nullptr);

                              quire::PosixFileSystem files;
                              quire::cli::CliContext context{files, std::cout, std::cerr,
                                                             [] { return interruptRequested != 0; },
                                                             ::isatty(STDERR_FILENO) == 1};
                              return quire::cli::RunFromCommandLine(options, context);
                          },
                      },
                      quire::cli::ParseCommandLine(arguments));
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Main(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "quirebatch-cli: " << failure.what() << '\n';
        return quire::cli::kExitBadInput;
    }
}
