// The Linux program against real faults: folders the disk refuses, a target that goes away during a
// run, and a settings file that is damaged, partial, unwritable or shared by two programs. Every
// failure is told once with the system's own words, nothing else is lost, and the program goes on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <random>

#include "qt_faults_support.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

using test::FoldersIn;
using test::ProgramFixture;
using test::ReadStored;
using test::StoredSettings;

constexpr const char* kRunContext =
    "\r\nin QuireBatch2021/08/31.Form1.PushButton1_Click at line 126";

QStringList EntriesIn(const QString& path) {
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// The first start's target: the desktop folder, or the home folder where none exists.
std::string Desktop() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return (QFileInfo(desktop).isDir() ? desktop : QDir::homePath()).toStdString() + "/";
}

// The boxes of one run, sorted: reports of statement 126 by description, questions, the rest.
struct RunBoxes {
    std::map<std::string, int> failures;  // description -> reports
    int questions = 0;
    int others = 0;

    int Failed() const {
        int total = 0;
        for (const auto& [description, count] : failures) total += count;
        return total;
    }
};

RunBoxes Sort(const std::vector<test::ShownBox>& shown) {
    RunBoxes boxes;
    for (const test::ShownBox& box : shown) {
        const std::size_t context = box.text.find(kRunContext);
        if (box.style == BoxStyle::YesNo) {
            ++boxes.questions;
        } else if (context != std::string::npos && box.caption == "Application Error" &&
                   box.style == BoxStyle::Warning) {
            ++boxes.failures[box.text.substr(0, context)];
        } else {
            ++boxes.others;
        }
    }
    return boxes;
}

// The program on temporary folders, its boxes answered through the port, and a target folder.
class QtDiskFaults : public ::testing::Test {
protected:
    QtDiskFaults() : program_(fixture_.Setup()) {
        program_.Start();
        fixture_.dialogs.answers = {BoxAnswer::No};
    }

    // Types the inputs and clicks Start; returns when the run has ended.
    void Run(const std::string& pattern, int count, const QString& target) {
        program_.View().SetText(ControlId::Text1, pattern);
        program_.View().SetText(ControlId::Text2, std::to_string(count));
        program_.View().SetText(ControlId::Text3, target.toStdString());
        program_.Window().Button(ControlId::PushButton1)->click();
        ASSERT_FALSE(program_.Form().RunInProgress());
    }

    void AtFolder(const QString& path, qsizetype folders, std::function<void()> act) {
        test::AtFolder(program_.Window(), path, folders, std::move(act));
    }

    QString Target(const QString& name) {
        const QString path = target_.QPath() + QLatin1Char('/') + name;
        EXPECT_TRUE(QDir().mkpath(path));
        return path;
    }

    ProgramFixture fixture_;
    test::TempFolder target_;
    Program program_;
};

TEST_F(QtDiskFaults, FilesInTheWayFailTheirFoldersOnlyAndStayUntouched) {
    const QString target = Target(QStringLiteral("jobs"));
    QDir(target).mkdir(QStringLiteral("Folder 001"));
    QDir(target).mkdir(QStringLiteral("Folder 002"));
    test::WriteFile((target + QStringLiteral("/Folder 003")).toStdString(), "keep me");
    test::WriteFile((target + QStringLiteral("/Folder 005")).toStdString(), "");

    Run("Folder ###", 7, target);

    const RunBoxes boxes = Sort(fixture_.dialogs.shown);
    EXPECT_EQ(boxes.failures, (std::map<std::string, int>{{"File exists", 2}}));
    EXPECT_EQ(boxes.questions, 1);
    EXPECT_EQ(boxes.others, 0);
    // Two skipped, two failed, three created: what is on disk says the same.
    EXPECT_EQ(FoldersIn(target),
              (QStringList{"Folder 001", "Folder 002", "Folder 004", "Folder 006", "Folder 007"}));
    EXPECT_EQ(EntriesIn(target).size(), 7);
    EXPECT_EQ(test::ReadFile(target + QStringLiteral("/Folder 003")), "keep me");
}

