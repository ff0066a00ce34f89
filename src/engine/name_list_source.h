// The port through which a list of names is read.
#pragma once

#include <cstddef>
#include <optional>

namespace quire {

// Where the list's bytes come from: a file, a pipe, standard input. Implemented by the command
// line for its platform; tests read from memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Reads up to `size` bytes into `buffer` and tells how many, 0 at the end of the list; nothing
    // when a request to stop came before the read or broke it off (a source that never waits,
    // such as a device without end, looks for one at every read). Throws Failure when the read
    // fails.
    virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

}  // namespace quire
