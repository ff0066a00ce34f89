// The words of a program's command line, read for folders: Explorer's "%V" in quotes gives
// "C:\" for a drive's root, which the usual argument rules (CommandLineToArgvW) read as C:" (the
// backslash taken as an escape of the quote). A folder's name never holds a quote, so here a
// backslash is always itself and a quote only begins or ends a quoted part.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quire::win32 {

// The words after the program's own name, separated by blanks and tabs outside quotes.
std::vector<std::wstring> CommandLineWords(std::wstring_view line);

}  // namespace quire::win32
