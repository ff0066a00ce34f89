#include "engine/missing_target.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace quire {
namespace {

// Each target's folders to make, outermost first, and where they start, on both systems' paths.
TEST(FindMissingTarget, WalksUpToTheDeepestFolderAndStopsAtRoots) {
    const struct {
        const char* target;
        char separator;
        const char* existing;
        std::vector<std::string> missing;
    } cases[] = {
        {"/t", '/', "/t", {}},
        {"/t/a//b/", '/', "/t", {"/t/a", "/t/a//b"}},
        {"/x/y", '/', "/", {"/x", "/x/y"}},
        {"new/a", '/', "", {"new", "new/a"}},
        {"C:\\t\\a/b", '\\', "C:\\t", {"C:\\t\\a", "C:\\t\\a/b"}},
        {"C:\\x", '\\', "C:\\", {"C:\\x"}},
        {"C:new", '\\', "C:", {"C:new"}},
        {"Z:\\x", '\\', "Z:\\", {"Z:\\x"}},  // a drive not there is not made
    };
    for (const auto& c : cases) {
        fakes::FakeFileSystem files;
        files.folders = {"/", "/t", "C:", "C:\\", "C:\\t"};
        const MissingTarget found = FindMissingTarget(files, c.target, c.separator);
        EXPECT_EQ(found.existing, c.existing) << c.target;
        EXPECT_EQ(found.missing, c.missing) << c.target;
    }
}

TEST(FindMissingTarget, AFileInTheWayIsRefused) {
    fakes::FakeFileSystem files;
    files.folders = {"/"};
    files.files = {"/f"};
    EXPECT_THROW(FindMissingTarget(files, "/f/x", '/'), Failure);
    EXPECT_THROW(FindMissingTarget(files, "/f", '/'), Failure);
}

}  // namespace
}  // namespace quire
