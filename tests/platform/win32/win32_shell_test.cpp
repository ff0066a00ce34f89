// Shell launches with the launch functions replaced: no test starts a browser or a file manager.
#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shell_item.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

struct ShellExecuteCall {
    HWND owner;
    bool hasVerb;
    std::wstring file;
    bool hasParameters;
    std::wstring directory;
    int show;
};
ShellExecuteCall lastExecute;

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR directory, INT show) {
    lastExecute = {owner, verb != nullptr, file, parameters != nullptr, directory, show};
    return reinterpret_cast<HINSTANCE>(2);  // "file not found": the result must not matter
}

// What a folder launch handed over: the folder as an item, never as text.
struct FolderLaunch {
    ULONG mask = 0;
    bool hasText = false;  // verb, file or parameters
    std::string folder;    // the item's path
};
std::vector<FolderLaunch> folderLaunches;

BOOL WINAPI RecordShellExecuteEx(SHELLEXECUTEINFOW* request) {
    const bool hasText = request->lpVerb != nullptr || request->lpFile != nullptr ||
                         request->lpParameters != nullptr;
    folderLaunches.push_back(
        {request->fMask, hasText, PathOfItem(static_cast<PCIDLIST_ABSOLUTE>(request->lpIDList))});
    return FALSE;  // the result must not matter
}

struct CreateProcessCall {
    std::wstring application;
    std::wstring commandLine;
    DWORD startFlags;
    WORD show;
};
CreateProcessCall lastCreate;
bool createSucceeds = true;

BOOL WINAPI RecordCreateProcess(LPCWSTR application, LPWSTR commandLine, LPSECURITY_ATTRIBUTES,
                                LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR,
                                LPSTARTUPINFOW startup, LPPROCESS_INFORMATION started) {
    lastCreate = {application != nullptr ? application : L"", commandLine, startup->dwFlags,
                  startup->wShowWindow};
    *started = PROCESS_INFORMATION{};
    if (!createSucceeds) SetLastError(ERROR_FILE_NOT_FOUND);
    return createSucceeds ? TRUE : FALSE;
}

const Launchers kRecording{&RecordShellExecute, &RecordShellExecuteEx, &RecordCreateProcess};
HWND const kOwner = reinterpret_cast<HWND>(0x1234);

TEST(Win32Shell, OpensAWebPageQuotedWithNoVerbFromTheDriveRoot) {
    Win32Shell shell(kOwner, kRecording);
    shell.OpenWebPage("https://www.quillmark.example/quirefromtext/");  // result 2: no throw
    EXPECT_EQ(lastExecute.owner, kOwner);
    EXPECT_FALSE(lastExecute.hasVerb);
    EXPECT_EQ(lastExecute.file, L"\"https://www.quillmark.example/quirefromtext/\"");
    EXPECT_FALSE(lastExecute.hasParameters);
    EXPECT_EQ(lastExecute.directory, L"C:\\");
    EXPECT_EQ(lastExecute.show, SW_SHOW);
}

// The folder opened is the one the run's check tested (target and separator), handed over as an
// item: names that a command line, a web address or variables would read otherwise stay names.
TEST(Win32Shell, OpensTheFolderTheRunUsedAsAnItemOrNothing) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::ScratchFolder scratch;
    Win32FileSystem files;
    for (const char* folder : {"%SystemRoot%", "%SystemRoot%\\system32",
                               "%SystemRoot%\\system32\\winver.exe", "a^&b %PATH%", "w"}) {
        files.CreateFolderUnlessExists(scratch / folder);
    }
    CloseHandle(CreateFileW(Wide(scratch / "note.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(Wide(scratch.Path()).c_str());
    const std::string drive = scratch.Path().substr(0, 2);

    const struct {
        std::string target;
        std::string opened;  // empty: nothing is opened
    } cases[] = {
        {scratch / "%SystemRoot%\\system32\\winver.exe",
         scratch / "%SystemRoot%\\system32\\winver.exe"},
        {scratch / "a^&b %PATH%\\", scratch / "a^&b %PATH%"},
        {drive, drive + "\\"},
        {drive + "w", scratch / "w"},  // the current folder of the drive, as the run resolved it
        {"\\\\?\\" + scratch.Path(), scratch.Path()},
        {scratch / "note.txt", ""},
        {scratch / "missing", ""},
        {scratch / "w ", ""},
        {"\\", ""},
        {"", ""},
    };
    Win32Shell shell(kOwner, kRecording);
    for (const auto& [target, opened] : cases) {
        folderLaunches.clear();
        shell.OpenFolder(target);
        if (opened.empty()) {
            EXPECT_TRUE(folderLaunches.empty()) << target;
            continue;
        }
        ASSERT_EQ(folderLaunches.size(), 1u) << target;
        EXPECT_EQ(folderLaunches[0].folder, opened) << target;
        EXPECT_TRUE(folderLaunches[0].mask & SEE_MASK_IDLIST) << target;
        EXPECT_FALSE(folderLaunches[0].hasText) << target;
    }
    SetCurrentDirectoryW(current);
    CoUninitialize();
}

std::wstring WindowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemWindowsDirectoryW(folder, MAX_PATH);
    return folder;
}

TEST(Win32Shell, RunsWindowsOwnProgramByItsFullPathMinimizedWithoutWaiting) {
    createSucceeds = true;
    Win32Shell shell(kOwner, kRecording);
    shell.RunShellCommand({"explorer", "https://www.quillmark.example/", 2});
    const std::wstring explorer = WindowsFolder() + L"\\explorer.exe";
    EXPECT_EQ(lastCreate.application, explorer);
    EXPECT_EQ(lastCreate.commandLine, L"\"" + explorer + L"\" \"https://www.quillmark.example/\"");
    EXPECT_TRUE(lastCreate.startFlags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(lastCreate.show, SW_SHOWMINIMIZED);
}

TEST(Win32Shell, CommandThatCannotStartIsAFailureWithTheSystemsText) {
    createSucceeds = false;
    Win32Shell shell(kOwner, kRecording);
    EXPECT_THROW(shell.RunShellCommand({"explorer", "x", 2}), Failure);
    createSucceeds = true;

    // A name that is none of Windows' programs is never looked up elsewhere: nothing starts.
    lastCreate = {};
    EXPECT_THROW(shell.RunShellCommand({"quire-no-such-program-4711", "x", 2}), Failure);
    EXPECT_TRUE(lastCreate.commandLine.empty());
}

TEST(Win32Shell, DesktopFolderIsARealFolderAndUnknownIdsGiveNothing) {
    Win32Shell shell(nullptr, kRecording);
    const std::string desktop = shell.SpecialFolderPath(0);
    ASSERT_FALSE(desktop.empty());
    EXPECT_NE(desktop.back(), '\\');
    EXPECT_TRUE(Win32FileSystem().FolderExists(desktop)) << desktop;
    EXPECT_EQ(shell.SpecialFolderPath(0x00FE), "");
}

}  // namespace
}  // namespace quire::win32
