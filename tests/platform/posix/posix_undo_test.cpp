// Undo over the system's file system, where the journal has a thread of its own.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "engine/run_journal.h"
#include "engine/undo.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_helper_thread.h"
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
        RunJournal journal(files, *store, DescribeRun(target, "F ###", false, 200, '/'), nullptr,
                           StartHelperThread);
        for (int i = 0; i < 200; ++i) {
            const std::string folder = target + "/F " + std::to_string(i);
            for (const std::string& path : {folder, folder + "/a", folder + "/a/b"}) {
                files.CreateFolderUnlessExists(path);
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
    const std::optional<UndoResult> result = UndoLastRun(files, files, files, *store, host, false);
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
    const std::optional<UndoResult> result = UndoLastRun(files, files, files, *store, host, false);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->stopped);
    EXPECT_GE(result->removed, 100);
    std::size_t gone = 0;
    for (const std::string& path : made) gone += fs::exists(path) ? 0U : 1U;
    EXPECT_EQ(gone, static_cast<std::size_t>(result->removed));
    for (const auto& [path, reason] : host.told) EXPECT_FALSE(fs::exists(path)) << path;
    EXPECT_EQ(LastRunToUndo(*store)->folders, 600 - result->removed);
    Recorder next;
    const std::optional<UndoResult> rest = UndoLastRun(files, files, files, *store, next, false);
    EXPECT_EQ(rest->removed, 600 - result->removed);
    EXPECT_EQ(rest->kept, 0);
    for (const std::string& path : made) EXPECT_FALSE(fs::exists(path)) << path;
}

// A run still writing holds its journal (flock): undo refuses it until the run has ended.
TEST_F(PosixUndoTest, ARunInProgressHoldsItsJournal) {
    const std::string target = (root / "t").string();
    {
        RunJournal journal(files, *store, DescribeRun(target, "G #", false, 1, '/'), nullptr,
                           StartHelperThread);
        files.CreateFolderUnlessExists(target + "/G 1");
        journal.FolderCreated(target + "/G 1");
        Recorder host;
        // The journal's thread publishes it within the flush interval.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        bool busy = false;
        while (!busy && std::chrono::steady_clock::now() < deadline) {
            try {
                UndoLastRun(files, files, files, *store, host, true);
            } catch (const JournalBusy&) {
                busy = true;
            }
        }
        EXPECT_TRUE(busy);
        EXPECT_THROW(UndoLastRun(files, files, files, *store, host, false), JournalBusy);
        EXPECT_TRUE(fs::is_directory(target + "/G 1"));
        journal.Finish();
    }
    Recorder host;
    EXPECT_EQ(UndoLastRun(files, files, files, *store, host, false)->removed, 1);
}

