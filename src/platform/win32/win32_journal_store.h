// The run journal on Windows: one file in %LOCALAPPDATA%\Quillmark\Pallisand Quire Batch Utility\.
#pragma once

#include <string>

#include "engine/journal_store.h"

namespace quire::win32 {

class Win32JournalStore final : public JournalStore {
public:
    // `folder` empty: the user's local application data folder, as the environment names it.
    explicit Win32JournalStore(std::string folder = {});

    // Makes the folders when missing. The new journal is a file of its own until published.
    std::unique_ptr<JournalSink> Begin() override;
    // A link, a junction, a folder or a device in the journal's place is refused unread, and so
    // is a journal that does not lie in %LOCALAPPDATA% once links are resolved. A run holds a
    // byte-range lock (LockFileEx) while it writes; undo tries it.
    std::unique_ptr<JournalFile> Open() override;

private:
    std::wstring folder_;  // empty when the environment names none
};

}  // namespace quire::win32
