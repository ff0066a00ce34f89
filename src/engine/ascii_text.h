// Small chores on text that only ever concern ASCII characters: blanks and hex digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quire {

// `text` without the `blanks` that start and end it.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks = " \t") {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The value of a hex digit, or -1 for any other character.
constexpr int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The low four bits of `value` as a hex digit.
constexpr char HexDigit(std::uint32_t value, bool upper) {
    return (upper ? "0123456789ABCDEF" : "0123456789abcdef")[value & 0xF];
}

// Appends the low `digits` hex digits of `value`, the first the highest.
inline void AppendHex(std::string& out, std::uint32_t value, int digits, bool upper) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += HexDigit(value >> shift, upper);
}

}  // namespace quire
