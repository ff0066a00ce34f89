// The window's look at run time: the optional skin and the hover pointer.
#pragma once

#include <optional>
#include <string>

#include "engine/small_files.h"
#include "ui/form1_view.h"
#include "ui/theme_skin.h"

namespace quire {

// The theme file beside the program: folder, "x", "o.cjs".
std::string ThemeFilePath(const std::string& programFolder, char separator);

// When the theme file lies beside the program: recolours the window and its frames and labels to
// the button face, then loads the theme, sets its options and applies it. Without the file nothing
// changes. A failure ends it at that step and reaches the caller.
void ApplySkin(Form1View& view, const SmallFiles& files, ThemeSkin& skin,
               const std::string& programFolder, char separator);

// The pointer style that a mouse move over `control` sets, or nothing when it leaves it unchanged.
std::optional<MousePointer> HoverPointer(ControlId control);

}  // namespace quire
