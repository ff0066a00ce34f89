// The presets' dialogs as Qt widgets, laid out by Qt's layouts in the desktop's own colours and
// font: the name to save under (with the tick box for keeping the target folder) and the choice
// of the preset to delete.
#pragma once

#include <QWidget>

#include "ui/presets_view.h"

namespace quire::qt {

class QtPresetsView final : public PresetsView {
public:
    explicit QtPresetsView(QWidget& owner) : owner_(owner) {}

    std::optional<PresetNameAnswer> AskName(
        const std::function<std::string(const std::string&)>& problem) override;
    std::optional<std::size_t> ChoosePreset(const std::vector<std::string>& names) override;

private:
    QWidget& owner_;
};

}  // namespace quire::qt
