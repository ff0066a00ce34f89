#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "engine/failure.h"
#include "platform/posix/posix_files.h"

namespace quire {
namespace {

// A path with a NUL inside would reach the system cut short and name another entry.
bool Representable(const std::string& path) { return path.find('\0') == std::string::npos; }

[[noreturn]] void Fail(int error) { throw Failure(std::strerror(error)); }

// `path` without the separators that end it; a path of separators alone keeps one.
std::string WithoutTrailingSeparators(const std::string& path) {
    std::size_t end = path.size();
    while (end > 1 && path[end - 1] == '/') --end;
    return path.substr(0, end);
}

// Runs `op(directory, name)` for `path` and gives 0 or the error it met. A path the system takes
// whole goes as it is; a longer one through an open handle of its parent folder.
template <class Op>
int AtPath(const std::string& path, Op&& op) {
    if (!Representable(path)) return EINVAL;
    if (path.size() < PATH_MAX) return op(AT_FDCWD, path.c_str());
    const std::string entry = WithoutTrailingSeparators(path);
    const std::size_t slash = entry.rfind('/');
    if (slash == std::string::npos) return ENAMETOOLONG;
    const Descriptor parent =
        OpenFolderByNames(entry.substr(0, slash == 0 ? 1 : slash), O_PATH | O_DIRECTORY);
    if (parent.Fd() < 0) return parent.Error();
    return op(parent.Fd(), path.c_str() + slash + 1);
}

int Stat(const std::string& path, struct stat& info, int flags = 0) {
    return AtPath(path, [&](int directory, const char* name) {
        return ::fstatat(directory, name, &info, flags) == 0 ? 0 : errno;
    });
}

int MakeDirectory(const std::string& path) {
    return AtPath(path, [](int directory, const char* name) {
        return ::mkdirat(directory, name, 0777) == 0 ? 0 : errno;
    });
}

// A folder named where a file is read is told in the system's own words, as the tool's other
// errors are.
void RefuseUnlessOrdinary(mode_t mode) {
    if (S_ISDIR(mode)) Fail(EISDIR);
    if (!S_ISREG(mode)) throw Failure(NotOrdinaryFile(mode));
}

// The entry at `path` in its parent folder, held open, so that the name is looked at and acted on
// in the same folder however the path's folders change meanwhile.
struct EntryInParent {
    Descriptor parent;
    std::string name;
};

// The path of the folder that holds the entry at `path`, and the entry's name in it.
std::pair<std::string, std::string> SplitParent(const std::string& path) {
    if (!Representable(path)) Fail(EINVAL);
    const std::string entry = WithoutTrailingSeparators(path);
    const std::size_t slash = entry.rfind('/');
    if (slash == std::string::npos) return {".", entry};
    return {entry.substr(0, slash == 0 ? 1 : slash), entry.substr(slash + 1)};
}

// The folder at `path`, held open: whole where the system takes the path, else name by name.
Descriptor OpenFolder(const std::string& path) {
    return path.size() < PATH_MAX ? OpenAt(AT_FDCWD, path.c_str(), O_PATH | O_DIRECTORY)
                                  : OpenFolderByNames(path, O_PATH | O_DIRECTORY);
}

EntryInParent OpenParent(const std::string& path) {
    auto [parentPath, name] = SplitParent(path);
    return {OpenFolder(parentPath), std::move(name)};
}

// The entry `name` in `directory` itself, a link not followed: 0 and whether it is a folder, its
// identity and when it last changed (nanoseconds since 1970), or the error met.
struct Examined {
    int error = 0;
    bool folder = false;
    FolderIdentity identity;
    std::uint64_t changed = 0;
};

Examined Examine(int directory, const char* name, int flags) {
    struct statx info {};
    Examined found;
    if (::statx(directory, name, flags | AT_SYMLINK_NOFOLLOW,
                STATX_TYPE | STATX_INO | STATX_BTIME | STATX_CTIME, &info) != 0) {
        found.error = errno;
        return found;
    }
    const auto nanoseconds = [](const statx_timestamp& time) {
        return static_cast<std::uint64_t>(time.tv_sec) * 1000000000U + time.tv_nsec;
    };
    found.folder = S_ISDIR(info.stx_mode);
    found.identity.volume = makedev(info.stx_dev_major, info.stx_dev_minor);
    found.identity.file = info.stx_ino;
    found.identity.born = (info.stx_mask & STATX_BTIME) == 0 ? 0 : nanoseconds(info.stx_btime);
    found.changed = nanoseconds(info.stx_ctime);
    return found;
}

// Removed when what was found is the folder with `identity`; otherwise why not.
Removal Compare(const Examined& found, const FolderIdentity& identity) {
    using enum Removal;
    if (found.error == ENOENT) return Gone;
    if (found.error != 0) Fail(found.error);
    return found.folder && found.identity == identity ? Removed : Changed;
}

// Where the file system keeps no birth time, a folder made again under the same name may get the
// inode that was freed: only a last change before the run's end (`madeBy`) proves it the one
// made. The file system's clock may lag by a tick, and a time of whole seconds may be rounded
// down by up to two (FAT): that much before the end it must be.
bool ProvenMade(const Examined& found, std::uint64_t changed, std::uint64_t madeBy) {
    if (found.identity.born != 0) return true;
    const std::uint64_t margin = changed % 1000000000U == 0 ? 2000000000U : 10000000U;
    return madeBy != 0 && changed + margin <= madeBy;
}

// Removed when the entry is the folder with `identity`; otherwise why not.
Removal CheckEntry(const EntryInParent& entry, const FolderIdentity& identity,
                   std::uint64_t madeBy) {
    using enum Removal;
    if (entry.parent.Fd() < 0) {
        if (entry.parent.Error() == ENOENT) return Gone;
        if (entry.parent.Error() == ENOTDIR) return Changed;
        Fail(entry.parent.Error());
    }
    const Examined found = Examine(entry.parent.Fd(), entry.name.c_str(), 0);
    if (const Removal removal = Compare(found, identity); removal != Removed) {
        return removal;
    }
    return ProvenMade(found, found.changed, madeBy) ? Removed : Changed;
}

std::string SizeText(std::size_t bytes) {
    if (bytes % (1024 * 1024) == 0) return std::to_string(bytes / (1024 * 1024)) + " MiB";
    return std::to_string(bytes) + " bytes";
}

}  // namespace

bool PosixFileSystem::FolderExists(const std::string& path) const {
    struct stat info {};
    return Stat(path, info) == 0 && S_ISDIR(info.st_mode);
}

std::string PosixFileSystem::FolderProblem(const std::string& path) const {
    struct stat info {};
    if (const int error = Stat(path, info); error != 0) return std::strerror(error);
    return S_ISDIR(info.st_mode) ? std::string() : std::strerror(ENOTDIR);
}

Creation PosixFileSystem::CreateFolderUnlessExists(const std::string& path) {
    const int error = MakeDirectory(path);
    if (error == 0) return Creation::Created;
    if (FolderExists(path)) return Creation::Existed;
    Fail(error);
}

// mkdir's own order: the walk to the entry, an existing entry, then the parent's file system and
// the caller's write permission on it.
Creation PosixFileSystem::PredictCreation(const std::string& path) const {
    const std::string entry = WithoutTrailingSeparators(path);
    if (entry.empty()) Fail(ENOENT);  // the system names nothing by the empty path
    struct stat info {};
    const int error = Stat(entry, info, AT_SYMLINK_NOFOLLOW);
    if (error == 0) {
        if (FolderExists(entry)) return Creation::Existed;
        Fail(EEXIST);
    }
    if (error != ENOENT) Fail(error);

    const std::size_t slash = entry.rfind('/');
    const std::string parentPath =
        slash == std::string::npos ? std::string(".") : entry.substr(0, slash == 0 ? 1 : slash);
    const Descriptor parent = OpenFolder(parentPath);
    if (parent.Fd() < 0) Fail(parent.Error());
    const std::size_t nameLength = entry.size() - (slash == std::string::npos ? 0 : slash + 1);
    const long nameMax = ::fpathconf(parent.Fd(), _PC_NAME_MAX);
    if (nameMax > 0 && nameLength > static_cast<std::size_t>(nameMax)) Fail(ENAMETOOLONG);
    struct statvfs volume {};
    if (::fstatvfs(parent.Fd(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0) Fail(EROFS);
    if (::faccessat(parent.Fd(), ".", W_OK | X_OK, AT_EACCESS) != 0) Fail(errno);
    return Creation::Created;
}

// The parent will be made by the run, on the file system of the nearest folder that is there now:
// the longest name that takes is the one limit that can be known.
Creation PosixFileSystem::PredictCreationInPlannedFolder(const std::string& path) const {
    if (!Representable(path)) Fail(EINVAL);
    std::string above = WithoutTrailingSeparators(path);
    const std::size_t slash = above.rfind('/');
    const std::size_t nameLength = above.size() - (slash == std::string::npos ? 0 : slash + 1);
    for (;;) {
        const std::size_t up = above.rfind('/');
        if (up == std::string::npos) {
            above.assign(1, '.');
            break;
        }
        above.resize(up == 0 ? 1 : up);
        while (above.size() > 1 && above.back() == '/') above.pop_back();
        if (above == "/" || FolderExists(above)) break;
    }
    const Descriptor folder = OpenFolder(above);
    const long nameMax = folder.Fd() >= 0 ? ::fpathconf(folder.Fd(), _PC_NAME_MAX) : NAME_MAX;
    if (nameMax > 0 && nameLength > static_cast<std::size_t>(nameMax)) Fail(ENAMETOOLONG);
    return Creation::Created;
}

// Entries are told apart without following links: a link to a folder is not one of the tree's.
std::vector<std::string> PosixFileSystem::SubfolderNames(const std::string& path) const {
    if (!Representable(path)) Fail(EINVAL);
    Descriptor reached = OpenFolder(path);
    if (reached.Fd() < 0) Fail(reached.Error());
    std::vector<std::string> names;
    ForEachEntry(
        OpenAt(reached.Fd(), ".", O_RDONLY | O_DIRECTORY), [&](const dirent& entry, int folder) {
            bool isFolder = entry.d_type == DT_DIR;
            if (entry.d_type == DT_UNKNOWN) {
                struct stat info {};
                isFolder = ::fstatat(folder, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                           S_ISDIR(info.st_mode);
            }
            if (isFolder) names.emplace_back(entry.d_name);
        });
    return names;
}

// A link is followed, as mkdir's EEXIST followed by FolderExists would follow it.
void PosixFileSystem::ListEntries(
    const std::string& path,
    const std::function<void(std::string_view name, bool folder)>& each) const {
    if (!Representable(path)) Fail(EINVAL);
    Descriptor reached = OpenFolder(path);
    if (reached.Fd() < 0) Fail(reached.Error());
    ForEachEntry(
        OpenAt(reached.Fd(), ".", O_RDONLY | O_DIRECTORY), [&](const dirent& entry, int folder) {
            bool isFolder = entry.d_type == DT_DIR;
            if (entry.d_type == DT_UNKNOWN || entry.d_type == DT_LNK) {
                struct stat info {};
                isFolder = ::fstatat(folder, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
            }
            each(entry.d_name, isFolder);
        });
}

bool PosixFileSystem::PathExists(const std::string& path) const {
    struct stat info {};
    return Stat(path, info) == 0;
}

bool PosixFileSystem::PlainFileExists(const std::string& path) const {
    struct stat info {};
    return Stat(path, info) == 0 && S_ISREG(info.st_mode);
}

// The entry is examined before it is opened, so that nothing but an ordinary file is ever opened
// (opening some devices acts on them); the open does not wait, and the open handle is checked
// again in case the entry was replaced in between.
std::string PosixFileSystem::ReadSmallFile(const std::string& path, std::size_t limit) const {
    struct stat info {};
    if (const int error = Stat(path, info); error != 0) {
        struct stat link {};
        if (error == ENOENT && Stat(path, link, AT_SYMLINK_NOFOLLOW) == 0) {
            throw Failure("The link leads to nothing");
        }
        if (error == ENOENT) throw Failure("File not found");
        Fail(error);
    }
    RefuseUnlessOrdinary(info.st_mode);

    Descriptor file;
    if (const int error = AtPath(path,
                                 [&](int directory, const char* name) {
                                     file =
                                         OpenAt(directory, name, O_RDONLY | O_NONBLOCK | O_NOCTTY);
                                     return file.Error();
                                 });
        error != 0) {
        Fail(error);
    }
    if (::fstat(file.Fd(), &info) != 0) Fail(errno);
    RefuseUnlessOrdinary(info.st_mode);
    const std::string tooLarge = "The file is larger than " + SizeText(limit);
    if (static_cast<unsigned long long>(info.st_size) > limit) throw Failure(tooLarge);

    // Read up to one byte past the limit: a file may grow, and some report no size at all.
    std::string content;
    char chunk[64 * 1024];
    while (content.size() <= limit) {
        const ssize_t got = ::read(file.Fd(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) Fail(errno);
        if (got == 0) break;
        content.append(chunk, static_cast<std::size_t>(got));
    }
    if (content.size() > limit) throw Failure(tooLarge);
    return content;
}

FolderIdentity PosixFileSystem::IdentityOf(const std::string& path) const {
    Examined found;
    if (const int error = AtPath(path,
                                 [&](int directory, const char* name) {
                                     found = Examine(directory, name, 0);
                                     return found.error;
                                 });
        error != 0) {
        Fail(error);
    }
    if (!found.folder) Fail(ENOTDIR);
    return found.identity;
}

std::string PosixFileSystem::AbsolutePath(const std::string& path) const {
    if (path.starts_with('/')) return path;
    std::string folder(PATH_MAX, '\0');
    while (::getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE) Fail(errno);
        folder.resize(folder.size() * 2);
    }
    folder.resize(std::strlen(folder.c_str()));
    return folder + (folder == "/" ? "" : "/") + path;
}

Removal PosixFileSystem::RemoveEmptyFolder(const std::string& path, const FolderIdentity& identity,
                                           std::uint64_t madeBy) {
    return StartRemovals()->Remove(path, identity, madeBy);
}

namespace {

// POSIX has no removal on condition of an identity. The entry is moved aside to a name of this
// process's own in the same folder, checked there and only then removed, so that a folder put in
// its place before the move is moved back, not removed; what the system does between the check
// and the removal of the name aside is beyond reach. Checking after the move, not before it too,
// keeps an undo to three calls a folder. The folders of a run share their parent, which is opened
// once for all of them; a parent moved away meanwhile is still the folder its entries were
// checked in.
class PosixRemovals final : public FolderRemoval::Removals {
public:
    Removal Remove(const std::string& path, const FolderIdentity& identity,
                   std::uint64_t madeBy) override {
        using enum Removal;
        auto [parentPath, name] = SplitParent(path);
        if (parentPath != parentPath_ || entry_.parent.Fd() < 0) {
            entry_.parent = OpenFolder(parentPath);
            parentPath_ = std::move(parentPath);
        }
        entry_.name = std::move(name);
        if (entry_.parent.Fd() < 0) return CheckEntry(entry_, identity, madeBy);
        const int parent = entry_.parent.Fd();
        // Without a birth time the entry's change time must be read before the rename changes it.
        if (identity.born == 0) {
            const Examined found = Examine(parent, entry_.name.c_str(), 0);
            if (const Removal check = Compare(found, identity); check != Removed) {
                return check;
            }
            const auto before = changedBefore_.find({identity.volume, identity.file});
            if (!ProvenMade(found, before == changedBefore_.end() ? found.changed : before->second,
                            madeBy)) {
                return Changed;
            }
            RememberParent(parent);
        }
        if (::renameat2(parent, entry_.name.c_str(), parent, aside_.c_str(), RENAME_NOREPLACE) !=
            0) {
            if (errno == ENOENT) return Gone;
            // No such rename here, or the name aside is taken: the removal follows a check.
            if (errno != EINVAL && errno != ENOSYS && errno != EEXIST) Fail(errno);
            if (const Removal check = Compare(Examine(parent, entry_.name.c_str(), 0), identity);
                check != Removed) {
                return check;
            }
            return Outcome(::unlinkat(parent, entry_.name.c_str(), AT_REMOVEDIR));
        }
        if (const Removal check = Compare(Examine(parent, aside_.c_str(), 0), identity);
            check != Removed) {
            if (check == Gone) return Gone;
            PutBack(parent);
            return Changed;
        }
        const Removal removal = Outcome(::unlinkat(parent, aside_.c_str(), AT_REMOVEDIR));
        if (removal != Removed && removal != Gone) PutBack(parent);
        return removal;
    }

private:
    // The outcome of an unlinkat that gave `result`.
    static Removal Outcome(int result) {
        using enum Removal;
        if (result == 0) return Removed;
        switch (errno) {
            case ENOTEMPTY:
            case EEXIST: return NotEmpty;
            case ENOENT: return Gone;
            case ENOTDIR: return Changed;
            default: Fail(errno);
        }
    }

    void PutBack(int parent) const {
        if (::renameat2(parent, aside_.c_str(), parent, entry_.name.c_str(), RENAME_NOREPLACE) !=
            0) {
            throw Failure(std::string("left as ") + aside_ + ": " + std::strerror(errno));
        }
    }

    // A folder whose entries this undo removes changes with each removal: its change time from
    // before the first still proves it the one made, where no birth time does.
    void RememberParent(int parent) {
        const Examined folder = Examine(parent, "", AT_EMPTY_PATH);
        if (folder.error != 0) return;
        if (changedBefore_.size() >= kRemembered) changedBefore_.clear();
        changedBefore_.try_emplace({folder.identity.volume, folder.identity.file}, folder.changed);
    }

    static constexpr std::size_t kRemembered = 4096;
    std::string parentPath_;
    EntryInParent entry_;
    std::string aside_ = ".quirebatch-undo-" + std::to_string(::getpid());
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::uint64_t> changedBefore_;
};

}  // namespace

std::unique_ptr<FolderRemoval::Removals> PosixFileSystem::StartRemovals() {
    return std::make_unique<PosixRemovals>();
}

// The folder is opened without following a link and checked again through the open handle, and
// its entries counted: a removal needs write permission on the parent, asked as the caller.
Removal PosixFileSystem::PredictRemoval(const std::string& path, const FolderIdentity& identity,
                                        std::uint64_t madeBy, std::size_t removedFirst) const {
    const EntryInParent entry = OpenParent(path);
    if (const Removal check = CheckEntry(entry, identity, madeBy); check != Removal::Removed) {
        return check;
    }
    Descriptor listing = OpenAt(entry.parent.Fd(), entry.name.c_str(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK);
    if (listing.Fd() < 0) Fail(listing.Error());
    const Examined opened = Examine(listing.Fd(), "", AT_EMPTY_PATH);
    if (opened.error != 0) Fail(opened.error);
    if (opened.identity != identity) return Removal::Changed;
    std::size_t entries = 0;
    ForEachEntry(std::move(listing), [&](const dirent&, int) { ++entries; });
    if (entries > removedFirst) return Removal::NotEmpty;
    if (::faccessat(entry.parent.Fd(), ".", W_OK | X_OK, AT_EACCESS) != 0) Fail(errno);
    return Removal::Removed;
}

}  // namespace quire
