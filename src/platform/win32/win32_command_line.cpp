#include "platform/win32/win32_command_line.h"

namespace quire::win32 {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::vector<std::wstring> CommandLineWords(std::wstring_view line) {
    // The program's name ends at its closing quote, or at the first blank when unquoted.
    std::size_t at = 0;
    if (!line.empty() && line[0] == L'"') {
        const std::size_t close = line.find(L'"', 1);
        at = close == std::wstring_view::npos ? line.size() : close + 1;
    }
    while (at < line.size() && !IsBlank(line[at])) ++at;
    std::vector<std::wstring> words;
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at >= line.size()) return words;
        std::wstring word;
        bool quoted = false;
        for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
            if (line[at] == L'"') {
                quoted = !quoted;
            } else {
                word += line[at];
            }
        }
        words.push_back(std::move(word));
    }
}

}  // namespace quire::win32
