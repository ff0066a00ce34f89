// An open file descriptor that closes with its holder, and openat(2) that gives one.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace quire::posix {

// An open descriptor, closed with its holder; `error` tells why there is none.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd, int error = 0) : fd_(fd), error_(error) {}
    Descriptor(Descriptor&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        error_ = other.error_;
        return *this;
    }
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Fd() const { return fd_; }
    int Error() const { return error_; }
    // Hands the descriptor to another owner, such as a directory stream.
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_ = -1;
    int error_ = 0;
};

inline Descriptor OpenAt(int directory, const char* path, int flags) {
    const int fd = ::openat(directory, path, flags | O_CLOEXEC);
    return fd >= 0 ? Descriptor(fd) : Descriptor(-1, errno);
}

}  // namespace quire::posix
