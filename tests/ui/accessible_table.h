// What a screen reader must find on the main window, control by control: one table for the core
// and both front-ends, each of which maps the role to its own accessibility API.
#pragma once

#include <array>
#include <string_view>

#include "ui/control_id.h"

namespace quire::accessible {

enum class AccessibleRole { EditableText, PushButton, Grouping, StaticText };

struct AccessibleExpectation {
    ControlId control;
    AccessibleRole role;
    std::string_view name;
};

inline constexpr std::array<AccessibleExpectation, 13> kAccessibleTable{{
    {ControlId::Text4, AccessibleRole::EditableText, "Press Tab to reach the target folder"},
    {ControlId::Frame3, AccessibleRole::Grouping, "Folder To Create New Folders"},
    {ControlId::Text3, AccessibleRole::EditableText, "Folder To Create New Folders"},
    {ControlId::PushButton7, AccessibleRole::PushButton, "Browse for the target folder"},
    {ControlId::PushButton6, AccessibleRole::PushButton, "Help"},
    {ControlId::Frame2, AccessibleRole::Grouping, "How many folders would you like to create?"},
    {ControlId::Text2, AccessibleRole::EditableText, "How many folders would you like to create?"},
    {ControlId::Frame1, AccessibleRole::Grouping,
     "New folder name format (use # for counter - you can put # anywhere)"},
    {ControlId::Text1, AccessibleRole::EditableText,
     "New folder name format (use # for counter - you can put # anywhere)"},
    {ControlId::Label2, AccessibleRole::StaticText, "First folder created will appear as:"},
    {ControlId::Label4, AccessibleRole::StaticText, ""},  // the preview: its own text
    {ControlId::PushButton1, AccessibleRole::PushButton, "Start Creating Folders"},
    {ControlId::PushButton2, AccessibleRole::PushButton, "Load Sample/Example Folder"},
}};

}  // namespace quire::accessible
