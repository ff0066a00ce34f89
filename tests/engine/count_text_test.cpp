#include "engine/count_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace quire {
namespace {

TEST(CountText, AcceptsNumberFormsOfAnySize) {
    for (const char* text : {"7",      " 7 ",    "\t7",
                             "+7",     "-4",     "2.5",
                             ".5",     "5.",     "1E3",
                             "1e+3",   "2.5e-1", "-0",
                             "0",      "00012",  "1234567890123456789012345678901234567890",
                             "1e-400", "1e308",  "1e309",
                             "1e400",  "-1e400", "1e99999999999999999999"}) {
        EXPECT_TRUE(IsNumber(text, ".")) << text;
    }
}

TEST(CountText, RefusesWhatIsNoNumber) {
    for (const char* text : {"",      " ",     "abc", "NaN", "nan", "inf",   "Infinity", "0x10",
                             "1,000", "1 000", "++1", "+-1", "1e",  "1e+",   ".",        "-",
                             "e5",    "1.2.3", "$5",  "(5)", "5-",  "1e5.5", "1e 5"}) {
        EXPECT_FALSE(IsNumber(text, ".")) << text;
        EXPECT_FALSE(ConvertCount(text, ".")) << text;
    }
}

TEST(ConvertCount, UsesTheLocalesSeparatorOnly) {
    EXPECT_EQ(ConvertCount("2,5", ","), 2);
    EXPECT_EQ(ConvertCount("3,5", ","), 4);
    EXPECT_FALSE(IsNumber("2.5", ","));
    EXPECT_EQ(ConvertCount("2٫6", "٫"), 3);  // a separator of more than one byte
    EXPECT_FALSE(IsNumber("2,5", "."));
}

// Rounded once, on the decimal text: a double would turn 3.4999999999999999999 into 3.5 first.
TEST(ConvertCount, RoundsTheExactValueHalfToEven) {
    const struct {
        const char* text;
        std::int32_t count;
    } cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"-3.5", -4},
        {"0.5", 0},
        {"-0.5", 0},
        {"1.5", 2},
        {"2.4999", 2},
        {"1E3", 1000},
        {" 7 ", 7},
        {"-0", 0},
        {"0.0000e999999", 0},
        {"1e-400", 0},
        {"-1e-400", 0},
        {"3.4999999999999999999", 3},
        {"2.5000000000000000001", 3},
        {"2.50000000000000000000", 2},
        {"0.05e1", 0},
        {"0.051e1", 1},
        {"25e-1", 2},
        {"0.0000001e12", 100000},
        {"000000000000000000012", 12},
        {"12345678.9e-3", 12346},
        {"2147483647.4999999", 2147483647},
        {"2147483646.5", 2147483646},
        {"-2147483648.5", -2147483648},
        {"214748364.7e1", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(ConvertCount(c.text, "."), c.count) << c.text;
}

TEST(ConvertCount, GivesNothingOutsideTheSigned32BitRange) {
    EXPECT_EQ(ConvertCount("2147483647", "."), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ConvertCount("-2147483648", "."), std::numeric_limits<std::int32_t>::min());
    for (const char* text : {"2147483648", "2147483647.5", "-2147483649", "-2147483648.51", "1E10",
                             "9999999999", "1234567890123456789012345678901234567890", "1e309",
                             "1e400", "-1e400", "1e99999999999999999999", "0.00001e15"}) {
        EXPECT_TRUE(IsNumber(text, ".")) << text;
        EXPECT_EQ(ConvertCount(text, "."), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace quire
