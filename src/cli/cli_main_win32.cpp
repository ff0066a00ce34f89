// quirebatch-cli.exe on Windows: the arguments in UTF-16 (wmain), UTF-8 inside.
#include <windows.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_main.h"
#include "cli/console_output_win32.h"
#include "cli/exit_status.h"
#include "cli/names_input.h"
#include "cli/stop_signals.h"
#include "cli/terminal_width.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_journal_store.h"
#include "platform/win32/win32_wide_text.h"

int wmain(int argc, wchar_t** argv) {
    using namespace quire::cli;
    ConsoleOutput outSink(STD_OUTPUT_HANDLE);
    ConsoleOutput errSink(STD_ERROR_HANDLE);
    OutputBuffer outBuffer(outSink);
    OutputBuffer errBuffer(errSink);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err << std::unitbuf;
    const int status = GuardedStatus(
        [&] {
            std::vector<std::string> texts;
            for (int i = 1; i < argc; ++i) texts.push_back(quire::win32::Utf8(argv[i]));
            const std::vector<std::string_view> arguments(texts.begin(), texts.end());
            quire::win32::Win32FileSystem files;
            quire::win32::Win32JournalStore journal;
            CliContext context{files,
                               out,
                               err,
                               StopSignal,
                               errSink.ShowsProgress(),
                               '\\',
                               [](const std::string& file) { return OpenNamesInput(file); },
                               &journal,
                               TerminalColumns};
            return CliMain(arguments, context, CatchStopSignals);
        },
        err);
    return SettleOutput(status, outBuffer, errBuffer);
}
