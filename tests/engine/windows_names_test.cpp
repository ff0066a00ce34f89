#include "engine/windows_names.h"

#include <gtest/gtest.h>

namespace quire::windows {
namespace {

TEST(WindowsNames, ReservedNamesInEveryCaseAndWithAnyExtension) {
    for (const char* name :
         {"CON", "con", "Con", "cOn.txt", "PRN", "aux.tar.gz", "nul", "NUL ", "nul .x", "COM0",
          "com9", "Lpt0.log", "LPT9", "COM\xC2\xB9", "conin$", "CONOUT$", "con:stream"}) {
        EXPECT_TRUE(IsDeviceName(name)) << name;
    }
    for (const char* name : {"CONS", "icon", "COM10", "LPT", "COMA", "NULL", "xcon.txt", ""}) {
        EXPECT_FALSE(IsDeviceName(name)) << name;
    }
}

TEST(WindowsNames, EachNameOfARelativePathIsChecked) {
    const struct {
        const char* path;
        char separator;
        bool refused;
    } cases[] = {
        {"a/b", '/', false},  {"a/b.", '/', true},   {"a /b", '/', true},
        {"./a", '/', false},  {"a/.", '/', true},    {"a//b/", '/', false},
        {"a\\b", '/', true},  {"a\\b", '\\', false}, {"a/con.txt", '\\', true},
        {"a\x01", '/', true}, {"a<b", '/', true},    {"a|b", '/', true},
        {"a?", '/', true},    {"a*", '/', true},     {"a\"", '/', true},
        {"a:b", '/', true},   {"a>b", '/', true},    {"\xC3\xA9t\xC3\xA9", '/', false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!RelativePathProblem(c.path, c.separator).empty(), c.refused) << c.path;
    }
    // 255 UTF-16 units fit, 256 do not; a character beyond U+FFFF takes two.
    EXPECT_EQ(RelativePathProblem("d/" + std::string(255, 'x'), '/'), "");
    EXPECT_NE(RelativePathProblem("d/" + std::string(256, 'x'), '/'), "");
    EXPECT_NE(RelativePathProblem(std::string(254, 'x') + "\xF0\x9F\x98\x80", '/'), "");
}

}  // namespace
}  // namespace quire::windows
