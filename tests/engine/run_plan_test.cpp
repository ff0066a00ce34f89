#include "engine/run_plan.h"

#include <gtest/gtest.h>

#include <optional>

#include "fakes/fake_file_system.h"

namespace quire {
namespace {

using Input = RunRefusal::Input;
using enum CounterStyle;

struct PlanCase {
    const char* what;
    RunOptions options;
    RunRequest request;
    std::optional<Input> refused;
    std::string said;  // the refusal's message and detail, or the plan's first counter
};

std::string Said(const std::variant<RunPlan, RunRefusal>& planned) {
    if (const auto* plan = std::get_if<RunPlan>(&planned)) return std::to_string(plan->start);
    const RunRefusal& refusal = std::get<RunRefusal>(planned);
    return refusal.message + (refusal.detail.empty() ? "" : " | " + refusal.detail);
}

// Each input and option refused in its turn, and the first counter of the runs that may start.
TEST(PlanRun, RefusesTheFirstInputFoundWantingOrGivesTheFirstCounter) {
    fakes::FakeFileSystem files;
    files.folders = {"/t", "/t/F7", "/t/FG", "/t/top", "/t/T", "/t/T/a", "/u"};
    files.unreadable = {"/u"};
    const RunRequest counted{.target = "/t", .pattern = "F#", .count = "3"};
    const RunRequest listed{.target = "/t", .listed = true};
    const RunRequest highest{.target = "/t", .pattern = "top/F#", .count = "1"};
    files.folders.insert("/t/top/F2147483647");
    const PlanCase cases[] = {
        {"target",
         {},
         {.target = "/x", .pattern = "A#B#"},
         Input::Target,
         "Folder does not appear to be valid | No such folder"},
        {"pattern",
         {},
         {.target = "/t", .pattern = "A#B#"},
         Input::Pattern,
         "You must have a single block of #'s present in your naming scheme."},
        {"count",
         {},
         {.target = "/t", .pattern = "F#", .count = "x"},
         Input::Count,
         "x does not appear to be a number."},
        {"count size",
         {},
         {.target = "/t", .pattern = "F#", .count = "1e400"},
         Input::CountSize,
         "1e400 does not fit a 32-bit count."},
        {"counters",
         {.step = -1},
         counted,
         Input::Counters,
         "the counter of folder 3 would be -1, below 0"},
        {"letters from 0",
         {.start = 0, .style = CapitalLetters},
         listed,
         Input::Counters,
         "the counter of folder 1 would be 0, below 1"},
        {"each",
         {.each = {"a", "../b"}},
         counted,
         Input::Each,
         "a \"..\" in it would lead out of the numbered folder | ../b"},
        {"template",
         {.templateFolder = "/t/none"},
         counted,
         Input::Template,
         "/t/none: No such file or directory"},
        {"continue a list",
         {.continueNumbering = true},
         listed,
         Input::Continue,
         "a list has no one pattern to continue: its lines are patterns of their own"},
        {"continue unlisted",
         {.continueNumbering = true},
         {.target = "/u", .pattern = "F#", .count = "1"},
         Input::Continue,
         "/u: Permission denied"},
        {"continue past the last",
         {.continueNumbering = true},
         highest,
         Input::Counters,
         "the counter of folder 1 would be 2147483648, beyond 2147483647"},
        {"plain", {.start = 5}, counted, std::nullopt, "5"},
        {"continue numbers", {.step = 3, .continueNumbering = true}, counted, std::nullopt, "10"},
        {"continue letters",
         {.style = CapitalLetters, .continueNumbering = true},
         counted,
         std::nullopt,
         "8"},
        {"continue in a missing folder",
         {.start = 4, .continueNumbering = true},
         {.target = "/t", .pattern = "new/F#", .count = "1"},
         std::nullopt,
         "4"},
        {"continue into a target made first",
         {.start = 4, .continueNumbering = true},
         {.target = "/t", .pattern = "F#", .count = "1", .targetMade = true},
         std::nullopt,
         "4"},
    };
    for (const PlanCase& c : cases) {
        const auto planned = PlanRun(files, c.options, c.request, '/');
        const auto* refusal = std::get_if<RunRefusal>(&planned);
        EXPECT_EQ(refusal ? std::optional(refusal->input) : std::nullopt, c.refused) << c.what;
        EXPECT_EQ(Said(planned), c.said) << c.what;
    }
}

TEST(PlanRun, CarriesTheOptionsIntoThePlan) {
    fakes::FakeFileSystem files;
    files.folders = {"/t", "/T", "/T/x", "/T/x/y"};
    const RunOptions options{.start = 2,
                             .step = -1,
                             .style = SmallLetters,
                             .each = {"a/b"},
                             .templateFolder = "/T",
                             .portable = true};
    const RunPlan plan = std::get<RunPlan>(
        PlanRun(files, options, {.target = "/t", .pattern = "F#", .count = "2.5"}, '/'));
    EXPECT_EQ(plan.count, 2);
    EXPECT_EQ(plan.step, -1);
    EXPECT_EQ(plan.style, SmallLetters);
    EXPECT_TRUE(plan.portable);
    EXPECT_EQ(plan.subfolders, (std::vector<std::string>{"a", "a/b", "x", "x/y"}));
}

TEST(FirstFolderName, IsTheFirstFolderAsTheRunMakesIt) {
    EXPECT_EQ(FirstFolderName("Folder ###", {.start = 10}), "Folder 010");
    EXPECT_EQ(FirstFolderName("Folder ###", {.style = CapitalLetters}), "Folder A");
    EXPECT_EQ(FirstFolderName("#-x", {.start = 28, .style = SmallLetters}), "ab-x");
    EXPECT_EQ(FirstFolderName("A#B#", {.start = 3}), "A#B#");
}

}  // namespace
}  // namespace quire
