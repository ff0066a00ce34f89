// quirebatch-cli on Linux: creates numbered folders from the command line.
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/cli_main.h"
#include "cli/exit_status.h"
#include "cli/fd_output.h"
#include "cli/standard_descriptors.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_helper_thread.h"
#include "platform/posix/posix_journal_store.h"

int main(int argc, char** argv) {
    using namespace quire::cli;
    if (!ReserveStandardDescriptors()) return kExitFailed;
    FdOutput out(STDOUT_FILENO);
    FdOutput err(STDERR_FILENO);
    quire::PosixFileSystem files;
    quire::PosixJournalStore journal;
    return ToolMain([&] { return std::vector<std::string>(argv + 1, argv + argc); },
                    {out, err, ::isatty(STDERR_FILENO) == 1, '/', quire::PortsOf(files), journal,
                     quire::StartHelperThread});
}
