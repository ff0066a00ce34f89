// An output stream buffer over a file descriptor that remembers why a write failed, so that the
// tool can say so instead of ending as if all had been written.
#pragma once

#include <array>
#include <streambuf>

namespace quire::cli {

class FdOutput final : public std::streambuf {
public:
    explicit FdOutput(int fd);
    ~FdOutput() override;
    FdOutput(const FdOutput&) = delete;
    FdOutput& operator=(const FdOutput&) = delete;

    // The error of the first write that failed (errno), or 0. After a failure nothing more is
    // written and the stream reports the failure to its writer.
    int Error() const { return error_; }

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
