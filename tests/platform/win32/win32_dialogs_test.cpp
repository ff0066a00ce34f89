// The real MessageBoxW and SHBrowseForFolderW, answered by a timer.
#include "platform/win32/win32_dialogs.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/win32_folder_picker.h"
#include "platform/win32/win32_form1_view.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

using testing::BoxAnswerer;
using testing::ChildText;
using testing::Press;
using testing::WindowText;

struct SeenBox {
    std::string caption;
    std::string text;
    bool yes = false;
    bool no = false;
    bool icon = false;
};

bool HasVisibleIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const auto style = GetWindowLongPtrW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

SeenBox Look(HWND box) {
    return {WindowText(box), ChildText(box, L"Static"), GetDlgItem(box, IDYES) != nullptr,
            GetDlgItem(box, IDNO) != nullptr, HasVisibleIcon(box)};
}

struct AnsweredBox {
    SeenBox seen;
    BoxAnswer answer;
};

// Shows a box through the real dialogs and presses `command` on it once it is up.
AnsweredBox ShowAndPress(Win32Dialogs& dialogs, const std::string& text, const std::string& caption,
                         BoxStyle style, int command) {
    AnsweredBox answered{};
    BoxAnswerer answerer([&](HWND box) {
        answered.seen = Look(box);
        Press(box, command);
    });
    answered.answer = dialogs.ShowMessage(text, caption, style);
    return answered;
}

TEST(RealMessageBox, NoticeHasOkOnlyAndNoIcon) {
    Win32Dialogs dialogs(nullptr);
    const auto [seen, answer] = ShowAndPress(dialogs, "Folder does not appear to be valid",
                                             "Pallisand Quire Batch", BoxStyle::Ok, IDOK);
    EXPECT_EQ(answer, BoxAnswer::Ok);
    EXPECT_EQ(seen.caption, "Pallisand Quire Batch");
    EXPECT_EQ(seen.text, "Folder does not appear to be valid");
    EXPECT_FALSE(seen.yes || seen.no);
    EXPECT_FALSE(seen.icon);
}

TEST(RealMessageBox, QuestionAnswersYesOrNo) {
    Win32Dialogs dialogs(nullptr);
    for (const auto& [command, expected] :
         {std::pair{IDYES, BoxAnswer::Yes}, {IDNO, BoxAnswer::No}}) {
        const auto [seen, answer] =
            ShowAndPress(dialogs, "Open it?", "Pallisand Quire Batch", BoxStyle::YesNo, command);
        EXPECT_EQ(answer, expected);
        EXPECT_TRUE(seen.yes && seen.no);
        EXPECT_FALSE(seen.icon);
    }
}

TEST(RealMessageBox, ErrorReportHasTheExclamationIconAndKeepsUnicode) {
    Win32Dialogs dialogs(nullptr);
    const SeenBox seen = ShowAndPress(dialogs, "Zugriff verweigert \xE2\x9C\x93",
                                      "Application Error", BoxStyle::Warning, IDOK)
                             .seen;
    EXPECT_TRUE(seen.icon);
    EXPECT_EQ(seen.caption, "Application Error");
    EXPECT_EQ(seen.text, "Zugriff verweigert \xE2\x9C\x93");
}

// Start-up's reports come before the main window appears: their owner is the hidden window, which
// stands in the middle of the screen, and so do they.
TEST(RealMessageBox, ReportBeforeTheWindowAppearsIsCentredOnTheScreen) {
    Win32Form1View hidden(GetModuleHandleW(nullptr), [] {});
    Win32Dialogs dialogs(hidden.Handle());
    RECT box{};
    BoxAnswerer answerer([&](HWND shown) {
        GetWindowRect(shown, &box);
        Press(shown, IDOK);
    });
    dialogs.ShowMessage("Invalid picture", "Application Error", BoxStyle::Warning);
    EXPECT_FALSE(IsWindowVisible(hidden.Handle()));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hidden.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    EXPECT_LE(std::abs((box.left + box.right) - (area.left + area.right)), 2);
    EXPECT_LE(std::abs((box.top + box.bottom) - (area.top + area.bottom)), 2);
}

// The colour the box paints its face with, as it answers WM_CTLCOLORDLG.
COLORREF BoxFace(HWND box) {
    HDC dc = GetDC(box);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        box, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
    LOGBRUSH info{};
    if (brush != nullptr) GetObjectW(brush, sizeof info, &info);
    ReleaseDC(box, dc);
    return info.lbColor;
}

TEST(RealMessageBox, SkinnedBoxTakesTheFaceColour) {
    Win32Dialogs dialogs(nullptr);
    dialogs.SetFace(0x00EEE4DC);
    COLORREF face = CLR_INVALID;
    BoxAnswerer answerer([&](HWND box) {
        face = BoxFace(box);
        Press(box, IDOK);
    });
    dialogs.ShowMessage("Skinned", "Pallisand Quire Batch", BoxStyle::Ok);
    EXPECT_EQ(face, RGB(0xDC, 0xE4, 0xEE));

    dialogs.SetFace(std::nullopt);  // and without a skin the hook is gone
    BoxAnswerer plain([&](HWND box) {
        face = BoxFace(box);
        Press(box, IDOK);
    });
    dialogs.ShowMessage("Plain", "Pallisand Quire Batch", BoxStyle::Ok);
    EXPECT_NE(face, RGB(0xDC, 0xE4, 0xEE));
}

class RealFolderPicker : public ::testing::Test {
protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(RealFolderPicker, CancelGivesTheEmptyText) {
    std::string title;
    BoxAnswerer answerer([&](HWND dialog) {
        title = ChildText(dialog, L"Static");
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(PickFolder(nullptr, "Save images to this folder", ""), "");
    EXPECT_EQ(title, "Save images to this folder");
}

TEST_F(RealFolderPicker, ConfirmedStartingSelectionIsTheDesktopWithoutTrailingBackslash) {
    wchar_t desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    BoxAnswerer answerer([&](HWND dialog) { Press(dialog, IDOK); });
    EXPECT_EQ(PickFolder(nullptr, "Save images to this folder", ""), Utf8(desktop));
}

TEST_F(RealFolderPicker, DriveRootKeepsItsBackslash) {
    BoxAnswerer answerer([&](HWND dialog) { Press(dialog, IDOK); });
    EXPECT_EQ(PickFolder(nullptr, "Save images to this folder", "C:\\"), "C:\\");
}

}  // namespace
}  // namespace quire::win32
