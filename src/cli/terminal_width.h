// The width of the terminal the progress line is drawn on, so that the line never wraps.
#pragma once

namespace quire::cli {

// The columns of the terminal standard error writes to; 0 when it is none or cannot tell. On
// Linux the first call asks the terminal (TIOCGWINSZ) and catches SIGWINCH, after each of which
// it asks again; on Windows the console's window is asked each time.
int TerminalColumns();

}  // namespace quire::cli
