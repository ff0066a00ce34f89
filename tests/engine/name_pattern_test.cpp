#include "engine/name_pattern.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace quire {
namespace {

struct NameCase {
    const char* pattern;
    std::int32_t counter;
    const char* name;
};

class NameTable : public testing::TestWithParam<NameCase> {};

TEST_P(NameTable, GivesTheName) {
    const NameCase& c = GetParam();
    EXPECT_EQ(NamePattern(c.pattern).Name(c.counter), c.name);
}

INSTANTIATE_TEST_SUITE_P(Names, NameTable,
                         testing::Values(NameCase{"Folder ###", 1, "Folder 001"},
                                         NameCase{"Folder ###", 42, "Folder 042"},
                                         NameCase{"Folder ###", 999, "Folder 999"},
                                         NameCase{"Folder ###", 1000, "Folder 1000"},
                                         NameCase{"#", 1, "1"}, NameCase{"#", 25, "25"},
                                         NameCase{"####x", 7, "0007x"}, NameCase{"a##b", 3, "a03b"},
                                         NameCase{"A#B#", 1, "A#B#"}, NameCase{"##x##", 5, "##x##"},
                                         NameCase{"Folder", 5, "Folder"}, NameCase{"", 1, ""}));

TEST(PatternName, BlockAtEitherEndAndAroundMultibyteText) {
    EXPECT_EQ(NamePattern("##-Übung").Name(4), "04-Übung");
    EXPECT_EQ(NamePattern("Δοκιμή ###").Name(12), "Δοκιμή 012");
    EXPECT_EQ(NamePattern("日本#").Name(3), "日本3");
}

TEST(PatternName, WidensForTheLargestCounterAndKeepsSignOfOthers) {
    EXPECT_EQ(NamePattern("F#").Name(std::numeric_limits<std::int32_t>::max()), "F2147483647");
    // Callers pass 1 and up; anything else still comes out whole rather than garbled.
    EXPECT_EQ(NamePattern("F###").Name(-5), "F0-5");
    EXPECT_EQ(NamePattern("F#").Name(std::numeric_limits<std::int32_t>::min()), "F-2147483648");
}

TEST(PatternName, LongPatternsAndControlCharactersPassThrough) {
    const std::string prefix(10'000, 'a');
    EXPECT_EQ(NamePattern(prefix + "###").Name(7), prefix + "007");
    EXPECT_EQ(NamePattern(std::string("a\0b\t#", 5)).Name(9), std::string("a\0b\t9", 5));
    const std::string wide(300, '#');
    EXPECT_EQ(NamePattern(wide).Name(1), std::string(299, '0') + "1");
}

TEST(PatternName, AppendKeepsWhatIsAlreadyThere) {
    std::string path = "C:\\Jobs\\";
    NamePattern("Job ##").AppendName(path, 3);
    EXPECT_EQ(path, "C:\\Jobs\\Job 03");
}

struct BlockCase {
    const char* pattern;
    bool single;
};

class BlockTable : public testing::TestWithParam<BlockCase> {};

TEST_P(BlockTable, Answers) {
    EXPECT_EQ(NamePattern(GetParam().pattern).HasBlock(), GetParam().single) << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(Blocks, BlockTable,
                         testing::Values(BlockCase{"Folder ###", true}, BlockCase{"#", true},
                                         BlockCase{"###x", true}, BlockCase{"x#y", true},
                                         BlockCase{"", false}, BlockCase{"Folder", false},
                                         BlockCase{"A#B#", false}, BlockCase{"##x##", false},
                                         BlockCase{"# #", false}, BlockCase{"#a#a#", false},
                                         BlockCase{"a/b/##", true}));

TEST(PatternBlock, AgreesWithTheName) {
    // A usable pattern is exactly one whose name differs from the pattern.
    for (const char* pattern : {"#", "a#", "##b", "a#b#", "", "abc", "#x#", "x###y"}) {
        const bool changes = NamePattern(pattern).Name(1) != pattern;
        EXPECT_EQ(NamePattern(pattern).HasBlock(), changes) << pattern;
    }
}

}  // namespace
}  // namespace quire

namespace quire {
namespace {

// A folder is one of the pattern's when the text around the block matches and the block's place
// holds a counter of the pattern's style, of any width.
TEST(NamePattern, FindsTheCounterOfItsOwnNamesInItsStyle) {
    using enum CounterStyle;
    const struct {
        const char* pattern;
        CounterStyle style;
        const char* name;
        std::optional<std::int32_t> counter;
    } cases[] = {
        {"Folder ###", Numbers, "Folder 7", 7},
        {"Folder ###", Numbers, "Folder 0012", 12},
        {"Folder ###", Numbers, "Folder G", std::nullopt},
        {"Folder ###", Numbers, "Folder ", std::nullopt},
        {"Folder ###", Numbers, "folder 7", std::nullopt},
        {"Folder ###", Numbers, "Folder 7 ", std::nullopt},
        {"Folder #", CapitalLetters, "Folder G", 7},
        {"Folder #", CapitalLetters, "Folder 7", std::nullopt},
        {"Folder #", SmallLetters, "Folder G", std::nullopt},
        {"#-#", Numbers, "1-1", std::nullopt},
        {"##x##", Numbers, "1x", std::nullopt},
        {"[#]", SmallLetters, "[ab]", 28},
        {"[#]", SmallLetters, "[]", std::nullopt},
        {"F#", Numbers, "F2147483647", 2147483647},
        {"F#", Numbers, "F2147483648", std::nullopt},
        {"F#", Numbers, "F-5", std::nullopt},
        {"F#", CapitalLetters, "FFXSHRXX", std::nullopt},
        {"F#", CapitalLetters, "FAAAAAAAAAAAAAAAAAAAA", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NamePattern(c.pattern, c.style).CounterOf(c.name), c.counter) << c.name;
    }
    EXPECT_EQ(NamePattern("Folder ###", CapitalLetters).Name(28), "Folder AB");
}

TEST(NamePattern, BlockNameIsTheOneNameOfThePathThatHoldsTheBlock) {
    const struct {
        const char* pattern;
        char separator;
        const char* folders;
        const char* first;  // the block name's first folder
    } cases[] = {
        {"F#", '/', "", "F1"},
        {"a/b/F ##/c", '/', "a/b/", "F 01"},
        {"a/b\\F#", '\\', "a/b\\", "F1"},
        {"a\\F#", '/', "", "a\\F1"},
        {"a/F#b#", '/', "", "a/F#b#"},
    };
    for (const auto& c : cases) {
        std::string_view folders = "unset";  // a view into the pattern, which must outlive it
        const NamePattern pattern(c.pattern);
        EXPECT_EQ(pattern.BlockName(c.separator, folders).Name(1), c.first);
        EXPECT_EQ(folders, c.folders) << c.pattern;
    }
}

// The window gives the pattern for every folder: it is parsed again only when it changed.
TEST(NamePattern, AssignKeepsTheBlockOfTheSameTextAndFindsTheNewOne) {
    NamePattern pattern("F ##");
    pattern.Assign("F ##");
    EXPECT_EQ(pattern.Name(3), "F 03");
    pattern.Assign("#x#");
    EXPECT_EQ(pattern.Problem(), PatternProblem::SplitBlocks);
    pattern.Assign("G#");
    EXPECT_EQ(pattern.Name(3), "G3");
    pattern.Assign("G");
    EXPECT_EQ(pattern.Problem(), PatternProblem::NoBlock);
}

}  // namespace
}  // namespace quire
