#include "ui/theme_skin.h"

#include "engine/failure.h"
#include "ui/form1_design.h"

namespace quire {

void ThemeSkin::LoadSkin(const std::string& themeFile, const std::string& /*iniName*/) {
    // What the load finds is not reported: a theme that cannot be read or parsed leaves the skin
    // without theme colours, as if it had none.
    theme_.reset();
    try {
        theme_ = ParseTheme(files_.ReadSmallFile(themeFile, kSmallFileLimit));
    } catch (const Failure&) {
    }
}

SkinLook ThemeSkin::Look() const {
    SkinLook look{colour::kButtonFace, colour::kButtonFace, std::nullopt, std::nullopt,
                  std::nullopt};
    if (!theme_) return look;
    if (themeColours_) {
        look.windowFace = theme_->windowFace.value_or(colour::kButtonFace);
        look.frameFace = theme_->frameFace.value_or(look.windowFace);
        look.frameText = theme_->frameText;
    }
    if ((options_ & skin_option::kSkinPushButtons) != 0) look.pushButtons = theme_->pushButton;
    if (messageBoxes_) look.messageBoxFace = look.windowFace;
    return look;
}

void ThemeSkin::ApplyWindow() {
    if (theme_) painter_.Paint(Look());
}

}  // namespace quire
