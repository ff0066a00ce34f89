// The standard streams on POSIX: their bytes written to a file descriptor.
#pragma once

#include "cli/output_buffer.h"

namespace quire::cli {

class FdOutput final : public ByteSink {
public:
    explicit FdOutput(int fd) : fd_(fd) {}

    std::optional<std::size_t> Write(std::string_view bytes) override;
    // strerror of the write that failed.
    std::string ErrorText() const override;

private:
    int fd_;
    int error_ = 0;
};

}  // namespace quire::cli
