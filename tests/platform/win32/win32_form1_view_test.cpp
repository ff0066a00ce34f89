// The main window as built from the design: geometry, kinds, texts, fonts and the Tab key.
#include "platform/win32/win32_form1_view.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_frame.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_ids.h"
#include "ui/form1_design.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

using testing::WindowText;

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

class Form1WindowTest : public ::testing::Test {
protected:
    Win32Form1View window{GetModuleHandleW(nullptr), [] {}};
};

TEST_F(Form1WindowTest, ClientAreaAndBorderAreFixed) {
    RECT client;
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(8040, ScreenDpi(LOGPIXELSX)));
    EXPECT_EQ(client.bottom, TwipsToPixels(4005, ScreenDpi(LOGPIXELSY)));
    if (ScreenDpi(LOGPIXELSX) == 96) {
        EXPECT_EQ(client.right, 536);
        EXPECT_EQ(client.bottom, 267);
    }
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window.Handle(), GWL_STYLE));
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetMenu(window.Handle()), nullptr);
}

TEST_F(Form1WindowTest, StartsHiddenAndCentredOnTheScreen) {
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    RECT outer;
    GetWindowRect(window.Handle(), &outer);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LE(std::abs(outer.left - (screenWidth - outer.right)), 1);
    EXPECT_LE(std::abs(outer.top - (screenHeight - outer.bottom)), 1);
}

TEST_F(Form1WindowTest, EveryControlStandsWhereTheDesignPutsIt) {
    const int dpiX = ScreenDpi(LOGPIXELSX);
    const int dpiY = ScreenDpi(LOGPIXELSY);
    for (const ControlDesign& design : Form1Controls()) {
        if (design.kind == ControlKind::SkinComponent) {
            EXPECT_EQ(window.Control(design.id), nullptr);
            continue;
        }
        HWND control = window.Control(design.id);
        ASSERT_NE(control, nullptr) << ControlName(design.id);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        const TwipRect twips = ClientTwips(design.id);
        EXPECT_EQ(rect.left, TwipsToPixels(twips.left, dpiX)) << ControlName(design.id);
        EXPECT_EQ(rect.top, TwipsToPixels(twips.top, dpiY)) << ControlName(design.id);
        EXPECT_EQ(rect.right - rect.left, TwipsToPixels(twips.width, dpiX))
            << ControlName(design.id);
        EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(twips.height, dpiY))
            << ControlName(design.id);
        EXPECT_EQ(ControlOf(control), design.id);
    }
    // The text box that holds the focus at start lies wholly below the client area.
    RECT client, text4;
    GetClientRect(window.Handle(), &client);
    GetWindowRect(window.Control(ControlId::Text4), &text4);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&text4), 2);
    EXPECT_GE(text4.top, client.bottom);
}

TEST_F(Form1WindowTest, KindsAndDesignTexts) {
    for (const ControlDesign& design : Form1Controls()) {
        HWND control = window.Control(design.id);
        if (control == nullptr) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        EXPECT_EQ(WindowText(control), design.caption) << ControlName(design.id);
        switch (design.kind) {
            case ControlKind::TextBox:
                EXPECT_EQ(ClassOf(control), L"Edit");
                EXPECT_FALSE(style & (ES_READONLY | ES_PASSWORD | ES_MULTILINE | WS_HSCROLL));
                EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
                break;
            case ControlKind::Label:
                EXPECT_EQ(ClassOf(control), L"Static");
                EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_LEFTNOWORDWRAP));
                EXPECT_TRUE(style & SS_NOPREFIX);  // a "&" in the preview shows as typed
                break;
            case ControlKind::PushButton:
                EXPECT_EQ(ClassOf(control), L"Button");
                EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
                EXPECT_TRUE(IsWindowEnabled(control));
                break;
            case ControlKind::Frame: EXPECT_EQ(ClassOf(control), kFrameClass); break;
            default: break;
        }
    }
}

TEST_F(Form1WindowTest, FontsAreTheDesignedOnes) {
    const LONG dpi = ScreenDpi(LOGPIXELSY);
    for (const ControlDesign& design : Form1Controls()) {
        HWND control = window.Control(design.id);
        if (control == nullptr) continue;
        const LOGFONTW font = FontOf(control);
        const bool button = design.kind == ControlKind::PushButton;
        EXPECT_STREQ(font.lfFaceName, L"Arial") << ControlName(design.id);
        EXPECT_EQ(font.lfHeight, -MulDiv(button ? 1125 : 900, dpi, 7200)) << ControlName(design.id);
        EXPECT_EQ(font.lfWeight, FW_BOLD);
        EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
        EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
    }
    if (dpi == 96) {
        EXPECT_EQ(FontOf(window.Control(ControlId::Frame1)).lfHeight, -12);
        EXPECT_EQ(FontOf(window.Control(ControlId::PushButton1)).lfHeight, -15);
    }
}

TEST_F(Form1WindowTest, DesignColoursBeforeAnySkin) {
    EXPECT_EQ(window.BackColor(ControlId::Form1), colour::kWhite);
    EXPECT_EQ(window.BackColor(ControlId::Frame2), colour::kWhite);
    EXPECT_EQ(window.ForeColor(ControlId::Label4), colour::kBlack);
    EXPECT_EQ(window.ForeColor(ControlId::Label2), colour::kButtonText);
    EXPECT_EQ(window.BackColor(ControlId::Text3), colour::kWindowBackground);
    const ButtonLook start = window.PushButtonLook(ControlId::PushButton1);
    EXPECT_EQ(start.face, colour::kWhite);
    EXPECT_EQ(start.text, colour::kButtonText);
    EXPECT_FALSE(start.flat);
    EXPECT_TRUE(window.PushButtonLook(ControlId::PushButton7).flat);  // the browse button
}

class TabKeyTest : public Form1WindowTest {
protected:
    void PressTab(bool shift) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        Deliver(window.Handle(), message);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    std::optional<ControlId> Focused() const { return ControlOf(GetFocus()); }
};

TEST_F(TabKeyTest, TabAndShiftTabFollowTheDesignedOrderFromText4) {
    window.Show();
    ASSERT_EQ(Focused(), ControlId::Text4);
    const auto order = Form1TabOrder();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        PressTab(false);
        EXPECT_EQ(Focused(), order[i % order.size()]) << i;
    }
    PressTab(true);
    EXPECT_EQ(Focused(), ControlId::PushButton2);
    PressTab(true);
    EXPECT_EQ(Focused(), ControlId::PushButton7);
}

TEST_F(TabKeyTest, ABoxReachedWithTabHasItsTextSelected) {
    window.Show();
    PressTab(false);
    HWND text3 = window.Control(ControlId::Text3);
    SetWindowTextW(text3, L"C:\\Jobs\\");
    PressTab(true);
    PressTab(false);
    DWORD start = 0, end = 0;
    SendMessageW(text3, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);
}

}  // namespace
}  // namespace quire::win32