TEST_F(QtDiskFaults, NamesOf255BytesAreCreatedAndNamesOf256FailWithNameTooLong) {
    const QString target = Target(QStringLiteral("long"));
    Run(std::string(252, 'a') + "###", 3, target);
    EXPECT_EQ(FoldersIn(target).size(), 3);
    EXPECT_EQ(FoldersIn(target).first().toUtf8().size(), 255);
    EXPECT_EQ(Sort(fixture_.dialogs.shown).Failed(), 0);

    fixture_.dialogs.shown.clear();
    fixture_.dialogs.answers = {BoxAnswer::No};
    Run(std::string(253, 'b') + "###", 3, target);
    const RunBoxes boxes = Sort(fixture_.dialogs.shown);
    EXPECT_EQ(boxes.failures, (std::map<std::string, int>{{"File name too long", 3}}));
    EXPECT_EQ(boxes.questions, 1);
    EXPECT_EQ(FoldersIn(target).size(), 3) << "nothing was created, nothing was cut short";
}

TEST_F(QtDiskFaults, ATargetMovedAwayDuringTheRunFailsEveryLaterFolder) {
    const QString target = Target(QStringLiteral("moving"));
    const QString moved = target_.QPath() + QStringLiteral("/moved");
    constexpr int kCount = 2000;
    qsizetype atMove = -1;
    AtFolder(target, 300, [&] {
        atMove = FoldersIn(target).size();
        ASSERT_TRUE(QDir().rename(target, moved));
    });

    Run("M ####", kCount, target);

    ASSERT_GE(atMove, 300);
    const RunBoxes boxes = Sort(fixture_.dialogs.shown);
    // The move came inside the pump, between two folders: each later folder failed.
    EXPECT_EQ(boxes.failures,
              (std::map<std::string, int>{{"No such file or directory", kCount - atMove}}));
    EXPECT_EQ(boxes.questions, 1);
    EXPECT_EQ(FoldersIn(moved).size(), atMove);
    EXPECT_EQ(FoldersIn(moved).last(), QStringLiteral("M %1").arg(atMove, 4, 10, QLatin1Char('0')));
    EXPECT_FALSE(QFileInfo::exists(target)) << "the target is never made anew";
}

TEST_F(QtDiskFaults, ATargetDeletedDuringTheRunFailsEveryLaterFolder) {
    const QString target = Target(QStringLiteral("deleted"));
    constexpr int kCount = 1500;
    qsizetype atDelete = -1;
    AtFolder(target, 200, [&] {
        atDelete = FoldersIn(target).size();
        ASSERT_TRUE(QDir(target).removeRecursively());
    });

    Run("D ####", kCount, target);

    ASSERT_GE(atDelete, 200);
    const RunBoxes boxes = Sort(fixture_.dialogs.shown);
    EXPECT_EQ(boxes.failures,
              (std::map<std::string, int>{{"No such file or directory", kCount - atDelete}}));
    EXPECT_EQ(boxes.questions, 1);
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST(QtRealBoxes, AFolderTheDiskRefusesIsToldInARealWarningAndTheRunGoesOn) {
    ProgramFixture fixture;
    ProgramSetup setup = fixture.Setup();
    setup.dialogs = nullptr;  // the program's own message boxes
    Program program(std::move(setup));
    program.Start();
    test::TempFolder target;
    test::WriteFile(target.Sub("Folder 2"), "in the way");
    program.View().SetText(ControlId::Text1, "Folder #");
    program.View().SetText(ControlId::Text2, "3");
    program.View().SetText(ControlId::Text3, target.Path());

    test::RealBoxAnswerer answerer;
    program.Window().Button(ControlId::PushButton1)->click();

    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[0].title, QStringLiteral("Application Error"));
    EXPECT_EQ(answerer.Boxes()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(answerer.Boxes()[0].text.startsWith(QStringLiteral(
        "File exists\nin QuireBatch2021/08/31.Form1.PushButton1_Click at line 126\n")))
        << answerer.Boxes()[0].text.toStdString();
    EXPECT_EQ(answerer.Boxes()[1].title, QStringLiteral("Pallisand Quire Batch"));
    EXPECT_EQ(FoldersIn(target.QPath()), (QStringList{"Folder 1", "Folder 3"}));
    EXPECT_TRUE(fixture.desktop.opened.empty()) << "the question was answered No";
}

// Faults only an ordinary user meets: root may write anywhere. CTest runs these as an unprivileged
// user when it runs as root.
class QtUnprivileged : public QtDiskFaults {
protected:
    void SetUp() override {
        if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere; run as an ordinary user";
    }
};

TEST_F(QtUnprivileged, AReadOnlyTargetFailsEveryNewFolderWithPermissionDenied) {
    const QString target = Target(QStringLiteral("readonly"));
    QDir(target).mkdir(QStringLiteral("Folder 002"));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner);

    Run("Folder ###", 4, target);

    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const RunBoxes boxes = Sort(fixture_.dialogs.shown);
    EXPECT_EQ(boxes.failures, (std::map<std::string, int>{{"Permission denied", 3}}));
    EXPECT_EQ(boxes.questions, 1);
    EXPECT_EQ(FoldersIn(target), QStringList{"Folder 002"});
}

