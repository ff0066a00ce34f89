#include "engine/highest_counter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_file_system.h"

namespace quire {
namespace {

using enum CounterStyle;

// Found from one listing: folders of other styles, other patterns, files and folders deeper
// down are no counters of the pattern.
TEST(HighestCounter, IsTheHighestOfThePatternsOwnFoldersFromOneListing) {
    fakes::FakeFileSystem files;
    files.folders = {"/t",          "/t/Folder 7", "/t/Folder G",     "/t/Folder 003",  "/t/Folder",
                     "/t/Other 50", "/t/sub",      "/t/sub/Folder B", "/t/sub/Folder 9"};
    files.files = {"/t/Folder 80", "/t/Folder Z"};
    const struct {
        const char* pattern;
        CounterStyle style;
        std::optional<std::int32_t> highest;
    } cases[] = {
        {"Folder ##", Numbers, 7},
        {"Folder #", CapitalLetters, 7},
        {"Folder #", SmallLetters, std::nullopt},
        {"sub/Folder #", CapitalLetters, 2},
        {"Folder #/x", Numbers, 7},
        {"missing/Folder #", Numbers, std::nullopt},
    };
    for (const auto& c : cases) {
        files.calls.clear();
        EXPECT_EQ(HighestCounter(files, "/t", NamePattern(c.pattern, c.style), '/'), c.highest)
            << c.pattern;
        EXPECT_LE(std::count_if(files.calls.begin(), files.calls.end(),
                                [](const std::string& call) { return call.starts_with("list"); }),
                  1);
        EXPECT_LE(files.calls.size(), 2u) << c.pattern;
    }
}

}  // namespace
}  // namespace quire
