// The settings file: where it lies, that Qt's own reader and ours agree on it, and that nothing
// but an ordinary file is ever read or replaced.
#include "platform/qt/qt_settings_store.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <functional>

#include "engine/failure.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

constexpr const char* kGroup = "Pallisand Quire Batch Utility";

class QtSettings : public ::testing::Test {
protected:
    test::TempFolder folder_;
    QString file_ = folder_.QPath() + QStringLiteral("/Quillmark.conf");
    std::string path_ = file_.toStdString();
    QtSettingsStore store_{path_, kGroup};
};

TEST_F(QtSettings, TheUsersFileIsQuillmarkConfInTheConfigurationFolder) {
    EXPECT_EQ(DefaultSettingsFile(),
              QString::fromUtf8(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/Quillmark.conf"));
}

TEST_F(QtSettings, AnAbsentKeyGivesTheFallbackAStoredEmptyTextDoesNot) {
    EXPECT_EQ(store_.ReadSetting("Text2", "20"), "20");
    store_.WriteSetting("Text2", "");
    EXPECT_EQ(store_.ReadSetting("Text2", "20"), "");
}

// Each text comes back from our reader and from Qt's, and what Qt writes comes back from ours.
TEST_F(QtSettings, OurFileAndQtsAgreeOnEveryText) {
    const QString key = QStringLiteral("Pallisand Quire Batch Utility/Text1");
    int round = 0;
    for (const std::string& value : std::vector<std::string>{
             " Folder ### ", "a, b, c", "@Invalid()", "@@x", "\"quoted\"", "C:\\Data\\Jobs\\",
             "x;y#z=1", "[section]", "Ordner \xC3\xA4\xE2\x82\xAC", "line\nbreak", "tab\there",
             "%20 %",
             "\x01"
             "1f",
             std::string("nul\0inside", 10), "\x7f del", "trailing\\"}) {
        const QString text = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
        // A file of its own each time: Qt keeps a file it read for one that changed within the
        // same tick of the clock.
        const QString ours = folder_.QPath() + QStringLiteral("/ours%1.conf").arg(round);
        const QString theirs = folder_.QPath() + QStringLiteral("/theirs%1.conf").arg(round++);
        QtSettingsStore(ours.toStdString(), kGroup).WriteSetting("Text1", value);
        EXPECT_EQ(QtSettingsStore(ours.toStdString(), kGroup).ReadSetting("Text1", "-"), value);
        EXPECT_EQ(QSettings(ours, QSettings::IniFormat).value(key).toString(), text) << value;
        QSettings(theirs, QSettings::IniFormat).setValue(key, text);
        EXPECT_EQ(QtSettingsStore(theirs.toStdString(), kGroup).ReadSetting("Text1", "-"), value)
            << "written by Qt: " << value;
    }
}

TEST_F(QtSettings, BytesThatAreNoUtf8ComeBackWhole) {
    store_.WriteSetting("Text3", "/home/\xff\xfe/Samples");
    EXPECT_EQ(store_.ReadSetting("Text3", "-"), "/home/\xff\xfe/Samples");
}

TEST_F(QtSettings, ValuesLieInTheProductsGroupAndOtherGroupsAreKeptAsTheyWere) {
    const QByteArray theirs = "; kept\n[Another%20Program]\nWidth = 7 ; a comment\n\n";
    test::WriteFile(path_, theirs);
    store_.WriteSetting("Text3", "/home/someone/Desktop/");
    store_.WriteSetting("LastFolderDot", "/home/someone/Desktop");
    store_.WriteSetting("Text3", "/srv/");
    EXPECT_EQ(test::ReadFile(file_), theirs +
                                         "\n[Pallisand%20Quire%20Batch%20Utility]\n"
                                         "Text3=/srv/\nLastFolderDot=/home/someone/Desktop\n");
}

TEST_F(QtSettings, AHandWrittenFileIsRead) {
    test::WriteFile(path_,
                    "[Pallisand Quire Batch Utility]\nText1=Invoice ##\nText2=3, 4\n"
                    "[Other Program]\nText3=/elsewhere\n");
    EXPECT_EQ(store_.ReadSetting("Text1", "-"), "Invoice ##");
    EXPECT_EQ(store_.ReadSetting("Text2", "-"), "3, 4");
    EXPECT_EQ(store_.ReadSetting("Text3", "-"), "-");
}

// A setting the user adds by hand, such as the start-up draw's, outlives the program's writes.
TEST_F(QtSettings, AHandAddedKeyOfTheGroupIsKeptThroughWrites) {
    test::WriteFile(path_, "[Pallisand%20Quire%20Batch%20Utility]\nStartupDraw = 0\n");
    store_.WriteSetting("Text1", "Job ##");
    EXPECT_EQ(store_.ReadSetting("StartupDraw", "-"), "0");
    EXPECT_EQ(store_.ReadSetting("Text1", "-"), "Job ##");
}

TEST_F(QtSettings, AWriteInAMissingFolderCreatesIt) {
    QtSettingsStore nested(folder_.Path() + "/new/sub/Quillmark.conf", kGroup);
    nested.WriteSetting("Text2", "5");
    EXPECT_EQ(nested.ReadSetting("Text2", "20"), "5");
    EXPECT_EQ(QDir(folder_.QPath() + QStringLiteral("/new/sub")).entryList(QDir::Files),
              QStringList{"Quillmark.conf"})
        << "no lock or temporary file is left behind";
}

// What stands where the file should be. Nothing but an ordinary file is read or replaced, and
// nothing makes a read or a write wait.
struct Hostile {
    const char* name;
    std::function<void(const std::string& file, const std::string& folder)> make;
    bool readable;  // reads give its values
    bool writable;  // writes go into the ordinary file behind it
};

void PrintTo(const Hostile& hostile, std::ostream* out) { *out << hostile.name; }

class QtHostileSettings : public QtSettings, public ::testing::WithParamInterface<Hostile> {};

TEST_P(QtHostileSettings, IsReadAndWrittenOnlyWhenItIsAnOrdinaryFile) {
    const Hostile& hostile = GetParam();
    hostile.make(path_, folder_.Path());
    struct stat before {};
    ::lstat(path_.c_str(), &before);
    QElapsedTimer clock;
    clock.start();
    if (hostile.readable) {
        EXPECT_EQ(store_.ReadSetting("Text1", "-"), "kept");
    } else {
        EXPECT_THROW(store_.ReadSetting("Text1", "-"), Failure);
    }
    if (hostile.writable) {
        store_.WriteSetting("Text2", "5");
        EXPECT_EQ(store_.ReadSetting("Text2", "-"), "5");
    } else {
        try {
            store_.WriteSetting("Text2", "5");
            ADD_FAILURE() << "the write was taken";
        } catch (const Failure& failure) {
            EXPECT_NE(std::string(failure.what()).find("cannot be written"), std::string::npos);
        }
        struct stat after {};
        ::lstat(path_.c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino) << "left in place";
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
    EXPECT_LT(clock.elapsed(), 1000) << "nothing waits";
}

void Fifo(const std::string& file, const std::string&) {
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
}
void Folder(const std::string& file, const std::string&) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(file)));
}
void Socket(const std::string& file, const std::string&) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    file.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}
void Link(const std::string& file, const std::string& target) {
    ASSERT_EQ(::symlink(target.c_str(), file.c_str()), 0);
}
void Huge(const std::string& file, const std::string&) {
    test::WriteFile(file, "[Pallisand%20Quire%20Batch%20Utility]\nText1=kept\n;" +
                              QByteArray(1024 * 1024, 'x') + "\n");
}
void Kept(const std::string& file) {
    test::WriteFile(file, "[Pallisand%20Quire%20Batch%20Utility]\nText1=kept\n");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, QtHostileSettings,
    testing::Values(Hostile{"Fifo", Fifo, false, false}, Hostile{"Folder", Folder, false, false},
                    Hostile{"Socket", Socket, false, false},
                    Hostile{"TooLarge", Huge, false, false},
                    Hostile{"LinkToAFifo",
                            [](const std::string& file, const std::string& folder) {
                                Fifo(folder + "/fifo", {});
                                Link(file, folder + "/fifo");
                            },
                            false, false},
                    Hostile{"DanglingLink",
                            [](const std::string& file, const std::string& folder) {
                                Link(file, folder + "/nothing");
                            },
                            false, false},
                    Hostile{"LoopingLink",
                            [](const std::string& file, const std::string&) { Link(file, file); },
                            false, false},
                    Hostile{"LinkToAFile",
                            [](const std::string& file, const std::string& folder) {
                                Kept(folder + "/real.conf");
                                Link(file, folder + "/real.conf");
                            },
                            true, true},
                    Hostile{"LockIsAFolder",
                            [](const std::string& file, const std::string&) {
                                Kept(file);
                                Folder(file + ".lock", {});
                            },
                            true, false}),
    [](const testing::TestParamInfo<Hostile>& kind) { return std::string(kind.param.name); });

