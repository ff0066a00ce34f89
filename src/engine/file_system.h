// Port: what the programs need of the file system. Implemented by PosixFileSystem
// (platform/posix) and Win32FileSystem (platform/win32); tests use FakeFileSystem.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/failure.h"

namespace quire {

// The most any of the small files beside the program or in the user's settings may hold.
inline constexpr std::size_t kSmallFileLimit = 1024 * 1024;

// What the system knows a folder by, whatever its name: device and inode on POSIX, volume serial
// number and file id on Windows. A folder removed and made again under the same name has another:
// where a file system gives a freed inode number to the next new entry at once (ext4 does), the
// time of birth still tells the two apart, unless both were made within one tick of the file
// system's clock (a few milliseconds).
struct FolderIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    std::uint64_t born = 0;  // nanoseconds since 1970; 0 where the system keeps no such time
    bool operator==(const FolderIdentity&) const = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // A thread that works beside the caller with this file system (the run's journal takes one),
    // or nothing where its calls must all come from one thread. Signals are left to the threads
    // that wait for them.
    virtual std::optional<std::thread> StartHelper(std::function<void()> work) const {
        static_cast<void>(work);
        return std::nullopt;
    }

    // `path` as a full path: one relative to the current folder has that folder's path before it.
    // Throws Failure when the current folder has no path (it was removed).
    virtual std::string AbsolutePath(const std::string& path) const { return path; }

    // True when `path` names a folder. A path that is missing, names a file or cannot be examined
    // gives false; this never throws.
    virtual bool FolderExists(const std::string& path) const = 0;

    // Why `path` names no folder, in the platform's words ("No such file or directory", "Not a
    // directory", ...); the empty text when it does. Never throws.
    virtual std::string FolderProblem(const std::string& path) const {
        return FolderExists(path) ? std::string() : std::string("No such folder");
    }

    // Creates exactly the last component of `path`. Throws Failure with the platform's description
    // when the path exists, its parent is missing, the name is refused or access is denied.
    virtual void CreateFolder(const std::string& path) = 0;

    enum class Creation { Created, Existed };

    // Creates the folder unless one exists at `path` already; what the run does for every folder.
    // Throws Failure as CreateFolder does. Platforms may attempt the creation first and look only
    // when it fails: the outcome is the same, with one call instead of two for a new folder.
    virtual Creation CreateFolderUnlessExists(const std::string& path) {
        if (FolderExists(path)) return Creation::Existed;
        CreateFolder(path);
        return Creation::Created;
    }

    // What CreateFolderUnlessExists would do now, creating nothing: Existed, Created, or the
    // Failure it would throw, for every cause that can be known beforehand.
    virtual Creation PredictCreation(const std::string& path) const {
        if (FolderExists(path)) return Creation::Existed;
        if (PathExists(path)) throw Failure("File exists");
        return Creation::Created;
    }

    // What CreateFolderUnlessExists would do at `path` once the run has made its parent folder,
    // which does not exist yet: Created, or the Failure the name alone would bring.
    virtual Creation PredictCreationInPlannedFolder(const std::string& path) const {
        static_cast<void>(path);
        return Creation::Created;
    }

    // Whether names that differ only in case name one entry inside the folder at `path`
    // (Windows' folders unless made case-sensitive, FAT), so that a dry run meets a name as the
    // run would. False where the system cannot tell. Never throws.
    virtual bool FoldsCase(const std::string& path) const {
        static_cast<void>(path);
        return false;
    }

    // `name` in capitals, as the system compares names where it folds case: two names it takes
    // for one give the same text. Here by ASCII alone; a platform gives its own table.
    virtual std::string FoldedCase(std::string_view name) const {
        std::string folded(name);
        for (char& c : folded) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        return folded;
    }

    // The names of the folders directly inside the folder at `path`, in no particular order; links
    // and other entries that are no folder of their own are left out, so that a walk over them
    // never leaves the tree. Throws Failure when the folder cannot be read.
    virtual std::vector<std::string> SubfolderNames(const std::string& path) const {
        static_cast<void>(path);
        throw Failure("This file system does not list folders");
    }

