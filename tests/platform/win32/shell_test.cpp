// Shell launches with the launch functions replaced: no test starts a browser or a file manager.
#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shell.h"

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

struct CreateProcessCall {
    bool hasApplication;
    std::wstring commandLine;
    DWORD startFlags;
    WORD show;
};
CreateProcessCall lastCreate;
bool createSucceeds = true;

BOOL WINAPI RecordCreateProcess(LPCWSTR application, LPWSTR commandLine, LPSECURITY_ATTRIBUTES,
                                LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR,
                                LPSTARTUPINFOW startup, LPPROCESS_INFORMATION started) {
    lastCreate = {application != nullptr, commandLine, startup->dwFlags, startup->wShowWindow};
    *started = PROCESS_INFORMATION{};
    if (!createSucceeds) SetLastError(ERROR_FILE_NOT_FOUND);
    return createSucceeds ? TRUE : FALSE;
}

const Launchers kRecording{&RecordShellExecute, &RecordCreateProcess};
HWND const kOwner = reinterpret_cast<HWND>(0x1234);

TEST(Win32Shell, OpensTheTargetQuotedWithNoVerbFromTheDriveRoot) {
    Win32Shell shell(kOwner, kRecording);
    shell.OpenInShell("C:\\Users\\ada\\My Jobs\\");  // the result 2 is ignored: no throw
    EXPECT_EQ(lastExecute.owner, kOwner);
    EXPECT_FALSE(lastExecute.hasVerb);
    EXPECT_EQ(lastExecute.file, L"\"C:\\Users\\ada\\My Jobs\\\"");
    EXPECT_FALSE(lastExecute.hasParameters);
    EXPECT_EQ(lastExecute.directory, L"C:\\");
    EXPECT_EQ(lastExecute.show, SW_SHOW);
}

TEST(Win32Shell, RunsTheCommandMinimizedWithoutWaiting) {
    createSucceeds = true;
    Win32Shell shell(kOwner, kRecording);
    shell.RunShellCommand({"explorer", "https://www.quillmark.example/", 2});
    EXPECT_FALSE(lastCreate.hasApplication);
    EXPECT_EQ(lastCreate.commandLine, L"explorer \"https://www.quillmark.example/\"");
    EXPECT_TRUE(lastCreate.startFlags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(lastCreate.show, SW_SHOWMINIMIZED);
}

TEST(Win32Shell, CommandThatCannotStartIsAFailureWithTheSystemsText) {
    createSucceeds = false;
    Win32Shell shell(kOwner, kRecording);
    EXPECT_THROW(shell.RunShellCommand({"explorer", "x", 2}), Failure);
    createSucceeds = true;

    Win32Shell real(nullptr);  // a program that does not exist starts nothing at all
    EXPECT_THROW(real.RunShellCommand({"quire-no-such-program-4711", "x", 2}), Failure);
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
