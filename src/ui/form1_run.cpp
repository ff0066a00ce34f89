// The Start button: validation, the folder loop with the window kept alive, the closing question.
#include <iterator>
#include <optional>
#include <utility>
#include <variant>

#include "app/product.h"
#include "app/statement_guard.h"
#include "engine/creation_run.h"
#include "engine/run_checks.h"
#include "engine/run_journal.h"
#include "engine/run_plan.h"
#include "ui/form1.h"
#include "ui/run_flag.h"
#include "ui/text_source.h"

namespace quire {
namespace {

// Holds `value` in `slot` for the procedure's time, and clears it on every way out.
template <class T>
class Holding {
public:
    Holding(T*& slot, T& value) : slot_(slot) { slot_ = &value; }
    ~Holding() { slot_ = nullptr; }
    Holding(const Holding&) = delete;
    Holding& operator=(const Holding&) = delete;

private:
    T*& slot_;
};

// The tool's reason, and what it is about.
std::string Refusal(const RunRefusal& refusal) {
    return refusal.detail.empty() ? refusal.message : refusal.detail + ":\r\n" + refusal.message;
}

// Where the window reads an input and the statements of its test and of its message.
struct InputStatements {
    ControlId box;
    int test;
    int message;
};

InputStatements StatementsOf(RunRefusal::Input input) {
    switch (input) {
        case RunRefusal::Input::Target: return {ControlId::Text3, 106, 146};
        case RunRefusal::Input::Pattern: return {ControlId::Text1, 108, 144};
        default: return {ControlId::Text2, 110, 142};
    }
}

}  // namespace

class Form1::WindowRun final : public RunHost {
public:
    WindowRun(Form1& form, StatementGuard& guard, std::string validatedTarget, RunJournal& journal)
        : form_(form),
          guard_(guard),
          checkedTarget_(std::move(validatedTarget)),
          journal_(journal) {}

    bool BeforeFolder() override {
        bool open = true;
        guard_.Step(114, [&] { open = form_.ports_.pump.ProcessPendingEvents(); });
        return open && !form_.unloaded_;
    }

    // A target edited during the run is checked as the Start button checks it, so that a box
    // emptied or mistyped never turns into a path in the root of the file system.
    bool ReadInputs(std::string& pattern, std::string& target) override {
        pattern = form_.ports_.view.Text(ControlId::Text1);
        target = form_.ports_.view.Text(ControlId::Text3);
        if (target == checkedTarget_) return true;
        checkedTarget_ = target;
        if (TargetProblem(form_.ports_.files.lookup, target, form_.Separator()).empty())
            return true;
        guard_.Step(146, [&] { form_.Show(kInvalidFolderMessage, BoxStyle::Ok); });
        return false;
    }
    void InputsFailed(const std::exception& failure) override { guard_.Report(116, failure); }

    void FolderCreated(const std::string& path) override { journal_.FolderCreated(path); }
    void FolderSkipped(const std::string&) override {}
    void FolderFailed(const std::string&, const Failure& failure) override {
        guard_.Report(126, failure);
    }
    void CounterOverflow() override { guard_.Report(132, Failure("Overflow")); }

private:
    Form1& form_;
    StatementGuard& guard_;
    std::string checkedTarget_;
    RunJournal& journal_;
};

std::optional<Form1::CheckedRun> Form1::CheckRun(StatementGuard& guard) {
    Form1View& view = ports_.view;

    // Each input is read and checked in a statement of its own, in the engine's order: a test
    // that fails runs its body, the message; an input that cannot be read is refused as an empty
    // one. With the names from the list, the pattern and the count are not used.
    const bool listed = options_.listed;
    std::string texts[std::size(kInputOrder)];
    const auto text = [&](RunRefusal::Input input) -> std::string& {
        return texts[static_cast<std::size_t>(input)];
    };
    for (const RunRefusal::Input input : kInputOrder) {
        if (listed && input != RunRefusal::Input::Target) continue;
        const InputStatements at = StatementsOf(input);
        const auto check = [&] {
            return CheckInput(input, text(input), ports_.files.lookup,
                              environment_.decimalSeparator, Separator());
        };
        std::optional<RunRefusal> refusal;
        if (guard.Test(at.test, [&] {
                text(input) = view.Text(at.box);
                refusal = check();
                return refusal.has_value();
            })) {
            if (!refusal) refusal = check();
            guard.Step(at.message, [&] { Show(refusal->message, BoxStyle::Ok); });
            return std::nullopt;
        }
    }
    std::string& target = text(RunRefusal::Input::Target);
    std::string& pattern = text(RunRefusal::Input::Pattern);

    // The plan the command-line tool makes of the same inputs and options. A count that passed
    // the number test but does not fit 32 bits ends the run here as an overflow, and options the
    // plan refuses with their reason: nothing is created and no question is asked.
    std::optional<CheckedRun> checked;
    guard.Step(112, [&] {
        const RunRequest request{target, pattern, text(RunRefusal::Input::Count),
                                 environment_.decimalSeparator, listed};
        std::variant<RunPlan, RunRefusal> planned =
            PlanRun(ports_.files.lookup, options_.run, request, Separator());
        if (const auto* refusal = std::get_if<RunRefusal>(&planned)) {
            if (refusal->input == RunRefusal::Input::CountSize) throw Failure("Overflow");
            Show(Refusal(*refusal), BoxStyle::Ok);
            return;
        }
        checked = CheckedRun{std::move(target), std::move(pattern),
                             std::move(std::get<RunPlan>(planned))};
    });
    return checked;
}

void Form1::PushButton1_Click() {
    StatementGuard guard(ports_.dialogs, product::kStartContext);
    if (runInProgress_) return;
    const RunFlag flag(runInProgress_);
    std::optional<CheckedRun> checked = CheckRun(guard);
    if (!checked) return;
    const std::string& target = checked->target;
    RunPlan& plan = checked->plan;
    const bool listed = options_.listed;
    TextSource source(options_.names);
    std::optional<NameList> names;
    if (listed) plan.names = &names.emplace(source);

    RunJournal journal(
        ports_.files.identities, ports_.journal,
        DescribeRun(target, checked->pattern, listed, plan.count, Separator()),
        [this](const Failure& failure) { JournalUnwritable(failure); }, ports_.startHelper);
    const Holding held(runJournal_, journal);
    WindowRun host(*this, guard, target, journal);
    const RunEnd end = RunCreationLoop(ports_.files.creation, host, plan, Separator());
    journal.Finish();
    if (unloaded_) return;
    TargetFoldersChanged();
    if (end == RunEnd::Stopped) return;
    if (guard.Test(138, [&] {
            return Show(product::kOpenFolderQuestion, BoxStyle::YesNo) == BoxAnswer::Yes;
        })) {
        guard.Step(140, [&] { ports_.shell.OpenFolder(ports_.view.Text(ControlId::Text3)); });
    }
}

}  // namespace quire
