// The folder count as the user types it: the number test and the conversion to a whole count.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quire {

// True when `text` has the form of a number: blanks around it, an optional sign, digits with
// `decimalSeparator` (the locale's), an optional exponent (e or E, optional sign). No digit
// grouping, currency or parentheses. Any size passes: "1e400" is a number, one too large to count.
bool IsNumber(std::string_view text, std::string_view decimalSeparator);

// The whole count a number text stands for: its exact decimal value rounded once to the nearest
// whole number, a half going to the even neighbour. Nothing when the text is no number or the
// result lies outside the signed 32-bit range.
std::optional<std::int32_t> ConvertCount(std::string_view text, std::string_view decimalSeparator);

}  // namespace quire
