// The Presets dialogs as scripted answers: the names typed one after another until one is
// taken, and the choice of the preset to delete.
#pragma once

#include <deque>

#include "ui/presets_view.h"

namespace quire::fakes {

class FakePresetsView final : public PresetsView {
public:
    std::deque<std::string> typed;  // each OK with the next; none left: cancelled
    bool keepTarget = false;
    std::vector<std::string> problems;  // what each OK showed beside the box
    std::optional<std::size_t> choice;
    std::vector<std::string> offered;  // the names ChoosePreset was given

    std::optional<PresetNameAnswer> AskName(
        const std::function<std::string(const std::string&)>& problem) override {
        while (!typed.empty()) {
            const std::string name = typed.front();
            typed.pop_front();
            problems.push_back(problem(name));
            if (problems.back().empty()) return PresetNameAnswer{name, keepTarget};
        }
        return std::nullopt;
    }

    std::optional<std::size_t> ChoosePreset(const std::vector<std::string>& names) override {
        offered = names;
        return choice;
    }
};

}  // namespace quire::fakes
