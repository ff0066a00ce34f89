// The standard streams on Windows: a console is written in UTF-16 (WriteConsoleW), so that every
// character shows whatever the console's code page; a pipe or a file gets the UTF-8 bytes.
#pragma once

#include "cli/output_buffer.h"

namespace quire::cli {

class ConsoleOutput final : public ByteSink {
public:
    // `which` is STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    explicit ConsoleOutput(unsigned long which);

    // On a console, a character cut at the end of `bytes` waits for its rest.
    std::optional<std::size_t> Write(std::string_view bytes) override;
    std::string ErrorText() const override;

    // True on a console that takes the terminal sequences of the progress line.
    bool ShowsProgress() const { return console_ && sequences_; }

private:
    bool WriteToConsole(std::string_view bytes);
    bool WriteToFile(std::string_view bytes);

    void* handle_;
    bool console_ = false;
    bool sequences_ = false;
    unsigned long error_ = 0;
};

}  // namespace quire::cli
