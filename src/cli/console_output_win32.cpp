#include "cli/console_output_win32.h"

#include <windows.h>

#include <cstring>
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
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

ConsoleOutput::~ConsoleOutput() { Drain(); }

std::string ConsoleOutput::ErrorText() const {
    return error_ != 0 ? win32::SystemMessage(error_) : std::string();
}

bool ConsoleOutput::WriteToConsole(std::size_t& length) {
    length = CompleteUtf8Length(std::string_view(pbase(), length));
    const std::wstring wide = win32::Wide(std::string_view(pbase(), length));
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

bool ConsoleOutput::WriteToFile(std::size_t length) {
    const char* next = pbase();
    while (length > 0) {
        DWORD written = 0;
        if (!WriteFile(handle_, next, static_cast<DWORD>(length), &written, nullptr)) {
            error_ = GetLastError();
            return false;
        }
        next += written;
        length -= written;
    }
    return true;
}

bool ConsoleOutput::Drain() {
    std::size_t length = static_cast<std::size_t>(pptr() - pbase());
    std::size_t kept = 0;
    if (error_ == 0 && length > 0) {
        if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
            error_ = ERROR_INVALID_HANDLE;
        } else if (console_) {
            const std::size_t whole = length;
            if (WriteToConsole(length)) kept = whole - length;
        } else {
            WriteToFile(length);
        }
    }
    if (kept > 0) std::memmove(buffer_.data(), pbase() + length, kept);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(kept));
    return error_ == 0;
}

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int ConsoleOutput::sync() { return Drain() ? 0 : -1; }

}  // namespace quire::cli
