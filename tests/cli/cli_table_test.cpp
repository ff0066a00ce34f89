// One table of command lines against the folders they leave, run on the platform's real file
// system (on Linux, and on Windows under Wine). Every row also runs as a dry run first: it must
// create nothing and tell the same plan (paths, error lines, summary, status).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli/names_input.h"

#ifdef _WIN32
#include "platform/win32/win32_file_system.h"
using PlatformFileSystem = quire::win32::Win32FileSystem;
constexpr char kSeparator = '\\';
#else
#include "platform/posix/posix_file_system.h"
using PlatformFileSystem = quire::PosixFileSystem;
constexpr char kSeparator = '/';
#endif

namespace quire::cli {
namespace {

namespace fs = std::filesystem;
using Folders = std::set<std::string>;

fs::path FromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}
// As the system spells it, or with '/' between the names.
std::string ToUtf8(const fs::path& path, bool generic = false) {
    const std::u8string text = generic ? path.generic_u8string() : path.u8string();
    return std::string(text.begin(), text.end());
}

Folders FoldersUnder(const fs::path& root) {
    Folders folders;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
        if (it->is_directory()) folders.insert(ToUtf8(fs::relative(it->path(), root), true));
    }
    return folders;
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

struct Row {
    const char* name;
    std::vector<std::string> arguments;  // {T} the target, {L} the list, {P} the template
    const char* list;                    // what {L} holds
    Folders before;                      // in the target before the run
    Folders tree;                        // the template's folders
    int status;
    const char* summary;
    Folders after;  // in the target after the run
};

// clang-format off
const Row kRows[] = {
    {"plain", {"F ##", "3", "{T}"}, "", {}, {},
     0, "created 3, skipped 0, failed 0", {"F 01", "F 02", "F 03"}},
    {"start and step", {"--start", "8", "--step=2", "F ##", "3", "{T}"}, "", {}, {},
     0, "created 3, skipped 0, failed 0", {"F 08", "F 10", "F 12"}},
    {"counting down to 0", {"--start", "4", "--step", "-2", "F #", "3", "{T}"}, "", {}, {},
     0, "created 3, skipped 0, failed 0", {"F 0", "F 2", "F 4"}},
    {"below 0", {"--step", "-2", "F #", "3", "{T}"}, "", {}, {}, 2, "", {}},
    {"beyond 32 bits", {"--start", "2147483646", "F#", "3", "{T}"}, "", {}, {}, 2, "", {}},
    {"subfolders, parents first", {"--each", "RAW", "--each", "Edits/Final", "S #", "2", "{T}"},
     "", {}, {}, 0, "created 8, skipped 0, failed 0",
     {"S 1", "S 1/RAW", "S 1/Edits", "S 1/Edits/Final",
      "S 2", "S 2/RAW", "S 2/Edits", "S 2/Edits/Final"}},
    {"subfolders of a folder that existed", {"--each", "A", "--each", "B", "S #", "1", "{T}"},
     "", {"S 1", "S 1/A"}, {}, 0, "created 1, skipped 2, failed 0", {"S 1", "S 1/A", "S 1/B"}},
    {"a subfolder outside", {"--each", "A/../../x", "S #", "1", "{T}"}, "", {}, {}, 2, "", {}},
    {"a template's tree", {"--template", "{P}", "T#", "2", "{T}"}, "", {}, {"a", "a/b", "c"},
     0, "created 8, skipped 0, failed 0",
     {"T1", "T1/a", "T1/a/b", "T1/c", "T2", "T2/a", "T2/a/b", "T2/c"}},
    {"names from a list", {"--names", "{L}", "{T}"}, "A\n\n### Smith\r\nx#y#\nA\n", {}, {},
     1, "created 2, skipped 1, failed 1", {"A", "002 Smith"}},
    {"a list counted by start and step", {"--start", "10", "--step", "5", "--names", "{L}", "{T}"},
     "N #\nN #\n", {}, {}, 0, "created 2, skipped 0, failed 0", {"N 10", "N 15"}},
    {"a list inside its own folders", {"--names", "{L}", "--each", "R", "{T}"}, "A\nA/B\n", {}, {},
     0, "created 4, skipped 0, failed 0", {"A", "A/R", "A/B", "A/B/R"}},
    {"a list line leading out", {"--names", "{L}", "{T}"}, "../x\nok\n", {}, {},
     1, "created 1, skipped 0, failed 1", {"ok"}},
    {"names Windows reserves, in every case", {"--portable", "--names", "{L}", "{T}"},
     "con\nCon.txt\nnUl\ncom1.tar.gz\nLPT9\nAux\nconin$\nCOM0\nok\n", {}, {},
     1, "created 1, skipped 0, failed 8", {"ok"}},
    {"names Windows would change", {"--portable", "--each", "x.", "a #", "1", "{T}"}, "", {}, {},
     1, "created 1, skipped 0, failed 1", {"a 1"}},
    {"names in other scripts", {"\xC3\x9C" "berweisung ###", "2", "{T}"}, "", {}, {},
     0, "created 2, skipped 0, failed 0", {"\xC3\x9C" "berweisung 001", "\xC3\x9C" "berweisung 002"}},
    {"names in other scripts from a list", {"--names", "{L}", "{T}"},
     "\xE8\xAB\x8B\xE6\xB1\x82\xE6\x9B\xB8 ###\n", {}, {},
     0, "created 1, skipped 0, failed 0", {"\xE8\xAB\x8B\xE6\xB1\x82\xE6\x9B\xB8 001"}},
    {"capital letters", {"--letters", "--start", "26", "C ##", "3", "{T}"}, "", {}, {},
     0, "created 3, skipped 0, failed 0", {"C Z", "C AA", "C AB"}},
    {"small letters counting down", {"--small-letters", "--start", "28", "--step", "-1", "c #",
     "3", "{T}"}, "", {}, {}, 0, "created 3, skipped 0, failed 0", {"c ab", "c aa", "c z"}},
    {"letters below A", {"--letters", "--step", "-1", "F#", "2", "{T}"}, "", {}, {}, 2, "", {}},
    {"continuing after the highest number", {"--continue", "--step", "2", "F ##", "2", "{T}"}, "",
     {"F 7", "F G", "F 03", "G 50"}, {}, 0, "created 2, skipped 0, failed 0",
     {"F 7", "F G", "F 03", "G 50", "F 09", "F 11"}},
    {"continuing after the highest letters", {"--continue", "--letters", "--each", "R", "F #",
     "1", "{T}"}, "", {"F 7", "F G", "F AB"}, {}, 0, "created 2, skipped 0, failed 0",
     {"F 7", "F G", "F AB", "F AC", "F AC/R"}},
    {"continuing past the last counter", {"--continue", "F#", "1", "{T}"}, "", {"F2147483647"},
     {}, 2, "", {"F2147483647"}},
};
// clang-format on

class CliTable : public testing::TestWithParam<Row> {
protected:
    fs::path root =
        fs::temp_directory_path() /
        ("quire-cli-table-" + std::to_string(std::hash<std::string>()(GetParam().name)));
    fs::path target = root / "target";

