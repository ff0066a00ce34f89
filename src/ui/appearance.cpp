#include "ui/appearance.h"

#include "app/product.h"
#include "ui/form1_design.h"

namespace quire {

std::string ThemeFilePath(const std::string& programFolder, char separator) {
    std::string path = programFolder;
    path += separator;
    path.append(product::kThemeFolder);
    path += separator;
    path.append(product::kThemeFile);
    return path;
}

void ApplySkin(Form1View& view, const SmallFiles& files, ThemeSkin& skin,
               const std::string& programFolder, char separator) {
    if (!files.PlainFileExists(ThemeFilePath(programFolder, separator))) return;
    view.SetBackColor(ControlId::Form1, colour::kButtonFace);
    for (const ControlDesign& control : Form1Controls()) {
        if (control.kind == ControlKind::Frame || control.kind == ControlKind::Label) {
            view.SetBackColor(control.id, colour::kButtonFace);
        }
    }
    skin.LoadSkin(ThemeFilePath(programFolder, separator), "");
    const std::int32_t options = skin.Options();
    skin.SetOptions(options | skin_option::kSkinPushButtons);
    skin.SetApplyThemeColours(true);
    skin.SetSkinMessageBoxes(true);
    skin.ApplyWindow();
}

std::optional<MousePointer> HoverPointer(ControlId control) {
    switch (control) {
        case ControlId::PushButton1:
        case ControlId::PushButton2:
        case ControlId::PushButton6:
        case ControlId::PushButton7: return MousePointer::Custom;
        case ControlId::Form1:
        case ControlId::Frame1:
        case ControlId::Frame2:
        case ControlId::Frame3:
        case ControlId::Text1:
        case ControlId::Text2: return MousePointer::Default;
        default: return std::nullopt;
    }
}

}  // namespace quire
