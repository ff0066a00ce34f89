#include "engine/utf8.h"

#include <gtest/gtest.h>

#include "engine/ascii_text.h"

namespace quire {
namespace {

TEST(Utf8, DecodesWellFormedSequencesAndRefusesTheRest) {
    const struct {
        std::string_view bytes;
        char32_t point;
        std::size_t length;  // 0: refused
    } cases[] = {
        {"A", U'A', 1},
        {"\xC2\x80", 0x80, 2},
        {"\xDF\xBF", 0x7FF, 2},
        {"\xE0\xA0\x80", 0x800, 3},
        {"\xED\x9F\xBF", 0xD7FF, 3},
        {"\xEE\x80\x80", 0xE000, 3},
        {"\xF0\x90\x80\x80", 0x10000, 4},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"\xC0\x80", 0, 0},          // overlong NUL
        {"\xC1\xBF", 0, 0},          // overlong
        {"\xE0\x9F\xBF", 0, 0},      // overlong
        {"\xF0\x8F\xBF\xBF", 0, 0},  // overlong
        {"\xED\xA0\x80", 0, 0},      // a surrogate
        {"\xF4\x90\x80\x80", 0, 0},  // past U+10FFFF
        {"\xF5\x80\x80\x80", 0, 0},
        {"\x80", 0, 0},          // a continuation alone
        {"\xE2\x82", 0, 0},      // cut short
        {"\xE2\x28\xA1", 0, 0},  // a broken continuation
    };
    for (const auto& row : cases) {
        const Utf8Sequence got = DecodeUtf8(row.bytes);
        EXPECT_EQ(got.length, row.length) << row.bytes;
        if (row.length != 0) {
            EXPECT_EQ(got.point, row.point) << row.bytes;
            char out[4];
            EXPECT_EQ(std::string_view(out, EncodeUtf8(row.point, out)), row.bytes);
        }
        std::string within(2, 'x');
        within.insert(1, row.bytes);
        EXPECT_EQ(IsUtf8(within), row.length != 0) << row.bytes;
    }
}

TEST(Utf8, CutsAndMeasuresWithoutSplittingASequence) {
    const std::string_view text = "a\xC3\xA9\xF0\x9F\x98\x80";  // a, é, an emoji
    EXPECT_EQ(Utf8CutBefore(text, 2), 1u);
    EXPECT_EQ(Utf8CutBefore(text, 3), 3u);
    EXPECT_EQ(Utf8CutBefore(text, 6), 3u);
    EXPECT_EQ(Utf8CutBefore(text, 99), text.size());
    EXPECT_EQ(Utf16Length(text), 4u);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        const std::size_t complete = CompleteUtf8Length(text.substr(0, cut));
        EXPECT_TRUE(IsUtf8(text.substr(0, complete))) << cut;
        EXPECT_GE(complete + 3, cut);
    }
}

TEST(AsciiText, TrimsTheBlanksAskedAndReadsHexDigits) {
    EXPECT_EQ(Trim(" \t a b \t"), "a b");
    EXPECT_EQ(Trim("\r x\r", " \r"), "x");
    EXPECT_EQ(Trim("\rx"), "\rx");
    EXPECT_EQ(Trim("  "), "");
    EXPECT_EQ(HexValue('f'), 15);
    EXPECT_EQ(HexValue('G'), -1);
    std::string out;
    AppendHex(out, 0x2Au, 4, true);
    EXPECT_EQ(out, "002A");
}

}  // namespace
}  // namespace quire