// A journal others could have changed is not acted on.
TEST_F(PosixUndoTest, AJournalOthersCouldChangeIsRefused) {
    const fs::path folder = root / "state";
    const fs::path journal = folder / "last-run.journal";
    const struct {
        const char* name;
        std::function<void()> change, undo;
    } cases[] = {
        {"folder writable by the group", [&] { ::chmod(folder.c_str(), 0770); },
         [&] { ::chmod(folder.c_str(), 0700); }},
        {"journal writable by others", [&] { ::chmod(journal.c_str(), 0602); },
         [&] { ::chmod(journal.c_str(), 0600); }},
        {"journal of another user",
         [&] { ASSERT_EQ(::lchown(journal.c_str(), 4242, ::getegid()), 0); },
         [&] { ASSERT_EQ(::lchown(journal.c_str(), ::geteuid(), ::getegid()), 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name).find("another user") != std::string::npos && ::geteuid() != 0) {
            continue;
        }
        c.change();
        Recorder host;
        EXPECT_THROW(UndoLastRun(files, files, files, *store, host, true), Failure);
        c.undo();
        EXPECT_TRUE(UndoLastRun(files, files, files, *store, host, true));
    }
}

// A relative target is journaled from the run's current folder: undo from elsewhere finds it.
TEST_F(PosixUndoTest, ARelativeTargetIsUndoneFromAnywhere) {
    const fs::path before = fs::current_path();
    fs::create_directory(root / "r");
    fs::current_path(root);
    {
        RunJournal journal(files, *store, DescribeRun("r", "F #", false, 2, '/'), nullptr,
                           StartHelperThread);
        for (const char* path : {"r/F 1", "r/F 2"}) {
            files.CreateFolderUnlessExists(path);
            journal.FolderCreated(path);
        }
        journal.Finish();
    }
    fs::current_path("/");
    Recorder host;
    const std::optional<UndoResult> result = UndoLastRun(files, files, files, *store, host, false);
    fs::current_path(before);
    EXPECT_EQ(result->removed, 2);
    EXPECT_TRUE(fs::is_empty(root / "r"));
}

// One folder spelt two ways ("B" and "./B/…") is undone inside first all the same.
TEST_F(PosixUndoTest, AFolderSpeltTwoWaysIsUndoneInsideFirst) {
    const std::string target = (root / "t").string();
    {
        RunJournal journal(files, *store, DescribeRun(target, "B/#", false, 300, '/'), nullptr,
                           StartHelperThread);
        files.CreateFolderUnlessExists(target + "/B");
        journal.FolderCreated(target + "/B");
        for (int i = 1; i <= 300; ++i) {
            const std::string path = target + "/./B/" + std::to_string(i);
            files.CreateFolderUnlessExists(path);
            journal.FolderCreated(path);
        }
        journal.Finish();
    }
    Recorder host;
    const std::optional<UndoResult> result = UndoLastRun(files, files, files, *store, host, false);
    EXPECT_EQ(result->removed, 301);
    EXPECT_EQ(result->kept, 0);
    EXPECT_FALSE(fs::exists(target + "/B"));
}

// On a file system without birth times (ext2 with 128-byte inodes), a folder made again under
// its name, with the inode freed a moment before, is kept; the run's own go, those with
// subfolders too. Needs a loop mount: skipped where that is not allowed.
TEST_F(PosixUndoTest, WithoutBirthTimesAFolderMadeAgainIsKept) {
    const fs::path image = root / "ext2.img";
    const fs::path mounted = root / "ext2";
    fs::create_directory(mounted);
    const std::string make = "truncate -s 8M '" + image.string() + "' && mkfs.ext2 -q -I 128 '" +
                             image.string() + "' 2>/dev/null && mount -o loop '" + image.string() +
                             "' '" + mounted.string() + "' 2>/dev/null";
    if (::geteuid() != 0 || std::system(make.c_str()) != 0) GTEST_SKIP() << "no loop mount";
    const std::string target = mounted.string();
    {
        RunJournal journal(files, *store, DescribeRun(target, "F #", false, 3, '/'), nullptr,
                           StartHelperThread);
        for (const char* name : {"/F 1", "/F 1/A", "/F 2", "/F 3"}) {
            files.CreateFolderUnlessExists(target + name);
            journal.FolderCreated(target + name);
        }
        // The file system keeps whole seconds: the run's folders are older than its end by more.
        std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        journal.Finish();
    }
    ASSERT_EQ(files.IdentityOf(target + "/F 2").born, 0U);
    fs::remove(target + "/F 2");
    fs::create_directory(target + "/F 2");
    Recorder host;
    const std::optional<UndoResult> dry = UndoLastRun(files, files, files, *store, host, true);
    const std::optional<UndoResult> result = UndoLastRun(files, files, files, *store, host, false);
    const bool kept = fs::is_directory(target + "/F 2");
    const bool others = fs::exists(target + "/F 1") || fs::exists(target + "/F 3");
    ::umount(mounted.c_str());
    EXPECT_EQ(dry->removed, 3);
    EXPECT_EQ(result->removed, 3);
    EXPECT_TRUE(kept);
    EXPECT_FALSE(others);
}

}  // namespace
}  // namespace quire
