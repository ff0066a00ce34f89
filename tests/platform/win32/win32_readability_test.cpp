// The window read as a user sees it under desktop colours that are not the default light ones:
// every caption, box text and push button (at rest, under the mouse, held down) against its
// background on a picture of the window, and a skinned message box. Wine never turns
// high-contrast mode on: the window is told that it is on.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <memory>

#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/contrast.h"
#include "win32_form1_harness.h"
#include "win32_screenshot.h"

namespace quire::win32 {
namespace {

using testing::AreaIn;
using testing::Screenshot;

constexpr std::array<int, 8> kSet{COLOR_WINDOW,   COLOR_WINDOWTEXT, COLOR_BTNFACE,
                                  COLOR_BTNTEXT,  COLOR_HIGHLIGHT,  COLOR_HIGHLIGHTTEXT,
                                  COLOR_3DSHADOW, COLOR_3DHILIGHT};
using Colours = std::array<COLORREF, kSet.size()>;

struct Desktop {
    const char* name;
    Colours colours;
    const char* theme;  // beside the program; null: none
    bool highContrast;
};

void PrintTo(const Desktop& desktop, std::ostream* out) { *out << desktop.name; }

constexpr Colours kDark{0x202020, 0xFFFFFF, 0x303030, 0xFFFFFF,
                        0xD77800, 0xFFFFFF, 0x141414, 0x5A5A5A};
constexpr Colours kAllWhite{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                            0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
constexpr Colours kHighContrastBlack{0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFEB1A, 0, 0xFFFFFF, 0xFFFFFF};

const Desktop kDesktops[] = {
    {"Dark", kDark, nullptr, false},
    // Light faces but neither caption nor button text: the design's, white on this desktop.
    {"DarkWithAThemeThatLeavesColoursOut", kDark,
     "[Window]\nFace = #F4F4F4\n[Frame]\nFace = #E8EEF5\n[PushButton]\nFace = #F6F9FC\n", false},
    {"TextLikeItsBackground", kAllWhite, "[Frame]\nFace = #202830\n", false},
    {"HighContrastOverTheTheme", kHighContrastBlack,
     "[Window]\nFace = #DCE4EE\n[Frame]\nFace = #E8EEF5\nText = #1E3D66\n[PushButton]\n"
     "Face = #F6F9FC\nHotFace = #E0EAF5\nPressedFace = #C7D6E9\nText = #18222E\n",
     true},
};

// The desktop's system colours for as long as it lives.
class SystemColours {
public:
    explicit SystemColours(const Colours& colours) {
        for (std::size_t i = 0; i < kSet.size(); ++i) saved_[i] = GetSysColor(kSet[i]);
        SetSysColors(static_cast<int>(kSet.size()), kSet.data(), colours.data());
    }
    ~SystemColours() { SetSysColors(static_cast<int>(kSet.size()), kSet.data(), saved_.data()); }

private:
    Colours saved_{};
};

class Readability : public ::testing::TestWithParam<Desktop> {
protected:
    Readability() {
        if (GetParam().theme != nullptr) {
            CreateDirectoryW(Wide(program_ / "x").c_str(), nullptr);
            std::ofstream(Wide(program_ / "x\\o.cjs").c_str()) << GetParam().theme;
        }
        harness_ = std::make_unique<testing::Form1Harness>(program_.Path(), nullptr,
                                                           GetParam().highContrast);
        harness_->form.Form_Load();
        harness_->window.Show();
        harness_->window.SetText(ControlId::Text3, "C:\\Users\\someone\\Jobs\\");
    }
    // Where a control's text is: a frame's caption in its top line between the border's ends, a
    // push button's inside its border and focus rectangle.
    RECT TextArea(const ControlDesign& design) const {
        HWND window = harness_->window.Handle();
        HWND control = harness_->Control(design.id);
        if (design.kind == ControlKind::PushButton) return AreaIn(window, control, 4);
        RECT area = AreaIn(window, control);
        if (design.kind != ControlKind::Frame) return area;
        HDC dc = GetDC(control);
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const std::wstring caption = Wide(testing::WindowText(control));
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        ReleaseDC(control, dc);
        area.left += metrics.tmAveCharWidth;
        return RECT{area.left, area.top, area.left + extent.cx, area.top + metrics.tmHeight};
    }

    SystemColours colours_{GetParam().colours};
    testing::ScratchFolder program_;
    std::unique_ptr<testing::Form1Harness> harness_;
};

TEST_P(Readability, EveryCaptionBoxTextAndButtonStateReadsOnItsBackground) {
    for (const char* state : {"at rest", "under the mouse", "held down"}) {
        for (const ControlDesign& design : Form1Controls()) {
            if (design.kind != ControlKind::PushButton) continue;
            HWND button = harness_->Control(design.id);
            if (state[0] == 'u') SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
            if (state[0] == 'h') SendMessageW(button, BM_SETSTATE, TRUE, 0);
        }
        const Screenshot picture(harness_->window.Handle());
        for (const ControlDesign& design : Form1Controls()) {
            if (design.kind == ControlKind::SkinComponent || design.id == ControlId::Text4)
                continue;
            EXPECT_GE(picture.TextContrast(TextArea(design)), kReadableContrast)
                << ControlName(design.id) << " " << state;
        }
        if (GetParam().highContrast) {  // neither the theme's faces nor the design's white
            EXPECT_EQ(picture.MostCommon(RECT{0, 0, 4, 4}), GetSysColor(COLOR_BTNFACE));
            EXPECT_EQ(picture.MostCommon(TextArea(DesignOf(ControlId::Text1))),
                      GetSysColor(COLOR_WINDOW));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, Readability, ::testing::ValuesIn(kDesktops),
                         [](const auto& desktop) { return std::string(desktop.param.name); });

// A dark face on any desktop and a light one on a dark desktop: the box's text reads on it. In
// high-contrast mode the box keeps the system's colours.
TEST(ReadableMessageBox, SetsItsTextWithItsFace) {
    const struct {
        const Desktop& desktop;
        Colour face;
    } cases[] = {{kDesktops[0], 0x00302010},
                 {kDesktops[0], 0x00F0F0F0},
                 {kDesktops[2], 0x00302010},
                 {kDesktops[3], 0x00F0F0F0}};
    for (const auto& c : cases) {
        const SystemColours colours(c.desktop.colours);
        const bool highContrast = c.desktop.highContrast;
        Win32Dialogs dialogs(nullptr, [highContrast] { return highContrast; });
        dialogs.SetFace(c.face);
        double contrast = 0;
        Colour face = 0;
        testing::BoxAnswerer answerer([&](HWND box) {
            const Screenshot picture(box);
            for (HWND child = GetWindow(box, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (testing::WindowText(child) != "Folder does not appear to be valid") continue;
                contrast = picture.TextContrast(AreaIn(box, child));
                face = picture.MostCommon(AreaIn(box, child));
            }
            testing::Press(box, IDOK);
        });
        dialogs.ShowMessage("Folder does not appear to be valid", "Pallisand Quire Batch",
                            BoxStyle::Ok);
        EXPECT_GE(contrast, kReadableContrast) << c.desktop.name << " " << std::hex << c.face;
        EXPECT_EQ(face == c.face, !highContrast) << c.desktop.name << " " << std::hex << c.face;
    }
}

}  // namespace
}  // namespace quire::win32
