// Every form of target and pattern through the core's check and run on the real file system: each
// is made exactly where the check said, refused before the run, or a true failure of its folder.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/creation_run.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

using testing::ScratchFolder;

// Every folder below `root`, as the disk names it, relative to `root`.
void CollectFolders(const std::wstring& root, const std::wstring& relative,
                    std::set<std::string>& folders) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((root + relative + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L".." || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            continue;
        }
        folders.insert(Utf8(relative + name));
        CollectFolders(root, relative + name + L"\\", folders);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::set<std::string> FoldersUnder(const std::string& root) {
    std::set<std::string> folders;
    CollectFolders(L"\\\\?\\" + Wide(root) + L"\\", L"", folders);
    return folders;
}

// What a run of one folder did: "made PATH", "skipped PATH" or "failed PATH: WHY".
class Recorder final : public RunHost {
public:
    Recorder(std::string pattern, std::string target)
        : pattern_(std::move(pattern)), target_(std::move(target)) {}
    std::vector<std::string> outcomes;
    std::vector<std::string> failures;

    bool BeforeFolder() override { return true; }
    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = pattern_;
        target = target_;
        return true;
    }
    void InputsFailed(const std::exception&) override { ADD_FAILURE(); }
    void FolderCreated(const std::string& path) override { outcomes.push_back("made " + path); }
    void FolderSkipped(const std::string& path) override { outcomes.push_back("skipped " + path); }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        outcomes.push_back("failed " + path + ": " + failure.what());
        failures.emplace_back(failure.what());
    }
    void CounterOverflow() override { ADD_FAILURE(); }

private:
    std::string pattern_;
    std::string target_;
};

// A drive and a network share of the test's own. Under Wine a folder in the prefix's dosdevices
// named like a drive ("q:") is that drive, and one in dosdevices\unc\SERVER\SHARE answers
// \\SERVER\SHARE. Elsewhere there are none, and the rows that need them are left out.
class ScratchVolumes {
public:
    ScratchVolumes() {
        const char* prefix = getenv("WINEPREFIX");
        if (prefix == nullptr || !testing::UnderWine()) return;
        std::string devices = std::string("Z:") + prefix + "\\dosdevices";
        for (char& c : devices) c = c == '/' ? '\\' : c;
        const DWORD used = GetLogicalDrives();
        char letter = 'Y';
        while (letter > 'D' && (used & (1u << (letter - 'A'))) != 0) --letter;
        drive_ = std::string(1, letter) + ":";
        driveFolder_ = devices + "\\" + static_cast<char>(letter | 0x20) + ":";
        const std::string server = "quire-test-" + std::to_string(GetCurrentProcessId());
        serverFolder_ = devices + "\\unc\\" + server;
        share_ = "\\\\" + server + "\\share";
        for (const std::string& folder : {driveFolder_, devices + "\\unc", serverFolder_,
                                          serverFolder_ + "\\share", driveFolder_ + "\\w"}) {
            CreateDirectoryW(Wide(folder).c_str(), nullptr);
        }
    }
    ~ScratchVolumes() {
        if (drive_.empty()) return;
        testing::RemoveTree(driveFolder_);
        testing::RemoveTree(serverFolder_);
    }
    bool Available() const { return !drive_.empty(); }
    const std::string& Drive() const { return drive_; }  // "Q:"
    const std::string& Share() const { return share_; }  // \\server\share
    std::string DriveFolder() const { return driveFolder_; }
    std::string ShareFolder() const { return serverFolder_ + "\\share"; }

private:
    std::string drive_;
    std::string driveFolder_;
    std::string serverFolder_;
    std::string share_;
};

struct Case {
    // <S> the scratch folder, <K> its drive, <D> the test's drive, <H> the test's share (<UNC> as
    // a \\?\ path)
    std::string target;
    std::string pattern;
    bool refused;
    std::string why;                // a part of the refusal's or of every failure's reason
    std::vector<std::string> made;  // the folders made, as the disk names them
};

std::string Expand(std::string text, const std::map<std::string, std::string>& places) {
    for (const auto& [place, value] : places) {
        for (std::size_t at = text.find(place); at != std::string::npos; at = text.find(place)) {
            text.replace(at, place.size(), value);
        }
    }
    return text;
}

