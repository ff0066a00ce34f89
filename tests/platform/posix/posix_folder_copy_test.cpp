#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/failure.h"
#include "platform/posix/posix_file_system.h"

namespace quire {
namespace {

namespace fs = std::filesystem;

class PosixFolderCopyTest : public testing::Test {
protected:
    fs::path root;
    PosixFileSystem files;

    void SetUp() override {
        char name[] = "/tmp/quire_copy_XXXXXX";
        root = ::mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(root); }
    std::string At(const std::string& name) const { return (root / name).string(); }
    static std::string Content(const fs::path& path) {
        std::stringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    // Whatever a copy left in `folder` besides what it is meant to leave.
    static std::size_t Entries(const fs::path& folder) {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
};

TEST_F(PosixFolderCopyTest, CopiesFoldersAndFilesAndLeavesLinksAndPipesOut) {
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

TEST_F(PosixFolderCopyTest, AMissingOriginalGivesAnEmptyFolder) {
    files.CopyFolder(At("none"), At("copy"));
    EXPECT_TRUE(fs::is_directory(At("copy")));
    EXPECT_EQ(Entries(At("copy")), 0u);
}

TEST_F(PosixFolderCopyTest, KeepsAFolderMadeMeanwhileAndRefusesAFileInTheWay) {
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

TEST_F(PosixFolderCopyTest, MayCreateOnlyInAFolder) {
    fs::create_directory(At("dir"));
    std::ofstream(At("file")) << "x";
    EXPECT_TRUE(files.CanCreateIn(At("dir")));
    EXPECT_FALSE(files.CanCreateIn(At("file")));
    EXPECT_FALSE(files.CanCreateIn(At("none")));
}

}  // namespace
}  // namespace quire
