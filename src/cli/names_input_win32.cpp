#include <windows.h>

#include <string_view>

#include "cli/names_input.h"
#include "cli/stop_signals.h"
#include "engine/failure.h"
#include "engine/windows_names.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_system_path.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::cli {
namespace {

using win32::SystemMessage;

// A file or a pipe. A Ctrl-C breaks a waiting read off (CancelSynchronousIo); a read that never
// waits is not broken off, so the flag is looked at too.
class HandleSource final : public ByteSource {
public:
    HandleSource(HANDLE handle, win32::FileHandle owned)
        : handle_(handle), owned_(std::move(owned)) {}

    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        for (;;) {
            if (StopSignal() != 0) return std::nullopt;
            DWORD got = 0;
            if (ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr)) return got;
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
            if (StopSignal() != 0) return std::nullopt;
            if (error != ERROR_OPERATION_ABORTED) throw Failure(SystemMessage(error));
        }
    }

private:
    HANDLE handle_;
    win32::FileHandle owned_;
};

// Typing at a console: read in UTF-16, whatever its code page, and given on as UTF-8. Ctrl-Z
// at the start of a line ends the list, as it ends typed input on Windows.
class ConsoleSource final : public ByteSource {
public:
    explicit ConsoleSource(HANDLE console) : console_(console) {}

    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        if (ended_) return 0;
        // Three UTF-8 bytes at most for each UTF-16 unit; a surrogate pair makes four of two.
        std::wstring wide(pending_);
        pending_.clear();
        const std::size_t room = size / 3 - wide.size();
        wide.resize(wide.size() + room);
        DWORD got = 0;
        const auto start = static_cast<DWORD>(wide.size() - room);
        if (!ReadConsoleW(console_, wide.data() + start, static_cast<DWORD>(room), &got, nullptr)) {
            if (StopSignal() != 0) return std::nullopt;
            throw Failure(SystemMessage(GetLastError()));
        }
        if (StopSignal() != 0) return std::nullopt;
        wide.resize(start + got);
        if (const std::size_t end = wide.find(L'\x1A'); end != std::wstring::npos) {
            wide.resize(end);
            ended_ = true;
        } else if (!wide.empty() && wide.back() >= 0xD800 && wide.back() <= 0xDBFF) {
            pending_ = wide.back();
            wide.pop_back();
        }
        const std::string text = win32::Utf8(wide);
        text.copy(buffer, text.size());
        return text.size();
    }

private:
    HANDLE console_;
    std::wstring pending_;  // a high surrogate whose pair is still to come
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<ByteSource> OpenNamesInput(const std::string& file) {
    if (file == "-") {
        const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
        if (input == nullptr || input == INVALID_HANDLE_VALUE) {
            throw Failure(SystemMessage(ERROR_INVALID_HANDLE));
        }
        DWORD mode = 0;
        if (GetConsoleMode(input, &mode)) return std::make_unique<ConsoleSource>(input);
        return std::make_unique<HandleSource>(input, win32::FileHandle());
    }
    if (file.find('\0') != std::string::npos) throw Failure(SystemMessage(ERROR_INVALID_NAME));
    // A device is refused before the system sees its name: opening one acts on the device.
    const std::string_view name = std::string_view(file).substr(win32::ParentOf(file).size());
    if (win32::NamesDevice(file) || windows::IsDeviceName(name)) {
        throw Failure("Not a file but a device");
    }
    if (std::string problem = win32::PathProblem(file, win32::LastComponent::Reached);
        !problem.empty()) {
        throw Failure(problem);
    }
    const std::wstring path = win32::SystemPath(file);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) throw Failure(SystemMessage(GetLastError()));
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Failure("Is a folder");
    win32::FileHandle owned(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!owned) throw Failure(SystemMessage(GetLastError()));
    const HANDLE handle = owned.get();
    return std::make_unique<HandleSource>(handle, std::move(owned));
}

}  // namespace quire::cli
