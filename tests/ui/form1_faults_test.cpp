// Folder creation failing in the ways a real disk fails, at chosen counter values: each failure is
// reported once with its own description, and every other folder is still created.
#include <gtest/gtest.h>

#include "engine/name_pattern.h"
#include "fakes/form1_harness.h"

namespace quire {
namespace {

using fakes::Form1Harness;

struct Fault {
    const char* description;
    int counter;
};

class FolderFaults : public testing::TestWithParam<Fault> {};

TEST_P(FolderFaults, OneReportWith126AndTheRunGoesOn) {
    const Fault fault = GetParam();
    Form1Harness h(kPosixTraits, "/opt/q");
    h.files.folders = {"/data"};
    h.Enter("Job ##", "12", "/data");
    const std::string failing = "/data/" + NamePattern("Job ##").Name(fault.counter);
    h.files.failures = {{failing, fault.description}};

    h.form.PushButton1_Click();

    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].text,
              std::string(fault.description) +
                  "\r\nin QuireBatch2021/08/31.Form1.PushButton1_Click at line 126\r\r"
                  "Please email screenshot of this message to support@quillmark.example");
    EXPECT_EQ(h.dialogs.shown[0].style, BoxStyle::Warning);
    EXPECT_EQ(h.dialogs.shown[1].style, BoxStyle::YesNo);
    EXPECT_EQ(h.files.created.size(), 11u);
    for (int i = 1; i <= 12; ++i) {
        const std::string path = "/data/" + NamePattern("Job ##").Name(i);
        EXPECT_EQ(h.files.folders.count(path), i == fault.counter ? 0u : 1u) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Disk, FolderFaults,
    testing::Values(Fault{"Permission denied", 1}, Fault{"No space left on device", 7},
                    Fault{"File name too long", 12}, Fault{"File exists", 5},
                    Fault{"Read-only file system", 2},
                    Fault{"The filename, directory name, or volume label syntax is incorrect.",
                          9}));

TEST(FolderFaults, ATargetRemovedMidRunFailsEveryFolderAfterIt) {
    Form1Harness h(kPosixTraits, "/opt/q");
    h.files.folders = {"/data"};
    h.Enter("F#", "6", "/data");
    h.pump.onPump = [&](int call) {
        if (call == 4) {
            for (int i = 4; i <= 6; ++i) {
                h.files.failures["/data/F" + std::to_string(i)] = "No such file or directory";
            }
        }
        return true;
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created, (std::vector<std::string>{"/data/F1", "/data/F2", "/data/F3"}));
    ASSERT_EQ(h.dialogs.shown.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(h.dialogs.shown[static_cast<std::size_t>(i)].text.find(
                      "No such file or directory\r\nin "
                      "QuireBatch2021/08/31.Form1.PushButton1_Click at line 126"),
                  0u);
    }
}

TEST(FolderFaults, AFullDiskForTheRestOfTheRunReportsEachFolderAndStillAsks) {
    Form1Harness h(kPosixTraits, "/opt/q");
    h.files.folders = {"/data"};
    h.Enter("F#", "5", "/data");
    h.files.beforeCreate = [&](const std::string& path) {
        if (path >= "/data/F3") throw Failure("No space left on device");
    };
    h.form.PushButton1_Click();
    EXPECT_EQ(h.files.created.size(), 2u);
    EXPECT_EQ(h.dialogs.shown.size(), 4u);  // three reports, then the question
    EXPECT_FALSE(h.form.RunInProgress());
}

}  // namespace
}  // namespace quire
