// The "Presets" submenu on Win32 over the real window and a scratch registry: saved through the
// name dialog (a refusal told below the box), chosen as if typed, deleted after the question, and
// kept in a registry key of their own.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/product.h"
#include "platform/win32/win32_presets_view.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_ids.h"
#include "win32_form1_harness.h"

namespace quire::win32 {
namespace {

using testing::WindowText;

class PresetsOnWin32Test : public ::testing::Test {
protected:
    PresetsOnWin32Test() {
        harness.form.Form_Load();
        harness.window.Show();
        Type(L"Shoot ###", L"3", Wide(target.Path() + "\\"));
    }

    void Type(const std::wstring& pattern, const std::wstring& count, const std::wstring& folder) {
        SetWindowTextW(harness.Control(ControlId::Text1), pattern.c_str());
        SetWindowTextW(harness.Control(ControlId::Text2), count.c_str());
        SetWindowTextW(harness.Control(ControlId::Text3), folder.c_str());
    }

    // Runs the command from the system menu, giving the dialog it opens to each step in turn
    // until it closes; a dialog still open after the last is cancelled, and the test fails.
    void Command(UINT command, const std::vector<std::function<void(HWND)>>& steps = {}) {
        std::size_t next = 0;
        testing::BoxAnswerer answerer([&](HWND dialog) {
            if (next < steps.size()) return steps[next++](dialog);
            ADD_FAILURE() << "the dialog is still open";
            testing::Press(dialog, IDCANCEL);
        });
        SendMessageW(harness.window.Handle(), WM_SYSCOMMAND, command, 0);
        EXPECT_EQ(next, steps.size());
    }

    std::string Preset(const std::string& key) const {
        return harness.registry.Value(key, product::kPresetsSection);
    }

    testing::ScratchFolder program;
    testing::ScratchFolder target;
    testing::Form1Harness harness{program.Path()};
};

TEST_F(PresetsOnWin32Test, SavedChosenAndDeletedThroughTheSystemMenu) {
    Command(kPresetSaveCommand,
            {[](HWND dialog) { testing::Press(dialog, IDOK); },
             [](HWND dialog) {
                 HWND told = GetDlgItem(dialog, kPresetProblemId);
                 EXPECT_TRUE(IsWindowVisible(told));
                 EXPECT_EQ(WindowText(told), product::kPresetNameEmpty);
                 EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kPresetFieldId));
                 SetWindowTextW(GetDlgItem(dialog, kPresetFieldId), L"Tom & Jerry");
                 SendMessageW(GetDlgItem(dialog, kPresetKeepTargetId), BM_SETCHECK, BST_CHECKED, 0);
                 testing::Press(dialog, IDOK);
             }});
    EXPECT_EQ(Preset("Preset1.Name"), "Tom & Jerry");
    EXPECT_EQ(Preset("Preset1.Text1"), "Shoot ###");
    EXPECT_EQ(Preset("Preset1.Text3"), target.Path() + "\\");
    EXPECT_EQ(harness.registry.Value("Preset1.Name"), "<absent>");  // not in the window's key

    Type(L"Other #", L"9", L"C:\\");
    Command(kFirstPresetCommand);
    EXPECT_EQ(WindowText(harness.Control(ControlId::Text1)), "Shoot ###");
    EXPECT_EQ(WindowText(harness.Control(ControlId::Text2)), "3");
    EXPECT_EQ(WindowText(harness.Control(ControlId::Text3)), target.Path() + "\\");
    EXPECT_EQ(harness.registry.Value("Text1"), "Shoot ###");
    EXPECT_EQ(WindowText(harness.Control(ControlId::Label4)), "Shoot 001");

    harness.dialogs.answers = {BoxAnswer::Yes};
    std::string offered;
    Command(kPresetDeleteCommand, {[&](HWND dialog) {
                offered = WindowText(GetDlgItem(dialog, kPresetFieldId));
                testing::Press(dialog, IDOK);
            }});
    EXPECT_EQ(offered, "Tom & Jerry");
    ASSERT_FALSE(harness.dialogs.shown.empty());
    EXPECT_EQ(harness.dialogs.shown.back().text, "Delete the preset \"Tom & Jerry\"?");
    EXPECT_TRUE(harness.form.PresetNames().empty());
    EXPECT_EQ(Preset("Preset1.Name"), "");
}

// The submenu sits in the system menu, offered only when the window offers its presets.
TEST_F(PresetsOnWin32Test, TheSystemMenuHoldsTheSubmenu) {
    HMENU menu = GetSystemMenu(harness.window.Handle(), FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GT(count, 0);
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(count - 1), text, 64, MF_BYPOSITION);
    EXPECT_EQ(Utf8(text), product::kPresetsMenu);
    HMENU presets = GetSubMenu(menu, count - 1);
    ASSERT_NE(presets, nullptr);
    SendMessageW(harness.window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(presets),
                 MAKELPARAM(count - 1, FALSE));
    std::vector<std::string> entries;
    for (int i = 0; i < GetMenuItemCount(presets); ++i) {
        GetMenuStringW(presets, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const UINT state = GetMenuState(presets, static_cast<UINT>(i), MF_BYPOSITION);
        const bool grayed = (state & MF_SEPARATOR) == 0 && (state & MF_GRAYED) != 0;
        entries.push_back((grayed ? "-" : "") + Utf8(text));
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"Save as Preset...", "", "-(No presets saved)", "",
                                                 "-Delete Preset..."}));
}

}  // namespace
}  // namespace quire::win32
