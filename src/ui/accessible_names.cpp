#include "ui/accessible_names.h"

#include "engine/ascii_text.h"
#include "ui/form1_design.h"

namespace quire {

std::string AccessibleName(ControlId id) {
    switch (id) {
        case ControlId::Text4: return "Press Tab to reach the target folder";
        case ControlId::PushButton7: return "Browse for the target folder";
        case ControlId::Form1:
        case ControlId::SkinFramework1: return {};
        default: break;
    }
    const ControlDesign& design = DesignOf(id);
    if (design.kind == ControlKind::TextBox)
        return std::string(Trim(DesignOf(design.container).caption));
    return std::string(Trim(design.caption));
}

}  // namespace quire
