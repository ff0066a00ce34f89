#include "cli/console_output_win32.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "engine/utf8.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::cli {

ConsoleOutput::ConsoleOutput(unsigned long which) : handle_(GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
               GetConsoleMode(handle_, &mode) != 0;
    sequences_ = console_ && ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
                              SetConsoleMode(handle_, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING));
}

std::string ConsoleOutput::ErrorText() const {
    return error_ != 0 ? win32::SystemMessage(error_) : std::string();
}

bool ConsoleOutput::WriteToConsole(std::string_view bytes) {
    const std::wstring wide = win32::Wide(bytes);
    const wchar_t* next = wide.data();
    std::size_t left = wide.size();
    while (left > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(left, 16 * 1024));
        if (!WriteConsoleW(handle_, next, chunk, &written, nullptr) || written == 0) {
            error_ = GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

bool ConsoleOutput::WriteToFile(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr)) {
            error_ = GetLastError();
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

std::optional<std::size_t> ConsoleOutput::Write(std::string_view bytes) {
    if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
        error_ = ERROR_INVALID_HANDLE;
        return std::nullopt;
    }
    if (console_) bytes = bytes.substr(0, CompleteUtf8Length(bytes));
    const bool written = console_ ? WriteToConsole(bytes) : WriteToFile(bytes);
    if (!written) return std::nullopt;
    return bytes.size();
}

}  // namespace quire::cli