TEST(TargetForms, EachIsMadeWhereTheCheckSaidOrRefusedOrATrueFailure) {
    ScratchFolder scratch;
    ScratchVolumes volumes;
    Win32FileSystem files;
    for (const char* folder : {"w", "%TEMP%", "sub"}) files.CreateFolder(scratch / folder);
    CloseHandle(CreateFileW(Wide(scratch / "note").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string deep = "<S>";
    while (deep.size() < 300) {
        deep += "\\abcdefghij";
        files.CreateFolder(scratch.Path() + deep.substr(3));
    }
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(Wide(scratch.Path()).c_str());
    std::string slashed = scratch.Path();
    for (char& c : slashed) c = c == '\\' ? '/' : c;
    const std::map<std::string, std::string> places{
        {"<S>", scratch.Path()},
        {"<K>", scratch.Path().substr(0, 2)},
        {"<D>", volumes.Drive()},
        {"<H>", volumes.Share()},
        {"<UNC>", "\\\\?\\UNC\\" + volumes.Share().substr(2)},
        {"<slashed>", slashed}};

    const std::string kDevice = "reserves for a device";
    const std::string kDropped = "ends in a dot or blank";
    const std::string kNoShare = "names no network share";
    const Case cases[] = {
        {"<S>", "Folder #", false, "", {"Folder 1"}},
        {"<S>\\", "Folder #", false, "", {"Folder 1"}},
        {"<slashed>/", "sub/x #", false, "", {"sub\\x 1"}},
        {"<S>\\w ", "Folder #", true, kDropped, {}},
        {"<S>\\w.", "Folder #", true, kDropped, {}},
        {"<S>\\w\\..", "Folder #", false, "", {"Folder 1"}},
        {"\\\\?\\<S>", "Folder #", false, "", {"Folder 1"}},
        {"\\\\?\\<S>\\", "Folder #", true, "", {}},
        {"\\\\?\\<S>", "..\\x #", false, kDropped, {}},  // no steps in a \\?\ path
        {"\\\\.\\<S>", "Folder #", true, "names a device", {}},
        {"\\", "Root #", true, kNoShare, {}},
        {"/", "srv\\share\\x #", true, kNoShare, {}},
        {"\\\\quire-no-share", "Folder #", true, kNoShare, {}},
        {"<K>w", "Folder #", false, "", {"w\\Folder 1"}},  // the drive's current folder
        {"<S>\\NUL", "Folder #", true, kDevice, {}},
        {"<S>\\com1.txt", "Folder #", true, kDevice, {}},
        {"<S>", "NUL.#", false, kDevice, {}},
        {"<S>", "LPT# .txt", false, kDevice, {}},
        {"<S>", "COM\xC2\xB9.#", false, kDevice, {}},
        {"<S>", "x# ", false, kDropped, {}},
        {"<S>", "x#.", false, kDropped, {}},
        {"<S>", "sub.\\x #", false, kDropped, {}},  // the system would make it in "sub"
        {"<S>", "a:#", false, "does not allow", {}},
        {"<S>", std::string(255, 'n') + "#", false, "longer than the 255", {}},
        {"<S>", "%PATH% ^&#", false, "", {"%PATH% ^&1"}},
        {"<S>\\%TEMP%", "Folder #", false, "", {"%TEMP%\\Folder 1"}},
        {"<S>\\missing", "Folder #", true, "", {}},
        {"<S>\\note", "Folder #", true, "", {}},
        {"", "Folder #", true, "", {}},
        {deep, "Folder #", false, "", {deep.substr(4) + "\\Folder 1"}},
        {"<S>\\" + std::string(32767, 'a'), "Folder #", true, "", {}},
        {"<D>", "Folder #", false, "", {"Folder 1"}},  // the root, not the current folder
        {"<D>\\", "Folder #", false, "", {"Folder 1"}},
        {"<D>w", "Folder #", false, "", {"w\\Folder 1"}},
        {"<H>", "Folder #", false, "", {"Folder 1"}},
        {"<H>\\", "Folder #", false, "", {"Folder 1"}},
        {"<UNC>", "Folder #", false, "", {"Folder 1"}},
    };
    for (const Case& row : cases) {
        const std::string target = Expand(row.target, places).substr(0, 32767);
        SCOPED_TRACE("target \"" + target.substr(0, 100) + "\", pattern \"" + row.pattern + "\"");
        const bool onDrive = row.target.starts_with("<D>");
        const bool onShare = row.target.starts_with("<H>") || row.target.starts_with("<UNC>");
        if ((onDrive || onShare) && !volumes.Available()) continue;
        const std::string root = onDrive   ? volumes.DriveFolder()
                                 : onShare ? volumes.ShareFolder()
                                           : scratch.Path();
        const std::set<std::string> before = FoldersUnder(root);

        const auto refusal = ValidateRun(files, target, row.pattern, "1", ".", '\\');
        EXPECT_EQ(refusal.has_value(), row.refused) << (refusal ? refusal->detail : "");
        if (refusal.has_value() != row.refused) continue;
        if (refusal) {
            EXPECT_EQ(refusal->message, kInvalidFolderMessage);
            EXPECT_NE(refusal->detail.find(row.why), std::string::npos) << refusal->detail;
        } else {
            Recorder planned(row.pattern, target);
            RunCreationLoop(files, planned, 1, '\\', true);
            Recorder run(row.pattern, target);
            RunCreationLoop(files, run, 1, '\\');
            EXPECT_EQ(planned.outcomes, run.outcomes);  // the dry run is the same plan
            EXPECT_EQ(run.failures.size(), row.why.empty() ? 0u : 1u);
            for (const std::string& failure : run.failures) {
                EXPECT_NE(failure.find(row.why), std::string::npos) << failure;
            }
        }
        std::set<std::string> made;
        for (const std::string& folder : FoldersUnder(root)) {
            if (before.count(folder) == 0) made.insert(folder);
        }
        EXPECT_EQ(made, std::set<std::string>(row.made.begin(), row.made.end()));
        for (const std::string& folder : made) testing::RemoveTree(root + "\\" + folder);
    }
    SetCurrentDirectoryW(current);
}

}  // namespace
}  // namespace quire::win32
