#include "engine/run_journal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/fake_journal_store.h"

namespace quire {
namespace {

using fakes::FakeFileSystem;
using fakes::FakeJournalStore;
using Clock = RunJournal::Clock;

// Names of every kind of byte the systems allow: newlines, invalid UTF-8, control characters.
const std::vector<std::string> kOddNames = {
    "/t/Folder 001",
    "/t/line\nbreak",
    "/t/\xff\xfe not UTF-8",
    "/t/\r\t\x01",
    "/t/" + std::string(1000, 'x'),
    "/t/F 002/sub",
};

class RunJournalTest : public testing::Test {
protected:
    FakeFileSystem files;
    FakeJournalStore store;
    std::vector<std::string> unwritable;
    Clock::time_point now{};

    RunJournal Start(const std::string& target = "/t") {
        return RunJournal(
            files, store, DescribeRun(target, "Folder ###", false, 3, '/'),
            [this](const Failure& failure) { unwritable.emplace_back(failure.what()); },
            [this] { return now; });
    }

    void Create(RunJournal& journal, const std::string& path) {
        files.CreateFolder(path);
        journal.FolderCreated(path);
    }

    std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        const std::optional<Journal> journal = ReadJournal(store);
        for (const JournalEntry& entry : journal->folders) paths.push_back(entry.path);
        return paths;
    }
};

TEST_F(RunJournalTest, NamesOfAnyBytesAndTheirIdentitiesComeBackWhole) {
    RunJournal journal = Start();
    for (const std::string& path : kOddNames) Create(journal, path);
    journal.Finish();
    const std::optional<Journal> read = ReadJournal(store);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->run.target, "/t");
    EXPECT_EQ(read->run.pattern, "Folder ###");
    EXPECT_EQ(read->run.count, 3);
    EXPECT_FALSE(read->undone);
    ASSERT_EQ(read->folders.size(), kOddNames.size());
    for (std::size_t i = 0; i < kOddNames.size(); ++i) {
        EXPECT_EQ(read->folders[i].path, kOddNames[i]);
        EXPECT_EQ(read->folders[i].identity, files.IdentityOf(kOddNames[i]));
    }
    EXPECT_EQ(store.syncs, 1);
}

// Cut anywhere, the journal is refused or gives the first folders whole, never a torn one.
TEST_F(RunJournalTest, ATruncatedJournalGivesOnlyWholeEntries) {
    RunJournal journal = Start();
    for (const std::string& path : kOddNames) Create(journal, path);
    journal.Finish();
    const std::string whole = *store.journal;
    std::size_t seen = 0;
    for (std::size_t size = 0; size < whole.size(); ++size) {
        store.journal = whole.substr(0, size);
        std::optional<Journal> read;
        try {
            read = ReadJournal(store);
        } catch (const Failure&) {
            ASSERT_EQ(seen, 0U) << "refused after folders were read, at " << size;
            continue;
        }
        ASSERT_TRUE(read);
        ASSERT_GE(read->folders.size(), seen);
        ASSERT_LT(read->folders.size(), kOddNames.size());
        for (std::size_t i = 0; i < read->folders.size(); ++i) {
            ASSERT_EQ(read->folders[i].path, kOddNames[i]) << "at " << size;
        }
        seen = read->folders.size();
    }
    EXPECT_EQ(seen, kOddNames.size() - 1);
}

TEST_F(RunJournalTest, GarbageIsRefusedOrEndsTheJournal) {
    RunJournal journal = Start();
    for (const char* path : {"/t/A", "/t/B", "/t/C"}) Create(journal, path);
    journal.Finish();
    const std::string whole = *store.journal;
    const std::size_t second = whole.find("/t/B");
    const struct {
        std::string bytes;
        std::optional<std::size_t> folders;  // nothing: refused
    } cases[] = {
        {"", std::nullopt},
        {"garbage\n", std::nullopt},
        {std::string(4096, '\0'), std::nullopt},
        {"QUIREBATCH JOURNAL 1\n", std::nullopt},
        {"QUIREBATCH JOURNAL 1\n" + std::string(100, '\xff'), std::nullopt},
        {whole.substr(0, second) + "X" + whole.substr(second + 1), 1},  // a byte changed
        {whole + std::string(64, '\0'), 3},
        {whole + whole, 3},  // a run record after folders is not this run's
    };
    for (const auto& c : cases) {
        store.journal = c.bytes;
        if (!c.folders) {
            EXPECT_THROW(ReadJournal(store), Failure);
        } else {
            EXPECT_EQ(ReadJournal(store)->folders.size(), *c.folders);
        }
    }
}

// The journal takes the last one's place with the run's first folder, then is written at most
// the flush interval apart; a run that makes nothing leaves the last journal as it is.
TEST_F(RunJournalTest, ReplacesTheLastJournalAtTheFirstFolderAndWritesEvery100Ms) {
    store.journal = "the last run's";
    {
        RunJournal nothing = Start();
        nothing.Finish();
    }
    EXPECT_EQ(store.journal, "the last run's");

    RunJournal journal = Start();
    Create(journal, "/t/A");
    EXPECT_EQ(Paths(), std::vector<std::string>{"/t/A"});
    now += std::chrono::milliseconds(99);
    Create(journal, "/t/B");
    EXPECT_EQ(Paths().size(), 1U);
    now += std::chrono::milliseconds(1);
    Create(journal, "/t/C");
    EXPECT_EQ(Paths().size(), 3U);
    Create(journal, "/t/D");
    journal.Finish();
    EXPECT_EQ(Paths().size(), 4U);
    EXPECT_EQ(store.syncs, 1);
}

TEST_F(RunJournalTest, AJournalThatCannotBeWrittenIsToldOnceAndTheRunGoesOn) {
    store.beginFailure = "Permission denied";
    RunJournal journal = Start();
    Create(journal, "/t/A");
    Create(journal, "/t/B");
    journal.Finish();
    EXPECT_EQ(unwritable, std::vector<std::string>{"Permission denied"});
    EXPECT_FALSE(store.journal);
    EXPECT_EQ(files.created.size(), 2U);
}

// Two runs at once: the journal is whole the one that published last, never a mix.
TEST_F(RunJournalTest, TwoRunsAtOnceNeverMix) {
    RunJournal first = Start("/one");
    RunJournal second = Start("/two");
    Create(first, "/one/A");
    Create(second, "/two/A");
    now += RunJournal::kFlushInterval;
    Create(first, "/one/B");
    Create(second, "/two/B");
    first.Finish();
    second.Finish();
    EXPECT_EQ(ReadJournal(store)->run.target, "/two");
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/two/A", "/two/B"}));
}

}  // namespace
}  // namespace quire
