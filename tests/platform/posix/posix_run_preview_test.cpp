// The preview against a real folder: the same rows as the dry run that looks at every folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "engine/foretold_rows.h"
#include "engine/run_preview.h"
#include "platform/posix/posix_file_system.h"

namespace quire {
namespace {

namespace fs = std::filesystem;

struct RealCase {
    const char* name;
    std::string pattern;
    std::int64_t count;
    std::vector<std::string> subfolders;
    RunPreview::Totals totals;
};

class PosixRunPreview : public testing::TestWithParam<RealCase> {
protected:
    fs::path root;
    std::string target;
    PosixFileSystem files;

    // F1 to F300: every tenth a folder holding a/; F5 a file, F6 a link to a folder, F7 a link to
    // nothing; 200 entries the plan does not name.
    void SetUp() override {
        char name[] = "/tmp/quire_preview_XXXXXX";
        root = ::mkdtemp(name);
        target = (root / "t").string();
        fs::create_directories(target + "/F10/a");
        for (int i = 20; i <= 300; i += 10)
            fs::create_directories(target + "/F" + std::to_string(i) + "/a");
        std::ofstream(target + "/F5") << "x";
        fs::create_directory_symlink(target + "/F10", target + "/F6");
        fs::create_symlink(target + "/nothing", target + "/F7");
        for (int i = 0; i < 200; ++i) fs::create_directory(target + "/other" + std::to_string(i));
    }
    void TearDown() override { fs::remove_all(root); }
};

TEST_P(PosixRunPreview, GivesTheDryRunsRowsAndTotals) {
    const RealCase& c = GetParam();
    RunPlan plan;
    plan.count = c.count;
    plan.subfolders = c.subfolders;
    const RunPreview preview(files, &files, files, plan, c.pattern, target, '/');
    EXPECT_EQ(PreviewRows(preview), DryRun(files, plan, c.pattern, target, '/'));
    EXPECT_EQ(preview.Count(), c.totals);
}

const RealCase kRealCases[] = {
    {"Numbered", "F#", 300, {}, {267, 31, 2}},
    // F5 and F7 fail with their subfolders; F6 holds the a of the folder it leads to.
    {"WithSubfolders", "F#", 300, {"a", "a/b"}, {900 - 62 - 6, 31 + 31, 3 + 3}},
    {"NameTooLong", std::string(300, 'n') + "#", 3, {}, {0, 0, 3}},
    {"InAMissingFolder", "missing/F#", 2, {}, {0, 0, 2}},
};

INSTANTIATE_TEST_SUITE_P(RealFolder, PosixRunPreview, testing::ValuesIn(kRealCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quire
