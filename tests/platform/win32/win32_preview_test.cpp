// "Preview..." on Win32 over the real window, file system and dialog: opened from the system menu
// or by its key, its totals and rows read back from the virtual list, the filter, and "Start
// Creating Folders" running the plan as the window's button does.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/product.h"
#include "platform/win32/win32_preview_view.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_ids.h"
#include "win32_form1_harness.h"

namespace quire::win32 {
namespace {

using testing::WindowText;

// The rows the list shows, each "path | outcome", the reason of a failure cut to its first word.
std::vector<std::string> ShownRows(HWND dialog) {
    HWND list = GetDlgItem(dialog, kPreviewListId);
    std::vector<std::string> rows;
    const int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        wchar_t path[260] = {};
        wchar_t outcome[260] = {};
        ListView_GetItemText(list, i, 0, path, 260);
        ListView_GetItemText(list, i, 1, outcome, 260);
        std::string told = Utf8(outcome);
        if (told.starts_with(product::kPreviewFails) &&
            told.size() > product::kPreviewFails.size()) {
            told = std::string(product::kPreviewFails) + "...";
        }
        rows.push_back(Utf8(path) + " | " + told);
    }
    return rows;
}

struct PreviewCase {
    const char* name;
    bool onlyNotNew;  // the tick box clicked before the list is read
    int button;       // IDOK: "Start Creating Folders"; IDCANCEL: "Close"
    std::vector<std::string> rows;
    std::vector<std::string> made;  // of Shoot 001, 003 and 005, the folders there afterwards
};

const PreviewCase kCases[] = {
    {"StartRunsThePlan",
     false,
     IDOK,
     {"Shoot 001 | new", "Shoot 002 | exists, skipped", "Shoot 003 | new",
      "Shoot 004 | would fail: ...", "Shoot 005 | new"},
     {"Shoot 001", "Shoot 003", "Shoot 005"}},
    {"CloseMakesNothing", false, IDCANCEL, {}, {}},
    {"TheBoxShowsOnlyWhatExistsOrFails",
     true,
     IDCANCEL,
     {"Shoot 002 | exists, skipped", "Shoot 004 | would fail: ..."},
     {}},
};

class PreviewOnWin32Test : public ::testing::TestWithParam<PreviewCase> {
protected:
    PreviewOnWin32Test() {
        CreateDirectoryW(Wide(target / "Shoot 002").c_str(), nullptr);
        const HANDLE file = CreateFileW(Wide(target / "Shoot 004").c_str(), GENERIC_WRITE, 0,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
        harness.form.Form_Load();
        harness.window.Show();
        SetWindowTextW(harness.Control(ControlId::Text1), L"Shoot ###");
        SetWindowTextW(harness.Control(ControlId::Text2), L"5");
        SetWindowTextW(harness.Control(ControlId::Text3), Wide(target.Path() + "\\").c_str());
    }

    // Opens the preview by `open`, hands its dialog to `look` and closes it with `button`; false
    // when no dialog came.
    bool Preview(const std::function<void()>& open, const std::function<void(HWND)>& look,
                 int button) {
        bool seen = false;
        testing::BoxAnswerer answerer([&](HWND dialog) {
            if (seen) return;
            seen = true;
            look(dialog);
            testing::Press(dialog, button);
        });
        open();
        return seen;
    }

    void FromMenu() const {
        SendMessageW(harness.window.Handle(), WM_SYSCOMMAND, kPreviewCommand, 0);
    }

    bool Made(const std::string& name) const {
        const DWORD attributes = GetFileAttributesW(Wide(target / name).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    testing::ScratchFolder program;
    testing::ScratchFolder target;
    testing::Form1Harness harness{program.Path()};
};

TEST_P(PreviewOnWin32Test, ShowsTheTotalsAndRowsAndStartsOnlyWhenAsked) {
    const PreviewCase& c = GetParam();
    std::string totals;
    std::vector<std::string> rows;
    bool listFocused = false;
    ASSERT_TRUE(Preview([&] { FromMenu(); },
                        [&](HWND dialog) {
                            totals = WindowText(GetDlgItem(dialog, kPreviewTotalsId));
                            listFocused = GetFocus() == GetDlgItem(dialog, kPreviewListId);
                            if (c.onlyNotNew) {
                                SendMessageW(GetDlgItem(dialog, kPreviewOnlyNotNewId), BM_CLICK, 0,
                                             0);
                            }
                            if (!c.rows.empty()) rows = ShownRows(dialog);
                        },
                        c.button));
    EXPECT_EQ(totals, "3 new, 1 exists, 1 would fail");
    EXPECT_TRUE(listFocused);
    EXPECT_EQ(rows, c.rows);
    std::vector<std::string> made;
    for (const char* name : {"Shoot 001", "Shoot 003", "Shoot 005"}) {
        if (Made(name)) made.emplace_back(name);
    }
    EXPECT_EQ(made, c.made);
}

INSTANTIATE_TEST_SUITE_P(Choices, PreviewOnWin32Test, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

// Ctrl+P in a box of the window opens it as the menu does; P alone is typed.
TEST_F(PreviewOnWin32Test, TheKeyOpensItFromAnyBox) {
    HWND box = harness.Control(ControlId::Text2);
    const auto press = [&](bool control) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message{box, WM_KEYDOWN, 'P', 0, 0, {}};
        Deliver(harness.window.Handle(), message);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    };
    EXPECT_TRUE(Preview([&] { press(true); }, [](HWND) {}, IDCANCEL));
    EXPECT_FALSE(Preview([&] { press(false); }, [](HWND) {}, IDCANCEL));
}

// A plan Start would refuse is told as Start tells it, and no list is shown.
TEST_F(PreviewOnWin32Test, ARefusedPlanGivesTheMessageAndNoList) {
    SetWindowTextW(harness.Control(ControlId::Text2), L"five");
    EXPECT_FALSE(Preview([&] { FromMenu(); }, [](HWND) {}, IDCANCEL));
    EXPECT_FALSE(harness.dialogs.shown.empty());
}

}  // namespace
}  // namespace quire::win32
