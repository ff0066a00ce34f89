#include "engine/counter_style.h"

#include <gtest/gtest.h>

#include <string>

namespace quire {
namespace {

using enum CounterStyle;

std::string Spelt(std::int32_t counter, CounterStyle style, std::size_t width = 1) {
    std::string text;
    AppendCounter(text, counter, style, width);
    return text;
}

// Letters count as spreadsheet columns, and read back to the counter they spell.
TEST(CounterStyle, LettersCountAsSpreadsheetColumns) {
    // clang-format off
    const struct {
        std::int32_t counter;
        const char* letters;
    } cases[] = {{1, "A"},     {2, "B"},       {26, "Z"},       {27, "AA"},
                 {52, "AZ"},   {53, "BA"},     {702, "ZZ"},     {703, "AAA"},
                 {18278, "ZZZ"}, {18279, "AAAA"}, {2147483647, "FXSHRXW"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Spelt(c.counter, CapitalLetters, 5), c.letters);
        std::string small = c.letters;
        for (char& letter : small) letter = static_cast<char>(letter - 'A' + 'a');
        EXPECT_EQ(Spelt(c.counter, SmallLetters), small);
        EXPECT_EQ(ReadCounter(c.letters, CapitalLetters), c.counter) << c.letters;
        EXPECT_EQ(ReadCounter(small, SmallLetters), c.counter) << small;
    }
}

}  // namespace
}  // namespace quire