TEST_F(QtSettings, AWriteThroughALinkReplacesTheFileItLeadsToAndKeepsTheLink) {
    Kept(folder_.Path() + "/real.conf");
    Link(path_, folder_.Path() + "/real.conf");
    store_.WriteSetting("Text2", "9");
    struct stat entry {};
    ASSERT_EQ(::lstat(path_.c_str(), &entry), 0);
    EXPECT_TRUE(S_ISLNK(entry.st_mode));
    EXPECT_TRUE(test::ReadFile(folder_.QPath() + QStringLiteral("/real.conf")).contains("Text2=9"));
}

// A lock held by a live program is waited for, but not for longer than two seconds.
TEST_F(QtSettings, ALockThatIsHeldIsAWriteFailureWithinTwoSeconds) {
    const std::string lockPath = path_ + ".lock";
    const int held = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(store_.WriteSetting("Text1", "x"), Failure);
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_LT(clock.elapsed(), 3000);
    ::close(held);
    ::unlink(lockPath.c_str());
    store_.WriteSetting("Text1", "x");
    EXPECT_EQ(store_.ReadSetting("Text1", "-"), "x");
}

// Damage is a read failure; the next write keeps what was whole and drops the rest.
TEST_F(QtSettings, AFileWithDamagedLinesCannotBeReadAndTheNextWriteCleansIt) {
    test::WriteFile(path_, QByteArray("[Pallisand%20Quire%20Batch%20Utility]\nText1=kept\n"
                                      "\x89PNG\r\n\x1a\n") +
                               QByteArray("\0\0garbage\nno equals here\n", 25) +
                               "[Another]\nWidth=7\n");
    try {
        store_.ReadSetting("Text1", "-");
        ADD_FAILURE() << "damage was read as settings";
    } catch (const Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find("line 3"), std::string::npos) << failure.what();
    }
    store_.WriteSetting("Text2", "5");
    EXPECT_EQ(test::ReadFile(file_),
              "[Pallisand%20Quire%20Batch%20Utility]\nText1=kept\n"
              "Text2=5\n[Another]\nWidth=7\n");
    EXPECT_EQ(store_.ReadSetting("Text1", "-"), "kept");
}

}  // namespace
}  // namespace quire::qt
