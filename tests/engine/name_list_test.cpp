#include "engine/name_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/failure.h"
#include "memory_source.h"

namespace quire {
namespace {

using namespace std::string_literals;

// "line:position:text:problem" for each name, then how the list ended.
std::vector<std::string> ReadAll(ByteSource& source) {
    NameList list(source);
    std::vector<std::string> seen;
    ListedName name;
    for (;;) {
        switch (list.Read(name)) {
            case NameList::Next::Name:
                seen.push_back(std::to_string(name.line) + ":" + std::to_string(name.position) +
                               ":" + name.text + ":" + name.problem);
                continue;
            case NameList::Next::End: seen.emplace_back("end"); return seen;
            case NameList::Next::Stopped: seen.emplace_back("stopped"); return seen;
        }
    }
}

TEST(NameList, SplitsLinesAsWritten) {
    const std::string longLine(NameList::kLongestLine + 1, 'x');
    const struct {
        std::string text;
        std::vector<std::string> names;
    } cases[] = {
        {"", {"end"}},
        {"A\n\n\r\nB", {"1:1:A:", "4:2:B:", "end"}},
        {"A\r\nB\r\r\n", {"1:1:A:", "2:2:B\r:", "end"}},
        {" \n#\n", {"1:1: :", "2:2:#:", "end"}},
        {std::string("a\0b\n", 4), {std::string("1:1:a\0b:the line holds a NUL byte", 33), "end"}},
        {"\xC3\n\xE0\x80\x80\n\xED\xA0\x80\n\xF4\x90\x80\x80\n\xC3\xA9\n",
         {"1:1:\xC3:the line is not UTF-8", "2:2:\xE0\x80\x80:the line is not UTF-8",
          "3:3:\xED\xA0\x80:the line is not UTF-8", "4:4:\xF4\x90\x80\x80:the line is not UTF-8",
          "5:5:\xC3\xA9:", "end"}},
        {std::string(NameList::kLongestLine, 'y') + "\r\nok",
         {"1:1:" + std::string(NameList::kLongestLine, 'y') + ":", "2:2:ok:", "end"}},
        {longLine + "\nok\n",
         {"1:1:" + std::string(64, 'x') + "\xE2\x80\xA6:the line is longer than 32768 bytes",
          "2:2:ok:", "end"}},
        {std::string(NameList::kLongestLine, 'x') + "\r\r\nok",
         {"1:1:" + std::string(64, 'x') + "\xE2\x80\xA6:the line is longer than 32768 bytes",
          "2:2:ok:", "end"}},
        // A byte order mark: UTF-8's dropped at the start only, UTF-16's read as UTF-16.
        {"\xEF\xBB\xBF"
         "Alpha\n\xEF\xBB\xBF",
         {"1:1:Alpha:", "2:2:\xEF\xBB\xBF:", "end"}},
        {"\xEF\xBB\xBF", {"end"}},
        {"\xEF\xBB\n\xFF",
         {"1:1:\xEF\xBB:the line is not UTF-8", "2:2:\xFF:the line is not UTF-8", "end"}},
        {"\xFF\xFE"
         "A\0l\0\r\0\n\0\r\0\n\0\xE9\0\x3D\xD8\x00\xDE\n\0"s,
         {"1:1:Al:", "3:2:\xC3\xA9\xF0\x9F\x98\x80:", "end"}},
        {"\xFE\xFF\0A\0\n\x8A\xCB\0\n\0B"s, {"1:1:A:", "2:2:\xE8\xAB\x8B:", "3:3:B:", "end"}},
        {"\xFF\xFE\x3D\xD8x\0\n\0\x00\xDE\n\0a\0\0\0\n\0\x3D\xD8"s,
         {"1:1:\xED\xA0\xBDx:the line is not UTF-16", "2:2:\xED\xB8\x80:the line is not UTF-16",
          "3:3:a\0:the line holds a NUL byte"s, "4:4:\xED\xA0\xBD:the line is not UTF-16", "end"}},
        {"\xFF\xFE"
         "A\0B"s,
         {"1:1:A\xFF:the line is not UTF-16", "end"}},
        {"\xFF\xFE", {"end"}},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
            MemorySource source(c.text, piece);
            EXPECT_EQ(ReadAll(source), c.names) << c.text.substr(0, 40) << " in " << piece;
        }
    }
}

// A line cut short by a stop never becomes a name.
TEST(NameList, AStopInTheMiddleOfALineGivesNoName) {
    MemorySource source("A\nBC\n", 3, 3);
    EXPECT_EQ(ReadAll(source), (std::vector<std::string>{"1:1:A:", "stopped"}));
}

// A line too long is given before its end is read: a list without end still gives way to a stop.
TEST(NameList, GivesALineTooLongBeforeItsEnd) {
    MemorySource source(std::string(4 * NameList::kLongestLine, 'z') + "\nok\n", 4096,
                        2 * NameList::kLongestLine);
    EXPECT_EQ(ReadAll(source),
              (std::vector<std::string>{"1:1:" + std::string(64, 'z') +
                                            "\xE2\x80\xA6:the line is longer than 32768 bytes",
                                        "stopped"}));
}

TEST(NameList, HoldsOneLineHoweverLongTheList) {
    // Ten megabytes without an end of line, then a name.
    MemorySource source(std::string(10 << 20, 'z') + "\nlast\n", 1 << 16);
    NameList list(source);
    ListedName name;
    ASSERT_EQ(list.Read(name), NameList::Next::Name);
    EXPECT_LT(name.text.capacity(), 2 * NameList::kLongestLine + 64);
    ASSERT_EQ(list.Read(name), NameList::Next::Name);
    EXPECT_EQ(name.text, "last");
}

TEST(NameList, AFailingReadIsPassedOn) {
    class Broken final : public ByteSource {
        std::optional<std::size_t> Read(char*, std::size_t) override {
            throw Failure("Input/output error");
        }
    } source;
    NameList list(source);
    ListedName name;
    EXPECT_THROW(list.Read(name), Failure);
}

}  // namespace
}  // namespace quire
