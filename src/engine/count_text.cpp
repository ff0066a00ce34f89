// The count is read as decimal text and rounded on its digits, never through a double: a double
// would round "3.4999999999999999999" to 3.5 first and then to 4.
#include "engine/count_text.h"

#include <limits>

#include "engine/ascii_text.h"

namespace quire {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number in the accepted grammar, its parts as written.
struct DecimalNumber {
    bool negative = false;
    std::string_view whole;     // the digits before the separator
    std::string_view fraction;  // the digits after it
    long long exponent = 0;
};

// Exponents beyond this are all alike: no count has that many digits, and none is that small.
constexpr long long kExponentClamp = 1'000'000'000'000;

std::size_t DigitsAt(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - from;
}

std::optional<DecimalNumber> ReadNumber(std::string_view text, std::string_view separator) {
    text = Trim(text);
    DecimalNumber number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.negative = text[i++] == '-';
    number.whole = text.substr(i, DigitsAt(text, i));
    i += number.whole.size();
    if (!separator.empty() && text.substr(i, separator.size()) == separator) {
        i += separator.size();
        number.fraction = text.substr(i, DigitsAt(text, i));
        i += number.fraction.size();
    }
    if (number.whole.empty() && number.fraction.empty()) return std::nullopt;

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i++] == '-';
        }
        const std::size_t digits = DigitsAt(text, i);
        if (digits == 0) return std::nullopt;
        for (const char c : text.substr(i, digits)) {
            if (number.exponent < kExponentClamp)
                number.exponent = number.exponent * 10 + (c - '0');
        }
        i += digits;
        if (negativeExponent) number.exponent = -number.exponent;
    }
    if (i != text.size()) return std::nullopt;
    return number;
}

// The digit at `position` of whole+fraction, counting from the first whole digit; zeros outside.
char DigitAt(const DecimalNumber& number, long long position) {
    const auto wholeSize = static_cast<long long>(number.whole.size());
    if (position < 0) return '0';
    if (position < wholeSize) return number.whole[static_cast<std::size_t>(position)];
    const long long inFraction = position - wholeSize;
    if (inFraction < static_cast<long long>(number.fraction.size())) {
        return number.fraction[static_cast<std::size_t>(inFraction)];
    }
    return '0';
}

// The position of the first digit other than zero at `from` or later, or nothing.
std::optional<long long> FirstSignificant(const DecimalNumber& number, long long from = 0) {
    const long long end = static_cast<long long>(number.whole.size()) +
                          static_cast<long long>(number.fraction.size());
    for (long long position = from < 0 ? 0 : from; position < end; ++position) {
        if (DigitAt(number, position) != '0') return position;
    }
    return std::nullopt;
}

}  // namespace

bool IsNumber(std::string_view text, std::string_view decimalSeparator) {
    return ReadNumber(text, decimalSeparator).has_value();
}

std::optional<std::int32_t> ConvertCount(std::string_view text, std::string_view decimalSeparator) {
    const auto number = ReadNumber(text, decimalSeparator);
    if (!number) return std::nullopt;

    const auto first = FirstSignificant(*number);
    if (!first) return 0;
    // The whole part is made of the digits from `first` up to the point.
    const long long point = static_cast<long long>(number->whole.size()) + number->exponent;
    if (point - *first > 10) return std::nullopt;  // at least 10^10

    long long whole = 0;
    for (long long position = *first; position < point; ++position) {
        whole = whole * 10 + (DigitAt(*number, position) - '0');
    }
    const char next = DigitAt(*number, point);
    const bool moreThanHalf =
        next > '5' || (next == '5' && FirstSignificant(*number, point + 1).has_value());
    const bool half = next == '5' && !moreThanHalf;
    if (moreThanHalf || (half && whole % 2 == 1)) ++whole;

    const long long value = number->negative ? -whole : whole;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace quire
