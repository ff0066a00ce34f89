#include "cli/printable_text.h"

#include <gtest/gtest.h>

namespace quire::cli {
namespace {

TEST(CliPrintable, EscapesWhatATerminalWouldActOn) {
    const struct {
        std::string text;
        const char* printed;
    } cases[] = {
        {"Folder 001", "Folder 001"},
        {"café ünï 日本 😀", "café ünï 日本 😀"},  // printable UTF-8 stays as it is
        {"a\nb\rc\td", "a\\nb\\rc\\td"},
        {std::string("nul\0x", 5), "nul\\x00x"},
        {"\x1b[2J\x07\x7f", "\\x1b[2J\\x07\\x7f"},
        {"back\\x1b", "back\\\\x1b"},  // an escape never stands for itself
        {"\xc2\x85\xc2\x9b\xc2\xa0", "\\u0085\\u009b\xc2\xa0"},  // C1 controls; U+00A0 is text
        {"\u202e\u202a\u2066\u2069\u2028\u2029\u200f",
         "\\u202e\\u202a\\u2066\\u2069\\u2028\\u2029\u200f"},
        {"\xff\xfe", "\\xff\\xfe"},
        {"\xc0\xaf", "\\xc0\\xaf"},                    // overlong "/"
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},           // a surrogate
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},  // past U+10FFFF
        {"\xe2\x80", "\\xe2\\x80"},                    // cut short at the end
        {"\xe2\x80x", "\\xe2\\x80x"},                  // cut short by an ASCII byte
    };
    for (const auto& c : cases) EXPECT_EQ(Printable(c.text), c.printed) << c.printed;
}

}  // namespace
}  // namespace quire::cli
