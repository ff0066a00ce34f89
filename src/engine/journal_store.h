// Port: where the journal of the last run is kept, one file per user. Implemented by
// PosixJournalStore (platform/posix) and Win32JournalStore (platform/win32); tests use
// FakeJournalStore.
#pragma once

#include <memory>
#include <string_view>

#include "engine/name_list.h"

namespace quire {

// A journal being written. It is made aside and takes the place of the last one only when
// published, so that a reader finds either the old journal or the new one, never a mix.
class JournalSink {
public:
    virtual ~JournalSink() = default;

    // Appends `bytes`. Throws Failure when the system refuses.
    virtual void Write(std::string_view bytes) = 0;
    // Replaces the journal with this one in one step; later writes go on into it.
    virtual void Publish() = 0;
    // Once this returns, what was written is on the disk.
    virtual void Sync() = 0;
};

class JournalStore {
public:
    virtual ~JournalStore() = default;

    // A new, empty journal aside. Throws Failure when it cannot be made.
    virtual std::unique_ptr<JournalSink> Begin() = 0;

    // The journal's bytes, or nullptr when there is none. Only an ordinary file is opened, never
    // through a link, and nothing waits on a pipe or a device. Throws Failure when something else
    // is there or the journal cannot be read.
    virtual std::unique_ptr<ByteSource> Open() = 0;
};

}  // namespace quire
