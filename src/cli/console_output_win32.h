// The standard streams on Windows: a console is written in UTF-16 (WriteConsoleW), so that every
// character shows whatever the console's code page; a pipe or a file gets the UTF-8 bytes.
#pragma once

#include <array>
#include <cstddef>

#include "cli/output_buffer.h"

namespace quire::cli {

class ConsoleOutput final : public OutputBuffer {
public:
    // `which` is STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    explicit ConsoleOutput(unsigned long which);
    ~ConsoleOutput() override;
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    std::string ErrorText() const override;

    // True on a console that takes the terminal sequences of the progress line.
    bool ShowsProgress() const { return console_ && sequences_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Drain();
    bool WriteToConsole(std::size_t& length);
    bool WriteToFile(std::size_t length);

    void* handle_;
    bool console_ = false;
    bool sequences_ = false;
    unsigned long error_ = 0;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace quire::cli
