#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/names_input.h"
#include "cli/stop_signals.h"
#include "engine/failure.h"

namespace quire::cli {
namespace {

class DescriptorSource final : public ByteSource {
public:
    DescriptorSource(int fd, bool owned) : fd_(fd), owned_(owned) {}
    ~DescriptorSource() override {
        if (owned_) ::close(fd_);
    }
    DescriptorSource(const DescriptorSource&) = delete;
    DescriptorSource& operator=(const DescriptorSource&) = delete;

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
    bool owned_;
};

// A source that was stopped before it could be opened: the run stops at its first read.
class StoppedSource final : public ByteSource {
public:
    std::optional<std::size_t> Read(char*, std::size_t) override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<ByteSource> OpenNamesInput(const std::string& file) {
    if (file == "-") return std::make_unique<DescriptorSource>(STDIN_FILENO, false);
    if (file.find('\0') != std::string::npos) throw Failure(std::strerror(EINVAL));
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) throw Failure(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) throw Failure(std::strerror(EISDIR));
    if (S_ISBLK(info.st_mode)) throw Failure("Not a stream but a block device");
    for (;;) {
        // Opening a named pipe waits for its writer.
        const int fd = ::open(file.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0) return std::make_unique<DescriptorSource>(fd, true);
        if (errno != EINTR) throw Failure(std::strerror(errno));
        if (StopSignal() != 0) return std::make_unique<StoppedSource>();
    }
}

}  // namespace quire::cli