// An installed sample folder belongs to root: the button gives the user's own copy, which a run
// fills without a report, where the shipped one gave one "Permission denied" per folder.
TEST_F(QtUnprivileged, ASampleFolderTheUserCannotWriteGivesTheirOwnCopy) {
    const std::string shipped = fixture_.programFolder.Sub("Samples");
    test::WriteFile(shipped + "/README.txt", "what it is for");
    QFile::setPermissions(QString::fromStdString(shipped), QFile::ReadOwner | QFile::ExeOwner);
    program_.Window().Button(ControlId::PushButton2)->click();
    const std::string copy = program_.View().Text(ControlId::Text3);
    Run("Folder ###", 3, QString::fromStdString(copy));
    QFile::setPermissions(QString::fromStdString(shipped),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(copy, fixture_.UserSamples());
    EXPECT_EQ(FoldersIn(QString::fromStdString(copy)),
              (QStringList{"Folder 001", "Folder 002", "Folder 003"}));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(copy + "/README.txt")));
    EXPECT_EQ(Sort(fixture_.dialogs.shown).failures.size(), 0u);
    EXPECT_EQ(FoldersIn(QString::fromStdString(shipped)), QStringList{});
}

// A settings file the program did not write, or cannot write.
class QtSettingsFaults : public ::testing::Test {
protected:
    const QString& File() const { return file_; }

    // Starts the program on the settings file as it is now.
    std::unique_ptr<Program> Start() {
        ProgramSetup setup = fixture_.Setup();
        setup.settingsFile = file_;
        auto program = std::make_unique<Program>(std::move(setup));
        program->Start();
        return program;
    }

    static std::map<std::string, std::string> Shown(Program& program) {
        return {{"Text1", program.View().Text(ControlId::Text1)},
                {"Text2", program.View().Text(ControlId::Text2)},
                {"Text3", program.View().Text(ControlId::Text3)}};
    }

    // A run of three folders into a fresh folder works, and its one question is asked.
    void ExpectARunWorks(Program& program) {
        test::TempFolder target;
        const std::size_t boxesBefore = fixture_.dialogs.shown.size();
        fixture_.dialogs.answers = {BoxAnswer::No};
        program.Window().TextBox(ControlId::Text1)->setText(QStringLiteral("Run ##"));
        program.Window().TextBox(ControlId::Text2)->setText(QStringLiteral("3"));
        program.Window().TextBox(ControlId::Text3)->setText(target.QPath());
        program.Window().Button(ControlId::PushButton1)->click();
        EXPECT_EQ(FoldersIn(target.QPath()), (QStringList{"Run 01", "Run 02", "Run 03"}));
        ASSERT_EQ(fixture_.dialogs.shown.size(), boxesBefore + 1);
        EXPECT_EQ(fixture_.dialogs.shown.back().style, BoxStyle::YesNo);
    }

