// quirebatch-cli.exe as a user runs it: wide arguments, UTF-8 on a pipe, the exit statuses, a
// console event stopping a run, and paths longer than the plain calls take.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "cli/cli_run.h"
#include "cli/names_input.h"
#include "cli/stop_signals.h"
#include "cli/stop_signals_win32.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

namespace fs = std::filesystem;

struct Finished {
    DWORD status;
    std::string out;
    std::string err;
};

std::wstring ProgramPath() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return (fs::path(self).parent_path() / L"quirebatch-cli.exe").wstring();
}

// Quoted for the argument rules: backslashes before the closing quote are doubled.
std::wstring Quoted(const std::wstring& argument) {
    const std::size_t last = argument.find_last_not_of(L'\\');
    const std::size_t trailing = argument.size() - (last == std::wstring::npos ? 0 : last + 1);
    return L"\"" + argument + std::wstring(trailing, L'\\') + L"\"";
}

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    return text;
}

// Runs the tool with `arguments` (UTF-16), `input` on its standard input, its output on pipes.
// `whileRunning` is called with the process once it has started.
Finished RunTool(const std::vector<std::wstring>& arguments, const std::string& input = "",
                 DWORD flags = 0, void (*whileRunning)(const PROCESS_INFORMATION&) = nullptr) {
    std::wstring line = Quoted(ProgramPath());
    for (const std::wstring& argument : arguments) line += L" " + Quoted(argument);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite, inRead, inWrite;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    CreatePipe(&inRead, &inWrite, &inherit, 0);
    for (HANDLE ours : {outRead, errRead, inWrite})
        SetHandleInformation(ours, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, flags,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    CloseHandle(inRead);
    EXPECT_TRUE(started) << GetLastError();
    DWORD written = 0;
    WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    CloseHandle(inWrite);
    if (started && whileRunning != nullptr) whileRunning(process);
    Finished finished{};
    finished.out = ReadAll(outRead);  // the error output is small: its pipe never fills
    finished.err = ReadAll(errRead);
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &finished.status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(outRead);
    CloseHandle(errRead);
    return finished;
}

class Win32Cli : public ::testing::Test {
protected:
    testing::ScratchFolder scratch;
    fs::path root = fs::path(Wide(scratch.Path()));
    std::string Root() const { return scratch.Path(); }
};

TEST_F(Win32Cli, TakesWideArgumentsAndWritesUtf8ToAPipe) {
    const Finished run = RunTool({L"\u8ACB\u6C42\u66F8 ###", L"2", root.wstring(), L"--dry-run"});
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(run.out, Root() + "\\\xE8\xAB\x8B\xE6\xB1\x82\xE6\x9B\xB8 001\n" + Root() +
                           "\\\xE8\xAB\x8B\xE6\xB1\x82\xE6\x9B\xB8 002\n"
                           "created 2, skipped 0, failed 0\n");
}

TEST_F(Win32Cli, ExitStatusesAndMessagesAreThoseOfLinux) {
    const struct {
        std::vector<std::wstring> arguments;
        DWORD status;
        std::string err;
    } cases[] = {
        {{L"F #.", L"1", root.wstring()},
         1,
         "quirebatch-cli: error: " + Root() +
             "\\F 1.: The name \"F 1.\" ends in a dot or blank, which Windows "
             "would drop\n"},
        {{L"--step", L"0", L"F #", L"1", root.wstring()},
         2,
         "quirebatch-cli: --step 0: every folder would have the same number (see quirebatch-cli "
         "--help)\n"},
        {{L"..\\F #", L"1", root.wstring()},
         2,
         "quirebatch-cli: ..\\F #: a \"..\" in the pattern would put folders outside the target "
         "folder\n"},
        {{L"--each", L"C:x", L"F #", L"1", root.wstring()},
         2,
         "quirebatch-cli: --each C:x: an absolute path would lead out of the numbered folder\n"},
        {{L"--version"}, 0, ""},
    };
    for (const auto& c : cases) {
        const Finished run = RunTool(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, c.err);
    }
}

TEST_F(Win32Cli, ReadsNamesFromStandardInput) {
    const Finished run = RunTool({L"--names", L"-", root.wstring()}, "A\r\n### B\r\n\r\nA\r\n");
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(run.out, "created 2, skipped 1, failed 0\n");
    EXPECT_TRUE(fs::is_directory(root / L"A"));
    EXPECT_TRUE(fs::is_directory(root / L"002 B"));
}

// A list that starts with a byte order mark, as Notepad and PowerShell 5 write it, piped or in a
// file.
TEST_F(Win32Cli, ReadsAListInTheEncodingItsMarkNames) {
    using namespace std::string_literals;
    const std::string utf16 =
        "\xFF\xFE"
        "A\0\r\0\n\0\xC9\0t\0\xE9\0\r\0\n\0"s;
    const struct {
        const char* name;
        std::string list;
        bool inFile;
    } cases[] = {
        {"UTF-16LE piped", utf16, false},
        {"UTF-16LE in a file", utf16, true},
        {"UTF-8 in a file",
         "\xEF\xBB\xBF"
         "A\r\n\xC3\x89t\xC3\xA9\r\n",
         true},
    };
    const fs::path list = root / L"list.txt";
    const fs::path target = root / L"out";
    for (const auto& c : cases) {
        fs::remove_all(target);
        fs::create_directory(target);
        if (c.inFile) {
            std::FILE* file = _wfopen(list.c_str(), L"wb");
            ASSERT_NE(file, nullptr);
            std::fwrite(c.list.data(), 1, c.list.size(), file);
            std::fclose(file);
        }
        const Finished run =
            RunTool({L"--names", c.inFile ? list.wstring() : L"-", target.wstring()},
                    c.inFile ? "" : c.list);
        EXPECT_EQ(run.status, 0u) << c.name << ": " << run.err;
        EXPECT_EQ(run.out, "created 2, skipped 0, failed 0\n") << c.name;
        EXPECT_TRUE(fs::is_directory(target / L"A")) << c.name;
        EXPECT_TRUE(fs::is_directory(target / L"\u00C9t\u00E9")) << c.name;
    }
}

// Paths past MAX_PATH, inside a target that is itself longer than MAX_PATH.
TEST_F(Win32Cli, PathsLongerThanMaxPathWork) {
    const std::wstring step(100, L'd');
    const std::wstring deep = root.wstring() + L"\\" + step + L"\\" + step + L"\\" + step;
    ASSERT_GT(deep.size(), static_cast<std::size_t>(MAX_PATH));
    fs::create_directories(L"\\\\?\\" + deep);
    const Finished run = RunTool({L"--each", step, L"L #", L"2", deep});
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_EQ(run.out, "created 4, skipped 0, failed 0\n");
    EXPECT_TRUE(fs::is_directory(L"\\\\?\\" + deep + L"\\L 2\\" + step));
    EXPECT_EQ(RunTool({L"L #", L"2", deep, L"--dry-run"}).out, "created 0, skipped 2, failed 0\n");
}

// A console event while the run waits on a list that never ends (a pipe whose writer stays
// silent): the read gives way and the run ends with its summary and the interrupt's status.
// Wine gives a process without a real console no way to send it one, so the handler is called
// as the system calls it, from a thread of its own.
TEST_F(Win32Cli, AConsoleEventStopsARunWaitingOnItsList) {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    ASSERT_TRUE(CreatePipe(&read, &write, nullptr, 0));
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    SetStdHandle(STD_INPUT_HANDLE, read);
    DWORD written = 0;
    WriteFile(write, "A\nB\n", 4, &written, nullptr);
    cli::CatchStopSignals();
    std::thread user([] {
        Sleep(300);
        cli::OnConsoleEvent(CTRL_BREAK_EVENT);
    });
    Win32FileSystem files;
    std::ostringstream out;
    std::ostringstream err;
    cli::CliContext context{
        PortsOf(files), out, err, cli::StopSignal, false, '\\', [](const std::string& file) {
            return cli::OpenNamesInput(file);
        }};
    cli::RunOptions options;
    options.target = Root();
    options.namesFile = "-";
    const int status = cli::RunFromCommandLine(options, context);
    user.join();
    SetStdHandle(STD_INPUT_HANDLE, input);
    CloseHandle(read);
    CloseHandle(write);
    EXPECT_EQ(status, 130) << err.str();
    EXPECT_EQ(out.str(), "created 2, skipped 0, failed 0\n");
    EXPECT_TRUE(fs::is_directory(root / L"B"));
}

// The journal in the scratch folder: no other test's run replaces it meanwhile.
TEST_F(Win32Cli, UndoRemovesWhatTheLastRunMadeAndOnlyOnce) {
    SetEnvironmentVariableW(L"LOCALAPPDATA", (root / L"state").c_str());
    ASSERT_EQ(RunTool({L"--each", L"A", L"F #", L"2", root.wstring()}).status, 0u);
    fs::create_directory(root / L"Mine");
    std::FILE* note = _wfopen((root / L"F 2" / L"A" / L"note.txt").c_str(), L"w");
    ASSERT_NE(note, nullptr);
    std::fclose(note);

    const struct {
        std::vector<std::wstring> arguments;
        DWORD status;
        std::string out;
        std::string err;
    } steps[] = {
        {{L"undo", L"--dry-run"},
         1,
         Root() + "\\F 1\\A\n" + Root() + "\\F 1\n" + "would remove 2, would keep 2\n",
         "quirebatch-cli: kept: " + Root() +
             "\\F 2\\A: not empty\nquirebatch-cli: kept: " + Root() + "\\F 2: not empty\n"},
        {{L"undo"},
         1,
         "removed 2, kept 2\n",
         "quirebatch-cli: kept: " + Root() +
             "\\F 2\\A: not empty\nquirebatch-cli: kept: " + Root() + "\\F 2: not empty\n"},
        {{L"undo"}, 2, "", "quirebatch-cli: nothing to undo\n"},
    };
    for (const auto& step : steps) {
        const Finished run = RunTool(step.arguments);
        EXPECT_EQ(run.status, step.status);
        EXPECT_EQ(run.out, step.out);
        EXPECT_EQ(run.err, step.err);
    }
    EXPECT_FALSE(fs::exists(root / L"F 1"));
    EXPECT_TRUE(fs::exists(root / L"F 2" / L"A" / L"note.txt"));
    EXPECT_TRUE(fs::exists(root / L"Mine"));
}

// The summary line of a run's or a dry run's output: what comes after the paths.
std::string LastLine(const std::string& out) {
    const std::size_t end = out.find_last_not_of('\n');
    const std::size_t start = out.find_last_of('\n', end);
    return out.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

std::size_t FoldersUnder(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        count += entry.is_directory();
    return count;
}

// On a file system that folds names, the dry run meets every spelling as the run does: another
// case (ASCII or not), a short name, a "." step, a \\?\ target with a separator at its end, a drive
// alone (its current folder). Undo's dry run then agrees with undo.
TEST_F(Win32Cli, TheDryRunAndTheRunGiveTheSameLines) {
    SetEnvironmentVariableW(L"LOCALAPPDATA", (root / L"state").c_str());
    const struct {
        std::wstring target;  // <F> the case's folder, <K> its drive
        std::vector<std::wstring> existing;
        std::wstring list;  // <SHORT> the short name of the first existing folder
    } cases[] = {
        {L"<F>",
         {L"Long folder name", L"\u00C4"},
         L"\u00E4\n\u00C4\\1\n\u00E4\\1\n<SHORT>\\x\nLong folder name\\x\nLONG FOLDER NAME\\X\n"},
        {L"<F>", {}, L"\u00D6\n\u00F6\nA\na\n\u00F6\\x\n\u00D6\\X\nB\n./B/2\nB\\.\\3\nb/3\n"},
        {L"\\\\?\\<F>\\", {L"old"}, L"a\\\nb\nb\\\\c\nOLD\\d\n"},
        {L"<K>", {}, L"K\nk\\1\n"},
    };
    int index = 0;
    for (const auto& row : cases) {
        const fs::path folder = root / std::to_wstring(index++);
        fs::create_directories(folder);
        for (const std::wstring& name : row.existing) fs::create_directory(folder / name);
        std::wstring list = row.list;
        if (const auto at = list.find(L"<SHORT>"); at != std::wstring::npos) {
            wchar_t shortPath[MAX_PATH];
            ASSERT_GT(GetShortPathNameW((folder / row.existing[0]).c_str(), shortPath, MAX_PATH),
                      0u);
            list.replace(at, 7, fs::path(shortPath).filename().wstring());
        }
        const fs::path listFile = root / (L"list" + std::to_wstring(index) + L".txt");
        std::FILE* file = _wfopen(listFile.c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        const std::string text = Utf8(list);
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
        std::wstring target = row.target;
        if (const auto at = target.find(L"<F>"); at != std::wstring::npos) {
            target.replace(at, 3, folder.wstring());
        }
        if (target == L"<K>") target = folder.wstring().substr(0, 2);
        SCOPED_TRACE(Utf8(target + L" " + row.list));
        wchar_t current[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, current);
        SetCurrentDirectoryW(folder.c_str());
        const std::size_t before = FoldersUnder(folder);
        const Finished dry = RunTool({L"--dry-run", L"--names", listFile.wstring(), target});
        const Finished run = RunTool({L"--names", listFile.wstring(), target});
        EXPECT_EQ(dry.status, run.status);
        EXPECT_EQ(dry.err, run.err);
        EXPECT_EQ(LastLine(dry.out) + "\n", run.out);
        EXPECT_EQ("created " + std::to_string(FoldersUnder(folder) - before),
                  run.out.substr(0, run.out.find(',')));

        const Finished undoDry = RunTool({L"undo", L"--dry-run"});
        const Finished undo = RunTool({L"undo"});
        SetCurrentDirectoryW(current);
        EXPECT_EQ(undoDry.err, undo.err);
        std::string foreseen = LastLine(undoDry.out);
        for (const auto& [dryWords, words] :
             {std::pair<std::string, std::string>{"would remove", "removed"},
              {"would keep", "kept"}}) {
            if (const auto at = foreseen.find(dryWords); at != std::string::npos) {
                foreseen.replace(at, dryWords.size(), words);
            }
        }
        EXPECT_EQ(foreseen + "\n", undo.out);
        EXPECT_EQ(undoDry.status, undo.status);
        EXPECT_EQ(FoldersUnder(folder), before);
    }
}

}  // namespace
}  // namespace quire::win32
