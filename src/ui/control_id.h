// The main window and its controls, by their design names.
#pragma once

#include <string_view>

namespace quire {

enum class ControlId {
    Form1,
    Text4,
    Frame3,
    Text3,
    PushButton7,
    PushButton6,
    Frame2,
    Text2,
    Frame1,
    Text1,
    Label2,
    Label4,
    PushButton1,
    PushButton2,
    SkinFramework1,
};

std::string_view ControlName(ControlId id);

}  // namespace quire