    // The file parses as the program's own and holds what the window shows.
    void ExpectCleanFileHolding(const std::map<std::string, std::string>& shown) {
        EXPECT_TRUE(test::IsCleanIniFile(File())) << test::ReadFile(File()).toStdString();
        const StoredSettings stored = ReadStored(File());
        EXPECT_EQ(stored.status, QSettings::NoError);
        for (const auto& [key, value] : shown) {
            ASSERT_TRUE(stored.values.count(key)) << key;
            EXPECT_EQ(stored.values.at(key), value) << key;
        }
    }

    ProgramFixture fixture_;
    QString file_ = fixture_.SettingsFile();
};

std::map<std::string, std::string> Defaults() {
    return {{"Text1", "Folder ###"}, {"Text2", "20"}, {"Text3", Desktop()}};
}

QByteArray RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 engine(seed);
    QByteArray bytes;
    for (std::size_t i = 0; i < size; ++i) bytes.append(static_cast<char>(engine() & 0xFF));
    return bytes;
}

struct Garbage {
    const char* name;
    QByteArray bytes;
};

void PrintTo(const Garbage& garbage, std::ostream* out) { *out << garbage.name; }

class QtGarbageSettings : public QtSettingsFaults, public ::testing::WithParamInterface<Garbage> {};

// Garbage cannot be read: each of the three reads of start-up is reported and its box keeps its
// designed text. The next change writes a clean file: the garbage is not kept.
TEST_P(QtGarbageSettings, IsReportedAtEachReadAndCleanedAtTheNextChange) {
    test::WriteFile(File().toStdString(), GetParam().bytes);
    auto program = Start();
    if (GetParam().bytes.isEmpty()) {
        EXPECT_EQ(Shown(*program), Defaults());
        EXPECT_TRUE(fixture_.dialogs.shown.empty());
    } else {
        EXPECT_EQ(Shown(*program), (std::map<std::string, std::string>{
                                       {"Text1", "Text1"}, {"Text2", "Text2"}, {"Text3", ""}}));
        ASSERT_EQ(fixture_.dialogs.shown.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string& text = fixture_.dialogs.shown[i].text;
            EXPECT_NE(text.find("cannot be read"), std::string::npos) << text;
            EXPECT_NE(text.find("at line " + std::to_string(128 + 2 * i)), std::string::npos);
        }
    }
    const std::size_t notices = fixture_.dialogs.shown.size();
    ExpectARunWorks(*program);
    ExpectCleanFileHolding(Shown(*program));
    EXPECT_EQ(Sort(fixture_.dialogs.shown).others, static_cast<int>(notices)) << "nothing more";
}

// Every byte of a literal, NULs inside included.
template <std::size_t N>
QByteArray Bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

QByteArray Repeat(const char* text, int times) {
    QByteArray bytes;
    for (int i = 0; i < times; ++i) bytes.append(text);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, QtGarbageSettings,
    testing::Values(
        Garbage{"RandomBytes", RandomBytes(4096, 7)},
        Garbage{"RandomBytesAgain", RandomBytes(65536, 1234)},
        Garbage{"NulBytes", QByteArray(8192, '\0')},
        Garbage{"TextThatIsNoIni", "this is not\n an ini file ]]] [[ \n=\n==\n[x\n%%%\n\\\n\"\n"},
        Garbage{"BrokenHeaders", Repeat("[Pallisand%20Quire%20Batch%20Utility\n[[]]\n[\n", 50)},
        Garbage{"ImageBytes", Bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0 \0\0\0 \x08\x06") +
                                  RandomBytes(1000, 3)},
        Garbage{"Utf16Text", Bytes("\xFF\xFE[\0P\0]\0\n\0T\0e\0x\0t\0"
                                   "1\0=\0x\0\n\0")},
        Garbage{"Empty", QByteArray()}),
    [](const testing::TestParamInfo<Garbage>& kind) { return std::string(kind.param.name); });

