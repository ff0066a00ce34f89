// The one rule that says whether Windows keeps a name as typed.
#include <gtest/gtest.h>

#include "platform/win32/win32_names.h"

namespace quire::win32 {
namespace {

TEST(NameProblem, RefusesWhatWindowsWouldNotKeepAsTyped) {
    const std::string kOk;
    const std::string kDevice = "reserves for a device";
    const std::string kDropped = "ends in a dot or blank";
    const std::string kCharacter = "does not allow in names";
    const std::string kLong = "longer than the 255";
    const std::string smile = "\xF0\x9F\x98\x80";  // two UTF-16 units
    std::string smiles127, smiles128;
    for (int i = 0; i < 127; ++i) smiles127 += smile;
    smiles128 = smiles127 + smile;
    const std::pair<std::string, std::string> cases[] = {
        {"Folder 001", kOk}, {".git", kOk}, {"%PATH% ^&", kOk}, {"a.b c", kOk},
        {"CONSOLE", kOk}, {"NULL", kOk}, {"COM0", kOk}, {"COM10", kOk}, {"LPT", kOk},
        {" NUL", kOk}, {"COM\xC2\xB4", kOk},
        {"con", kDevice}, {"Con.txt", kDevice}, {"nul.tar.gz", kDevice}, {"AUX", kDevice},
        {"CON .txt", kDevice}, {"com9", kDevice}, {"lPt1.log", kDevice}, {"NUL:x", kDevice},
        {"COM\xC2\xB9", kDevice}, {"lpt\xC2\xB3.x", kDevice}, {"PRN ", kDevice},
        {"a.", kDropped}, {"a ", kDropped}, {"...", kDropped}, {".", kDropped},
        {"a<b", kCharacter}, {"a|b", kCharacter}, {"a\x01" "b", kCharacter}, {"a/b", kCharacter},
        {std::string(255, 'x'), kOk}, {std::string(256, 'x'), kLong},
        {smiles127, kOk}, {smiles128, kLong}, {std::string(200, 'x') + "\xC3\xA9", kOk},
    };
    for (const auto& [name, why] : cases) {
        const std::string problem = NameProblem(name);
        if (why.empty()) {
            EXPECT_EQ(problem, "") << name;
        } else {
            EXPECT_NE(problem.find(why), std::string::npos) << name << ": " << problem;
        }
    }
}

}  // namespace
}  // namespace quire::win32
