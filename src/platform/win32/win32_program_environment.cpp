#include "platform/win32/win32_program_environment.h"

#include <windows.h>

#include "platform/win32/win32_command_line.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {

std::string FolderOf(const std::string& programPath) {
    const std::size_t last = programPath.find_last_of("\\/");
    if (last == std::string::npos) return {};
    std::string folder = programPath.substr(0, last);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';  // "C:" alone means another folder
    return folder;
}

std::string ProgramPath() {
    // The path may be longer than MAX_PATH when the program lies deep in a long-path folder.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw LastErrorFailure();
        if (length < path.size()) {
            path.resize(length);
            return Utf8(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolder() { return FolderOf(ProgramPath()); }

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> arguments;
    for (const std::wstring& word : CommandLineWords(GetCommandLineW())) {
        arguments.push_back(Utf8(word));
    }
    return arguments;
}

std::vector<std::string> FolderArguments(std::vector<std::string> arguments) {
    for (std::string& argument : arguments) {
        if (argument.empty() || argument.front() == '-') continue;
        const std::wstring given = Wide(argument);
        std::wstring full(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr), L'\0');
        const DWORD length =
            GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0 || length >= full.size()) continue;  // left as given: the check decides
        full.resize(length);
        while (!full.empty() && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
        argument = Utf8(full);
    }
    return arguments;
}

std::string DecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0) return ".";
    return Utf8(separator);
}

std::uint32_t SecondsSinceMidnight() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return static_cast<std::uint32_t>(now.wHour) * 3600u + now.wMinute * 60u + now.wSecond;
}

}  // namespace quire::win32