// The file as the program writes it, cut short at every byte: what was whole comes back, the rest
// takes its default, and no start shows a box.
TEST_F(QtSettingsFaults, ATruncatedFileGivesWhatItStillHoldsAtEveryCut) {
    const QByteArray whole =
        "[Pallisand%20Quire%20Batch%20Utility]\nText1=Job ##\nText2=12\nText3=/srv/jobs/\n";
    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        const QByteArray part = whole.left(cut);
        // A file of its own for each start: Qt would take a file that changed within the same
        // tick of the clock and kept its size for the one it read before.
        file_ = fixture_.configFolder.QPath() + QStringLiteral("/%1/Quillmark.conf").arg(cut);
        test::WriteFile(File().toStdString(), part);
        // What a reader of the part finds: "Key=" lines after a whole group header, their values
        // without the blanks around them (Qt quotes a value that keeps its own).
        std::map<std::string, std::string> expected = Defaults();
        const qsizetype header = part.indexOf(']');
        if (header >= 0) {
            for (const QByteArray& line : part.mid(header + 1).split('\n')) {
                const qsizetype equals = line.indexOf('=');
                if (equals > 0) {
                    expected[line.left(equals).toStdString()] =
                        line.mid(equals + 1).trimmed().toStdString();
                }
            }
        }
        fixture_.dialogs.shown.clear();
        auto program = Start();
        EXPECT_EQ(Shown(*program), expected) << "cut at " << cut << ": " << part.toStdString();
        EXPECT_TRUE(fixture_.dialogs.shown.empty()) << "cut at " << cut;
        ExpectCleanFileHolding(expected);
        if (cut == whole.size() - 5) ExpectARunWorks(*program);
    }
}

TEST_F(QtSettingsFaults, AFileWithSomeKeysGivesThemAndDefaultsTheRestKeepingOtherGroups) {
    test::WriteFile(File().toStdString(),
                    "[Another%20Program]\nText1=theirs\nWidth=7\n\n"
                    "[Pallisand%20Quire%20Batch%20Utility]\nText2=7\nLastFolderDot=/srv\n");
    auto program = Start();
    std::map<std::string, std::string> expected = Defaults();
    expected["Text2"] = "7";
    EXPECT_EQ(Shown(*program), expected);
    EXPECT_TRUE(fixture_.dialogs.shown.empty());
    ExpectCleanFileHolding(expected);
    ExpectARunWorks(*program);
    const QSettings settings(File(), QSettings::NativeFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Another Program/Text1")).toString(), "theirs");
    EXPECT_EQ(settings.value(QStringLiteral("Another Program/Width")).toString(), "7");
    EXPECT_EQ(
        settings.value(QStringLiteral("Pallisand Quire Batch Utility/LastFolderDot")).toString(),
        "/srv");
}

// Two programs editing the same file at once, each in its own process: each key ends with a value
// one of them wrote, and no change of one is undone by the other.
TEST_F(QtSettingsFaults, TwoProgramsEditingAtOnceLeaveAFileThatParses) {
    constexpr int kEdits = 150;
    test::TempFolder meeting;
    const QString go = meeting.QPath() + QStringLiteral("/go");
    auto launch = [&](QProcess& process, const QString& name, const QString& keys) {
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QCoreApplication::applicationFilePath(),
                      {QString::fromLatin1(test::kEditInstanceOption), File(), name, keys,
                       QString::number(kEdits), meeting.QPath() + QLatin1Char('/') + name, go});
    };
    QProcess first;
    QProcess second;
    launch(first, QStringLiteral("A"), QStringLiteral("Text1,Text3"));
    launch(second, QStringLiteral("B"), QStringLiteral("Text2,Text3"));
    ASSERT_TRUE(test::WaitFor(
        [&] {
            return QFile::exists(meeting.QPath() + QStringLiteral("/A")) &&
                   QFile::exists(meeting.QPath() + QStringLiteral("/B"));
        },
        20000));
    QFile(go).open(QIODevice::WriteOnly);
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0) << "3: a box was shown";
    EXPECT_EQ(second.exitCode(), 0) << "3: a box was shown";

    const std::string last = "-" + std::to_string(kEdits - 1);
    EXPECT_TRUE(test::IsCleanIniFile(File())) << test::ReadFile(File()).toStdString();
    const StoredSettings stored = ReadStored(File());
    EXPECT_EQ(stored.status, QSettings::NoError);
    EXPECT_EQ(stored.values.at("Text1"), "A" + last);
    EXPECT_EQ(stored.values.at("Text2"), "B" + last);
    const std::string target = stored.values.at("Text3");
    EXPECT_TRUE(target == "A" + last || target == "B" + last) << target;
    EXPECT_EQ(EntriesIn(fixture_.configFolder.QPath()), QStringList{"Quillmark.conf"})
        << "no lock or temporary file is left behind";
}

