// The list that --names reads: a file, a pipe or standard input, on each platform
// (names_input_posix.cpp, names_input_win32.cpp).
#pragma once

#include <memory>
#include <string>

#include "engine/name_list.h"

namespace quire::cli {

// The list at `file`, or standard input for "-". Anything that can be read as a stream is taken,
// a pipe that no one has written to yet too (the wait gives way to a stop signal); a folder or a
// device that is no stream is not. A read that a stop signal breaks off ends the list as stopped.
// Throws Failure with the system's reason when the list cannot be opened.
std::unique_ptr<ByteSource> OpenNamesInput(const std::string& file);

}  // namespace quire::cli
