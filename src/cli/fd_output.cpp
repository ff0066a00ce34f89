#include "cli/fd_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quire::cli {

std::string FdOutput::ErrorText() const { return error_ != 0 ? std::strerror(error_) : ""; }

// A write interrupted by a signal gives up: the stop signals are caught without restarting calls,
// so that a reader that stalls cannot keep a stopped tool from ending.
std::optional<std::size_t> FdOutput::Write(std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            error_ = errno;
            return std::nullopt;
        }
        done += static_cast<std::size_t>(written);
    }
    return bytes.size();
}

}  // namespace quire::cli
