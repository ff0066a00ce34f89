// The Start button: validation, the folder loop with the window kept alive, the closing question.
#include <optional>

#include "app/product.h"
#include "app/statement_guard.h"
#include "engine/count_text.h"
#include "engine/creation_run.h"
#include "ui/form1.h"

namespace quire {
namespace {

int MessageStatement(RunRefusal::Input input) {
    switch (input) {
        case RunRefusal::Input::Target: return 146;
        case RunRefusal::Input::Pattern: return 144;
        case RunRefusal::Input::Count: return 142;
    }
    return 146;
}

// Clears the run flag on every way out of the procedure.
class RunFlag {
public:
    explicit RunFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunFlag() { flag_ = false; }
    RunFlag(const RunFlag&) = delete;
    RunFlag& operator=(const RunFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

class Form1::WindowRun final : public RunHost {
public:
    WindowRun(Form1& form, StatementGuard& guard) : form_(form), guard_(guard) {}

    bool BeforeFolder() override {
        bool open = true;
        guard_.Step(114, [&] { open = form_.ports_.pump.ProcessPendingEvents(); });
        return open && !form_.unloaded_;
    }

    void ReadInputs(std::string& pattern, std::string& target) override {
        pattern = form_.ports_.view.Text(ControlId::Text1);
        target = form_.ports_.view.Text(ControlId::Text3);
    }

    void FolderCreated(const std::string&) override {}
    void FolderSkipped(const std::string&) override {}
    void FolderFailed(const std::string&, const Failure& failure) override {
        guard_.Report(126, failure);
    }
    void CounterOverflow() override { guard_.Report(132, Failure("Overflow")); }

private:
    Form1& form_;
    StatementGuard& guard_;
};

void Form1::PushButton1_Click() {
    StatementGuard guard(ports_.dialogs, product::kStartContext);
    if (runInProgress_) return;
    const RunFlag flag(runInProgress_);
    Form1View& view = ports_.view;

    std::optional<RunRefusal> refusal;
    guard.Step(106, [&] {
        refusal =
            ValidateRun(ports_.files, view.Text(ControlId::Text3), view.Text(ControlId::Text1),
                        view.Text(ControlId::Text2), environment_.decimalSeparator);
    });
    if (refusal) {
        guard.Step(MessageStatement(refusal->input), [&] { Show(refusal->message, BoxStyle::Ok); });
        return;
    }

    // A count that passed the number test but does not fit 32 bits ends the run here: nothing is
    // created and no question is asked.
    std::optional<std::int32_t> count;
    guard.Step(112, [&] {
        count = ConvertCount(view.Text(ControlId::Text2), environment_.decimalSeparator);
        if (!count) throw Failure("Overflow");
    });
    if (!count) return;

    WindowRun host(*this, guard);
    if (RunCreationLoop(ports_.files, host, *count, environment_.traits.pathSeparator) ==
            RunEnd::Stopped ||
        unloaded_) {
        return;
    }
    if (guard.Test(138, [&] {
            return Show(product::kOpenFolderQuestion, BoxStyle::YesNo) == BoxAnswer::Yes;
        })) {
        guard.Step(140, [&] { ports_.shell.OpenInShell(view.Text(ControlId::Text3)); });
    }
}

}  // namespace quire
