#include "ui/accessible_names.h"

#include "ui/form1_design.h"

namespace quire {
namespace {

// A caption without the blanks that pad it in the design.
std::string Trimmed(std::string_view caption) {
    while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
    while (!caption.empty() && caption.back() == ' ') caption.remove_suffix(1);
    return std::string(caption);
}

}  // namespace

std::string AccessibleName(ControlId id) {
    switch (id) {
        case ControlId::Text4: return "Press Tab to reach the target folder";
        case ControlId::PushButton7: return "Browse for the target folder";
        case ControlId::Form1:
        case ControlId::SkinFramework1: return {};
        default: break;
    }
    const ControlDesign& design = DesignOf(id);
    if (design.kind == ControlKind::TextBox) return Trimmed(DesignOf(design.container).caption);
    return Trimmed(design.caption);
}

}  // namespace quire
