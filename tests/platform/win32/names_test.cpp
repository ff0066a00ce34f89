// The one rule that says whether Windows keeps a name as typed.
#include <gtest/gtest.h>

#include <vector>

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
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {kOk,
         {"Folder 001", ".git", "%PATH% ^&", "a.b c", "CONSOLE", "NULL", "COM0", "COM10", "LPT",
          " NUL", "COM\xC2\xB4", std::string(255, 'x'), smiles127,
          std::string(200, 'x') + "\xC3\xA9"}},
        {kDevice,
         {"con", "Con.txt", "nul.tar.gz", "AUX", "CON .txt", "com9", "lPt1.log", "NUL:x",
          "COM\xC2\xB9", "lpt\xC2\xB3.x", "PRN "}},
        {kDropped, {"a.", "a ", "...", "."}},
        {kCharacter, {"a<b", "a|b", "a\tb", "a/b"}},
        {kLong, {std::string(256, 'x'), smiles128}},
    };
    for (const auto& [why, names] : cases) {
        for (const std::string& name : names) {
            const std::string problem = NameProblem(name);
            if (why.empty()) {
                EXPECT_EQ(problem, "") << name;
            } else {
                EXPECT_NE(problem.find(why), std::string::npos) << name << ": " << problem;
            }
        }
    }
}

}  // namespace
}  // namespace quire::win32
