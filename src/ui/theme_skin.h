// Our skin, driven by six accesses in a fixed order: it reads the theme file, keeps the options
// that the window sets, and hands the resulting look to the painter when it is applied. As with
// the skin component it stands in for, what the load and the apply find is not examined: a theme
// that cannot be read leaves the window as the recolouring made it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/small_files.h"
#include "ui/skin_painter.h"
#include "ui/theme.h"

namespace quire {

// Option bits of the skin.
namespace skin_option {
inline constexpr std::int32_t kSkinPushButtons = 1;  // push buttons drawn in the theme's colours
}  // namespace skin_option

class ThemeSkin final {
public:
    ThemeSkin(SkinPainter& painter, const SmallFiles& files) : painter_(painter), files_(files) {}

    // Loads the theme from a file; `iniName` selects a variant inside it (empty: the only one). A
    // file that cannot be read or parsed is not an error: the skin then has no theme colours.
    void LoadSkin(const std::string& themeFile, const std::string& iniName);

    std::int32_t Options() const { return options_; }
    void SetOptions(std::int32_t options) { options_ = options; }

    // True: the window face and the frames take the theme's colours instead of the button face.
    void SetApplyThemeColours(bool on) { themeColours_ = on; }

    // True: message boxes are drawn in the theme's colours as well.
    void SetSkinMessageBoxes(bool on) { messageBoxes_ = on; }

    // Paints the loaded theme on the main window; without one it changes nothing. Throws Failure
    // when the window refuses the colours.
    void ApplyWindow();

    // The look that ApplyWindow paints, from the loaded theme and the options.
    SkinLook Look() const;

private:
    SkinPainter& painter_;
    const SmallFiles& files_;
    std::optional<Theme> theme_;
    std::int32_t options_ = 0;
    bool themeColours_ = false;
    bool messageBoxes_ = false;
};

}  // namespace quire
