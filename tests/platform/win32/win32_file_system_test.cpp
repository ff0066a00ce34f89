// The Windows file system port on a scratch folder.
#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/failure.h"
#include "engine/foretold_rows.h"
#include "engine/memory_source.h"
#include "engine/run_preview.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

using testing::ScratchFolder;

void WriteFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file =
        CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
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
    files.CreateFolderUnlessExists(scratch / "Folder 001");
    EXPECT_TRUE(files.FolderExists(scratch / "Folder 001"));
    EXPECT_THROW(files.CreateFolderUnlessExists(scratch / "missing\\Folder 001"), Failure);
    EXPECT_FALSE(files.FolderExists(scratch / "missing"));
}

TEST_F(Win32FileSystemTest, FailureCarriesThePlatformsDescription) {
    WriteFile(scratch / "Folder 002");
    try {
        files.CreateFolderUnlessExists(scratch / "Folder 002");
        FAIL() << "a file of that name must make the creation fail";
    } catch (const Failure& failure) {
        const std::string text = failure.what();
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("Error "), std::string::npos) << text;  // a real description
        EXPECT_NE(text.back(), '\n');
    }
}

TEST_F(Win32FileSystemTest, CreateUnlessExistsSkipsFoldersButNotFiles) {
    EXPECT_EQ(files.CreateFolderUnlessExists(scratch / "a"), Creation::Created);
    EXPECT_EQ(files.CreateFolderUnlessExists(scratch / "a"), Creation::Existed);
    WriteFile(scratch / "b");
    EXPECT_THROW(files.CreateFolderUnlessExists(scratch / "b"), Failure);
    EXPECT_THROW(files.CreateFolderUnlessExists(scratch / "bad|name"), Failure);
}

TEST_F(Win32FileSystemTest, NamesOutsideTheAnsiCodePageAreCreatedExactly) {
    const std::string name = "Akte \xC3\x84rger \xE2\x9C\x93 \xE6\x97\xA5\xE6\x9C\xAC 001";
    files.CreateFolderUnlessExists(scratch / name);
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
    EXPECT_THROW(files.CreateFolderUnlessExists(withNul), Failure);
    EXPECT_FALSE(files.FolderExists(cut));  // nothing was created under the shortened name
    files.CreateFolderUnlessExists(cut);
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
    files.CreateFolderUnlessExists(scratch / "o.cjs");
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

// Only an ordinary file is read, whole, under the ceiling; a device's name never reaches the
// system, and a device that a name leads to is closed unread. (Folders, held and large files in
// place of the program's files: hostile_files_test.)
TEST_F(Win32FileSystemTest, ReadsOnlyOrdinaryFilesUnderTheCeiling) {
    HANDLE file = CreateFileW(Wide(scratch / "theme").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, "0123456789ABCDEF", 16, &written, nullptr);
    CloseHandle(file);
    WriteFile(scratch / "empty");
    std::vector<std::pair<std::string, std::string>> cases = {
        // path, content or failure
        {scratch / "theme", "0123456789ABCDEF"},
        {scratch / "empty", ""},
        {scratch / "missing", "File not found"},
        {scratch / "missing\\theme", "File not found"},
        {scratch / "NUL", "Not an ordinary file but a device"},
        {scratch / "con.cjs", "Not an ordinary file but a device"},
        {"\\\\.\\pipe\\quire", "Not an ordinary file but a device"},
    };
    if (testing::UnderWine()) {  // the host's own devices, through Wine's drive of its root
        cases.push_back({"Z:\\dev\\zero", "Not an ordinary file but a device"});
    }
    for (const auto& [path, expected] : cases) {
        try {
            EXPECT_EQ(files.ReadSmallFile(path, 16), expected);
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.what(), expected) << path;
        }
    }
    EXPECT_THROW(files.ReadSmallFile(scratch / "theme", 15), Failure);
}

}  // namespace
}  // namespace quire::win32

