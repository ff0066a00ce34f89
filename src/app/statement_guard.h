// Runs the numbered statements of a procedure so that a failure is reported and the procedure
// resumes with the statement that would have run next.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "app/dialogs.h"

namespace quire {

class StatementGuard {
public:
    StatementGuard(Dialogs& dialogs, std::string_view context)
        : dialogs_(dialogs), context_(context) {}

    // Runs one step of statement `number`; a failure is reported and the step is abandoned.
    // Returns false when the step failed.
    template <class Body>
    bool Step(int number, Body&& step) {
        try {
            std::forward<Body>(step)();
            return true;
        } catch (const std::exception& failure) {
            Report(number, failure);
            return false;
        }
    }

    // Runs the test of a conditional; a failing test is reported and counts as passed, so that the
    // conditional's body runs.
    template <class Condition>
    bool Test(int number, Condition&& test) {
        try {
            return std::forward<Condition>(test)();
        } catch (const std::exception& failure) {
            Report(number, failure);
            return true;
        }
    }

    // Shows the error report for a failure that the caller caught itself.
    void Report(int number, const std::exception& failure);

private:
    Dialogs& dialogs_;
    std::string context_;
};

}  // namespace quire
