// An Options dialog that records what it shows and is worked by a script instead of a user.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "ui/options_dialog.h"
#include "ui/options_view.h"

namespace quire::fakes {

class FakeOptionsView final : public OptionsView {
public:
    // What the user does with the dialog; its answer is Run's. Without one the dialog is cancelled.
    std::function<bool(OptionsDialog&, FakeOptionsView&)> user;
    std::map<OptionField, std::string> texts;
    std::map<OptionField, bool> checked;
    std::map<OptionField, bool> shown;
    std::map<OptionField, std::string> problems;
    CounterStyle style = CounterStyle::Numbers;
    std::optional<OptionField> focus;
    int runs = 0;

    bool Run(OptionsDialog& dialog) override {
        ++runs;
        return user && user(dialog, *this);
    }
    std::string Text(OptionField field) const override {
        const auto it = texts.find(field);
        return it == texts.end() ? std::string() : it->second;
    }
    void SetText(OptionField field, const std::string& text) override { texts[field] = text; }
    bool Checked(OptionField field) const override {
        const auto it = checked.find(field);
        return it != checked.end() && it->second;
    }
    void SetChecked(OptionField field, bool on) override { checked[field] = on; }
    CounterStyle Style() const override { return style; }
    void SetStyle(CounterStyle value) override { style = value; }
    void SetShown(OptionField field, bool on) override { shown[field] = on; }
    void SetProblem(OptionField field, const std::string& reason) override {
        problems[field] = reason;
    }
    void Focus(OptionField field) override { focus = field; }
};

}  // namespace quire::fakes
