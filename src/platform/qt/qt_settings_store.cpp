#include "platform/qt/qt_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

#include "app/product.h"
#include "engine/failure.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_ini_document.h"

namespace quire::qt {
namespace {

constexpr auto kLockPatience = std::chrono::seconds(2);

std::string Folder(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : file.substr(0, slash);
}

[[noreturn]] void CannotWrite(const std::string& file, const std::string& why) {
    throw Failure("The settings file " + file + " cannot be written: " + why);
}

// Nothing at all at the path: not a file, not a link, not even one that leads nowhere.
bool NothingAt(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

// The lock beside the file, the one Qt's settings class takes too, held with flock so that a
// holder that dies lets go of it. It is removed by the holder, so a file that was removed while
// we waited is no lock and we take the lock anew.
class SettingsLock {
public:
    explicit SettingsLock(std::string path) : path_(std::move(path)) {
        const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
        for (;;) {
            fd_ = Opened(::open(path_.c_str(),
                                O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
            if (fd_.Fd() < 0) Refuse(std::strerror(fd_.Error()));
            struct stat held {};
            if (::fstat(fd_.Fd(), &held) != 0 || !S_ISREG(held.st_mode)) {
                Release();
                Refuse("it is no ordinary file");
            }
            if (::flock(fd_.Fd(), LOCK_EX | LOCK_NB) == 0) {
                struct stat named {};
                if (::stat(path_.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
                    named.st_ino == held.st_ino) {
                    const std::string owner = std::to_string(::getpid()) + "\nquirebatch\n";
                    if (::ftruncate(fd_.Fd(), 0) == 0) {
                        [[maybe_unused]] const ssize_t written =
                            ::write(fd_.Fd(), owner.data(), owner.size());
                    }
                    return;
                }
            } else if (errno != EWOULDBLOCK) {
                const int error = errno;
                Release();
                Refuse(std::strerror(error));
            }
            Release();
            if (std::chrono::steady_clock::now() >= deadline) {
                Refuse("another program holds it for more than 2 seconds");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~SettingsLock() {
        if (fd_.Fd() < 0) return;
        ::unlink(path_.c_str());
        Release();
    }
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

private:
    void Release() { fd_ = Descriptor(); }
    [[noreturn]] void Refuse(const std::string& why) {
        throw Failure("the lock " + path_ + " cannot be taken: " + why);
    }

    std::string path_;
    Descriptor fd_;
};

// The ordinary file that a write replaces: the file itself, or the one a link leads to; nothing
// when there is none yet. Anything else is refused.
std::optional<std::string> Destination(const std::string& file) {
    struct stat entry {};
    if (::lstat(file.c_str(), &entry) != 0) {
        if (errno == ENOENT) return std::nullopt;
        throw Failure(std::strerror(errno));
    }
    if (S_ISREG(entry.st_mode)) return file;
    if (!S_ISLNK(entry.st_mode)) throw Failure("it is no ordinary file");
    struct stat target {};
    if (::stat(file.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) {
        throw Failure("it is a link to something that is no ordinary file");
    }
    char resolved[PATH_MAX];
    if (::realpath(file.c_str(), resolved) == nullptr) throw Failure(std::strerror(errno));
    return std::string(resolved);
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

QString DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') +
           QString::fromUtf8(product::kSettingsApplication.data(),
                             static_cast<qsizetype>(product::kSettingsApplication.size())) +
           QStringLiteral(".conf");
}

std::string QtSettingsStore::ReadSetting(std::string_view key, std::string_view fallback) {
    if (NothingAt(file_)) return std::string(fallback);
    std::string text;
    try {
        text = PosixFileSystem().ReadSmallFile(file_, kSmallFileLimit);
    } catch (const Failure& failure) {
        throw Failure("The settings file " + file_ + " cannot be read: " + failure.what());
    }
    const ini::Document document(text);
    if (document.DamagedLine() != 0) {
        throw Failure("The settings file " + file_ + " cannot be read: line " +
                      std::to_string(document.DamagedLine()) + " is no setting");
    }
    return document.Value(group_, key).value_or(std::string(fallback));
}

void QtSettingsStore::WriteSetting(std::string_view key, std::string_view value) {
    try {
        MakeFolders(Folder(file_), 0777);
        const SettingsLock lock(file_ + ".lock");
        const std::optional<std::string> destination = Destination(file_);
        std::string text;
        mode_t mode = NewFileMode();
        if (destination) {
            struct stat info {};
            if (::stat(destination->c_str(), &info) == 0) mode = info.st_mode & 07777;
            text = PosixFileSystem().ReadSmallFile(*destination, kSmallFileLimit);
        }
        ini::Document document(text);
        document.SetValue(group_, key, value);
        ReplaceFile(destination.value_or(file_), document.Text(), mode);
    } catch (const Failure& failure) {
        CannotWrite(file_, failure.what());
    }
}

std::string QtSettingsStore::LongSettingFile(std::string_view key) const {
    return Folder(file_) + "/quirebatch/" + std::string(key) + ".txt";
}

std::string QtSettingsStore::ReadLongSetting(std::string_view key) {
    const std::string file = LongSettingFile(key);
    if (NothingAt(file)) return {};
    try {
        return PosixFileSystem().ReadSmallFile(file, kLongestSetting);
    } catch (const Failure& failure) {
        throw Failure("The settings file " + file + " cannot be read: " + failure.what());
    }
}

void QtSettingsStore::WriteLongSetting(std::string_view key, std::string_view value) {
    const std::string file = LongSettingFile(key);
    try {
        MakeFolders(Folder(file), 0777);
        ReplaceFile(file, value, NewFileMode());
    } catch (const Failure& failure) {
        CannotWrite(file, failure.what());
    }
}

}  // namespace quire::qt
