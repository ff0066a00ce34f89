#include "engine/run_preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "fakes/fake_file_system.h"
#include "foretold_rows.h"
#include "memory_source.h"

namespace quire {
namespace {

using fakes::FakeFileSystem;

struct PreviewCase {
    const char* name;
    std::set<std::string> folders;
    std::set<std::string> files;
    std::set<std::string> unreadable;
    std::string pattern;
    std::int64_t count;
    std::vector<std::string> subfolders;
    std::optional<std::string> names;
    std::vector<std::string> rows;
};

class RunPreviewCases : public testing::TestWithParam<PreviewCase> {
protected:
    FakeFileSystem Files() const {
        FakeFileSystem files;
        files.folders = GetParam().folders;
        files.files = GetParam().files;
        files.unreadable = GetParam().unreadable;
        files.parentsMustExist = true;
        return files;
    }
    // `preview`: through the preview, with the fake's listing unless `unlisted`; else the dry run.
    std::vector<std::string> Foretold(FakeFileSystem& files, bool preview,
                                      bool unlisted = false) const {
        const PreviewCase& c = GetParam();
        MemorySource source(c.names.value_or(""));
        NameList list(source);
        RunPlan plan;
        plan.count = c.count;
        plan.subfolders = c.subfolders;
        if (c.names) plan.names = &list;
        if (!preview) return DryRun(files, plan, c.pattern, "/t", '/');
        const EntryListing* listing = unlisted ? nullptr : &files;
        return PreviewRows(RunPreview(files, listing, files, plan, c.pattern, "/t", '/'));
    }
};

// Each row as the dry run gives it, with one listing of each folder instead of a look at each.
TEST_P(RunPreviewCases, ForetellsEveryFolderAsTheDryRun) {
    FakeFileSystem files = Files();
    const std::vector<std::string> rows = Foretold(files, true);
    EXPECT_EQ(rows, GetParam().rows);
    FakeFileSystem again = Files();
    EXPECT_EQ(Foretold(again, false), rows);
}

// Where the system gives no listing, every folder is the system's to foretell, with the same rows.
TEST_P(RunPreviewCases, WithoutAListingAsksTheSystemForEachFolder) {
    FakeFileSystem files = Files();
    EXPECT_EQ(Foretold(files, true, true), GetParam().rows);
    EXPECT_TRUE(std::none_of(files.calls.begin(), files.calls.end(),
                             [](const std::string& call) { return call.starts_with("entries "); }));
}

const PreviewCase kPreviewCases[] = {
    {"ExistingAndInTheWay",
     {"/t", "/t/F2"},
     {"/t/F4"},
     {},
     "F#",
     5,
     {},
     {},
     {"F1: new", "F2: exists", "F3: new", "F4: would fail: File exists", "F5: new"}},
    {"SubfoldersOfAnExistingFolder",
     {"/t", "/t/F1", "/t/F1/a"},
     {},
     {},
     "F#",
     2,
     {"a", "a/b"},
     {},
     {"F1: exists", "F1/a: exists", "F1/a/b: new", "F2: new", "F2/a: new", "F2/a/b: new"}},
    {"UnreadableTargetAskedFolderByFolder",
     {"/t", "/t/F2"},
     {"/t/F3"},
     {"/t"},
     "F#",
     3,
     {},
     {},
     {"F1: new", "F2: exists", "F3: would fail: File exists"}},
    {"PatternWithoutCounterIsOneFolder",
     {"/t"},
     {},
     {},
     "Same",
     3,
     {},
     {},
     {"Same: new", "Same: exists", "Same: exists"}},
    {"MissingFolderOfThePattern",
     {"/t"},
     {},
     {},
     "m/F#",
     2,
     {},
     {},
     {"m/F1: would fail: No such file or directory",
      "m/F2: would fail: No such file or directory"}},
    {"ListedNamesRepeatAndNest",
     {"/t", "/t/x"},
     {},
     {},
     "",
     0,
     {"s"},
     "y\ny\ny/z\nx\nz/..\n",
     {"y: new", "y/s: new", "y: exists", "y/s: exists", "y/z: new", "y/z/s: new", "x: exists",
      "x/s: new",
      "z/..: would fail: line 5: a \"..\" in it would put the folder outside the target folder"}},
};

INSTANTIATE_TEST_SUITE_P(Plans, RunPreviewCases, testing::ValuesIn(kPreviewCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(RunPreview, CountsAndFiltersFromOneListingOfTheTarget) {
    FakeFileSystem files;
    files.folders = {"/t"};
    for (int i = 10; i <= 1000; i += 10) files.folders.insert("/t/F" + std::to_string(i));
    files.files = {"/t/F7"};
    RunPlan plan;
    plan.count = 1000;
    const RunPreview preview(files, &files, files, plan, "F#", "/t", '/');

    EXPECT_EQ(preview.Count(), (RunPreview::Totals{899, 100, 1}));
    ASSERT_EQ(preview.NotNewSize(), 101);
    EXPECT_EQ(preview.NotNewIndex(0), 6);
    EXPECT_EQ(preview.At(preview.NotNewIndex(100)).path, "F1000");
    EXPECT_EQ(std::count(files.calls.begin(), files.calls.end(), "entries /t/"), 1);
    // The system is asked for a new name of each length (F1, F11, F101) and the entry in the way.
    EXPECT_EQ(std::count_if(files.calls.begin(), files.calls.end(),
                            [](const std::string& call) { return call.starts_with("predict"); }),
              4);
}

}  // namespace
}  // namespace quire
