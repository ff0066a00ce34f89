// The Windows file system port on a scratch folder.
#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

using testing::ScratchFolder;

void WriteFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              attributes, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

class Win32FileSystemTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, FolderExistsOnlyForFolders) {
    WriteFile(scratch / "note.txt");
    EXPECT_TRUE(files.FolderExists(scratch.Path()));
    EXPECT_TRUE(files.FolderExists(scratch.Path() + "\\"));
    EXPECT_FALSE(files.FolderExists(scratch / "note.txt"));
    EXPECT_FALSE(files.FolderExists(scratch / "missing"));
    EXPECT_FALSE(files.FolderExists(""));
}

TEST_F(Win32FileSystemTest, CreatesExactlyTheLastComponent) {
    files.CreateFolder(scratch / "Folder 001");
    EXPECT_TRUE(files.FolderExists(scratch / "Folder 001"));
    EXPECT_THROW(files.CreateFolder(scratch / "missing\\Folder 001"), Failure);
    EXPECT_FALSE(files.FolderExists(scratch / "missing"));
}

TEST_F(Win32FileSystemTest, FailureCarriesThePlatformsDescription) {
    WriteFile(scratch / "Folder 002");
    try {
        files.CreateFolder(scratch / "Folder 002");
        FAIL() << "a file of that name must make the creation fail";
    } catch (const Failure& failure) {
        const std::string text = failure.what();
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("Error "), std::string::npos) << text;  // a real description
        EXPECT_NE(text.back(), '\n');
    }
}

TEST_F(Win32FileSystemTest, CreateUnlessExistsSkipsFoldersButNotFiles) {
    using Creation = FileSystem::Creation;
    EXPECT_EQ(files.CreateFolderUnlessExists(scratch / "a"), Creation::Created);
    EXPECT_EQ(files.CreateFolderUnlessExists(scratch / "a"), Creation::Existed);
    WriteFile(scratch / "b");
    EXPECT_THROW(files.CreateFolderUnlessExists(scratch / "b"), Failure);
    EXPECT_THROW(files.CreateFolderUnlessExists(scratch / "bad|name"), Failure);
}

TEST_F(Win32FileSystemTest, NamesOutsideTheAnsiCodePageAreCreatedExactly) {
    const std::string name = "Akte \xC3\x84rger \xE2\x9C\x93 \xE6\x97\xA5\xE6\x9C\xAC 001";
    files.CreateFolder(scratch / name);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Wide(scratch / "Akte*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(Utf8(found.cFileName), name);
    EXPECT_TRUE(files.FolderExists(scratch / name));
}

TEST_F(Win32FileSystemTest, PathWithANulInsideIsRefusedNotCutShort) {
    const std::string cut = scratch / "Folder";
    const std::string withNul = cut + std::string(1, '\0') + "001";
    EXPECT_THROW(files.CreateFolder(withNul), Failure);
    EXPECT_THROW(files.CreateFolderUnlessExists(withNul), Failure);
    EXPECT_FALSE(files.FolderExists(cut));  // nothing was created under the shortened name
    files.CreateFolder(cut);
    EXPECT_FALSE(files.FolderExists(withNul));
    EXPECT_FALSE(files.PathExists(withNul));
    EXPECT_FALSE(files.PlainFileExists(withNul));
}

TEST_F(Win32FileSystemTest, PathExistsForFilesAndFolders) {
    WriteFile(scratch / "HAND-M.CUR");
    EXPECT_TRUE(files.PathExists(scratch / "HAND-M.CUR"));
    EXPECT_TRUE(files.PathExists(scratch.Path()));
    EXPECT_FALSE(files.PathExists(scratch / "absent.cur"));
}

TEST_F(Win32FileSystemTest, PlainFileIsNeitherFolderNorHiddenNorSystem) {
    WriteFile(scratch / "plain");
    WriteFile(scratch / "readonly", FILE_ATTRIBUTE_READONLY);
    WriteFile(scratch / "hidden", FILE_ATTRIBUTE_HIDDEN);
    WriteFile(scratch / "system", FILE_ATTRIBUTE_SYSTEM);
    files.CreateFolder(scratch / "o.cjs");
    EXPECT_TRUE(files.PlainFileExists(scratch / "plain"));
    EXPECT_TRUE(files.PlainFileExists(scratch / "readonly"));
    EXPECT_FALSE(files.PlainFileExists(scratch / "hidden"));
    EXPECT_FALSE(files.PlainFileExists(scratch / "system"));
    EXPECT_FALSE(files.PlainFileExists(scratch / "o.cjs"));
    EXPECT_FALSE(files.PlainFileExists(scratch / "absent"));
    // A pattern would find "plain"; only the exact name counts.
    EXPECT_FALSE(files.PlainFileExists(scratch / "pl*"));
    SetFileAttributesW(Wide(scratch / "readonly").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Something in place of a small file never blocks and never passes for it: each case has its own
// true description, and "File not found" only when nothing is there.
TEST_F(Win32FileSystemTest, ReadsOnlyOrdinaryFilesUnderTheCeiling) {
    constexpr std::size_t kLimit = 16;
    const auto write = [&](const std::string& name, const std::string& content) {
        HANDLE file = CreateFileW(Wide(scratch / name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    };
    write("theme", "[Window]\r\n");
    write("empty", "");
    write("full", std::string(kLimit, 'x'));
    write("over", std::string(kLimit + 1, 'x'));
    write("locked", "x");
    files.CreateFolder(scratch / "folder");
    // Held open without sharing, as another program may hold it.
    const HANDLE held = CreateFileW(Wide(scratch / "locked").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);

    struct Case {
        std::string path;
        std::string content;  // what is read, or else
        std::string why;      // a part of the failure's description
    };
    std::vector<Case> cases = {
        {scratch / "theme", "[Window]\r\n", ""},
        {scratch / "empty", "", ""},
        {scratch / "full", std::string(kLimit, 'x'), ""},
        {scratch / "over", "", "larger than 16 bytes"},
        {scratch / "missing", "", "File not found"},
        {scratch / "missing\\theme", "", "File not found"},
        {scratch / "folder", "", "Not an ordinary file but a folder"},
        {scratch / "locked", "", SystemMessage(ERROR_SHARING_VIOLATION)},
        {scratch / "NUL", "", "Not an ordinary file but a device"},
        {scratch / "con.cjs", "", "Not an ordinary file but a device"},
        {"\\\\.\\pipe\\quire", "", "Not an ordinary file but a device"},
    };
    if (testing::UnderWine()) {  // the host's own devices, through Wine's drive of its root
        cases.push_back({"Z:\\dev\\zero", "", "Not an ordinary file but a device"});
        cases.push_back({"Z:\\dev\\null", "", "Not an ordinary file but a device"});
    }
    for (const Case& row : cases) {
        try {
            EXPECT_EQ(files.ReadSmallFile(row.path, kLimit), row.content) << row.path;
            EXPECT_EQ(row.why, "") << row.path;
        } catch (const Failure& failure) {
            EXPECT_NE(row.why, "") << row.path << ": " << failure.what();
            EXPECT_NE(std::string(failure.what()).find(row.why), std::string::npos)
                << row.path << ": " << failure.what();
        }
    }
    CloseHandle(held);
}

}  // namespace
}  // namespace quire::win32
