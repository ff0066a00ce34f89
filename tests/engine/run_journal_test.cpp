#include "engine/run_journal.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
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

// The fakes behind one lock, so that the journal's thread and the test can share them; whether
// the journal gets a thread of its own is the test's parameter.
class SharedFiles final : public FolderIdentities {
public:
    FakeFileSystem fake;
    bool threads = false;
    std::mutex& lock;

    explicit SharedFiles(std::mutex& shared) : lock(shared) {}
    std::optional<std::thread> StartHelper(std::function<void()> work) const {
        if (!threads) return std::nullopt;
        return std::thread(std::move(work));
    }
    void Create(const std::string& path) {
        const std::lock_guard held(lock);
        fake.CreateFolderUnlessExists(path);
    }
    FolderIdentity IdentityOfCreated(const std::string& path) const override {
        return IdentityOf(path);
    }
    FolderIdentity IdentityOf(const std::string& path) const override {
        const std::lock_guard held(lock);
        return fake.IdentityOf(path);
    }
    // Journaled as given.
    std::string AbsolutePath(const std::string& path) const override { return path; }
};

class SharedStore final : public JournalStore {
public:
    FakeJournalStore fake;
    std::mutex& lock;

    explicit SharedStore(std::mutex& shared) : lock(shared) {}
    std::unique_ptr<JournalSink> Begin() override {
        const std::lock_guard held(lock);
        return std::make_unique<Sink>(fake.Begin(), lock);
    }
    std::unique_ptr<JournalFile> Open() override {
        const std::lock_guard held(lock);
        return fake.Open();
    }

private:
    class Sink final : public JournalSink {
    public:
        Sink(std::unique_ptr<JournalSink> inner, std::mutex& lock)
            : inner_(std::move(inner)), lock_(lock) {}
        void Write(std::string_view bytes) override {
            const std::lock_guard held(lock_);
            inner_->Write(bytes);
        }
        void Publish() override {
            const std::lock_guard held(lock_);
            inner_->Publish();
        }
        void Sync() override {
            const std::lock_guard held(lock_);
            inner_->Sync();
        }

    private:
        std::unique_ptr<JournalSink> inner_;
        std::mutex& lock_;
    };
};

class RunJournalTest : public testing::Test {
protected:
    std::mutex shared;
    SharedFiles sharedFiles{shared};
    SharedStore sharedStore{shared};
    FakeFileSystem& files = sharedFiles.fake;
    FakeJournalStore& store = sharedStore.fake;
    std::vector<std::string> unwritable;
    std::vector<std::thread::id> toldOn;
    Clock::time_point now{};

    // The journal gets a thread of its own.
    void Threaded() { sharedFiles.threads = true; }

    // With a thread, the journal keeps the time itself.
    RunJournal Start(const std::string& target = "/t") {
        std::function<Clock::time_point()> clock = Clock::now;
        if (!sharedFiles.threads) clock = [this] { return now; };
        return RunJournal(
            sharedFiles, sharedStore, DescribeRun(target, "Folder ###", false, 3, '/'),
            [this](const Failure& failure) {
                unwritable.emplace_back(failure.what());
                toldOn.push_back(std::this_thread::get_id());
            },
            [this](std::function<void()> work) { return sharedFiles.StartHelper(std::move(work)); },
            clock);
    }

    void Create(RunJournal& journal, const std::string& path) {
        sharedFiles.Create(path);
        journal.FolderCreated(path);
    }

    std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        FakeJournalStore copy;
        {
            const std::lock_guard held(sharedStore.lock);
            copy = sharedStore.fake.Copy();
        }
        const std::optional<Journal> journal = ReadJournal(copy);
        if (!journal) return paths;
        for (const JournalEntry& entry : journal->folders) paths.push_back(entry.path);
        return paths;
    }
};

// What holds whether the journal has a thread or not.
class BothWays : public RunJournalTest, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override { sharedFiles.threads = GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(InlineAndThreaded, BothWays, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& mode) {
                             return mode.param ? "Threaded" : "Inline";
                         });

TEST_P(BothWays, NamesOfAnyBytesAndTheirIdentitiesComeBackWhole) {
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
        ASSERT_FALSE(read->finished) << "without its end, at " << size;
        for (std::size_t i = 0; i < read->folders.size(); ++i) {
            ASSERT_EQ(read->folders[i].path, kOddNames[i]) << "at " << size;
        }
        seen = read->folders.size();
    }
    EXPECT_EQ(seen, kOddNames.size());
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
        {"QUIREBATCH JOURNAL 2\n", std::nullopt},
        {"QUIREBATCH JOURNAL 2\n" + std::string(100, '\xff'), std::nullopt},
        {"QUIREBATCH JOURNAL 1\n" + whole.substr(21), std::nullopt},    // the first version's
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
TEST_F(RunJournalTest, ReplacesTheLastJournalAtTheFirstFolderAndWritesEvery50Ms) {
    store.journal = "the last run's";
    {
        RunJournal nothing = Start();
        nothing.Finish();
    }
    EXPECT_EQ(store.journal, "the last run's");

    RunJournal journal = Start();
    Create(journal, "/t/A");
    EXPECT_EQ(Paths(), std::vector<std::string>{"/t/A"});
    now += JournalWriter::kWriteInterval - std::chrono::milliseconds(1);
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

TEST_P(BothWays, AJournalThatCannotBeWrittenIsToldOnceAndTheRunGoesOn) {
    store.beginFailure = "Permission denied";
    RunJournal journal = Start();
    Create(journal, "/t/A");
    Create(journal, "/t/B");
    journal.Finish();
    EXPECT_EQ(unwritable, std::vector<std::string>{"Permission denied"});
    EXPECT_EQ(toldOn, std::vector<std::thread::id>{std::this_thread::get_id()});
    EXPECT_FALSE(store.journal);
    EXPECT_EQ(files.created.size(), 2U);
}

// A run that waits (on a question, say) has its folders written all the same, well before a kill
// could take them; the journal's own thread does it.
TEST_F(RunJournalTest, FoldersAreWrittenWhileTheRunWaits) {
    Threaded();
    RunJournal journal = Start();
    Create(journal, "/t/A");
    Create(journal, "/t/B");
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Paths().size() < 2 && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(Paths(), (std::vector<std::string>{"/t/A", "/t/B"}));
    journal.Finish();
}

// Two runs at once: the journal is whole the one that published last (with threads, either),
// never a mix.
TEST_P(BothWays, TwoRunsAtOnceNeverMix) {
    RunJournal first = Start("/one");
    RunJournal second = Start("/two");
    Create(first, "/one/A");
    Create(second, "/two/A");
    now += RunJournal::kFlushInterval;
    Create(first, "/one/B");
    Create(second, "/two/B");
    first.Finish();
    second.Finish();
    // With threads the first may have written its journal whole before the second replaced it:
    // that is an ordinary later run, nothing to say.
    if (!sharedFiles.threads) {
        EXPECT_EQ(unwritable.size(), 1U) << "the run whose journal was replaced says so";
    }
    ASSERT_LE(unwritable.size(), 1U) << "once";
    if (!unwritable.empty()) {
        EXPECT_NE(unwritable[0].find("replaced"), std::string::npos) << unwritable[0];
    }
    const std::string target = ReadJournal(store)->run.target;
    if (!sharedFiles.threads) {
        EXPECT_EQ(target, "/two");
    }
    EXPECT_EQ(Paths(), (std::vector<std::string>{target + "/A", target + "/B"}));
}

}  // namespace
}  // namespace quire
