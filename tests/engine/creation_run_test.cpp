#include "engine/creation_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fakes/fake_file_system.h"
#include "memory_source.h"

namespace quire {
namespace {

using fakes::FakeFileSystem;

TEST(AppendFolderPath, UsesTheTargetAsTyped) {
    std::string path;
    AppendFolderPath(path, "C:\\Jobs\\", '\\', NamePattern("F##"), 2);
    EXPECT_EQ(path, "C:\\Jobs\\\\F02");
    path.clear();
    AppendFolderPath(path, " /tmp/x ", '/', NamePattern(" a# "), 1);
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

namespace quire {
namespace {

// The same plan, run and foretold on two copies of one file system: the host hears the same.
std::vector<std::string> Heard(const FakeFileSystem& files, RunPlan plan, const std::string& list,
                               bool predictOnly) {
    FakeFileSystem copy = files;
    RecordingHost host;
    host.pattern = "F#";
    MemorySource source(list, 3);
    NameList names(source);
    if (!list.empty()) plan.names = &names;
    EXPECT_EQ(predictOnly ? ForeseeCreationLoop(copy, copy, host, plan, '/')
                          : RunCreationLoop(copy, host, plan, '/'),
              RunEnd::Finished);
    std::erase(host.events, "before");
    EXPECT_TRUE(!predictOnly || copy.created.empty());
    return host.events;
}

TEST(RunPlan, CountsFromStartByStepWithSubfoldersAndNamesFromAList) {
    FakeFileSystem files;
    files.folders = {"/t", "/t/F3", "/t/F3/a"};
    files.files = {"/t/F5"};
    files.parentsMustExist = true;
    const struct {
        RunPlan plan;
        std::string list;
        std::vector<std::string> heard;
    } cases[] = {
        {{.count = 3, .start = 1, .step = 2, .subfolders = {"a", "a/b"}},
         "",
         {"created /t/F1", "created /t/F1/a", "created /t/F1/a/b", "skipped /t/F3",
          "skipped /t/F3/a", "created /t/F3/a/b", "failed /t/F5: File exists",
          "failed /t/F5/a: No such file or directory",
          "failed /t/F5/a/b: No such file or directory"}},
        {{.count = 2, .start = 7, .step = -7}, "", {"created /t/F7", "created /t/F0"}},
        {{.start = 5, .step = -5},
         "A\n\n##\nA/B\nA\nx#y#\n../up\n#\nplain\n",
         {"created /t/A", "created /t/00", "created /t/A/B", "skipped /t/A",
          "failed /t/x#y#: line 6: the #'s in it are not one block",
          "failed /t/../up: line 7: a \"..\" in it would put the folder outside the target folder",
          "failed /t/#: line 8: its counter, -25, is below 0", "created /t/plain"}},
        {{.subfolders = {"s"}},
         "N\nN\n",
         {"created /t/N", "created /t/N/s", "skipped /t/N", "skipped /t/N/s"}},
        {{.count = 2, .portable = true}, "", {"created /t/F1", "created /t/F2"}},
        {{.subfolders = {"ok", "bad."}, .portable = true},
         "nul.txt\nA\n",
         {"failed /t/nul.txt: \"nul.txt\" is a name Windows reserves for a device",
          "failed /t/nul.txt/ok: \"nul.txt\" is a name Windows reserves for a device",
          "failed /t/nul.txt/bad.: \"nul.txt\" is a name Windows reserves for a device",
          "created /t/A", "created /t/A/ok",
          "failed /t/A/bad.: The name \"bad.\" ends in a dot or blank, which Windows would "
          "drop"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Heard(files, c.plan, c.list, false), c.heard) << c.list;
        EXPECT_EQ(Heard(files, c.plan, c.list, true), c.heard) << "dry run of " << c.list;
    }
}

TEST(RunPlan, AListThatCannotBeReadOnEndsTheRun) {
    class Failing final : public ByteSource {
        std::optional<std::size_t> Read(char*, std::size_t) override {
            throw Failure("Input/output error");
        }
    } source;
    NameList names(source);
    FakeFileSystem files;
    RecordingHost host;
    RunPlan plan;
    plan.names = &names;
    EXPECT_THROW(RunCreationLoop(files, host, plan, '/'), Failure);  // the host's default
    EXPECT_TRUE(files.created.empty());
}

}  // namespace
}  // namespace quire
