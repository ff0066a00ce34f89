#include "ui/options_dialog.h"

#include <array>
#include <limits>
#include <utility>

#include "app/product.h"
#include "engine/name_pattern.h"
#include "engine/subfolders.h"

namespace quire {
namespace {

std::string OnLine(std::int64_t line, std::string_view problem) {
    return "Line " + std::to_string(line) + ": " + std::string(problem);
}

// The counter of `text`, or the refusal; `lowest` is the smallest counter allowed.
std::string CounterProblem(std::string_view text, std::int64_t lowest, std::int32_t& value) {
    const std::optional<std::int64_t> number = WholeNumber(text);
    if (number && *number < 0 && lowest == 0) return std::string(product::kStartBelowZero);
    if (!number || *number < lowest || *number > std::numeric_limits<std::int32_t>::max()) {
        return std::string(lowest == 0 ? product::kStartRefused : product::kStepRefused);
    }
    value = static_cast<std::int32_t>(*number);
    return {};
}

}  // namespace

void OptionsDialog::Load(const WindowOptions& options) {
    const RunOptions& run = options.run;
    view_.SetText(OptionField::Start, std::to_string(run.start));
    view_.SetText(OptionField::Step, std::to_string(run.step));
    view_.SetStyle(run.style);
    view_.SetChecked(OptionField::Continue, run.continueNumbering);
    std::string each;
    for (const std::string& path : run.each) each.append(path).append("\n");
    view_.SetText(OptionField::Each, each);
    view_.SetText(OptionField::Template, run.templateFolder.value_or(std::string()));
    view_.SetChecked(OptionField::Listed, options.listed);
    view_.SetText(OptionField::Names, options.names);
    view_.SetChecked(OptionField::Portable, run.portable && !windowsNamesAlways_);
    view_.SetShown(OptionField::Portable, !windowsNamesAlways_);
    for (const OptionField field : kCheckedFields) view_.SetProblem(field, "");
    Listed_Change();
}

void OptionsDialog::Reset_Click() { Load(WindowOptions{}); }

void OptionsDialog::Listed_Change() {
    view_.SetShown(OptionField::ListNote, view_.Checked(OptionField::Listed));
}

// A picker that cannot be shown is told beside the box it fills.
void OptionsDialog::Browse_Click() {
    std::string chosen;
    try {
        chosen = shell_.PickFolder(std::string(product::kOptionTemplatePicker),
                                   view_.Text(OptionField::Template));
    } catch (const Failure& failure) {
        view_.SetProblem(OptionField::Template, failure.what());
        return;
    }
    if (!chosen.empty()) view_.SetText(OptionField::Template, chosen);
}

std::string OptionsDialog::StartProblem(std::int32_t& start) const {
    return CounterProblem(view_.Text(OptionField::Start), 0, start);
}

std::string OptionsDialog::StepProblem(std::int32_t& step) const {
    const std::string text = view_.Text(OptionField::Step);
    if (WholeNumber(text) == 0) return std::string(product::kStepZero);
    return CounterProblem(text, std::numeric_limits<std::int32_t>::min(), step);
}

std::string OptionsDialog::EachProblem() const {
    Subfolders subfolders(separator_);
    std::int64_t line = 0;
    for (const std::string& path : NonEmptyLines(view_.Text(OptionField::Each))) {
        ++line;
        if (std::string problem = subfolders.Add(path); !problem.empty()) {
            return OnLine(line, problem);
        }
    }
    return {};
}

std::string OptionsDialog::TemplateProblem() const {
    const std::string folder = view_.Text(OptionField::Template);
    if (folder.empty()) return {};
    const std::string problem = files_.FolderProblem(folder);
    return problem.empty() ? problem : std::string(product::kTemplateRefused) + ": " + problem;
}

// Only a list in use is checked line by line; one of any size must fit where it is kept.
std::string OptionsDialog::NamesProblem(std::string_view names, bool listed) const {
    if (names.size() > SettingsStore::kLongestSetting) return std::string(product::kListTooLong);
    if (!listed) return {};
    bool named = false;
    std::string problem;
    ForEachLine(names, [&](std::string_view line, std::int64_t number) {
        named = named || !line.empty();
        if (NamePattern(line).Problem() == PatternProblem::SplitBlocks) {
            problem = OnLine(number, product::kListSplitBlock);
        } else if (HasParentStep(line, separator_)) {
            problem = OnLine(number, product::kListParentStep);
        }
        return problem.empty();
    });
    if (problem.empty() && !named) problem = product::kListEmpty;
    return problem;
}

bool OptionsDialog::OK_Click() {
    WindowOptions chosen;
    RunOptions& run = chosen.run;
    // The list is read once: it may hold a million names.
    std::string names = view_.Text(OptionField::Names);
    const bool listed = view_.Checked(OptionField::Listed);
    const bool continuesList = view_.Checked(OptionField::Continue) && listed;
    const std::array<std::pair<OptionField, std::string>, 6> problems{{
        {OptionField::Start, StartProblem(run.start)},
        {OptionField::Step, StepProblem(run.step)},
        {OptionField::Continue, continuesList ? std::string(product::kContinueWithList) : ""},
        {OptionField::Each, EachProblem()},
        {OptionField::Template, TemplateProblem()},
        {OptionField::Names, NamesProblem(names, listed)},
    }};
    bool refused = false;
    for (const auto& [field, problem] : problems) {
        view_.SetProblem(field, problem);
        if (!problem.empty() && !refused) view_.Focus(field);
        refused = refused || !problem.empty();
    }
    if (refused) return false;
    run.style = view_.Style();
    run.continueNumbering = view_.Checked(OptionField::Continue);
    run.each = NonEmptyLines(view_.Text(OptionField::Each));
    if (std::string folder = view_.Text(OptionField::Template); !folder.empty()) {
        run.templateFolder = std::move(folder);
    }
    run.portable = !windowsNamesAlways_ && view_.Checked(OptionField::Portable);
    chosen.listed = listed;
    chosen.names = std::move(names);
    accepted_ = std::move(chosen);
    return true;
}

}  // namespace quire
