// The progress line of a long run on a terminal: done/total, folders per second and time left.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <utility>

namespace quire::cli {

class ProgressPrinter {
public:
    using Clock = std::chrono::steady_clock;

    // A total of 0 is not known beforehand (a list being read): the line shows what is done.
    // `columns` gives the terminal's width, asked at every line (0 or none: not known); the line
    // is cut to one column less, so that it never wraps onto a row it cannot clear.
    ProgressPrinter(std::ostream& out, std::int64_t total, Clock::time_point start,
                    std::function<int()> columns = {})
        : out_(out), total_(total), start_(start), columns_(std::move(columns)) {}

    // Shows the line only once the run has lasted half a second, then at most ten times a second.
    void Update(std::int64_t done, Clock::time_point now);

    // Clears the line, if one was shown, so that what follows starts on a clean line.
    void Finish();

private:
    std::ostream& out_;
    std::int64_t total_;
    Clock::time_point start_;
    std::function<int()> columns_;
    Clock::time_point lastShown_{};
    bool shown_ = false;
};

}  // namespace quire::cli
