// Every form of target and pattern through the core's check and run on the real file system: each
// is made exactly where the check said, refused before the run, or a true failure of its folder.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "engine/creation_run.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_names.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

// Every folder below `root`, as the disk names it, relative to `root`.
std::set<std::string> FoldersUnder(const std::string& root, const std::string& relative = "") {
    std::set<std::string> folders;
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        FindFirstFileW(Wide("\\\\?\\" + root + "\\" + relative + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return folders;
    do {
        const std::string name = Utf8(found.cFileName);
        if (name == "." || name == ".." || !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            continue;
        }
        folders.insert(relative + name);
        folders.merge(FoldersUnder(root, relative + name + "\\"));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return folders;
}

// A run with fixed inputs, recording "made PATH", "skipped PATH" or "failed PATH: WHY".
struct Recorder final : RunHost {
    std::string pattern;
    std::string target;
    std::vector<std::string> outcomes;
    bool BeforeFolder() override { return true; }
    bool ReadInputs(std::string& p, std::string& t) override {
        p = pattern;
        t = target;
        return true;
    }
    void InputsFailed(const std::exception&) override { ADD_FAILURE(); }
    void FolderCreated(const std::string& path) override { outcomes.push_back("made " + path); }
    void FolderSkipped(const std::string& path) override { outcomes.push_back("skipped " + path); }
    void FolderFailed(const std::string& path, const Failure& failure) override {
        outcomes.push_back("failed " + path + ": " + failure.what());
    }
    void CounterOverflow() override { ADD_FAILURE(); }
};

// A drive and a network share of the test's own: under Wine a folder in the prefix's dosdevices
// named like a drive ("q:") is that drive, and dosdevices\unc\SERVER\SHARE is \\SERVER\SHARE.
struct WineVolumes {
    std::string drive, driveFolder, share, shareFolder, serverFolder;
};
std::optional<WineVolumes> MakeWineVolumes() {
    const char* prefix = getenv("WINEPREFIX");
    if (prefix == nullptr || !testing::UnderWine()) return std::nullopt;
    std::string devices = std::string("Z:") + prefix + "\\dosdevices";
    for (char& c : devices) c = c == '/' ? '\\' : c;
    char letter = 'Y';
    while (letter > 'D' && (GetLogicalDrives() & (1u << (letter - 'A'))) != 0) --letter;
    const std::string server = "quire-test-" + std::to_string(GetCurrentProcessId());
    const WineVolumes volumes{std::string(1, letter) + ":",
                              devices + "\\" + static_cast<char>(letter | 0x20) + ":",
                              "\\\\" + server + "\\share", devices + "\\unc\\" + server + "\\share",
                              devices + "\\unc\\" + server};
    for (const std::string& folder :
         {volumes.driveFolder, volumes.driveFolder + "\\w", devices + "\\unc", volumes.serverFolder,
          volumes.shareFolder}) {
        CreateDirectoryW(Wide(folder).c_str(), nullptr);
    }
    return volumes;
}

struct Case {
    // <S> the scratch folder, <K> its drive; the test's own <D> drive and <H> share (<UNC> as a
    // \\?\ path)
    std::string target;
    std::string pattern;
    bool refused;
    std::string why;                // a part of the refusal's or of every failure's reason
    std::vector<std::string> made;  // the folders made, as the disk names them
};

TEST(TargetForms, EachIsMadeWhereTheCheckSaidOrRefusedOrATrueFailure) {
    testing::ScratchFolder scratch;
    const std::optional<WineVolumes> wine = MakeWineVolumes();
    Win32FileSystem files;
    for (const char* folder : {"w", "%TEMP%", "sub"})
        files.CreateFolderUnlessExists(scratch / folder);
    CloseHandle(CreateFileW(Wide(scratch / "note").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string deep = "<S>";
    while (deep.size() < 300) {
        files.CreateFolderUnlessExists(scratch.Path() + (deep += "\\abcdefghij").substr(3));
    }
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(Wide(scratch.Path()).c_str());
    std::string slashed = scratch.Path();
    for (char& c : slashed) c = c == '\\' ? '/' : c;
    const std::map<std::string, std::string> places{
        {"<S>", scratch.Path()},
        {"<K>", scratch.Path().substr(0, 2)},
        {"<D>", wine ? wine->drive : ""},
        {"<H>", wine ? wine->share : ""},
        {"</S>", slashed},
        {"<UNC>", wine ? "\\\\?\\UNC\\" + wine->share.substr(2) : ""}};

    const std::string kDevice = "reserves for a device";
    const std::string kDropped = "ends in a dot or blank";
    const std::string kNoShare = "names no network share";
    const Case cases[] = {
        {"<S>", "Folder #", false, "", {"Folder 1"}},
        {"<S>\\", "Folder #", false, "", {"Folder 1"}},
        {"<S>\\w\\..", "Folder #", false, "", {"Folder 1"}},
        {"<K>", "Folder #", false, "", {"Folder 1"}},  // the drive's current folder
        {"<K>w", "Folder #", false, "", {"w\\Folder 1"}},
        {"<D>", "Folder #", false, "", {"Folder 1"}},  // current folder, here the root
        {"<D>\\", "Folder #", false, "", {"Folder 1"}},
        {"<D>w", "Folder #", false, "", {"w\\Folder 1"}},
        {"<H>", "Folder #", false, "", {"Folder 1"}},
        {"<H>\\", "Folder #", false, "", {"Folder 1"}},
        {"<UNC>", "Folder #", false, "", {"Folder 1"}},
        {"<S>\\%TEMP%", "%PATH% ^&#", false, "", {"%TEMP%\\%PATH% ^&1"}},
        {"<S>", "COM0 #", false, "", {"COM0 1"}},
        {"<S>", std::string(254, 'n') + "#", false, "", {std::string(254, 'n') + "1"}},
        {deep, "Folder #", false, "", {deep.substr(4) + "\\Folder 1"}},
        {"\\\\?\\<S>", "Folder #", false, "", {"Folder 1"}},
        {"\\\\?\\<S>", "..\\x #", false, kDropped, {}},  // no steps in a \\?\ path
        {"<S>", "nul.tar.#", false, kDevice, {}},
        {"<S>", "com#", false, kDevice, {}},
        {"<S>", "CON .#", false, kDevice, {}},
        {"<S>", "LPT\xC2\xB9.#", false, kDevice, {}},
        {"<S>", "com0.#", false, kDevice, {}},
        {"<S>", "CONOUT$.#", false, kDevice, {}},
        {"<S>", "x# ", false, kDropped, {}},
        {"<S>", "x#.", false, kDropped, {}},
        {"<S>", "sub.\\x #", false, kDropped, {}},  // the system would make it in "sub"
        {"<S>", "a:#", false, "does not allow", {}},
        {"<S>", std::string(255, 'n') + "#", false, "longer than the 255", {}},
        {"<S>\\w ", "Folder #", true, kDropped, {}},
        {"<S>\\w.", "Folder #", true, kDropped, {}},
        {"<S>\\NUL", "Folder #", true, kDevice, {}},
        {"<S>\\com1.txt", "Folder #", true, kDevice, {}},
        {"\\\\?\\<S>\\", "Folder #", false, "", {"Folder 1"}},
        {"\\\\?\\<S>\\\\sub\\", "x #", false, "", {"sub\\x 1"}},
        {"\\\\.\\<S>", "Folder #", true, "names a device", {}},
        {"\\", "Root #", true, kNoShare, {}},
        {"/", "srv\\share\\x #", true, kNoShare, {}},
        {"\\\\quire-no-share", "Folder #", true, kNoShare, {}},
        {"<S>\\missing", "Folder #", true, "", {}},
        {"<S>\\note", "Folder #", true, "", {}},
        {"", "Folder #", true, "", {}},
        {"<S>\\" + std::string(32767, 'a'), "Folder #", true, "", {}},
        {"</S>/", "sub/x #", false, "", {"sub\\x 1"}},
    };
    for (const Case& row : cases) {
        std::string target = row.target;
        for (const auto& [place, value] : places) {
            if (const auto at = target.find(place); at != std::string::npos) {
                target.replace(at, place.size(), value);
            }
        }
        target.resize(std::min<std::size_t>(target.size(), 32767));
        SCOPED_TRACE("target \"" + target.substr(0, 100) + "\", pattern \"" + row.pattern + "\"");
        const bool onDrive = row.target.starts_with("<D>");
        const bool onShare = row.target.starts_with("<H>") || row.target.starts_with("<UNC>");
        if ((onDrive || onShare) && !wine) continue;
        const std::string root = onDrive   ? wine->driveFolder
                                 : onShare ? wine->shareFolder
                                           : scratch.Path();
        const std::set<std::string> before = FoldersUnder(root);

        const auto refusal = ValidateRun(files, target, row.pattern, "1", ".", '\\');
        EXPECT_EQ(refusal.has_value(), row.refused) << (refusal ? refusal->detail : "");
        if (refusal && row.refused) {
            EXPECT_NE(refusal->detail.find(row.why), std::string::npos) << refusal->detail;
        } else if (!refusal && !row.refused) {
            const auto outcomes = [&](bool predictOnly) {
                Recorder recorder;
                recorder.pattern = row.pattern;
                recorder.target = target;
                RunPlan plan;
                plan.count = 1;
                if (predictOnly) {
                    ForeseeCreationLoop(files, files, recorder, plan, '\\');
                } else {
                    RunCreationLoop(files, recorder, plan, '\\');
                }
                return recorder.outcomes;
            };
            const std::vector<std::string> planned = outcomes(true);
            const std::vector<std::string> done = outcomes(false);
            EXPECT_EQ(planned, done);  // the dry run is the same plan
            ASSERT_EQ(done.size(), 1u);
            EXPECT_EQ(done[0].starts_with("failed"), !row.why.empty()) << done[0];
            EXPECT_NE(done[0].find(row.why), std::string::npos) << done[0];
        }
        std::set<std::string> made;
        for (const std::string& folder : FoldersUnder(root)) {
            if (before.count(folder) == 0) made.insert(folder);
        }
        EXPECT_EQ(made, std::set<std::string>(row.made.begin(), row.made.end()));
        for (const std::string& folder : made) testing::RemoveTree(root + "\\" + folder);
    }
    SetCurrentDirectoryW(current);
    if (wine) {
        testing::RemoveTree(wine->driveFolder);
        testing::RemoveTree(wine->serverFolder);
    }
}

// The limit counts UTF-16 units, as Windows does; Wine's own limit counts UTF-8 bytes.
TEST(TargetForms, NameLengthCountsUtf16Units) {
    std::string units254;
    for (int i = 0; i < 127; ++i) units254 += "\xF0\x9F\x98\x80";  // two units, four bytes each
    EXPECT_EQ(NameProblem(units254 + "x"), "");
    EXPECT_NE(NameProblem(units254 + "xy"), "");
}

}  // namespace
}  // namespace quire::win32
