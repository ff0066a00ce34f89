// The run journal on POSIX: one file in the user's state folder, $XDG_STATE_HOME/quirebatch/
// (~/.local/state/quirebatch/ when unset), made readable by the user alone. A journal being
// written is held with flock(2), which undo tries.
#pragma once

#include <string>

#include "engine/journal_store.h"

namespace quire {

class PosixJournalStore final : public JournalStore {
public:
    // The folder the journal is kept in; `folder` empty: the user's state folder, from the
    // environment as this call finds it.
    explicit PosixJournalStore(std::string folder = {});

    // Makes the folder when missing. The new journal is a file of its own in it until published.
    std::unique_ptr<JournalSink> Begin() override;
    // Refused unless the folder and the journal belong to the user and no one else may write
    // to them.
    std::unique_ptr<JournalFile> Open() override;

private:
    std::string folder_;  // empty when the environment names none
};

}  // namespace quire
