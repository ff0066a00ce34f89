// The standard streams on POSIX: an output buffer over a file descriptor.
#pragma once

#include <array>

#include "cli/output_buffer.h"

namespace quire::cli {

class FdOutput final : public OutputBuffer {
public:
    explicit FdOutput(int fd);
    ~FdOutput() override;
    FdOutput(const FdOutput&) = delete;
    FdOutput& operator=(const FdOutput&) = delete;

    // strerror of the first write that failed.
    std::string ErrorText() const override;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();

    int fd_;
    int error_ = 0;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace quire::cli
