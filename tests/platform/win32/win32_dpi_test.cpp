// The window at its monitor's resolution: at start-up (run at 96, 144 and 192 dpi, each in a Wine
// prefix of its own, QUIRE_EXPECTED_DPI naming it) and after Windows announces another, also in
// the middle of a run. Wine never announces one: the test sends what Windows sends.
#include "platform/win32/win32_dpi.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "platform/win32/win32_wide_text.h"
#include "win32_form1_harness.h"

namespace quire::win32 {
namespace {

using testing::Form1Harness;
using testing::ScratchFolder;

std::string ProgramFolderOfTests() {  // the hand and the theme are copied there
    wchar_t path[MAX_PATH];
    const std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return Utf8(folder.substr(0, folder.find_last_of(L'\\')));
}

LONG Width(HANDLE image, bool icon) {
    ICONINFO info{};
    GetIconInfo(static_cast<HICON>(image), &info);
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon == (info.fIcon != FALSE) ? mask.bmWidth : 0;
}

// The client area and every control at the design's twips for `dpi`, the fonts at their points,
// every caption inside its control (a frame's between the border's ends, a box's line whole), the
// icons and the hand at the system's sizes: the hand 32 pixels at 96 dpi, 48 at 144, 64 at 192.
void ExpectLaidOutAt(const Win32Form1View& view, int dpi) {
    EXPECT_EQ(view.Dpi(), dpi);
    RECT client;
    GetClientRect(view.Handle(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(kForm1Window.clientWidth, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(kForm1Window.clientHeight, dpi));
    for (const ControlDesign& design : Form1Controls()) {
        HWND control = view.Control(design.id);
        if (control == nullptr) continue;
        const char* name = ControlName(design.id).data();
        const TwipRect twips = ClientTwips(design.id);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, view.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, TwipsToPixels(twips.left, dpi)) << name;
        EXPECT_EQ(rect.top, TwipsToPixels(twips.top, dpi)) << name;
        EXPECT_EQ(rect.right - rect.left, TwipsToPixels(twips.width, dpi)) << name;
        EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(twips.height, dpi)) << name;

        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        GetObjectW(font, sizeof logical, &logical);
        EXPECT_EQ(logical.lfHeight, -std::lround(design.font->points * dpi / 72.0)) << name;
        HDC dc = GetDC(control);
        SelectObject(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const std::wstring text = Wide(testing::WindowText(control));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        ReleaseDC(control, dc);
        RECT inside;
        GetClientRect(control, &inside);
        if (design.kind == ControlKind::Frame) extent.cx += 2 * metrics.tmAveCharWidth;
        EXPECT_TRUE(design.kind == ControlKind::TextBox || extent.cx <= inside.right)
            << name << ": " << extent.cx << " wide in " << inside.right;
        EXPECT_TRUE(design.kind == ControlKind::Frame || metrics.tmHeight <= inside.bottom)
            << name << ": " << metrics.tmHeight << " high in " << inside.bottom;
    }
    const auto icon = [&](WPARAM which) {
        return Width(reinterpret_cast<HANDLE>(SendMessageW(view.Handle(), WM_GETICON, which, 0)),
                     true);
    };
    EXPECT_EQ(icon(ICON_BIG), SystemMetricForDpi(SM_CXICON, dpi));
    EXPECT_EQ(icon(ICON_SMALL), SystemMetricForDpi(SM_CXSMICON, dpi));
    const LONG hand = Width(view.MouseIcon(), false);
    EXPECT_EQ(hand, SystemMetricForDpi(SM_CXCURSOR, dpi));
    EXPECT_TRUE(dpi % 48 != 0 || hand == dpi / 3) << "the hand is " << hand;
}

class WindowResolution : public ::testing::Test {
protected:
    WindowResolution() {
        harness.form.Form_Load();
        harness.window.Show();
    }
    Form1Harness harness{ProgramFolderOfTests()};
};

TEST_F(WindowResolution, IsTheMonitorsAtStart) {
    if (const char* expected = std::getenv("QUIRE_EXPECTED_DPI")) {
        ASSERT_EQ(WindowDpi(harness.window.Handle()), std::atoi(expected));
    }
    ExpectLaidOutAt(harness.window, WindowDpi(harness.window.Handle()));
}

// As Windows does: the size for the new resolution asked first, the new place suggested after.
TEST_F(WindowResolution, FollowsEveryChangeToThePlaceSuggested) {
    for (const int dpi : {144, 192, 120, 96}) {
        SIZE size{};
        SendMessageW(harness.window.Handle(), WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                     reinterpret_cast<LPARAM>(&size));
        const RECT suggested{40, 30, 40 + size.cx, 30 + size.cy};
        SendMessageW(harness.window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ExpectLaidOutAt(harness.window, dpi);
        RECT outer;
        GetWindowRect(harness.window.Handle(), &outer);
        EXPECT_EQ(outer.left, 40);
        EXPECT_EQ(outer.top, 30);
    }
}

// Posted before the run starts, the change arrives while the run pumps the window's messages.
TEST(WindowResolutionDuringARun, ChangesWithoutStoppingTheRun) {
    ScratchFolder target;
    Form1Harness harness(ProgramFolderOfTests());
    harness.form.Form_Load();
    harness.window.Show();
    harness.window.SetText(ControlId::Text3, target.Path());
    harness.window.SetText(ControlId::Text2, "5");
    static const RECT suggested{10, 10, 600, 400};
    PostMessageW(harness.window.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    harness.Click(ControlId::PushButton1);
    EXPECT_TRUE(harness.realFiles.FolderExists(target / "Folder 005"));
    EXPECT_EQ(harness.dialogs.shown.size(), 1u);  // the closing question alone
    ExpectLaidOutAt(harness.window, 192);
}

}  // namespace
}  // namespace quire::win32
