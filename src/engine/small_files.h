// Port: the small files beside the program and in the user's settings (theme, cursor, template),
// read whole.
#pragma once

#include <cstddef>
#include <string>

#include "engine/failure.h"

namespace quire {

// The most any of the small files beside the program or in the user's settings may hold.
inline constexpr std::size_t kSmallFileLimit = 1024 * 1024;

class SmallFiles {
public:
    virtual ~SmallFiles() = default;

    // True when an ordinary file (not a folder, not hidden, not a system file) stands at exactly
    // `path`. Never throws.
    virtual bool PlainFileExists(const std::string& path) const = 0;

    // The whole content of the ordinary file at `path` (links followed). Nothing but an ordinary
    // file is ever opened, and no open or read waits on a pipe or device. Throws Failure with a
    // true description when nothing is there, when something else is (a folder, a pipe, a
    // device), when it cannot be read, or when it holds more than `limit` bytes.
    virtual std::string ReadSmallFile(const std::string& path, std::size_t limit) const = 0;
};

}  // namespace quire
