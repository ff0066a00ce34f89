// The characters that separate names in a path: the system's separator, and on Windows ('\') the
// '/' that it takes as well.
#pragma once

#include <string_view>

namespace quire {

constexpr bool IsSeparator(char c, char separator) {
    return c == separator || (separator == '\\' && c == '/');
}

constexpr std::string_view Separators(char separator) {
    return separator == '\\' ? std::string_view("\\/") : std::string_view("/");
}

}  // namespace quire
