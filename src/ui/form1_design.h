// The main window as designed: its controls, their places, texts, fonts, colours and tab order.
// Both desktop programs build the window from this table.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "ui/colour.h"
#include "ui/control_id.h"

namespace quire {

enum class ControlKind { Form, TextBox, Frame, Label, PushButton, SkinComponent };

// Twips: 1/1440 inch, 15 to the pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;

constexpr int TwipsToPixels(int twips, int dotsPerInch = 96) {
    return (twips * dotsPerInch + kTwipsPerInch / 2) / kTwipsPerInch;
}

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct FontDesign {
    std::string_view face;
    double points;
    int weight;
    int charset;  // 0: Western (ANSI)
    bool italic;
    bool underline;
    bool strikeout;
};

inline constexpr FontDesign kWindowFont{"Arial", 9.0, 700, 0, false, false, false};
inline constexpr FontDesign kPushButtonFont{"Arial", 11.25, 700, 0, false, false, false};

struct ControlDesign {
    ControlId id;
    ControlKind kind;
    ControlId container;  // Form1, or the frame that holds the control
    std::string_view caption;
    TwipRect twips;  // relative to the container's top-left corner
    const FontDesign* font;
    Colour back;
    Colour fore;
    int tabPosition;  // place in the focus order from 1, or 0 when it takes no focus
    bool flat;        // drawn flat (the browse button)
};

struct WindowDesign {
    int clientWidth;   // twips
    int clientHeight;  // twips
    Colour back;
    const FontDesign* font;
};

inline constexpr WindowDesign kForm1Window{8040, 4005, colour::kWhite, &kWindowFont};

// In order of creation; a frame is followed by its children.
std::span<const ControlDesign> Form1Controls();

const ControlDesign& DesignOf(ControlId id);

// The controls that take the focus, in the order of the Tab key.
std::span<const ControlId> Form1TabOrder();

// The control's rectangle in window client coordinates (frames' offsets added).
TwipRect ClientTwips(ControlId id);

}  // namespace quire