class QtUnwritableSettings : public QtSettingsFaults {
protected:
    void SetUp() override {
        if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere; run as an ordinary user";
    }
    void SetFolderWritable(bool writable) {
        QFile::Permissions permissions = QFile::ReadOwner | QFile::ExeOwner;
        if (writable) permissions |= QFile::WriteOwner;
        ASSERT_TRUE(QFile::setPermissions(fixture_.configFolder.QPath(), permissions));
    }
};

TEST_F(QtUnwritableSettings, AFolderThatRefusesTheFileGivesOneNoticeAndTheProgramGoesOn) {
    SetFolderWritable(false);
    auto program = Start();
    EXPECT_EQ(Shown(*program), Defaults());
    ASSERT_EQ(fixture_.dialogs.shown.size(), 1u);
    EXPECT_EQ(fixture_.dialogs.shown[0].caption, "Application Error");
    EXPECT_NE(fixture_.dialogs.shown[0].text.find("cannot be written"), std::string::npos);
    ExpectARunWorks(*program);
    EXPECT_EQ(fixture_.dialogs.shown.size(), 2u) << "one notice, then only the question";
    EXPECT_FALSE(QFile::exists(File()));

    // Once the folder takes files again, the next change is written, and cleanly; whatever else
    // the file holds is what the window shows.
    SetFolderWritable(true);
    QTest::keyClicks(program->Window().TextBox(ControlId::Text2), QStringLiteral("0"));
    EXPECT_TRUE(test::IsCleanIniFile(File()));
    const StoredSettings stored = ReadStored(File());
    EXPECT_EQ(stored.status, QSettings::NoError);
    EXPECT_EQ(stored.values.count("Text2"), 1u);
    for (const auto& [key, value] : stored.values) EXPECT_EQ(value, Shown(*program).at(key)) << key;
}

TEST_F(QtUnwritableSettings, AFileThatCannotBeReplacedKeepsItsValuesAndIsLeftAsItWas) {
    const QByteArray before =
        "[Pallisand%20Quire%20Batch%20Utility]\nText1=Job ##\nText2=12\nText3=/srv/jobs/\n";
    test::WriteFile(File().toStdString(), before);
    SetFolderWritable(false);
    auto program = Start();
    EXPECT_EQ(Shown(*program), (std::map<std::string, std::string>{
                                   {"Text1", "Job ##"}, {"Text2", "12"}, {"Text3", "/srv/jobs/"}}));
    EXPECT_LE(fixture_.dialogs.shown.size(), 1u);
    const std::size_t notices = fixture_.dialogs.shown.size();
    ExpectARunWorks(*program);
    EXPECT_EQ(fixture_.dialogs.shown.size(), notices + 1);
    EXPECT_EQ(test::ReadFile(File()), before);
    SetFolderWritable(true);
}

}  // namespace
}  // namespace quire::qt
