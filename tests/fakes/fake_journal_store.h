// The journal kept in memory: what is published, what is being written aside, and failures.
#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "engine/failure.h"
#include "engine/journal_store.h"

namespace quire::fakes {

class FakeJournalStore final : public JournalStore {
public:
    std::optional<std::string> journal;  // the published journal's bytes
    std::string beginFailure;            // makes Begin fail with this text
    std::string openFailure;             // makes Open fail with this text
    std::string writeFailure;            // makes writes into the published journal fail
    int begun = 0;
    int syncs = 0;
    int writes = 0;
    int published = 0;    // journals published so far; a sink writes on only into its own
    bool locked = false;  // the published journal's sink still lives

    // The published bytes in a store of their own: to read while a run still holds this one.
    FakeJournalStore Copy() const {
        FakeJournalStore copy;
        copy.journal = journal;
        return copy;
    }

    std::unique_ptr<JournalSink> Begin() override {
        if (!beginFailure.empty()) throw Failure(beginFailure);
        ++begun;
        return std::make_unique<Sink>(*this);
    }

    std::unique_ptr<JournalFile> Open() override {
        if (!openFailure.empty()) throw Failure(openFailure);
        if (locked) throw JournalBusy("The journal is in use by a run");
        if (!journal) return nullptr;
        return std::make_unique<File>(*this);
    }

private:
    // Writes into the journal itself once published, as a file renamed into place does.
    class Sink final : public JournalSink {
    public:
        explicit Sink(FakeJournalStore& store) : store_(store) {}
        ~Sink() override {
            if (mine_ != 0 && mine_ == store_.published) store_.locked = false;
        }
        Sink(const Sink&) = delete;
        Sink& operator=(const Sink&) = delete;

        void Write(std::string_view bytes) override {
            ++store_.writes;
            if (mine_ == 0) {
                aside_.append(bytes);
            } else if (!store_.writeFailure.empty()) {
                throw Failure(store_.writeFailure);
            } else if (mine_ == store_.published) {
                store_.journal->append(bytes);
            }  // else replaced by another run's: written into a file no one reads
        }
        void Publish() override {
            store_.journal = aside_;
            mine_ = ++store_.published;
            store_.locked = true;
        }
        void Sync() override {
            ++store_.syncs;
            if (mine_ != 0 && (mine_ != store_.published || !store_.journal)) {
                throw Failure("The journal was replaced by another program meanwhile");
            }
        }

    private:
        FakeJournalStore& store_;
        std::string aside_;
        int mine_ = 0;
    };

    // Reads the published journal as it grows, in pieces of 7 bytes; once another replaced it,
    // what it held when opened.
    class File final : public JournalFile {
    public:
        explicit File(FakeJournalStore& store)
            : store_(store), bytes_(*store.journal), mine_(store.published) {}
        std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override {
            const std::string& bytes = StillPublished() ? *store_.journal : bytes_;
            if (offset >= bytes.size()) return 0;
            return bytes.copy(buffer, std::min<std::size_t>(size, 7), offset);
        }
        bool StillPublished() override { return store_.published == mine_ && store_.journal; }

    private:
        FakeJournalStore& store_;
        std::string bytes_;
        int mine_;
    };
};

}  // namespace quire::fakes
