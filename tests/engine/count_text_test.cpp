#include "engine/count_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quire {
namespace {

TEST(ParseNumber, AcceptsTheForms) {
    for (const char* text : {"7", " 7 ", "\t7", "+7", "-4", "2.5", ".5", "5.", "1E3", "1e+3",
                             "2.5e-1", "-0", "0", "00012", "1234567890123456789012345678901234567890",
                             "1e-400", "1e308"}) {
        EXPECT_TRUE(IsNumber(text, ".")) << text;
    }
}

TEST(ParseNumber, RefusesWhatIsNoNumber) {
    for (const char* text : {"", " ", "abc", "1e400", "-1e400", "NaN", "nan", "inf", "Infinity",
                             "0x10", "1,000", "1 000", "++1", "+-1", "1e", "1e+", ".", "-",
                             "e5", "1.2.3", "$5", "(5)", "5-", "1e99999999999999999999"}) {
        EXPECT_FALSE(IsNumber(text, ".")) << text;
    }
}

TEST(ParseNumber, UsesTheLocalesSeparatorOnly) {
    EXPECT_EQ(ParseNumber("2,5", ","), 2.5);
    EXPECT_FALSE(IsNumber("2.5", ","));
    EXPECT_EQ(ParseNumber("2٫5", "٫"), 2.5);  // a separator of more than one byte
    EXPECT_FALSE(IsNumber("2,5", "."));
}

TEST(ParseNumber, TinyValuesAreZeroWithTheirSign) {
    EXPECT_EQ(ParseNumber("1e-400", "."), 0.0);
    EXPECT_EQ(ParseNumber("0.0000e999999", "."), 0.0);
    EXPECT_TRUE(std::signbit(*ParseNumber("-1e-400", ".")));
}

TEST(ConvertCount, RoundsHalfToEven) {
    EXPECT_EQ(ConvertCount("2.5", "."), 2);
    EXPECT_EQ(ConvertCount("3.5", "."), 4);
    EXPECT_EQ(ConvertCount("-2.5", "."), -2);
    EXPECT_EQ(ConvertCount("2.4999", "."), 2);
    EXPECT_EQ(ConvertCount("1E3", "."), 1000);
    EXPECT_EQ(ConvertCount(" 7 ", "."), 7);
    EXPECT_EQ(ConvertCount("0.5", "."), 0);
}

TEST(ConvertCount, FailsOutsideTheSigned32BitRange) {
    EXPECT_EQ(ConvertCount("2147483647", "."), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ConvertCount("-2147483648", "."), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ConvertCount("2147483647.4", "."), std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(IsNumber("2147483648", "."));
    EXPECT_FALSE(ConvertCount("2147483648", "."));
    EXPECT_FALSE(ConvertCount("2147483647.5", "."));  // rounds to the even 2147483648
    EXPECT_FALSE(ConvertCount("-2147483649", "."));
    EXPECT_FALSE(ConvertCount("1E10", "."));
    EXPECT_FALSE(ConvertCount("1234567890123456789012345678901234567890", "."));
    EXPECT_FALSE(ConvertCount("abc", "."));
}

TEST(RoundToInt32, RefusesWhatIsNotFinite) {
    EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace quire
