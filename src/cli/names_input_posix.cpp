#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "cli/names_input.h"
#include "cli/stop_signals.h"
#include "engine/failure.h"
#include "platform/posix/posix_files.h"

namespace quire::cli {
namespace {

class DescriptorSource final : public ByteSource {
public:
    // Standard input, which stays open.
    DescriptorSource() : fd_(STDIN_FILENO) {}
    explicit DescriptorSource(Descriptor owned) : fd_(owned.Fd()), owned_(std::move(owned)) {}

    // The stop signals interrupt a read that waits (they are caught without restarting calls);
    // a read that never waits (a file, /dev/zero) is not interrupted, so the flag is looked at too.
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        for (;;) {
            if (StopSignal() != 0) return std::nullopt;
            const ssize_t got = ::read(fd_, buffer, size);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw Failure(std::strerror(errno));
        }
    }

private:
    int fd_;
    Descriptor owned_;
};

// A source that was stopped before it could be opened: the run stops at its first read.
class StoppedSource final : public ByteSource {
public:
    std::optional<std::size_t> Read(char*, std::size_t) override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<ByteSource> OpenNamesInput(const std::string& file) {
    if (file == "-") return std::make_unique<DescriptorSource>();
    if (file.find('\0') != std::string::npos) throw Failure(std::strerror(EINVAL));
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) throw Failure(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) throw Failure(std::strerror(EISDIR));
    if (S_ISBLK(info.st_mode)) throw Failure("Not a stream but a block device");
    for (;;) {
        // Opening a named pipe waits for its writer.
        Descriptor list = Opened(::open(file.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
        if (list.Fd() >= 0) return std::make_unique<DescriptorSource>(std::move(list));
        if (list.Error() != EINTR) throw Failure(std::strerror(list.Error()));
        if (StopSignal() != 0) return std::make_unique<StoppedSource>();
    }
}

}  // namespace quire::cli
