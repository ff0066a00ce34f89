#include "app/statement_guard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/failure.h"
#include "fakes/fake_dialogs.h"

namespace quire {
namespace {

class StatementGuardTest : public testing::Test {
protected:
    fakes::FakeDialogs dialogs;
    StatementGuard guard{dialogs, "in P "};
    std::vector<std::string> ran;

    static void Fail(const char* why) { throw Failure(why); }
};

TEST_F(StatementGuardTest, AFailingStepOfASharedNumberGoesOnWithTheNextStep) {
    guard.Step(104, [&] { ran.push_back("caption"); });
    guard.Step(104, [&] {
        Fail("icon refused");
        ran.push_back("icon");
    });
    guard.Step(104, [&] { ran.push_back("title"); });
    guard.Step(106, [&] { ran.push_back("106"); });
    EXPECT_EQ(ran, (std::vector<std::string>{"caption", "title", "106"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("icon refused\r\nin P at line 104"), std::string::npos);
}

TEST_F(StatementGuardTest, AFailingTestRunsTheBody) {
    if (guard.Test(106, [&]() -> bool {
            Fail("no folder");
            return false;
        }))
        ran.push_back("body");
    else
        ran.push_back("else");
    EXPECT_EQ(ran, (std::vector<std::string>{"body"}));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(StatementGuardTest, TwoFailuresGiveTwoReportsInOrder) {
    guard.Step(128, [] { Fail("first"); });
    guard.Step(130, [] {});
    guard.Step(132, [] { Fail("second"); });
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_NE(dialogs.shown[0].text.find("first\r\nin P at line 128"), std::string::npos);
    EXPECT_NE(dialogs.shown[1].text.find("second\r\nin P at line 132"), std::string::npos);
}

TEST_F(StatementGuardTest, AFailureInTheLastStatementEndsTheProcedure) {
    const auto procedure = [&] {
        guard.Step(100, [&] { ran.push_back("100"); });
        guard.Step(102, [&] {
            Fail("last");
            ran.push_back("after the failure");
        });
    };
    procedure();
    EXPECT_EQ(ran, (std::vector<std::string>{"100"}));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(StatementGuardTest, ReportsAnyStandardFailureNotOnlyPlatformOnes) {
    EXPECT_FALSE(guard.Step(110, [] { throw std::bad_alloc(); }));
    EXPECT_TRUE(guard.Step(112, [] {}));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace quire
