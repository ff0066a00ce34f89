#include "cli/progress_printer.h"

#include <cstdio>

namespace quire::cli {
namespace {

constexpr auto kQuietStart = std::chrono::milliseconds(500);
constexpr auto kRefresh = std::chrono::milliseconds(100);
constexpr const char* kClearToEnd = "\x1b[K";

}  // namespace

void ProgressPrinter::Update(std::int64_t done, Clock::time_point now) {
    const auto elapsed = now - start_;
    if (elapsed < kQuietStart || (shown_ && now - lastShown_ < kRefresh)) return;
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const double rate = static_cast<double>(done) / seconds;
    const auto left = rate > 0 ? static_cast<long long>(static_cast<double>(total_ - done) / rate) : 0;
    char line[128];
    std::snprintf(line, sizeof line, "\r%lld/%lld folders, %.0f/s, %lld:%02lld left%s",
                  static_cast<long long>(done), static_cast<long long>(total_), rate, left / 60,
                  left % 60, kClearToEnd);
    out_ << line << std::flush;
    lastShown_ = now;
    shown_ = true;
}

void ProgressPrinter::Finish() {
    if (shown_) out_ << '\r' << kClearToEnd << std::flush;
    shown_ = false;
}

}  // namespace quire::cli
