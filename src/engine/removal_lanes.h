// The removals of an undo, run ahead on two threads where the file system allows: a removal costs
// the system two calls (the check, then the removal), and the checks of one thread overlap the
// removals of the other. The folders inside one first-level folder of the target all go to one
// lane, in the order given, so that each is still removed after those made inside it.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/file_system.h"

namespace quire {

// What became of one folder: its removal's result, or the system's words for a failure.
struct RemovalOutcome {
    FileSystem::Removal removal = FileSystem::Removal::Removed;
    std::string failure;  // not empty when the folder was kept for this reason
};

struct FolderToRemove {
    const std::string* path;
    const FolderIdentity* identity;
};

class RemovalLanes {
public:
    // `folders` in the order they are to be removed; `target` and `separator` those of the run
    // that made them.
    RemovalLanes(FileSystem& files, std::vector<FolderToRemove> folders, std::string_view target,
                 char separator);
    // Stops the lanes; what they are doing is finished first.
    ~RemovalLanes();
    RemovalLanes(const RemovalLanes&) = delete;
    RemovalLanes& operator=(const RemovalLanes&) = delete;

    // The outcome for the `index`th folder, once it is removed or kept; each is taken once.
    RemovalOutcome Take(std::size_t index);
    // No folder is started any more. Done tells which ones were done all the same.
    void Stop();
    bool Done(std::size_t index) const;

private:
    void Run(const std::vector<std::size_t>& lane);
    RemovalOutcome Remove(FileSystem::Removals& removals, std::size_t index);

    FileSystem& files_;
    std::vector<FolderToRemove> folders_;
    std::vector<RemovalOutcome> outcomes_;
    std::unique_ptr<std::atomic<bool>[]> done_;
    // The lanes begin once all have started, so that none has removed anything when one cannot.
    std::atomic<bool> go_ = false;
    std::atomic<bool> stop_ = false;
    std::unique_ptr<FileSystem::Removals> inline_;  // without lanes: each removal when taken
    std::vector<std::thread> threads_;
};

}  // namespace quire
