#include "cli/progress_printer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace quire::cli {
namespace {

constexpr auto kQuietStart = std::chrono::milliseconds(500);
constexpr auto kRefresh = std::chrono::milliseconds(100);
constexpr const char* kClearToEnd = "\x1b[K";

// ", m:ss left", or ", h:mm:ss left" from an hour on.
void AppendTimeLeft(char* out, std::size_t size, long long seconds) {
    if (seconds >= 3600) {
        std::snprintf(out, size, ", %lld:%02lld:%02lld left", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    } else {
        std::snprintf(out, size, ", %lld:%02lld left", seconds / 60, seconds % 60);
    }
}

}  // namespace

// The time left is rounded up, so that "0:00 left" is never shown while folders remain; before
// the first folder is done there is no rate to tell it by.
void ProgressPrinter::Update(std::int64_t done, Clock::time_point now) {
    const auto elapsed = now - start_;
    if (elapsed < kQuietStart || (shown_ && now - lastShown_ < kRefresh)) return;
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const double rate = static_cast<double>(done) / seconds;
    char left[48] = "";
    if (rate > 0 && total_ > 0) {
        const auto secondsLeft =
            static_cast<long long>(std::ceil(static_cast<double>(total_ - done) / rate));
        AppendTimeLeft(left, sizeof left, secondsLeft);
    }
    char of[32] = "";
    if (total_ > 0) std::snprintf(of, sizeof of, "/%lld", static_cast<long long>(total_));
    char line[192];
    const int length = std::snprintf(line, sizeof line, "%lld%s folders, %.0f/s%s",
                                     static_cast<long long>(done), of, rate, left);
    const int columns = columns_ ? columns_() : 0;
    const int whole = std::min(length, static_cast<int>(sizeof line) - 1);
    const int shown = columns > 0 ? std::min(whole, columns - 1) : whole;
    out_ << '\r' << std::string_view(line, static_cast<std::size_t>(std::max(shown, 0)))
         << kClearToEnd << std::flush;
    lastShown_ = now;
    shown_ = true;
}

void ProgressPrinter::Finish() {
    if (shown_) out_ << '\r' << kClearToEnd << std::flush;
    shown_ = false;
}

}  // namespace quire::cli
