// What a screen reader must find on the Options dialog, field by field in the keyboard's order:
// one table for the Qt test and the check over AT-SPI (tests/e2e/qt_atspi_options_check.py).
#pragma once

#include <array>
#include <string_view>

namespace quire::accessible {

enum class OptionsRole { EditableText, ComboBox, CheckBox, PushButton };

struct OptionsExpectation {
    OptionsRole role;
    std::string_view name;
};

inline constexpr std::array<OptionsExpectation, 13> kOptionsTable{{
    {OptionsRole::EditableText, "First counter"},
    {OptionsRole::EditableText, "Step"},
    {OptionsRole::ComboBox, "Counter style"},
    {OptionsRole::CheckBox, "Continue after the highest counter already in the target folder"},
    {OptionsRole::EditableText, "Subfolders in every folder (one path a line)"},
    {OptionsRole::EditableText, "Template folder (its folders in every folder)"},
    {OptionsRole::PushButton, "Browse for the template folder"},
    {OptionsRole::CheckBox, "Names from a list (one name a line)"},
    {OptionsRole::EditableText, "The list of names"},
    {OptionsRole::CheckBox, "Windows-safe names (a name Windows cannot hold is a failure)"},
    {OptionsRole::PushButton, "Reset"},
    {OptionsRole::PushButton, "OK"},
    {OptionsRole::PushButton, "Cancel"},
}};

}  // namespace quire::accessible
