#include "cli/exit_status.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <new>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace quire::cli {
namespace {

TEST(CliExitStatus, OutOfMemoryIsAFailureNotBadInput) {
    std::ostringstream err;
    EXPECT_EQ(GuardedStatus([]() -> int { throw std::bad_alloc(); }, err), kExitFailed);
    EXPECT_EQ(GuardedStatus([]() -> int { throw std::length_error("too long"); }, err),
              kExitBadInput);
    EXPECT_EQ(GuardedStatus([] { return 130; }, err), 130);
    EXPECT_EQ(err.str(), "quirebatch-cli: out of memory\nquirebatch-cli: too long\n");
}

// What the tool says on standard error, read back through a pipe.
class Said {
public:
    Said() { EXPECT_EQ(::pipe(ends_), 0); }
    ~Said() {
        for (const int fd : ends_) ::close(fd);
    }
    int Fd() const { return ends_[1]; }
    std::string Text() {
        ::close(std::exchange(ends_[1], -1));
        std::string text(4096, '\0');
        const ssize_t got = ::read(ends_[0], text.data(), text.size());
        text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        return text;
    }

private:
    int ends_[2] = {-1, -1};
};

TEST(CliExitStatus, AFailedWriteToStandardOutputIsSaidAndNeverSuccess) {
    const int full = ::open("/dev/full", O_WRONLY);
    const int readOnly = ::open("/dev/null", O_RDONLY);  // how a closed slot is reserved
    const struct {
        int fd;
        int status;
        int settled;
        const char* said;
    } cases[] = {
        {full, kExitDone, kExitFailed, "quirebatch-cli: standard output: No space left on device\n"},
        {readOnly, kExitDone, kExitFailed, "quirebatch-cli: standard output: Bad file descriptor\n"},
        {full, 143, 143, "quirebatch-cli: standard output: No space left on device\n"},
        {full, kExitBadInput, kExitBadInput,
         "quirebatch-cli: standard output: No space left on device\n"},
    };
    for (const auto& c : cases) {
        Said said;
        FdOutput out(c.fd);
        FdOutput err(said.Fd());
        std::ostream stream(&out);
        stream << "created 3, skipped 0, failed 0\n";
        EXPECT_EQ(SettleOutput(c.status, out, err), c.settled);
        EXPECT_FALSE(stream << "more" << std::flush);
        EXPECT_EQ(said.Text(), c.said);
    }
    ::close(full);
    ::close(readOnly);
}

TEST(CliExitStatus, AFailedWriteToStandardErrorIsAFailureToo) {
    const int full = ::open("/dev/full", O_WRONLY);
    Said out;
    FdOutput outBuffer(out.Fd());
    FdOutput failedErr(full);
    std::ostream(&failedErr) << "error: /t/F1: Permission denied\n" << std::flush;
    EXPECT_EQ(SettleOutput(kExitDone, outBuffer, failedErr), kExitFailed);

    FdOutput unusedErr(full);  // nothing to say, nothing lost
    EXPECT_EQ(SettleOutput(kExitDone, outBuffer, unusedErr), kExitDone);
    ::close(full);
}

}  // namespace
}  // namespace quire::cli
