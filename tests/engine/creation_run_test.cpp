#include "engine/creation_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fakes/fake_file_system.h"

namespace quire {
namespace {

using fakes::FakeFileSystem;

TEST(ValidateRun, ChecksTargetThenPatternThenCount) {
    FakeFileSystem files;
    files.folders = {"C:\\Jobs"};
    files.files = {"C:\\file.txt"};

    for (const char* target : {"C:\\missing", "C:\\file.txt", ""}) {
        const auto refusal = ValidateRun(files, target, "A#B#", "abc", ".", '\\');
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->input, RunRefusal::Input::Target);
        EXPECT_EQ(refusal->message, "Folder does not appear to be valid");
    }
    const auto pattern = ValidateRun(files, "C:\\Jobs", "A#B#", "abc", ".", '\\');
    ASSERT_TRUE(pattern);
    EXPECT_EQ(pattern->message,
              "You must have a single block of #'s present in your naming scheme.");
    EXPECT_EQ(ValidateRun(files, "C:\\Jobs", "Folder", "3", ".", '\\')->input,
              RunRefusal::Input::Pattern);

    EXPECT_EQ(ValidateRun(files, "C:\\Jobs", "F#", "abc", ".", '\\')->message,
              "abc does not appear to be a number.");
    EXPECT_EQ(ValidateRun(files, "C:\\Jobs", "F#", "", ".", '\\')->message,
              " does not appear to be a number.");
    EXPECT_FALSE(ValidateRun(files, "C:\\Jobs", "F#", "2147483648", ".", '\\'));
    EXPECT_FALSE(ValidateRun(files, "C:\\Jobs", "F#", "-4", ".", '\\'));
}

TEST(AppendFolderPath, UsesTheTargetAsTyped) {
    std::string path;
    AppendFolderPath(path, "C:\\Jobs\\", '\\', "F##", 2);
    EXPECT_EQ(path, "C:\\Jobs\\\\F02");
    path.clear();
    AppendFolderPath(path, " /tmp/x ", '/', " a# ", 1);
    EXPECT_EQ(path, " /tmp/x / a1 ");
}

// Records what the loop tells it; its inputs can change between folders.
class RecordingHost final : public RunHost {
public:
    std::string pattern = "F##";
    std::string target = "/t";
    std::vector<std::string> events;
    std::function<bool(int)> beforeFolder;
    int folders = 0;

    bool BeforeFolder() override {
        ++folders;
        events.push_back("before");
        return beforeFolder ? beforeFolder(folders) : true;
    }
    bool ReadInputs(std::string& p, std::string& t) override {
        p = pattern;
        t = target;
        return true;
    }
    void InputsFailed(const std::exception&) override {}
    void FolderCreated(const std::string& path) override { events.push_back("created " + path); }
    void FolderSkipped(const std::string& path) override { events.push_back("skipped " + path); }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        events.push_back("failed " + path + ": " + failure.what());
    }
    void CounterOverflow() override { events.push_back("overflow"); }
};

TEST(RunCreationLoop, SkipsExistingFoldersAndGoesOnAfterAFailure) {
    FakeFileSystem files;
    files.folders = {"/t/F02"};
    files.failures = {{"/t/F03", "Permission denied"}};
    RecordingHost host;

    EXPECT_EQ(RunCreationLoop(files, host, 4, '/'), RunEnd::Finished);
    EXPECT_EQ(host.events, (std::vector<std::string>{
                               "before", "created /t/F01", "before", "skipped /t/F02", "before",
                               "failed /t/F03: Permission denied", "before", "created /t/F04"}));
    // An existing folder is never asked to be created.
    EXPECT_EQ(std::count(files.calls.begin(), files.calls.end(), "create /t/F02"), 0);
}

TEST(RunCreationLoop, ReadsPatternAndTargetAfreshForEveryFolder) {
    FakeFileSystem files;
    RecordingHost host;
    host.beforeFolder = [&](int folder) {
        if (folder == 2) host.pattern = "G#";
        if (folder == 3) host.target = "/u";
        return true;
    };
    RunCreationLoop(files, host, 3, '/');
    EXPECT_EQ(files.created, (std::vector<std::string>{"/t/F01", "/t/G2", "/u/G3"}));
}

TEST(RunCreationLoop, StopsAtOnceWhenTheHostSaysSo) {
    FakeFileSystem files;
    RecordingHost host;
    host.beforeFolder = [](int folder) { return folder < 3; };
    EXPECT_EQ(RunCreationLoop(files, host, 10, '/'), RunEnd::Stopped);
    EXPECT_EQ(files.created, (std::vector<std::string>{"/t/F01", "/t/F02"}));
}

TEST(RunCreationLoop, ACountOfZeroOrLessCreatesNothing) {
    for (const std::int32_t count : {0, -4, std::numeric_limits<std::int32_t>::min()}) {
        FakeFileSystem files;
        RecordingHost host;
        EXPECT_EQ(RunCreationLoop(files, host, count, '/'), RunEnd::Finished);
        EXPECT_TRUE(host.events.empty());
    }
}

TEST(RunCreationLoop, TheCounterWidensPastTheBlock) {
    FakeFileSystem files;
    RecordingHost host;
    host.pattern = "#";
    RunCreationLoop(files, host, 10, '/');
    EXPECT_EQ(files.created.back(), "/t/10");
    EXPECT_EQ(files.created.size(), 10u);
}

}  // namespace
}  // namespace quire
