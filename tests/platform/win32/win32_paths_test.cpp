// The rules a Windows path is read by, apart from any file system.
#include "platform/win32/win32_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quire::win32 {
namespace {

// The parent is vetted once for the folders made side by side: its verdict and the new name's
// must be the full check's for every path, whatever root, prefix or separators it has and
// whatever path came before it.
TEST(VettedParent, DecidesAsTheFullCheckForEveryPath) {
    // clang-format off
    const std::vector<std::string> paths = {
        // a drive, drive-relative, relative, rooted on the current drive
        "C:\\Jobs\\Folder 1", "C:\\Folder 1", "C:\\", "C:", "C:Folder 1", "C:a\\b", "Folder 1",
        "\\Folder 1", "/Folder 1", "\\", "C:/Jobs//x/", "C:\\a \\x\\",
        // steps and names refused on the way
        "Jobs\\.\\..\\x", "Jobs\\CON\\x", "Jobs\\a.\\x", "Jobs\\x*\\y", "Jobs\\x\\y:z",
        // shares, and what only looks like one
        "\\\\server\\share\\x", "\\\\server\\share", "\\\\server\\share\\", "\\\\server\\x",
        "\\\\server\\\\share\\x", "\\\\\\server\\share\\x", "//server/share/x", "\\\\.\\C:\\x",
        "//?/C:/x", "\\\\?x\\y\\z", "\\\\?",
        // the \\?\ prefix, where every component is a name and only \ separates
        "\\\\?\\C:\\x", "\\\\?\\C:\\", "\\\\?\\C:", "\\\\?\\", "\\\\?\\C:\\a\\.\\x",
        "\\\\?\\C:\\a\\..\\x", "\\\\?\\C:\\a/b\\x", "\\\\?\\C:\\\\x\\\\",
        "\\\\?\\UNC\\server\\share\\x", "\\\\?\\UNC\\server\\share", "\\\\?\\UNC\\server\\",
        "\\\\?\\UNC\\", "\\\\?\\unc\\s\\h\\x"};
    const std::vector<std::string> names = {"Folder 2", ".", "..", "CON", "nul.txt", "a.", "a ",
                                            "a|b", "UNC", "share", "C:", "?"};
    // clang-format on
    const std::vector<std::string> endings = {"", "\\", "/", "\\\\"};
    VettedParent parents;
    for (const std::string& path : paths) {
        EXPECT_EQ(parents.Problem(path), PathProblem(path, LastComponent::Created)) << path;
        for (const std::string& name : names) {
            for (const std::string& ending : endings) {
                const std::string sibling = std::string(ParentOf(path)) + name + ending;
                EXPECT_EQ(parents.Problem(sibling), PathProblem(sibling, LastComponent::Created))
                    << path << " then " << sibling;
            }
        }
    }
}

}  // namespace
}  // namespace quire::win32
