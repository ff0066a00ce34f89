// The folder of the running program, as the system records the executable: its own bytes,
// whatever encoding its name has, links on the way resolved.
#pragma once

#include <string>

namespace quire {

// Without a trailing separator except for "/"; the empty text when the system keeps no record.
std::string ProgramFolder();

}  // namespace quire
