// The folder count as the user types it: the number test and the conversion to a whole count.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quire {

// Reads `text` as a number: blanks around it, an optional sign, digits with `decimalSeparator`
// (the locale's), an optional exponent (e or E, optional sign). No digit grouping, currency or
// parentheses. Gives nothing when the text is no number or its value is not finite.
std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator);

bool IsNumber(std::string_view text, std::string_view decimalSeparator);

// Rounds to the nearest whole number, a half going to the even neighbour; gives nothing when the
// result lies outside the signed 32-bit range.
std::optional<std::int32_t> RoundToInt32(double value);

// The whole count that a text stands for; nothing when it is no number or does not fit 32 bits.
std::optional<std::int32_t> ConvertCount(std::string_view text, std::string_view decimalSeparator);

}  // namespace quire
