#include <sys/ioctl.h>
#include <unistd.h>

#include <csignal>

#include "cli/terminal_width.h"

namespace quire::cli {
namespace {

volatile std::sig_atomic_t resized = 0;

extern "C" void OnResize(int) { resized = 1; }

}  // namespace

int TerminalColumns() {
    static int columns = -1;
    if (columns >= 0 && resized == 0) return columns;
    if (columns < 0) {
        struct sigaction action {};
        action.sa_handler = OnResize;
        action.sa_flags = SA_RESTART;  // a resize interrupts nothing the run is doing
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGWINCH, &action, nullptr);
    }
    resized = 0;
    struct winsize size {};
    columns = ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
    return columns;
}

}  // namespace quire::cli
