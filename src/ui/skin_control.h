// The window's skin, driven by six accesses in a fixed order.
#pragma once

#include <cstdint>
#include <string>

namespace quire {

// Option bits of the skin.
namespace skin_option {
inline constexpr std::int32_t kSkinPushButtons = 1;  // push buttons drawn in the theme's colours
}  // namespace skin_option

class SkinControl {
public:
    virtual ~SkinControl() = default;

    // Loads the theme from a file; `iniName` selects a variant inside it (empty: the only one).
    // A file that cannot be read or parsed is not an error: the skin then has no theme colours.
    virtual void LoadSkin(const std::string& themeFile, const std::string& iniName) = 0;

    virtual std::int32_t Options() const = 0;
    virtual void SetOptions(std::int32_t options) = 0;

    // True: the window face and the frames take the theme's colours instead of the button face.
    virtual void SetApplyThemeColours(bool on) = 0;

    // True: message boxes are drawn in the theme's colours as well.
    virtual void SetSkinMessageBoxes(bool on) = 0;

    // Applies the loaded theme to the main window; without one it changes nothing. Throws Failure
    // when the window refuses the colours.
    virtual void ApplyWindow() = 0;
};

}  // namespace quire
