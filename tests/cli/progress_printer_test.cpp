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
    EXPECT_EQ(out.str(), "\r250/1000 folders, 500/s, 0:02 left\x1b[K");
    progress.Update(260, start + 599ms);
    EXPECT_EQ(out.str().size(), std::string("\r250/1000 folders, 500/s, 0:02 left\x1b[K").size());
    progress.Update(300, start + 600ms);
    EXPECT_NE(out.str().find("\r300/1000 folders, 500/s, 0:02 left"), std::string::npos);
}

// Rounded up, so that "0:00 left" never shows while folders remain; hours from an hour on.
TEST(ProgressPrinter, TimeLeftRoundedUpInMinutesOrHours) {
    const struct {
        std::int64_t total;
        std::int64_t done;
        const char* shown;
    } cases[] = {
        {100'000, 1000, "1000/100000 folders, 1000/s, 1:39 left"},
        {1001, 1000, "1000/1001 folders, 1000/s, 0:01 left"},
        {1000, 1000, "1000/1000 folders, 1000/s, 0:00 left"},
        {3'600'000, 1000, "1000/3600000 folders, 1000/s, 59:59 left"},
        {3'600'001, 1000, "1000/3600001 folders, 1000/s, 1:00:00 left"},
        {2'147'483'647, 3, "3/2147483647 folders, 3/s, 198841:04:42 left"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        ProgressPrinter progress(out, c.total, Clock::time_point{});
        progress.Update(c.done, Clock::time_point{} + 1s);
        EXPECT_EQ(out.str(), "\r" + std::string(c.shown) + "\x1b[K");
    }
}

TEST(ProgressPrinter, FinishClearsOnlyAShownLine) {
    std::ostringstream quiet;
    ProgressPrinter short_run(quiet, 10, Clock::time_point{});
    short_run.Finish();
    EXPECT_EQ(quiet.str(), "");

    std::ostringstream out;
    ProgressPrinter progress(out, 10, Clock::time_point{});
    progress.Update(0, Clock::time_point{} + 2s);  // nothing done yet: no rate to tell the time by
    EXPECT_EQ(out.str(), "\r0/10 folders, 0/s\x1b[K");
    progress.Finish();
    EXPECT_EQ(out.str().substr(out.str().size() - 4), "\r\x1b[K");
}

}  // namespace
}  // namespace quire::cli

namespace quire::cli {
namespace {

// Cut to one column less than the width, which is asked again for every line.
TEST(ProgressPrinter, CutsEachLineToTheTerminalsWidthAsItIsThen) {
    const std::string whole = "1000/100000 folders, 1000/s, 1:39 left";
    const struct {
        int columns;
        std::size_t shown;
    } cases[] = {{0, whole.size()}, {39, whole.size()}, {38, 37}, {20, 19}, {1, 0}};
    for (const auto& c : cases) {
        std::ostringstream out;
        ProgressPrinter progress(out, 100'000, Clock::time_point{}, [&] { return c.columns; });
        progress.Update(1000, Clock::time_point{} + 1s);
        EXPECT_EQ(out.str(), "\r" + whole.substr(0, c.shown) + "\x1b[K") << c.columns;
    }
    std::ostringstream out;
    int columns = 80;
    ProgressPrinter resized(out, 100'000, Clock::time_point{}, [&] { return columns; });
    resized.Update(1000, Clock::time_point{} + 1s);
    columns = 10;
    resized.Update(1000, Clock::time_point{} + 2s);
    EXPECT_TRUE(out.str().ends_with("\r1000/1000\x1b[K")) << out.str();
}

}  // namespace
}  // namespace quire::cli
