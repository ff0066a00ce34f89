// Windows' rules for names, on UTF-8 text.
#include "engine/windows_names.h"

#include <array>

#include "engine/ascii_text.h"
#include "engine/path_separators.h"
#include "engine/utf8.h"

namespace quire::windows {
namespace {

constexpr std::size_t kLongestName = 255;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameLetters(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Upper(text[i]) != upper[i]) return false;
    }
    return true;
}

bool Refused(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
}

std::string Shown(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 0x20) return std::string(1, c);
    std::string shown = "U+00";
    AppendHex(shown, code, 2, true);
    return shown;
}

}  // namespace

// The system reads a device name before the first dot or colon, less the blanks that end it.
bool IsDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find_first_of(".:"));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (SameLetters(base, device)) return true;
    }
    if (base.size() < 4 ||
        !(SameLetters(base.substr(0, 3), "COM") || SameLetters(base.substr(0, 3), "LPT"))) {
        return false;
    }
    const std::string_view number = base.substr(3);
    if (number.size() == 1) return number[0] >= '0' && number[0] <= '9';
    // Superscript one, two and three in UTF-8.
    constexpr std::array<std::string_view, 3> kSuperscripts{"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    for (const std::string_view superscript : kSuperscripts) {
        if (number == superscript) return true;
    }
    return false;
}

std::string NameProblem(std::string_view name) {
    std::string quoted(1, '"');
    quoted.append(name).append(1, '"');
    if (IsDeviceName(name)) return quoted + " is a name Windows reserves for a device";
    for (const char c : name) {
        if (Refused(c)) {
            return "The name " + quoted + " holds " + Shown(c) +
                   ", a character Windows does not allow in names";
        }
    }
    if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        return "The name " + quoted + " ends in a dot or blank, which Windows would drop";
    }
    if (Utf16Length(name) > kLongestName) {
        return "The name " + quoted + " is longer than the " + std::to_string(kLongestName) +
               " characters Windows allows in a name";
    }
    return {};
}

std::string RelativePathProblem(std::string_view relative, char separator) {
    const auto isSeparator = [separator](char c) { return IsSeparator(c, separator); };
    std::size_t end = relative.size();  // just past the last name
    while (end > 0 && isSeparator(relative[end - 1])) --end;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= end; ++i) {
        if (i < end && !isSeparator(relative[i])) continue;
        const std::string_view name = relative.substr(begin, i - begin);
        begin = i + 1;
        if (name.empty() || (name == "." && i < end)) continue;
        if (std::string problem = NameProblem(name); !problem.empty()) return problem;
    }
    return {};
}

}  // namespace quire::windows
