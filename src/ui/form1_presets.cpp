// "Presets": saving the boxes and the options under a name, putting a preset into effect, and
// deleting one.
#include <algorithm>
#include <utility>

#include "app/product.h"
#include "ui/form1.h"
#include "ui/preset_name.h"

namespace quire {
namespace {

std::string Question(std::string_view question, const std::string& name) {
    return std::string(question) + " \"" + name + "\"?";
}

}  // namespace

std::vector<std::string> Form1::PresetNames() const {
    std::vector<std::string> names;
    names.reserve(presets_.size());
    for (const PresetEntry& entry : presets_) names.push_back(entry.name);
    return names;
}

void Form1::SavePreset_Click(PresetsView& view) {
    if (!PresetsOffered()) return;
    Unguarded("The preset could not be saved", [&] {
        const std::vector<std::string> names = PresetNames();
        const bool full = presets_.size() >= kMostPresets;
        const std::optional<PresetNameAnswer> answer = view.AskName(
            [&](const std::string& name) { return PresetNameProblem(name, names, full); });
        if (!answer) return;
        const auto same = std::find_if(presets_.begin(), presets_.end(), [&](const PresetEntry& e) {
            return e.name == answer->name;
        });
        const bool replaces = same != presets_.end();
        if (replaces && Show(Question(product::kPresetReplaceQuestion, answer->name),
                             BoxStyle::YesNo) != BoxAnswer::Yes) {
            return;
        }
        const PresetEntry entry =
            replaces ? *same : PresetEntry{FreePresetSlot(presets_), answer->name};
        const Form1View& boxes = ports_.view;
        WritePreset(
            ports_.presets, entry,
            Preset{boxes.Text(ControlId::Text1), boxes.Text(ControlId::Text2),
                   answer->keepTarget ? boxes.Text(ControlId::Text3) : std::string(), options_});
        if (replaces) return;
        presets_.push_back(entry);
        std::stable_sort(presets_.begin(), presets_.end(),
                         [](const PresetEntry& a, const PresetEntry& b) {
                             return PresetNameOrder(a.name, b.name);
                         });
    });
}

// The values go in as they were kept, whatever they are now: a count or a target that Start
// would refuse is reported by Start, as if typed.
void Form1::Preset_Click(std::size_t index) {
    if (!PresetsOffered() || index >= presets_.size()) return;
    Unguarded("The preset could not be used", [&] {
        StoredPreset stored = ReadPreset(ports_.presets, presets_[index]);
        Preset& preset = stored.preset;
        const WindowOptions held = std::exchange(options_, std::move(preset.options));
        ShowOptionsTip();
        // The pattern goes in last, so that its preview takes the preset's options.
        ports_.view.SetText(ControlId::Text2, preset.count);
        if (!preset.target.empty()) ports_.view.SetText(ControlId::Text3, preset.target);
        ports_.view.SetText(ControlId::Text1, preset.pattern);
        ShowPreview();
        WriteWindowOptions(ports_.settings, held, options_, staleOptions_);
        staleOptions_.clear();
        if (!stored.problem.empty()) {
            ports_.dialogs.ShowMessage(stored.problem, std::string(product::kErrorCaption),
                                       BoxStyle::Warning);
        }
    });
}

void Form1::DeletePreset_Click(PresetsView& view) {
    if (!PresetsOffered() || presets_.empty()) return;
    Unguarded("The preset could not be deleted", [&] {
        const std::optional<std::size_t> index = view.ChoosePreset(PresetNames());
        if (!index || *index >= presets_.size()) return;
        const PresetEntry entry = presets_[*index];
        if (Show(Question(product::kPresetDeleteQuestion, entry.name), BoxStyle::YesNo) !=
            BoxAnswer::Yes) {
            return;
        }
        RemovePreset(ports_.presets, entry.slot);
        presets_.erase(presets_.begin() + static_cast<std::ptrdiff_t>(*index));
    });
}

}  // namespace quire
