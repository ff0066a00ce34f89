// Names as the tool prints them: one name is one line, and nothing in it reaches a terminal as a
// command.
#pragma once

#include <string>
#include <string_view>

namespace quire::cli {

// `text` with every byte that a terminal would act on written as an escape: the control
// characters as \n, \r, \t or \xNN, bytes that are no UTF-8 as \xNN, the C1 controls, the line and
// paragraph separators and the bidirectional controls as \uNNNN, and the backslash itself as \\,
// so that an escape never stands for itself. Where the backslash is the separator of paths
// (Windows, whose names hold no control characters) it stands for itself.
std::string Printable(std::string_view text, char separator = '/');

}  // namespace quire::cli
