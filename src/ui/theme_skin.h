// Our skin: reads the theme file, keeps the options that the window sets, and hands the resulting
// look to the toolkit when it is applied. As with the skin component it stands in for, what the
// load and the apply find is not examined: a theme that cannot be read leaves the window as the
// recolouring made it.
#pragma once

#include <optional>

#include "engine/file_system.h"
#include "ui/skin_control.h"
#include "ui/theme.h"

namespace quire {

// What the toolkit draws once the skin is applied.
struct SkinLook {
    Colour windowFace;                       // window and labels' background
    Colour frameFace;                        // frames' background
    std::optional<Colour> frameText;         // frame captions; nothing keeps the design colour
    std::optional<ButtonTheme> pushButtons;  // nothing: buttons keep their design look
    std::optional<Colour> messageBoxFace;    // nothing: message boxes keep the platform's look
};

class SkinPainter {
public:
    virtual ~SkinPainter() = default;
    virtual void Paint(const SkinLook& look) = 0;
};

class ThemeSkin final : public SkinControl {
public:
    ThemeSkin(SkinPainter& painter, const FileSystem& files) : painter_(painter), files_(files) {}

    void LoadSkin(const std::string& themeFile, const std::string& iniName) override;
    std::int32_t Options() const override { return options_; }
    void SetOptions(std::int32_t options) override { options_ = options; }
    void SetApplyThemeColours(bool on) override { themeColours_ = on; }
    void SetSkinMessageBoxes(bool on) override { messageBoxes_ = on; }
    void ApplyWindow() override;

    // The look that ApplyWindow paints, from the loaded theme and the options.
    SkinLook Look() const;

private:
    SkinPainter& painter_;
    const FileSystem& files_;
    std::optional<Theme> theme_;
    std::int32_t options_ = 0;
    bool themeColours_ = false;
    bool messageBoxes_ = false;
};

}  // namespace quire
