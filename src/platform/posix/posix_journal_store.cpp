#include "platform/posix/posix_journal_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "engine/failure.h"
#include "platform/posix/posix_files.h"

namespace quire {
namespace {

constexpr char kJournalName[] = "last-run.journal";

[[noreturn]] void Fail(const std::string& what, int error) {
    throw Failure(what + ": " + std::strerror(error));
}

// True while `path` names the file open as `fd`.
bool SameFile(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// XDG: a relative path in the variable is to be ignored.
std::string StateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') return std::string(state) + "/quirebatch";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/state/quirebatch";
    return {};
}

class FileSink final : public JournalSink {
public:
    FileSink(Descriptor fd, std::string temporary, std::string journal, std::string folder)
        : fd_(std::move(fd)),
          temporary_(std::move(temporary)),
          journal_(std::move(journal)),
          folder_(std::move(folder)) {}
    ~FileSink() override {
        fd_ = Descriptor();
        if (!published_) ::unlink(temporary_.c_str());
    }
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    void Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_.Fd(), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) Fail(journal_, errno);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void Publish() override {
        if (::rename(temporary_.c_str(), journal_.c_str()) != 0) Fail(journal_, errno);
        published_ = true;
    }

    // The folder too, so that the rename that made the journal is on the disk as well.
    void Sync() override {
        if (::fsync(fd_.Fd()) != 0) Fail(journal_, errno);
        if (const Descriptor folder = OpenAt(AT_FDCWD, folder_.c_str(), O_RDONLY | O_DIRECTORY);
            folder.Fd() >= 0) {
            ::fsync(folder.Fd());
        }
        if (published_ && !SameFile(fd_.Fd(), journal_)) {
            throw Failure(journal_ + ": another program replaced or removed it meanwhile");
        }
    }

private:
    Descriptor fd_;
    std::string temporary_;
    std::string journal_;
    std::string folder_;
    bool published_ = false;
};

class FileSource final : public JournalFile {
public:
    FileSource(Descriptor fd, std::string journal)
        : fd_(std::move(fd)), journal_(std::move(journal)) {}

    std::size_t ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t got = ::pread(fd_.Fd(), buffer, size, static_cast<off_t>(offset));
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw Failure(std::strerror(errno));
        }
    }

    bool StillPublished() override { return SameFile(fd_.Fd(), journal_); }

private:
    Descriptor fd_;
    std::string journal_;
};

// Only the user may have written the journal: undo acts on what it says.
void CheckOwnership(const struct stat& info, const std::string& path) {
    if (info.st_uid != ::geteuid()) throw Failure(path + ": it belongs to another user");
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        throw Failure(path + ": others than its owner may write to it");
    }
}

}  // namespace

PosixJournalStore::PosixJournalStore(std::string folder)
    : folder_(folder.empty() ? StateFolder() : std::move(folder)) {}

std::unique_ptr<JournalSink> PosixJournalStore::Begin() {
    if (folder_.empty()) throw Failure("Neither XDG_STATE_HOME nor HOME names a folder");
    MakeFolders(folder_, 0700);  // for the user alone
    std::string temporary = folder_ + "/.last-run.XXXXXX";
    Descriptor fd = Opened(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.Fd() < 0) Fail(temporary, fd.Error());
    // Held while the sink lives: an undo meanwhile finds the journal busy. The file is new, so
    // the lock is free; a file system without locks leaves the run unguarded, as before.
    static_cast<void>(::flock(fd.Fd(), LOCK_EX | LOCK_NB));
    return std::make_unique<FileSink>(std::move(fd), std::move(temporary),
                                      folder_ + "/" + kJournalName, folder_);
}

// The folder is opened and checked first, then the journal in it is examined before it is opened
// (opening a device acts on it), opened without following a link or waiting, and examined again
// through the open handle. The lock a run holds while it writes makes it busy.
std::unique_ptr<JournalFile> PosixJournalStore::Open() {
    if (folder_.empty()) return nullptr;
    const std::string journal = folder_ + "/" + kJournalName;
    const Descriptor folder = OpenAt(AT_FDCWD, folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (folder.Fd() < 0) {
        if (folder.Error() == ENOENT || folder.Error() == ENOTDIR) return nullptr;
        Fail(folder_, folder.Error());
    }
    struct stat info {};
    if (::fstatat(folder.Fd(), kJournalName, &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return nullptr;
        Fail(journal, errno);
    }
    if (!S_ISREG(info.st_mode)) throw Failure(journal + ": " + NotOrdinaryFile(info.st_mode));
    Descriptor opened =
        OpenAt(folder.Fd(), kJournalName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (opened.Fd() < 0) Fail(journal, opened.Error());
    const int fd = opened.Fd();
    auto source = std::make_unique<FileSource>(std::move(opened), journal);
    if (::fstat(fd, &info) != 0) Fail(journal, errno);
    if (!S_ISREG(info.st_mode)) throw Failure(journal + ": " + NotOrdinaryFile(info.st_mode));
    struct stat folderInfo {};
    if (::fstat(folder.Fd(), &folderInfo) != 0) Fail(folder_, errno);
    CheckOwnership(folderInfo, folder_);
    CheckOwnership(info, journal);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        throw JournalBusy(journal + ": in use by a run still in progress, or by another undo");
    }
    return source;
}

}  // namespace quire
