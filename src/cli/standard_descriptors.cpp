#include "cli/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace quire::cli {

bool ReserveStandardDescriptors() {
    for (int slot = 0; slot <= 2; ++slot) {
        if (::fcntl(slot, F_GETFD) != -1 || errno != EBADF) continue;
        // The lower slots are open by now, so the lowest free descriptor is this one.
        int fd = ::open("/dev/null", O_RDONLY);
        if (fd < 0) fd = ::open("/", O_PATH | O_DIRECTORY);
        if (fd != slot) {
            if (fd >= 0) ::close(fd);
            return false;
        }
    }
    return true;
}

}  // namespace quire::cli
