#include "cli/exit_status.h"

#include <cstring>
#include <new>
#include <string>

namespace quire::cli {

int GuardedStatus(const std::function<int()>& body, std::ostream& err) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        err << "quirebatch-cli: out of memory\n";
        return kExitFailed;
    } catch (const std::exception& failure) {
        err << "quirebatch-cli: " << failure.what() << '\n';
        return kExitBadInput;
    }
}

int SettleOutput(int status, FdOutput& out, FdOutput& err) {
    out.pubsync();
    if (out.Error() != 0) {
        const std::string message =
            std::string("quirebatch-cli: standard output: ") + std::strerror(out.Error()) + '\n';
        err.sputn(message.data(), static_cast<std::streamsize>(message.size()));
    }
    err.pubsync();
    if (status == kExitDone && (out.Error() != 0 || err.Error() != 0)) return kExitFailed;
    return status;
}

}  // namespace quire::cli
