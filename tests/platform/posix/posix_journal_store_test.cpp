#include "platform/posix/posix_journal_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "engine/failure.h"
#include "engine/run_journal.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_helper_thread.h"

namespace quire {
namespace {

namespace fs = std::filesystem;

class PosixJournalStoreTest : public testing::Test {
protected:
    fs::path root;
    void SetUp() override {
        char name[] = "/tmp/quire_journal_XXXXXX";
        root = ::mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(root); }
};

// Made in a folder of the user's alone; replaced whole by the next run; a new journal aside
// leaves nothing behind when it is never published.
TEST_F(PosixJournalStoreTest, KeepsOneJournalForTheUserAlone) {
    PosixJournalStore store((root / "state/quirebatch").string());
    PosixFileSystem files;
    EXPECT_EQ(store.Open(), nullptr);
    for (const char* name : {"A", "B"}) {
        RunJournal journal(files, store, DescribeRun(root.string(), "F#", false, 1, '/'), nullptr,
                           StartHelperThread);
        fs::create_directory(root / name);
        journal.FolderCreated((root / name).string());
        journal.Finish();
    }
    static_cast<void>(store.Begin());
    EXPECT_EQ(ReadJournal(store)->folders.at(0).path, (root / "B").string());
    EXPECT_EQ(fs::status(root / "state/quirebatch").permissions(), fs::perms::owner_all);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(root / "state/quirebatch"), fs::directory_iterator()),
        1);
}

// Nothing but an ordinary file is read as the journal, and nothing waits on a pipe.
TEST_F(PosixJournalStoreTest, RefusesWhatIsNoOrdinaryFile) {
    const fs::path folder = root / "quirebatch";
    const fs::path journal = folder / "last-run.journal";
    const struct {
        const char* name;
        std::function<void()> make;
        const char* why;
    } cases[] = {
        {"named pipe", [&] { ::mkfifo(journal.c_str(), 0600); }, "named pipe"},
        {"link", [&] { fs::create_symlink(root / "real", journal); }, "link"},
        {"dangling link", [&] { fs::create_symlink(root / "none", journal); }, "link"},
        {"folder", [&] { fs::create_directory(journal); }, "folder"},
    };
    std::ofstream(root / "real") << "QUIREBATCH JOURNAL 1\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder);
        fs::create_directory(folder);
        c.make();
        PosixJournalStore store(folder.string());
        try {
            static_cast<void>(store.Open());
            ADD_FAILURE() << "opened";
        } catch (const Failure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.why), std::string::npos) << failure.what();
        }
    }
}

}  // namespace
}  // namespace quire
