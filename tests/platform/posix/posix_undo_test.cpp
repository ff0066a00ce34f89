// Undo over the system's file system, where the journal and the removals have threads of their
// own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/run_journal.h"
#include "engine/undo.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_journal_store.h"

namespace quire {
namespace {

namespace fs = std::filesystem;

class Recorder final : public UndoHost {
public:
    std::vector<std::pair<std::string, std::string>> told;  // path, and why it is kept
    std::int64_t stopAt = -1;
    bool BeforeFolder(std::int64_t done, std::int64_t) override { return done != stopAt; }
    void Removed(const std::string& path) override { told.emplace_back(path, ""); }
    void Kept(const std::string& path, std::string_view reason) override {
        told.emplace_back(path, reason);
    }
};

class PosixUndoTest : public testing::Test {
protected:
    fs::path root;
    PosixFileSystem files;
    std::unique_ptr<PosixJournalStore> store;
    std::vector<std::string> made;  // in the order made

    // 200 numbered folders, each with a/b inside.
    void SetUp() override {
        char name[] = "/tmp/quire_undo_XXXXXX";
        root = ::mkdtemp(name);
        store = std::make_unique<PosixJournalStore>((root / "state").string());
        const std::string target = (root / "t").string();
        fs::create_directory(target);
        RunJournal journal(files, *store, DescribeRun(target, "F ###", false, 200, '/'), nullptr);
        for (int i = 0; i < 200; ++i) {
            const std::string folder = target + "/F " + std::to_string(i);
            for (const std::string& path : {folder, folder + "/a", folder + "/a/b"}) {
                files.CreateFolder(path);
                journal.FolderCreated(path);
                made.push_back(path);
            }
        }
        journal.Finish();
    }
    void TearDown() override { fs::remove_all(root); }
};

// Folders inside others go first, whichever thread their neighbours take; every folder is told,
// last made first; what the user put inside or made again stays, with its folders around it.
TEST_F(PosixUndoTest, RemovesInsideFirstAndTellsEveryFolderLastFirst) {
    std::ofstream(made[3 * 7 + 2] + "/kept.txt") << "mine";
    fs::remove(made[3 * 11 + 2]);
    fs::create_directory(made[3 * 11 + 2]);
    Recorder host;
    const std::optional<UndoResult> result = UndoLastRun(files, *store, host, false);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->removed, 594);
    EXPECT_EQ(result->kept, 6);
    ASSERT_EQ(host.told.size(), made.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        const auto& [path, reason] = host.told[made.size() - 1 - i];
        EXPECT_EQ(path, made[i]);
        const bool mine = i / 3 == 7 || i / 3 == 11;
        EXPECT_EQ(reason.empty(), !mine) << path;
        EXPECT_EQ(fs::exists(path), mine) << path;
    }
    EXPECT_EQ(host.told[made.size() - 1 - (3 * 11 + 2)].second, kKeptChanged);
    EXPECT_EQ(host.told[made.size() - 1 - (3 * 11 + 1)].second, kKeptNotEmpty);
    EXPECT_FALSE(LastRunToUndo(*store));
}

// Stopped part way, every folder already removed is told, and only those; the journal keeps the
// rest, which the next undo removes without a word about the others.
TEST_F(PosixUndoTest, AStoppedUndoTellsWhatItRemoved) {
    Recorder host;
    host.stopAt = 100;
    const std::optional<UndoResult> result = UndoLastRun(files, *store, host, false);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->stopped);
    EXPECT_GE(result->removed, 100);
    std::size_t gone = 0;
    for (const std::string& path : made) gone += fs::exists(path) ? 0U : 1U;
    EXPECT_EQ(gone, static_cast<std::size_t>(result->removed));
    for (const auto& [path, reason] : host.told) EXPECT_FALSE(fs::exists(path)) << path;
    EXPECT_EQ(LastRunToUndo(*store)->folders, 600 - result->removed);
    Recorder next;
    const std::optional<UndoResult> rest = UndoLastRun(files, *store, next, false);
    EXPECT_EQ(rest->removed, 600 - result->removed);
    EXPECT_EQ(rest->kept, 0);
    for (const std::string& path : made) EXPECT_FALSE(fs::exists(path)) << path;
}

}  // namespace
}  // namespace quire
