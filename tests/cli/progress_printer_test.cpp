#include "cli/progress_printer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quire::cli {
namespace {

using namespace std::chrono_literals;
using Clock = ProgressPrinter::Clock;

TEST(ProgressPrinter, SilentForHalfASecondThenAtMostTenTimesASecond) {
    std::ostringstream out;
    const Clock::time_point start{};
    ProgressPrinter progress(out, 1000, start);
    progress.Update(100, start + 499ms);
    EXPECT_EQ(out.str(), "");
    progress.Update(250, start + 500ms);
    EXPECT_EQ(out.str(), "\r250/1000 folders, 500/s, 0:01 left\x1b[K");
    progress.Update(260, start + 599ms);
    EXPECT_EQ(out.str().size(), std::string("\r250/1000 folders, 500/s, 0:01 left\x1b[K").size());
    progress.Update(300, start + 600ms);
    EXPECT_NE(out.str().find("\r300/1000 folders, 500/s, 0:01 left"), std::string::npos);
}

TEST(ProgressPrinter, TimeLeftInMinutesAndSeconds) {
    std::ostringstream out;
    const Clock::time_point start{};
    ProgressPrinter progress(out, 100'000, start);
    progress.Update(1000, start + 1s);
    EXPECT_EQ(out.str(), "\r1000/100000 folders, 1000/s, 1:39 left\x1b[K");
}

TEST(ProgressPrinter, FinishClearsOnlyAShownLine) {
    std::ostringstream quiet;
    ProgressPrinter short_run(quiet, 10, Clock::time_point{});
    short_run.Finish();
    EXPECT_EQ(quiet.str(), "");

    std::ostringstream out;
    ProgressPrinter progress(out, 10, Clock::time_point{});
    progress.Update(0, Clock::time_point{} + 2s);  // nothing done yet: no division by zero
    EXPECT_NE(out.str().find("0/10 folders, 0/s, 0:00 left"), std::string::npos);
    progress.Finish();
    EXPECT_EQ(out.str().substr(out.str().size() - 4), "\r\x1b[K");
}

}  // namespace
}  // namespace quire::cli
