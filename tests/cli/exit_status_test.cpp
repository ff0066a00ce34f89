#include "cli/exit_status.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <stdexcept>

namespace quire::cli {
namespace {

// Failed writes are tested on the tool itself (cli_binary_test.sh), with real devices and streams.
TEST(CliExitStatus, OutOfMemoryIsAFailureNotBadInput) {
    std::ostringstream err;
    EXPECT_EQ(GuardedStatus([]() -> int { throw std::bad_alloc(); }, err), kExitFailed);
    EXPECT_EQ(GuardedStatus([]() -> int { throw std::length_error("too long"); }, err),
              kExitBadInput);
    EXPECT_EQ(GuardedStatus([] { return 130; }, err), 130);
    EXPECT_EQ(err.str(), "quirebatch-cli: out of memory\nquirebatch-cli: too long\n");
}

}  // namespace
}  // namespace quire::cli
