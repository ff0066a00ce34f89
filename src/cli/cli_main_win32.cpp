// quirebatch-cli.exe on Windows: the arguments in UTF-16 (wmain), UTF-8 inside.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/cli_main.h"
#include "cli/console_output_win32.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_helper_thread.h"
#include "platform/win32/win32_journal_store.h"
#include "platform/win32/win32_wide_text.h"

int wmain(int argc, wchar_t** argv) {
    using namespace quire::cli;
    ConsoleOutput out(STD_OUTPUT_HANDLE);
    ConsoleOutput err(STD_ERROR_HANDLE);
    quire::win32::Win32FileSystem files;
    quire::win32::Win32JournalStore journal;
    return ToolMain(
        [&] {
            std::vector<std::string> texts;
            for (int i = 1; i < argc; ++i) texts.push_back(quire::win32::Utf8(argv[i]));
            return texts;
        },
        {out, err, err.ShowsProgress(), '\\', quire::PortsOf(files), journal,
         quire::win32::StartHelperThread});
}
