// A strict grammar is checked first; the value then comes from std::from_chars, which never
// depends on the process locale (the desktop toolkits change it at start-up).
#include "engine/count_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quire {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The pieces of a number in the accepted grammar, the sign taken off.
struct NumberParts {
    bool negative = false;
    std::string canonical;       // digits, '.', exponent: what from_chars reads
    long long leadExponent = 0;  // decimal exponent of the first significant digit
    bool allZero = true;
};

std::optional<NumberParts> Split(std::string_view text, std::string_view separator) {
    NumberParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';

    std::size_t intDigits = 0;
    std::size_t fracDigits = 0;
    long long firstSignificant = 0;  // position relative to the separator
    bool seenSignificant = false;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++intDigits) {
        parts.canonical += text[i];
        if (text[i] != '0' && !seenSignificant) {
            seenSignificant = true;
            firstSignificant = static_cast<long long>(intDigits);
        }
    }
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        i += separator.size();
        parts.canonical += '.';
        for (; i < text.size() && IsDigit(text[i]); ++i, ++fracDigits) {
            parts.canonical += text[i];
            if (text[i] != '0' && !seenSignificant) {
                seenSignificant = true;
                firstSignificant =
                    static_cast<long long>(intDigits) + static_cast<long long>(fracDigits);
            }
        }
    }
    if (intDigits + fracDigits == 0) return std::nullopt;

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        const std::size_t start = i;
        constexpr long long kClamp = 1'000'000'000;  // far beyond any finite double
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            if (exponent < kClamp) exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == start) return std::nullopt;
        if (negativeExponent) exponent = -exponent;
        parts.canonical += 'e';
        parts.canonical += std::to_string(exponent);
    }
    if (i != text.size()) return std::nullopt;

    parts.allZero = !seenSignificant;
    parts.leadExponent = static_cast<long long>(intDigits) - 1 - firstSignificant + exponent;
    return parts;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator) {
    const auto parts = Split(TrimBlanks(text), decimalSeparator);
    if (!parts) return std::nullopt;
    const double sign = parts->negative ? -1.0 : 1.0;
    if (parts->allZero) return sign * 0.0;

    double value = 0.0;
    const char* first = parts->canonical.data();
    const char* last = first + parts->canonical.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too small to represent is a number close to zero; too large is no finite number.
        if (parts->leadExponent < 0) return sign * 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return sign * value;
}

bool IsNumber(std::string_view text, std::string_view decimalSeparator) {
    return ParseNumber(text, decimalSeparator).has_value();
}

std::optional<std::int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // default rounding mode: half to even
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::optional<std::int32_t> ConvertCount(std::string_view text, std::string_view decimalSeparator) {
    const auto value = ParseNumber(text, decimalSeparator);
    if (!value) return std::nullopt;
    return RoundToInt32(*value);
}

}  // namespace quire