    void SetUp() override {
        fs::remove_all(root);
        for (const std::string& folder : GetParam().before)
            fs::create_directories(target / FromUtf8(folder));
        for (const std::string& folder : GetParam().tree)
            fs::create_directories(root / "tpl" / FromUtf8(folder));
        fs::create_directories(target);
        std::ofstream(root / "list", std::ios::binary) << GetParam().list;
    }
    void TearDown() override { fs::remove_all(root); }

    Outcome Run(bool dryRun) {
        std::vector<std::string> texts;
        for (std::string argument : GetParam().arguments) {
            if (argument == "{T}") argument = ToUtf8(target);
            if (argument == "{L}") argument = ToUtf8(root / "list");
            if (argument == "{P}") argument = ToUtf8(root / "tpl");
            std::replace(argument.begin(), argument.end(), '/', kSeparator);
            texts.push_back(argument);
        }
        if (dryRun) texts.emplace_back("--dry-run");
        const std::vector<std::string_view> arguments(texts.begin(), texts.end());
        const Command command = ParseCommandLine(arguments);
        EXPECT_TRUE(std::holds_alternative<RunOptions>(command));
        PlatformFileSystem files;
        std::ostringstream out;
        std::ostringstream err;
        CliContext context{PortsOf(files),
                           out,
                           err,
                           [] { return 0; },
                           false,
                           kSeparator,
                           [](const std::string& file) { return OpenNamesInput(file); }};
        const int status = RunFromCommandLine(std::get<RunOptions>(command), context);
        return {status, out.str(), err.str()};
    }

    // The folders a dry run lists, relative to the target, with '/' between names.
    Folders Listed(const std::string& out) {
        Folders listed;
        std::istringstream lines(out);
        const std::string prefix = ToUtf8(target) + kSeparator;
        for (std::string line; std::getline(lines, line);) {
            if (!line.starts_with(prefix)) continue;
            line.erase(0, prefix.size());
            std::replace(line.begin(), line.end(), kSeparator, '/');
            listed.insert(line);
        }
        return listed;
    }
};

TEST_P(CliTable, MakesTheFoldersTheDryRunForetold) {
    const Row& row = GetParam();
    const Folders before = FoldersUnder(target);
    const Outcome planned = Run(true);
    EXPECT_EQ(FoldersUnder(target), before) << "a dry run made something";
    const Outcome done = Run(false);

    EXPECT_EQ(done.status, row.status) << done.err;
    const std::string summary = done.out.empty() ? "" : done.out.substr(0, done.out.size() - 1);
    EXPECT_EQ(summary, row.summary);
    EXPECT_EQ(FoldersUnder(target), row.after);
    if (row.status == 2) {
        EXPECT_NE(done.err.find("quirebatch-cli: "), std::string::npos);
    }

    EXPECT_EQ(planned.status, done.status);
    EXPECT_EQ(planned.err, done.err);
    EXPECT_TRUE(planned.out.ends_with(done.out)) << planned.out;
    Folders made;
    for (const std::string& folder : row.after) {
        if (before.count(folder) == 0) made.insert(folder);
    }
    EXPECT_EQ(Listed(planned.out), made);
}

INSTANTIATE_TEST_SUITE_P(Rows, CliTable, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) {
                             std::string name;
                             for (const char c : std::string(row.param.name)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace quire::cli
