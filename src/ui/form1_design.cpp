#include "ui/form1_design.h"

#include <algorithm>

#include "engine/failure.h"

namespace quire {
namespace {

using enum ControlId;
using enum ControlKind;
using namespace colour;

constexpr const FontDesign* kOwnFont = &kWindowFont;
constexpr const FontDesign* kButtonFont = &kPushButtonFont;

// One row per control, in the order of creation: id, kind, container, caption, twips (left, top,
// width, height), font, background, text colour, place in the Tab order (0: none), flat.
// clang-format off
constexpr std::array<ControlDesign, 14> kControls{{
    {Text4,          TextBox,       Form1,  "Text4",                                                                {240, 4410, 1815, 585},  kOwnFont,    kWindowBackground, kWindowText, 1, false},
    {Frame3,         Frame,         Form1,  "Folder To Create New Folders",                                         {120, 600, 7800, 810},   kOwnFont,    kWhite,            kButtonText, 0, false},
    {Text3,          TextBox,       Frame3, "",                                                                     {240, 300, 6630, 345},   kOwnFont,    kWindowBackground, kWindowText, 2, false},
    {PushButton7,    PushButton,    Frame3, "...",                                                                  {6960, 300, 600, 345},   kButtonFont, kWhite,            kButtonText, 7, true},
    {PushButton6,    PushButton,    Form1,  "Help",                                                                 {120, 120, 3840, 405},   kButtonFont, kWhite,            kButtonText, 3, false},
    {Frame2,         Frame,         Form1,  "How many folders would you like to create?",                           {120, 2580, 7800, 795},  kOwnFont,    kWhite,            kButtonText, 0, false},
    {Text2,          TextBox,       Frame2, "Text2",                                                                {240, 300, 7335, 345},   kOwnFont,    kWhite,            kWindowText, 6, false},
    {Frame1,         Frame,         Form1,  " New folder name format (use # for counter - you can put # anywhere)", {120, 1470, 7800, 1035}, kOwnFont,    kWhite,            kButtonText, 0, false},
    {Text1,          TextBox,       Frame1, "Text1",                                                                {240, 300, 7335, 345},   kOwnFont,    kWhite,            kWindowText, 4, false},
    {Label2,         Label,         Frame1, " First folder created will appear as:",                                {240, 675, 3015, 255},   kOwnFont,    kWhite,            kButtonText, 0, false},
    {Label4,         Label,         Frame1, " Example here!",                                                       {3360, 675, 4095, 255},  kOwnFont,    kWhite,            kBlack,      0, false},
    {PushButton1,    PushButton,    Form1,  "Start Creating Folders",                                               {120, 3480, 7800, 405},  kButtonFont, kWhite,            kButtonText, 5, false},
    {PushButton2,    PushButton,    Form1,  "Load Sample/Example Folder",                                           {4080, 120, 3840, 405},  kButtonFont, kWhite,            kButtonText, 8, false},
    {SkinFramework1, SkinComponent, Form1,  "",                                                                     {0, 0, 0, 0},            nullptr,     0,                 0,           0, false},
}};
// clang-format on

constexpr std::array<ControlId, 8> kTabOrder{Text4,       Text3, PushButton6, Text1,
                                             PushButton1, Text2, PushButton7, PushButton2};

}  // namespace

std::span<const ControlDesign> Form1Controls() { return kControls; }

const ControlDesign& DesignOf(ControlId id) {
    const auto it = std::find_if(kControls.begin(), kControls.end(),
                                 [id](const ControlDesign& c) { return c.id == id; });
    if (it == kControls.end()) throw Failure("Control not found");
    return *it;
}

std::span<const ControlId> Form1TabOrder() { return kTabOrder; }

TwipRect ClientTwips(ControlId id) {
    const ControlDesign& design = DesignOf(id);
    TwipRect rect = design.twips;
    if (design.container != Form1) {
        const TwipRect frame = DesignOf(design.container).twips;
        rect.left += frame.left;
        rect.top += frame.top;
    }
    return rect;
}

std::string_view ControlName(ControlId id) {
    switch (id) {
        case Form1: return "Form1";
        case Text4: return "Text4";
        case Frame3: return "Frame3";
        case Text3: return "Text3";
        case PushButton7: return "PushButton7";
        case PushButton6: return "PushButton6";
        case Frame2: return "Frame2";
        case Text2: return "Text2";
        case Frame1: return "Frame1";
        case Text1: return "Text1";
        case Label2: return "Label2";
        case Label4: return "Label4";
        case PushButton1: return "PushButton1";
        case PushButton2: return "PushButton2";
        case SkinFramework1: return "SkinFramework1";
    }
    return "";
}

}  // namespace quire
