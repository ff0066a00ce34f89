// The Options dialog over the real window, file system and (scratch) registry, opened from the
// window's menu and driven inside its own modal loop: keys are posted to the field with the focus
// and go through the dialog manager, as typed keys do.
#include "platform/win32/win32_options_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "app/product.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_ids.h"
#include "win32_form1_harness.h"

namespace quire::win32 {
namespace {

using testing::WindowText;

HWND FieldOf(HWND dialog, OptionField field) { return GetDlgItem(dialog, OptionFieldId(field)); }

void Put(HWND dialog, OptionField field, const wchar_t* text) {
    SetWindowTextW(FieldOf(dialog, field), text);
}

void Key(UINT key) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 0); }

class OptionsOnWin32Test : public ::testing::Test {
protected:
    OptionsOnWin32Test() {
        harness.form.Form_Load();
        harness.window.Show();
    }

    // Opens the dialog from the system menu and gives it to each step in turn, a moment apart,
    // until it closes; a dialog still open after the last is cancelled, and the test fails.
    void Open(const std::vector<std::function<void(HWND)>>& steps) {
        std::size_t next = 0;
        testing::BoxAnswerer answerer([&](HWND dialog) {
            if (next < steps.size()) return steps[next++](dialog);
            ADD_FAILURE() << "the dialog is still open";
            testing::Press(dialog, IDCANCEL);
        });
        SendMessageW(harness.window.Handle(), WM_SYSCOMMAND, kOptionsCommand, 0);
        EXPECT_EQ(next, steps.size());
    }

    testing::ScratchFolder program;
    testing::ScratchFolder target;
    testing::Form1Harness harness{program.Path()};
};

// Enter is OK; a refusal is told just below its field, the focus put there, and the dialog stays
// until Esc, which keeps nothing.
TEST_F(OptionsOnWin32Test, ARefusedValueIsToldBelowItsFieldAndEscKeepsNothing) {
    const struct {
        OptionField field;
        std::wstring value;
        std::string_view problem;
    } cases[] = {
        {OptionField::Start, L"-1", product::kStartBelowZero},
        {OptionField::Step, L"0", product::kStepZero},
        {OptionField::Template, Wide(target / "missing"), product::kTemplateRefused},
    };
    for (const auto& [field, value, problem] : cases) {
        Open({[&](HWND dialog) {
                  Put(dialog, field, value.c_str());
                  Key(VK_RETURN);
              },
              [&](HWND dialog) {
                  HWND told = GetDlgItem(dialog, OptionProblemId(field));
                  EXPECT_TRUE(IsWindowVisible(told));
                  EXPECT_TRUE(WindowText(told).starts_with(problem)) << WindowText(told);
                  EXPECT_EQ(GetFocus(), FieldOf(dialog, field));
                  RECT box, below;
                  GetWindowRect(FieldOf(dialog, field), &box);
                  GetWindowRect(told, &below);
                  EXPECT_EQ(below.left, box.left);
                  EXPECT_GE(below.top, box.bottom);
                  EXPECT_LT(below.top - box.bottom, box.bottom - box.top);
                  Key(VK_ESCAPE);
              }});
    }
    EXPECT_EQ(harness.registry.Value("OptionStart"), "<absent>");
    EXPECT_EQ(harness.registry.Value("OptionStep"), "<absent>");
    EXPECT_EQ(WindowText(harness.Control(ControlId::Label4)), "Folder 001");
    EXPECT_TRUE(harness.dialogs.shown.empty());
}

TEST_F(OptionsOnWin32Test, OkStoresTheOptionsThePreviewShowsTheFirstFolderAndStartRunsThem) {
    Open({[](HWND dialog) {
        EXPECT_EQ(GetFocus(), FieldOf(dialog, OptionField::Start));
        EXPECT_FALSE(IsWindowVisible(FieldOf(dialog, OptionField::Portable)));
        EXPECT_FALSE(IsWindowEnabled(GetWindow(dialog, GW_OWNER)));
        Put(dialog, OptionField::Start, L"10");
        Put(dialog, OptionField::Step, L"5");
        Put(dialog, OptionField::Each, L"RAW\r\nEdits\\Final\r\n");
        Key(VK_RETURN);
    }});
    EXPECT_TRUE(IsWindowEnabled(harness.window.Handle()));
    EXPECT_EQ(harness.registry.Value("OptionStart"), "10");
    EXPECT_EQ(harness.registry.Value("OptionStep"), "5");
    EXPECT_EQ(harness.registry.Value("OptionEach"), "RAW\nEdits\\Final");
    EXPECT_EQ(harness.registry.Value("OptionStyle"), "<absent>");
    EXPECT_EQ(WindowText(harness.Control(ControlId::Label4)), "Folder 010");

    harness.window.SetText(ControlId::Text3, target.Path());
    harness.window.SetText(ControlId::Text2, "2");
    harness.Click(ControlId::PushButton1);
    for (const char* made : {"Folder 010\\RAW", "Folder 010\\Edits\\Final", "Folder 015\\RAW"}) {
        EXPECT_TRUE(harness.realFiles.FolderExists(target / made)) << made;
    }
    EXPECT_FALSE(harness.realFiles.PathExists(target / "Folder 020"));
}

// The box takes a pasted million names whole (an edit's own limit would cut them at 30,000
// characters) without keeping the dialog from answering: they go in piece by piece, and OK
// meanwhile takes them all. They are kept in a file of their own.
TEST_F(OptionsOnWin32Test, AMillionPastedNamesKeepTheDialogAnsweringAndAreTakenWhole) {
    std::wstring pasted;
    for (int i = 1; i <= 1'000'000; ++i) pasted += L"Client " + std::to_wstring(i) + L"\r\n";
    ASSERT_TRUE(OpenClipboard(harness.window.Handle()));
    EmptyClipboard();
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::copy_n(pasted.c_str(), pasted.size() + 1, static_cast<wchar_t*>(GlobalLock(copy)));
    GlobalUnlock(copy);
    SetClipboardData(CF_UNICODETEXT, copy);
    CloseClipboard();
    Open({[&](HWND dialog) {
        SendMessageW(FieldOf(dialog, OptionField::Listed), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowVisible(FieldOf(dialog, OptionField::ListNote)));
        const auto start = std::chrono::steady_clock::now();
        SendMessageW(FieldOf(dialog, OptionField::Names), WM_PASTE, 0, 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_TRUE(GetWindowLongPtrW(FieldOf(dialog, OptionField::Names), GWL_STYLE) &
                    ES_READONLY);  // still going in
        testing::Press(dialog, IDOK);
    }});
    const std::string& names = harness.form.Options().names;
    EXPECT_TRUE(harness.form.Options().listed);
    EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), 1'000'000);
    EXPECT_TRUE(names.starts_with("Client 1\nClient 2\n"));
    EXPECT_TRUE(names.ends_with("Client 1000000\n"));
    EXPECT_EQ(harness.settings.ReadLongSetting(setting::kOptionNames), names);
    EXPECT_EQ(WindowText(harness.Control(ControlId::Label4)), "Client 1");
}

}  // namespace
}  // namespace quire::win32
