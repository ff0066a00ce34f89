// Port: where the journal of the last run is kept, one file per user. Implemented by
// PosixJournalStore (platform/posix) and Win32JournalStore (platform/win32); tests use
// FakeJournalStore.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/failure.h"

namespace quire {

// The journal is held by a run that is still writing it (or by another undo).
class JournalBusy : public Failure {
public:
    using Failure::Failure;
};

// A journal being written. It is made aside and takes the place of the last one only when
// published, so that a reader finds either the old journal or the new one, never a mix. While it
// lives, the journal is locked against undo: Open throws JournalBusy.
class JournalSink {
public:
    virtual ~JournalSink() = default;

    // Appends `bytes`. Throws Failure when the system refuses.
    virtual void Write(std::string_view bytes) = 0;
    // Replaces the journal with this one in one step; later writes go on into it.
    virtual void Publish() = 0;
    // Once this returns, what was written is on the disk. Once published, throws Failure when
    // the journal is no longer this one (another program replaced or removed it meanwhile).
    virtual void Sync() = 0;
};

// The published journal, open for reading and locked against other undos while this lives.
class JournalFile {
public:
    virtual ~JournalFile() = default;

    // Up to `size` bytes from `offset`, fewer only at the end. Throws Failure.
    virtual std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size) = 0;
    // True while the store's journal is still this file: not replaced or removed since opened.
    virtual bool StillPublished() = 0;
};

class JournalStore {
public:
    virtual ~JournalStore() = default;

    // A new, empty journal aside. Throws Failure when it cannot be made.
    virtual std::unique_ptr<JournalSink> Begin() = 0;

    // The journal, or nullptr when there is none. Only an ordinary file is opened, never through
    // a link, and nothing waits on a pipe or a device. Throws JournalBusy while a sink writes it;
    // Failure when something else is there, when others than the user could have changed it, or
    // when it cannot be read.
    virtual std::unique_ptr<JournalFile> Open() = 0;
};

}  // namespace quire
