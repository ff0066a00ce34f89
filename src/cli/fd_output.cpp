#include "cli/fd_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quire::cli {

FdOutput::FdOutput(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

FdOutput::~FdOutput() { Drain(); }

std::string FdOutput::ErrorText() const { return error_ != 0 ? std::strerror(error_) : ""; }

// A write interrupted by a signal gives up: the stop signals are caught without restarting calls,
// so that a reader that stalls cannot keep a stopped tool from ending.
bool FdOutput::Drain() {
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
        const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0)
            error_ = errno;
        else
            next += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

FdOutput::int_type FdOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FdOutput::sync() { return Drain() ? 0 : -1; }

}  // namespace quire::cli
