#include <windows.h>

#include "cli/terminal_width.h"

namespace quire::cli {

int TerminalColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info) == 0) return 0;
    return info.srWindow.Right - info.srWindow.Left + 1;
}

}  // namespace quire::cli
