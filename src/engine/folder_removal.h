// Port: undo's removals, each of an empty folder that is still the one the run made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/folder_identities.h"

namespace quire {

enum class Removal { Removed, NotEmpty, Gone, Changed };

class FolderRemoval {
public:
    virtual ~FolderRemoval() = default;

    // Removes the folder at `path` when it is still a folder (not a link), still has `identity` and
    // is empty: only the system's removal of an empty folder, never of what is inside one, and
    // the identity is checked as near to the removal as the system allows. Where the system gives
    // no birth time (identity.born is 0), a folder counts as the one made only when it has not
    // changed after `madeBy` (nanoseconds since 1970; 0: nothing proves it). Changed: something
    // else stands there now. Throws Failure with the system's words for any other reason.
    virtual Removal RemoveEmptyFolder(const std::string& path, const FolderIdentity& identity,
                                      std::uint64_t madeBy) = 0;

    // A series of removals, one folder after another as RemoveEmptyFolder does each: what they
    // share (on POSIX the open parent folder) is kept from one to the next while this lives.
    class Removals {
    public:
        virtual ~Removals() = default;
        virtual Removal Remove(const std::string& path, const FolderIdentity& identity,
                               std::uint64_t madeBy) = 0;
    };
    virtual std::unique_ptr<Removals> StartRemovals();

    // What RemoveEmptyFolder would do now, removing nothing, once `removedFirst` of the entries
    // inside the folder are gone (those a dry run of an undo foresaw removed before it).
    virtual Removal PredictRemoval(const std::string& path, const FolderIdentity& identity,
                                   std::uint64_t madeBy, std::size_t removedFirst) const = 0;
};

// Each removal on its own, through RemoveEmptyFolder.
inline std::unique_ptr<FolderRemoval::Removals> FolderRemoval::StartRemovals() {
    class EachOnItsOwn final : public Removals {
    public:
        explicit EachOnItsOwn(FolderRemoval& folders) : folders_(folders) {}
        Removal Remove(const std::string& path, const FolderIdentity& identity,
                       std::uint64_t madeBy) override {
            return folders_.RemoveEmptyFolder(path, identity, madeBy);
        }

    private:
        FolderRemoval& folders_;
    };
    return std::make_unique<EachOnItsOwn>(*this);
}

}  // namespace quire
