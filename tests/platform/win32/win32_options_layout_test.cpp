// The Options and Preview dialogs at their monitor's resolution (run at 96, 144 and 192 dpi, each
// in a Wine prefix of its own) and after Windows announces another: every control inside the
// dialog, none over another, every text whole in its control, the font grown with the resolution.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fakes/fake_shell.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_options_view.h"
#include "platform/win32/win32_preview_view.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/options_dialog.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

bool IsWrapped(int id) {
    return id == OptionFieldId(OptionField::ListNote) ||
           (id >= OptionProblemId(OptionField::Start) &&
            id <= OptionProblemId(OptionField::Portable));
}

std::string ClassOf(HWND control) {
    wchar_t kind[32] = {};
    GetClassNameW(control, kind, 32);
    return Utf8(kind);
}

void ExpectLaidOutAt(HWND dialog, int dpi, std::size_t controls) {
    RECT client;
    GetClientRect(dialog, &client);
    std::vector<std::pair<HWND, RECT>> placed;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        // Shown by the layout: the dialog itself is never shown here.
        if ((GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) == 0) continue;
        const std::string name =
            testing::WindowText(control) + " #" + std::to_string(GetDlgCtrlID(control));
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                    rect.bottom <= client.bottom)
            << name << " lies outside the dialog";
        for (const auto& [other, otherRect] : placed) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &rect, &otherRect))
                << name << " lies over " << testing::WindowText(other);
        }
        placed.emplace_back(control, rect);

        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        HDC dc = GetDC(control);
        SelectObject(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const std::wstring text = Wide(testing::WindowText(control));
        RECT inside;
        GetClientRect(control, &inside);
        RECT needed{0, 0, inside.right, 0};
        const bool wrapped = IsWrapped(GetDlgCtrlID(control));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
                  DT_CALCRECT | (wrapped ? DT_WORDBREAK | DT_NOPREFIX : DT_SINGLELINE));
        ReleaseDC(control, dc);
        EXPECT_GE(metrics.tmHeight * kDesignDpi, 11 * dpi) << name << ": the font did not grow";
        EXPECT_LE(metrics.tmHeight, inside.bottom) << name;
        // A box the user types in scrolls its text; a read-only one shows it whole.
        const bool typedIn = ClassOf(control) == "Edit" &&
                             (GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY) == 0;
        if (typedIn || ClassOf(control) == "ComboBox") continue;
        if ((GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX &&
            ClassOf(control) == "Button") {
            needed.right += SystemMetricForDpi(SM_CXMENUCHECK, dpi);
        }
        EXPECT_LE(needed.right, inside.right) << name << " is cut at the right";
        EXPECT_LE(needed.bottom, inside.bottom) << name << " is cut at the bottom";
    }
    EXPECT_GE(placed.size(), controls);
}

// Every field and every problem shown: the tallest the dialog gets.
class OptionsLayout : public ::testing::Test {
protected:
    OptionsLayout() {
        dialog.Load(WindowOptions{});
        for (const OptionField field : kCheckedFields) {
            view.SetProblem(field,
                            "A long reason why this value cannot be used, long enough "
                            "to take a second line in any of the fonts at hand.");
        }
        view.SetShown(OptionField::ListNote, true);
    }
    ~OptionsLayout() override { DestroyWindow(owner); }
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    Win32FileSystem files;
    fakes::FakeShell shell;
    Win32OptionsView view{owner};
    OptionsDialog dialog{view, files, shell, '\\', true};
};

TEST_F(OptionsLayout, FitsEveryTextAtTheMonitorsResolution) {
    if (const char* expected = std::getenv("QUIRE_EXPECTED_DPI")) {
        ASSERT_EQ(view.Dpi(), std::atoi(expected));
    }
    ExpectLaidOutAt(view.Handle(), view.Dpi(), 21);
}

TEST_F(OptionsLayout, FollowsAChangeOfResolution) {
    for (const int dpi : {192, 144, 96}) {
        const RECT suggested{20, 20, 600, 600};
        SendMessageW(view.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(view.Dpi(), dpi);
        ExpectLaidOutAt(view.Handle(), dpi, 21);
    }
}

// The Preview dialog's totals, tick box, list and buttons, at the monitor's resolution and after
// a change of it.
TEST(PreviewLayout, FitsEveryTextAtEachResolution) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    {
        const Win32PreviewView view(owner);
        if (const char* expected = std::getenv("QUIRE_EXPECTED_DPI")) {
            ASSERT_EQ(view.Dpi(), std::atoi(expected));
        }
        SetWindowTextW(GetDlgItem(view.Handle(), kPreviewTotalsId),
                       L"1,000,000 new, 1,000,000 exist, 1,000,000 would fail");
        ExpectLaidOutAt(view.Handle(), view.Dpi(), 5);
        for (const int dpi : {192, 144, 96}) {
            const RECT suggested{20, 20, 900, 900};
            SendMessageW(view.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            EXPECT_EQ(view.Dpi(), dpi);
            ExpectLaidOutAt(view.Handle(), dpi, 5);
        }
    }
    DestroyWindow(owner);
}

}  // namespace
}  // namespace quire::win32
