// The main window and its controls, by their design names.
#pragma once

#include <string_view>

namespace quire {

enum class ControlId {
    Form1,           // the main window itself
    Text4,           // the hidden first-focus box, below the client area
    Frame3,          // the group of the target folder
    Text3,           // the target folder box
    PushButton7,     // the browse button "..." beside the target folder
    PushButton6,     // "Help"
    Frame2,          // the group of the folder count
    Text2,           // the folder count box
    Frame1,          // the group of the name pattern
    Text1,           // the name pattern box
    Label2,          // the fixed caption before the preview
    Label4,          // the preview of the first folder name
    PushButton1,     // "Start Creating Folders"
    PushButton2,     // "Load Sample/Example Folder"
    SkinFramework1,  // the skin, which has no window of its own
};

std::string_view ControlName(ControlId id);

}  // namespace quire
