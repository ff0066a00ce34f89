// Undo against a program that swaps folders under it (renameat2 with RENAME_EXCHANGE): whatever
// stands at a journaled name when undo checks it, the user's own folder is never removed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "engine/run_journal.h"
#include "engine/undo.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_helper_thread.h"
#include "platform/posix/posix_journal_store.h"

namespace quire {
namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 20;
constexpr int kTrials = 200;

// True when an entry of `folder` is the folder with inode `inode`.
bool HoldsInode(const fs::path& folder, ino_t inode) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) == 0 && info.st_ino == inode) return true;
    }
    return false;
}

TEST(UndoRace, TheUsersFolderSwappedInIsNeverRemoved) {
    char name[] = "/tmp/quire_race_XXXXXX";
    const fs::path root = ::mkdtemp(name);
    PosixFileSystem files;
    PosixJournalStore store((root / "state").string());
    const fs::path target = root / "t";
    std::mt19937 random(7);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::atomic<int> swaps = 0;
    for (int trial = 0; trial < kTrials && std::chrono::steady_clock::now() < deadline; ++trial) {
        fs::remove_all(target);
        fs::create_directory(target);
        {
            RunJournal journal(files, store, DescribeRun(target, "F #", false, kFolders, '/'),
                               nullptr, StartHelperThread);
            for (int i = 1; i <= kFolders; ++i) {
                const std::string path = (target / ("F " + std::to_string(i))).string();
                files.CreateFolderUnlessExists(path);
                journal.FolderCreated(path);
            }
            journal.Finish();
        }
        const fs::path mine = target / "Mine";
        fs::create_directory(mine);
        struct stat info {};
        ASSERT_EQ(::stat(mine.c_str(), &info), 0);
        std::atomic<bool> stop = false;
        // One folder of the run, swapped with the user's over and over.
        const fs::path folder = target / ("F " + std::to_string(random() % kFolders + 1));
        std::thread swapper([&] {
            while (!stop.load()) {
                if (::renameat2(AT_FDCWD, folder.c_str(), AT_FDCWD, mine.c_str(),
                                RENAME_EXCHANGE) == 0) {
                    ++swaps;
                }
            }
        });
        UndoHost host;
        const std::optional<UndoResult> result =
            UndoLastRun(files, files, files, store, host, false);
        stop = true;
        swapper.join();
        ASSERT_TRUE(result);
        ASSERT_TRUE(HoldsInode(target, info.st_ino)) << "trial " << trial;
    }
    EXPECT_GT(swaps, 0);
    fs::remove_all(root);
}

}  // namespace
}  // namespace quire
