// The settings file: where it lies, how values come back, and that a refused write is noticed.
#include "platform/qt/settings.h"

#include <gtest/gtest.h>

#include <QDir>

#include "engine/failure.h"
#include "qt_test_support.h"

namespace quire::qt {
namespace {

class QtSettings : public ::testing::Test {
protected:
    test::TempFolder folder_;
    QString file_ = folder_.QPath() + QStringLiteral("/Quillmark.conf");
    QtSettingsStore store_{file_};
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

TEST_F(QtSettings, TextsComeBackExactlyAsWritten) {
    for (const std::string value :
         {" Folder ### ", "a, b, c", "@Invalid()", "\"quoted\"", "C:\\Data\\Jobs\\", "x;y#z=1",
          "[section]", "Ordner \xC3\xA4\xE2\x82\xAC", "line\nbreak", "tab\there", "%20 %"}) {
        store_.WriteSetting("Text1", value);
        EXPECT_EQ(QtSettingsStore(file_).ReadSetting("Text1", "fallback"), value) << value;
    }
}

TEST_F(QtSettings, ValuesLieInTheProductsGroupAndAreOnDiskWhenTheWriteReturns) {
    store_.WriteSetting("Text3", "/home/someone/Desktop/");
    store_.WriteSetting("LastFolderDot", "/home/someone/Desktop");
    const QString text = QString::fromUtf8(test::ReadFile(file_));
    // Qt's INI form of the group name encodes its blanks.
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Pallisand%20Quire%20Batch%20Utility]\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Text3=/home/someone/Desktop/\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("LastFolderDot=/home/someone/Desktop\n")));
}

TEST_F(QtSettings, AHandWrittenFileIsRead) {
    test::WriteFile(file_.toStdString(),
                    "[Pallisand Quire Batch Utility]\nText1=Invoice ##\nText2=3, 4\n"
                    "[Other Program]\nText3=/elsewhere\n");
    EXPECT_EQ(store_.ReadSetting("Text1", "-"), "Invoice ##");
    EXPECT_EQ(store_.ReadSetting("Text2", "-"), "3, 4");
    EXPECT_EQ(store_.ReadSetting("Text3", "-"), "-");
}

TEST_F(QtSettings, ARefusedWriteFailsAndIsNotTakenForDone) {
    ASSERT_TRUE(QDir().mkpath(file_));  // a folder where the file should be
    EXPECT_THROW(store_.WriteSetting("Text1", "x"), Failure);
    EXPECT_THROW(store_.ReadSetting("Text1", "x"), Failure);
}

TEST_F(QtSettings, AWriteInAMissingFolderCreatesIt) {
    QtSettingsStore nested(folder_.QPath() + QStringLiteral("/new/sub/Quillmark.conf"));
    nested.WriteSetting("Text2", "5");
    EXPECT_EQ(nested.ReadSetting("Text2", "20"), "5");
}

}  // namespace
}  // namespace quire::qt
