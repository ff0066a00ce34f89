#include "platform/posix/posix_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/failure.h"

namespace quire {
namespace {

namespace fs = std::filesystem;

class PosixFileSystemTest : public testing::Test {
protected:
    fs::path root;
    PosixFileSystem files;

    void SetUp() override {
        char name[] = "/tmp/quire_posix_XXXXXX";
        root = ::mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(root); }
    std::string At(const std::string& name) const { return (root / name).string(); }
};

TEST_F(PosixFileSystemTest, TellsFoldersFilesAndNothingApart) {
    std::ofstream(At("file")) << "x";
    fs::create_directory(At("dir"));
    EXPECT_TRUE(files.FolderExists(At("dir")));
    EXPECT_FALSE(files.FolderExists(At("file")));
    EXPECT_FALSE(files.FolderExists(At("none")));
    EXPECT_FALSE(files.FolderExists(""));
    EXPECT_TRUE(files.PathExists(At("file")));
    EXPECT_TRUE(files.PathExists(At("dir")));
    EXPECT_FALSE(files.PathExists(At("none")));
    EXPECT_TRUE(files.PlainFileExists(At("file")));
    EXPECT_FALSE(files.PlainFileExists(At("dir")));
}

// Each gives its own true description, and none makes the read wait.
TEST_F(PosixFileSystemTest, ReadsOnlyAnOrdinaryFileUnderTheLimit) {
    const std::string path = At("HAND-M.CUR");
    const std::vector<std::pair<std::function<void()>, std::string>> cases{
        {[] {}, "File not found"},
        {[&] { fs::create_directory(path); }, "Is a directory"},
        {[&] { ::mkfifo(path.c_str(), 0600); }, "Not an ordinary file but a named pipe"},
        {[&] { fs::create_symlink("nowhere", path); }, "The link leads to nothing"},
        {[&] { std::ofstream(path) << std::string(kSmallFileLimit + 1, '\0'); },
         "The file is larger than 1 MiB"},
    };
    for (const auto& [make, description] : cases) {
        fs::remove_all(path);
        make();
        try {
            files.ReadSmallFile(path, kSmallFileLimit);
            ADD_FAILURE() << description;
        } catch (const Failure& failure) {
            EXPECT_EQ(std::string(failure.what()), description);
        }
    }
    fs::remove_all(path);
    std::ofstream(path) << std::string(kSmallFileLimit, 'x');
    EXPECT_EQ(files.ReadSmallFile(path, kSmallFileLimit).size(), kSmallFileLimit);
}

TEST_F(PosixFileSystemTest, CreatesOnceAndSaysWhyItCannot) {
    EXPECT_EQ(files.CreateFolderUnlessExists(At("a")), Creation::Created);
    EXPECT_EQ(files.CreateFolderUnlessExists(At("a")), Creation::Existed);
    std::ofstream(At("f")) << "x";
    const auto failure = [&](const std::string& path) {
        try {
            files.CreateFolderUnlessExists(path);
        } catch (const Failure& f) {
            return std::string(f.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(failure(At("f")), "File exists");
    EXPECT_EQ(failure(At("missing/child")), "No such file or directory");
    EXPECT_EQ(failure(At(std::string(256, 'n'))), "File name too long");
    EXPECT_EQ(failure(""), "No such file or directory");
}

TEST_F(PosixFileSystemTest, APathWithANulInsideIsRefusedNotCutShort) {
    fs::create_directory(At("a"));
    const std::string cut = At("a") + std::string(1, '\0') + "b";
    EXPECT_FALSE(files.FolderExists(cut));
    EXPECT_FALSE(files.PathExists(cut));
    EXPECT_THROW(files.CreateFolderUnlessExists(At("x") + std::string(1, '\0') + "y"), Failure);
    EXPECT_FALSE(fs::exists(At("x")));
}

// The dry run's prediction is what the creation then does. Entries in the way, unusable parents,
// permissions and read-only file systems are compared on the tool itself (cli_dry_run_test.sh);
// these are the paths whose spelling alone could set the two apart.
TEST_F(PosixFileSystemTest, PredictsWhatTheCreationDoes) {
    fs::create_directory(At("dir"));
    fs::create_directory_symlink(At("dir"), At("linked"));
    ASSERT_EQ(::mkfifo(At("fifo").c_str(), 0600), 0);
    const auto outcome = [](const std::function<Creation()>& creation) {
        try {
            return std::string(creation() == Creation::Created ? "Created" : "Existed");
        } catch (const Failure& failure) {
            return std::string(failure.what());
        }
    };
    const struct {
        std::string path;
        const char* outcome;
    } cases[] = {
        {At("new//"), "Created"},
        {At("dir/"), "Existed"},
        {At("dir/."), "Existed"},
        {At("linked/"), "Existed"},
        {At("fifo/"), "File exists"},
        {At("new2/."), "No such file or directory"},
        {At("fifo/new"), "Not a directory"},
        {"", "No such file or directory"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome([&] { return files.PredictCreation(c.path); }), c.outcome) << c.path;
        EXPECT_EQ(outcome([&] { return files.CreateFolderUnlessExists(c.path); }), c.outcome)
            << c.path;
    }
}

}  // namespace
}  // namespace quire

namespace quire {
namespace {

// Links are no folders of the tree, so a loop through one is never walked.
TEST_F(PosixFileSystemTest, ListsTheFoldersInAFolderWithoutFollowingLinks) {
    fs::create_directories(At("t/a/b"));
    fs::create_directory(At("t/c"));
    std::ofstream(At("t/file")) << "x";
    fs::create_directory_symlink(At("t"), At("t/loop"));
    fs::create_directory_symlink(At("t/c"), At("t/to-c"));
    std::vector<std::string> names = files.SubfolderNames(At("t"));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(files.SubfolderNames(At("t/c")).empty());
    EXPECT_THROW(files.SubfolderNames(At("t/file")), Failure);
    EXPECT_THROW(files.SubfolderNames(At("none")), Failure);
}

// A folder that the run makes first: only its name can be foretold.
TEST_F(PosixFileSystemTest, ForetellsNamesInAFolderStillToBeMade) {
    EXPECT_EQ(files.PredictCreationInPlannedFolder(At("new/deeper/x")), Creation::Created);
    EXPECT_EQ(files.PredictCreationInPlannedFolder(At("new/" + std::string(255, 'n'))),
              Creation::Created);
    EXPECT_THROW(files.PredictCreationInPlannedFolder(At("new/" + std::string(256, 'n'))), Failure);
    EXPECT_FALSE(fs::exists(At("new")));
}

}  // namespace
}  // namespace quire

namespace quire {
namespace {

// After the run, anything may stand at a folder's name: only the same folder, still empty, is
// removed, never what a link leads to, never what is inside.
TEST_F(PosixFileSystemTest, RemovesOnlyTheSameEmptyFolder) {
    using enum Removal;
    fs::create_directory(At("elsewhere"));
    const struct {
        const char* name;
        std::function<void(const fs::path&)> change;
        Removal removal;
    } cases[] = {
        {"untouched", [](const fs::path&) {}, Removed},
        {"filled", [](const fs::path& f) { std::ofstream(f / "note") << "x"; }, NotEmpty},
        {"removed", [](const fs::path& f) { fs::remove(f); }, Gone},
        {"made again",  // ext4 gives the freed inode number to the next new folder at once
         [](const fs::path& f) {
             fs::remove(f);
             // Past the file system's clock tick, which may be a few milliseconds long.
             std::this_thread::sleep_for(std::chrono::milliseconds(20));
             fs::create_directory(f);
         },
         Changed},
        {"replaced by a file",
         [](const fs::path& f) {
             fs::remove(f);
             std::ofstream(f) << "x";
         },
         Changed},
        {"replaced by a link to itself",
         [](const fs::path& f) {
             fs::path aside = f;
             aside += ".aside";
             fs::rename(f, aside);
             fs::create_directory_symlink(aside, f);
         },
         Changed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = root / c.name;
        files.CreateFolderUnlessExists(folder.string());
        const FolderIdentity identity = files.IdentityOf(folder.string());
        c.change(folder);
        EXPECT_EQ(files.PredictRemoval(folder.string(), identity, 0, 0), c.removal);
        EXPECT_EQ(files.RemoveEmptyFolder(folder.string(), identity, 0), c.removal);
        EXPECT_EQ(fs::symlink_status(folder).type() != fs::file_type::not_found,
                  c.removal != Removed && c.removal != Gone);
    }
    EXPECT_TRUE(fs::is_directory(root / "replaced by a link to itself.aside"));
    EXPECT_THROW(files.IdentityOf(At("replaced by a file")), Failure);
    EXPECT_THROW(files.IdentityOf(At("replaced by a link to itself")), Failure);
}

// The folder's own path through a moved target or a link in its place leads elsewhere.
TEST_F(PosixFileSystemTest, AMovedTargetLeavesNothingToRemoveThere) {
    fs::create_directory(At("target"));
    files.CreateFolderUnlessExists(At("target/F"));
    const FolderIdentity identity = files.IdentityOf(At("target/F"));
    fs::rename(At("target"), At("moved"));
    EXPECT_EQ(files.RemoveEmptyFolder(At("target/F"), identity, 0), Removal::Gone);
    fs::create_directory(At("target"));
    fs::create_directory(At("target/F"));
    EXPECT_EQ(files.RemoveEmptyFolder(At("target/F"), identity, 0), Removal::Changed);
    EXPECT_TRUE(fs::is_directory(At("moved/F")));
    EXPECT_EQ(files.PredictRemoval(At("moved"), files.IdentityOf(At("moved")), 0, 1),
              Removal::Removed);
}

// A series of removals opens the shared parent once: the folders checked and removed are those
// of the folder it opened, wherever that folder is moved meanwhile; a new parent path is opened
// anew.
TEST_F(PosixFileSystemTest, RemovalsShareTheParentTheyOpened) {
    fs::create_directories(At("target"));
    fs::create_directories(At("other"));
    for (const char* name : {"target/A", "target/B", "other/C"})
        files.CreateFolderUnlessExists(At(name));
    const FolderIdentity b = files.IdentityOf(At("target/B"));
    const FolderIdentity c = files.IdentityOf(At("other/C"));
    const std::unique_ptr<FolderRemoval::Removals> removals = files.StartRemovals();
    EXPECT_EQ(removals->Remove(At("target/A"), files.IdentityOf(At("target/A")), 0),
              Removal::Removed);
    fs::rename(At("target"), At("moved"));
    fs::create_directories(At("target/B"));
    EXPECT_EQ(removals->Remove(At("target/B"), b, 0), Removal::Removed);
    EXPECT_FALSE(fs::exists(At("moved/B")));
    EXPECT_TRUE(fs::is_directory(At("target/B")));
    EXPECT_EQ(removals->Remove(At("other/C"), c, 0), Removal::Removed);
}

// The copy of a folder (the user's own sample folder).
std::string Content(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// How many entries `folder` holds: what a copy leaves besides what it is meant to.
std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(PosixFileSystemTest, CopiesFoldersAndFilesAndLeavesLinksAndPipesOut) {
    fs::create_directories(At("shipped/Sub/Deeper"));
    std::ofstream(At("shipped/README.txt")) << "what it is for\n";
    std::ofstream(At("shipped/Sub/Deeper/big.bin")) << std::string(200000, 'x');
    fs::create_symlink("/etc/passwd", At("shipped/link"));
    ASSERT_EQ(::mkfifo(At("shipped/pipe").c_str(), 0600), 0);
    ::chmod(At("shipped/README.txt").c_str(), 0444);

    files.CopyFolder(At("shipped"), At("home/.local/share/quirebatch/Samples"));
    const fs::path copy = At("home/.local/share/quirebatch/Samples");
    EXPECT_EQ(Content(copy / "README.txt"), "what it is for\n");
    EXPECT_EQ(fs::file_size(copy / "Sub/Deeper/big.bin"), 200000u);
    EXPECT_FALSE(fs::exists(fs::symlink_status(copy / "link")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(copy / "pipe")));
    EXPECT_EQ(Entries(copy), 2u);
    // The user may change what was read-only for them; the parents are theirs alone.
    EXPECT_EQ(::access((copy / "README.txt").c_str(), W_OK), 0);
    struct stat parent {};
    ASSERT_EQ(::stat(At("home/.local").c_str(), &parent), 0);
    EXPECT_EQ(parent.st_mode & 0777, 0700u);
    EXPECT_EQ(Entries(At("home/.local/share/quirebatch")), 1u);  // no private name left
    EXPECT_EQ(Content(At("shipped/README.txt")), "what it is for\n");
}

TEST_F(PosixFileSystemTest, AMissingOriginalGivesAnEmptyFolder) {
    files.CopyFolder(At("none"), At("copy"));
    EXPECT_TRUE(fs::is_directory(At("copy")));
    EXPECT_EQ(Entries(At("copy")), 0u);
}

TEST_F(PosixFileSystemTest, KeepsAFolderMadeMeanwhileAndRefusesAFileInTheWay) {
    fs::create_directory(At("shipped"));
    std::ofstream(At("shipped/README.txt")) << "shipped";
    fs::create_directory(At("copy"));
    std::ofstream(At("copy/README.txt")) << "mine";
    files.CopyFolder(At("shipped"), At("copy"));
    EXPECT_EQ(Content(At("copy/README.txt")), "mine");

    std::ofstream(At("file")) << "x";
    try {
        files.CopyFolder(At("shipped"), At("file"));
        ADD_FAILURE() << "a file in the way was replaced";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "File exists");
    }
    EXPECT_THROW(files.CopyFolder(At("shipped"), At("file/Samples")), Failure);
    EXPECT_EQ(Entries(root), 3u);  // shipped, copy, file: nothing half made
}

TEST_F(PosixFileSystemTest, MayCreateOnlyInAFolder) {
    fs::create_directory(At("dir"));
    std::ofstream(At("file")) << "x";
    EXPECT_TRUE(files.CanCreateIn(At("dir")));
    EXPECT_FALSE(files.CanCreateIn(At("file")));
    EXPECT_FALSE(files.CanCreateIn(At("none")));
}

}  // namespace
}  // namespace quire
