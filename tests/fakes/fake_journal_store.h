// The journal kept in memory: what is published, what is being written aside, and failures.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "../engine/memory_source.h"
#include "engine/failure.h"
#include "engine/journal_store.h"

namespace quire::fakes {

class FakeJournalStore final : public JournalStore {
public:
    std::optional<std::string> journal;  // the published journal's bytes
    std::string beginFailure;            // makes Begin fail with this text
    std::string openFailure;             // makes Open fail with this text
    int begun = 0;
    int syncs = 0;
    int writes = 0;
    int published = 0;  // journals published so far; a sink writes on only into its own

    std::unique_ptr<JournalSink> Begin() override {
        if (!beginFailure.empty()) throw Failure(beginFailure);
        ++begun;
        return std::make_unique<Sink>(*this);
    }

    std::unique_ptr<ByteSource> Open() override {
        if (!openFailure.empty()) throw Failure(openFailure);
        if (!journal) return nullptr;
        return std::make_unique<MemorySource>(*journal, 7);
    }

private:
    // Writes into the journal itself once published, as a file renamed into place does.
    class Sink final : public JournalSink {
    public:
        explicit Sink(FakeJournalStore& store) : store_(store) {}
        void Write(std::string_view bytes) override {
            ++store_.writes;
            if (mine_ == 0) {
                aside_.append(bytes);
            } else if (mine_ == store_.published) {
                store_.journal->append(bytes);
            }  // else replaced by another run's: written into a file no one reads
        }
        void Publish() override {
            store_.journal = aside_;
            mine_ = ++store_.published;
        }
        void Sync() override { ++store_.syncs; }

    private:
        FakeJournalStore& store_;
        std::string aside_;
        int mine_ = 0;
    };
};

}  // namespace quire::fakes
