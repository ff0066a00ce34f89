#include "cli/standard_descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/posix_files.h"

namespace quire::cli {

bool ReserveStandardDescriptors() {
    for (int slot = 0; slot <= 2; ++slot) {
        if (::fcntl(slot, F_GETFD) != -1 || errno != EBADF) continue;
        // The lower slots are open by now, so the lowest free descriptor is this one.
        Descriptor filler = Opened(::open("/dev/null", O_RDONLY));
        if (filler.Fd() < 0) filler = Opened(::open("/", O_PATH | O_DIRECTORY));
        if (filler.Fd() != slot) return false;
        static_cast<void>(filler.Release());  // open for the tool's whole life
    }
    return true;
}

}  // namespace quire::cli
