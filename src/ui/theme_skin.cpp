#include "ui/theme_skin.h"

#include <fstream>
#include <sstream>

#include "engine/failure.h"
#include "ui/form1_design.h"

namespace quire {

void ThemeSkin::LoadSkin(const std::string& themeFile, const std::string& /*iniName*/) {
    std::ifstream in(themeFile, std::ios::binary);
    if (!in) throw Failure("Cannot open the theme file " + themeFile);
    std::ostringstream text;
    text << in.rdbuf();
    theme_ = ParseTheme(text.str());
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
    if (!theme_) throw Failure("No theme is loaded");
    painter_.Paint(Look());
}

}  // namespace quire
