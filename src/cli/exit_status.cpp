#include "cli/exit_status.h"

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

int SettleOutput(int status, OutputBuffer& out, OutputBuffer& err) {
    out.pubsync();
    const std::string outError = out.ErrorText();
    if (!outError.empty()) {
        const std::string message = "quirebatch-cli: standard output: " + outError + '\n';
        err.sputn(message.data(), static_cast<std::streamsize>(message.size()));
    }
    err.pubsync();
    if (status == kExitDone && (!outError.empty() || !err.ErrorText().empty())) return kExitFailed;
    return status;
}

}  // namespace quire::cli