namespace quire::win32 {
namespace {

// What stands at a folder's name after it was made decides whether it may be removed: only the
// same folder, still empty, is; nothing else is touched.
TEST_F(Win32FileSystemTest, RemovesOnlyTheSameEmptyFolder) {
    using enum Removal;
    const struct {
        const char* name;
        void (*change)(const std::string& folder);
        Removal removal;
    } cases[] = {
        {"untouched", [](const std::string&) {}, Removed},
        {"filled", [](const std::string& folder) { WriteFile(folder + "\\note.txt"); }, NotEmpty},
        {"removed", [](const std::string& folder) { RemoveDirectoryW(Wide(folder).c_str()); },
         Gone},
        {"made again",
         [](const std::string& folder) {
             // Renamed, not removed: Wine's file id is the inode, which Linux may give again.
             MoveFileW(Wide(folder).c_str(), Wide(folder + " aside").c_str());
             CreateDirectoryW(Wide(folder).c_str(), nullptr);
         },
         Changed},
        {"replaced by a file",
         [](const std::string& folder) {
             RemoveDirectoryW(Wide(folder).c_str());
             WriteFile(folder);
         },
         Changed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = scratch / c.name;
        files.CreateFolderUnlessExists(folder);
        const FolderIdentity identity = files.IdentityOf(folder);
        EXPECT_EQ(files.IdentityOf(folder), identity);
        c.change(folder);
        EXPECT_EQ(files.PredictRemoval(folder, identity, 0, 0), c.removal);
        EXPECT_EQ(files.RemoveEmptyFolder(folder, identity, 0), c.removal);
        EXPECT_EQ(files.PathExists(folder), c.removal != Removed && c.removal != Gone);
    }
    files.CreateFolderUnlessExists(scratch / "a");
    files.CreateFolderUnlessExists(scratch / "b");
    EXPECT_NE(files.IdentityOf(scratch / "a"), files.IdentityOf(scratch / "b"));
    EXPECT_THROW(files.IdentityOf(scratch / "replaced by a file"), Failure);
    EXPECT_THROW(files.IdentityOf(scratch / "missing"), Failure);
}

// A run with subfolders goes back and forth between more parents than are kept, and one folder
// has no parent named (the current folder): each identity is still the one undo will compare.
TEST_F(Win32FileSystemTest, TheIdentityOfACreatedFolderIsItsIdentity) {
    std::vector<std::string> made;
    for (const char* top : {"F1", "F2"}) {
        made.push_back(scratch / top);
        for (const char* sub : {"a", "b", "c", "d", "e"}) {
            made.push_back(scratch / top + "\\" + sub);
            made.push_back(made.back() + "\\x");
        }
    }
    for (const std::string& folder : made) {
        files.CreateFolderUnlessExists(folder);
        EXPECT_EQ(files.IdentityOfCreated(folder), files.IdentityOf(folder)) << folder;
    }
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    ASSERT_TRUE(SetCurrentDirectoryW(Wide(scratch.Path()).c_str()));
    EXPECT_EQ(files.IdentityOfCreated("F1"), files.IdentityOf(scratch / "F1"));
    SetCurrentDirectoryW(current);  // the scratch folder can go only when no longer current
    EXPECT_EQ(files.IdentityOfCreated(scratch / "F1\\"), files.IdentityOf(scratch / "F1"));
    WriteFile(scratch / "file");
    EXPECT_THROW(files.IdentityOfCreated(scratch / "file"), Failure);
    EXPECT_THROW(files.IdentityOfCreated(scratch / "missing"), Failure);
}

// A dry run foresees a folder emptied by the removals before it.
TEST_F(Win32FileSystemTest, PredictsARemovalAfterTheEntriesRemovedFirst) {
    files.CreateFolderUnlessExists(scratch / "F");
    files.CreateFolderUnlessExists(scratch / "F\\A");
    const FolderIdentity identity = files.IdentityOf(scratch / "F");
    EXPECT_EQ(files.PredictRemoval(scratch / "F", identity, 0, 0), Removal::NotEmpty);
    EXPECT_EQ(files.PredictRemoval(scratch / "F", identity, 0, 1), Removal::Removed);
    EXPECT_TRUE(files.FolderExists(scratch / "F\\A"));
}

// One listing of a folder: every entry once, with whether a folder would be found at its name; a
// folder that cannot be read is a Failure, not an empty listing.
TEST_F(Win32FileSystemTest, ListsEveryEntryOfAFolderOnce) {
    const std::string surrogates = "Ordner \xF0\x9F\x93\x81 \xF0\x9D\x84\x9E";  // outside the BMP
    files.CreateFolderUnlessExists(scratch / "full");
    files.CreateFolderUnlessExists(scratch / "full\\Sub");
    files.CreateFolderUnlessExists(scratch / ("full\\" + surrogates));
    WriteFile(scratch / "full\\note.txt");
    WriteFile(scratch / "full\\hidden", FILE_ATTRIBUTE_HIDDEN);
    files.CreateFolderUnlessExists(scratch / "empty");
    WriteFile(scratch / "file");
    const struct {
        const char* name;
        std::string path;
        std::vector<std::string> entries;  // "name/" for a folder
        bool fails;
    } cases[] = {
        {"ordinary", scratch / "full", {"Sub/", "hidden", "note.txt", surrogates + "/"}, false},
        {"separator at the end",
         scratch / "full\\",
         {"Sub/", "hidden", "note.txt", surrogates + "/"},
         false},
        {"empty", scratch / "empty", {}, false},
        {"missing", scratch / "missing", {}, true},
        {"a file", scratch / "file", {}, true},
        {"a NUL inside", scratch / "full" + std::string(1, '\0'), {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> entries;
        const auto list = [&] {
            files.ListEntries(c.path, [&](std::string_view name, bool folder) {
                entries.push_back(std::string(name) + (folder ? "/" : ""));
            });
        };
        if (c.fails) {
            EXPECT_THROW(list(), Failure);
            continue;
        }
        list();
        std::sort(entries.begin(), entries.end());
        std::vector<std::string> expected = c.entries;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(entries, expected);
    }
}

// The preview answers from listings; a name Windows refuses by its form alone, shorter than one
// it accepted, must still be foretold to fail as the run would fail it.
TEST_F(Win32FileSystemTest, APreviewFailsTheNamesTheRunWouldFail) {
    files.CreateFolderUnlessExists(scratch / "kept");
    const std::string lines = "longer name\nCON\nnul.txt\nab.\nab \nkept\nx\n";
    MemorySource source(lines);
    MemorySource again(lines);
    NameList names(source);
    NameList namesAgain(again);
    RunPlan plan;
    plan.names = &names;
    const RunPreview preview(files, &files, files, plan, "", scratch.Path(), '\\');
    plan.names = &namesAgain;
    EXPECT_EQ(PreviewRows(preview), DryRun(files, plan, "", scratch.Path(), '\\'));
    EXPECT_EQ(preview.Count(), (RunPreview::Totals{2, 1, 4}));
}

}  // namespace
}  // namespace quire::win32
