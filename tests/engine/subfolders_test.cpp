#include "engine/subfolders.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace quire {
namespace {

using Paths = std::vector<std::string>;

TEST(Subfolders, AddsParentsFirstEachOnceAndRefusesWaysOut) {
    const struct {
        char separator;
        Paths given;
        Paths paths;      // when every path is taken
        std::string why;  // of the last path given, when it is refused
    } cases[] = {
        {'/', {"RAW", "Edits/Final"}, {"RAW", "Edits", "Edits/Final"}, ""},
        {'/', {"a/b/c", "a//b/./d/", "a"}, {"a", "a/b", "a/b/c", "a/b/d"}, ""},
        {'\\', {"a/b", "a\\c"}, {"a", "a\\b", "a\\c"}, ""},
        {'/', {"a\\b"}, {"a\\b"}, ""},  // a name on Linux
        {'/', {"a/../../x"}, {}, "a \"..\" in it would lead out of the numbered folder"},
        {'/', {"/etc"}, {}, "an absolute path would lead out of the numbered folder"},
        {'\\', {"/x"}, {}, "an absolute path would lead out of the numbered folder"},
        {'\\', {"C:x"}, {}, "an absolute path would lead out of the numbered folder"},
        {'/', {"C:x"}, {"C:x"}, ""},
        {'/', {"./"}, {}, "it names no folder"},
        {'/', {""}, {}, "it names no folder"},
    };
    for (const auto& c : cases) {
        Subfolders subfolders(c.separator);
        std::string why;
        for (const std::string& path : c.given) why = subfolders.Add(path);
        EXPECT_EQ(why, c.why) << c.given.back();
        if (c.why.empty()) {
            EXPECT_EQ(subfolders.Paths(), c.paths) << c.given.back();
        }
    }
}

TEST(Subfolders, TakesATemplatesTreeInNameOrder) {
    fakes::FakeFileSystem files;
    files.folders = {"/tpl", "/tpl/b", "/tpl/a", "/tpl/a/z", "/tpl/a/y", "/other"};
    Subfolders subfolders('/');
    EXPECT_EQ(subfolders.Add("a"), "");
    subfolders.AddTree(files, "/tpl");
    EXPECT_EQ(subfolders.Paths(), (Paths{"a", "a/y", "a/z", "b"}));
}

TEST(Subfolders, RefusesATemplateItCannotReadOrThatNeverEnds) {
    fakes::FakeFileSystem files;
    files.folders = {"/tpl", "/tpl/a", "/tpl/a/locked"};
    files.unreadable = {"/tpl/a/locked"};
    Subfolders subfolders('/');
    try {
        subfolders.AddTree(files, "/tpl");
        FAIL() << "an unreadable folder of the template must be refused";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "/tpl/a/locked: Permission denied");
    }

    // A tree that folds into itself (a bind mount) looks endless: it ends at the depth limit.
    std::string deep = "/loop";
    files.folders = {deep};
    for (std::size_t i = 0; i <= Subfolders::kDeepest; ++i) files.folders.insert(deep += "/d");
    EXPECT_THROW(Subfolders('/').AddTree(files, "/loop"), Failure);
    files.folders.erase(deep);
    Subfolders deepest('/');
    deepest.AddTree(files, "/loop");
    EXPECT_EQ(deepest.Paths().size(), Subfolders::kDeepest);
}

}  // namespace
}  // namespace quire