    // Gives `each` the name of every entry directly inside the folder at `path`, and whether a
    // creation of that name would find a folder there (a link to a folder is one, as
    // CreateFolderUnlessExists finds it). One listing stands for many predictions: a platform that
    // lists answers PredictCreation alike for every missing name of that folder that is no longer
    // than one it accepted and holds no NUL (nor, where paths are Windows', a form the Windows
    // names rule refuses), its other refusals being the folder's own (access, a read-only volume),
    // and PredictCreationInPlannedFolder alike for such names anywhere below. Throws Failure when
    // the folder cannot be read.
    virtual void ListEntries(
        const std::string& path,
        const std::function<void(std::string_view name, bool folder)>& each) const {
        static_cast<void>(path);
        static_cast<void>(each);
        throw Failure("This file system does not list folders");
    }

    // True when the calling user may make entries in the folder at `path`: it is a folder they
    // may write and search, on a file system mounted for writing. Never throws.
    virtual bool CanCreateIn(const std::string& path) const { return FolderExists(path); }

    // Makes the folder `copy`, its missing parents first, as a copy of the folder `original`: its
    // folders and ordinary files, links and other entries left out; nothing of `original` is
    // changed. The copy appears whole under its name or not at all; one that another program
    // made meanwhile is kept as it is. An `original` that is missing gives an empty folder.
    // Throws Failure with the system's words when the copy cannot be made (something that is
    // no folder stands at `copy`, a parent cannot be made, the disk is full).
    virtual void CopyFolder(const std::string& original, const std::string& copy) {
        static_cast<void>(original);
        static_cast<void>(copy);
        throw Failure("This file system copies no folders");
    }

    // True when the platform can read the modification time of the file or folder at `path`.
    // Never throws.
    virtual bool PathExists(const std::string& path) const = 0;

    // True when an ordinary file (not a folder, not hidden, not a system file) stands at exactly
    // `path`. Never throws.
    virtual bool PlainFileExists(const std::string& path) const = 0;

    // The whole content of the ordinary file at `path` (links followed). Nothing but an ordinary
    // file is ever opened, and no open or read waits on a pipe or device. Throws Failure with a
    // true description when nothing is there, when something else is (a folder, a pipe, a
    // device), when it cannot be read, or when it holds more than `limit` bytes.
    virtual std::string ReadSmallFile(const std::string& path, std::size_t limit) const = 0;

    // The identity of the folder at exactly `path`; a link is not followed. Throws Failure when
    // nothing is there, when something other than a folder is, or when it cannot be examined.
    virtual FolderIdentity IdentityOf(const std::string& path) const {
        static_cast<void>(path);
        throw Failure("This file system keeps no identities");
    }

    enum class Removal { Removed, NotEmpty, Gone, Changed };

    // Removes the folder at `path` when it is still a folder (not a link), still has `identity` and
    // is empty: only the system's removal of an empty folder, never of what is inside one, and
    // the identity is checked as near to the removal as the system allows. Where the system gives
    // no birth time (identity.born is 0), a folder counts as the one made only when it has not
    // changed after `madeBy` (nanoseconds since 1970; 0: nothing proves it). Changed: something
    // else stands there now. Throws Failure with the system's words for any other reason.
    virtual Removal RemoveEmptyFolder(const std::string& path, const FolderIdentity& identity,
                                      std::uint64_t madeBy) {
        static_cast<void>(path);
        static_cast<void>(identity);
        static_cast<void>(madeBy);
        throw Failure("This file system removes no folders");
    }

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
                                   std::uint64_t madeBy, std::size_t removedFirst) const {
        static_cast<void>(path);
        static_cast<void>(identity);
        static_cast<void>(madeBy);
        static_cast<void>(removedFirst);
        throw Failure("This file system removes no folders");
    }
};

// Each removal on its own, through RemoveEmptyFolder.
inline std::unique_ptr<FileSystem::Removals> FileSystem::StartRemovals() {
    class EachOnItsOwn final : public Removals {
    public:
        explicit EachOnItsOwn(FileSystem& files) : files_(files) {}
        Removal Remove(const std::string& path, const FolderIdentity& identity,
                       std::uint64_t madeBy) override {
            return files_.RemoveEmptyFolder(path, identity, madeBy);
        }

    private:
        FileSystem& files_;
    };
    return std::make_unique<EachOnItsOwn>(*this);
}

}  // namespace quire
