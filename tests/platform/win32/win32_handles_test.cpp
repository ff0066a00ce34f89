// What the main window leaves of the system's objects when it goes, also when its construction
// fails half way: nothing, however often it is made.
#include "platform/win32/win32_handles.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/failure.h"
#include "engine/small_files.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_form1_view.h"
#include "platform/win32/win32_program_environment.h"
#include "platform/win32/win32_window_ids.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

struct Held {
    int gdiObjects = 0;
    int windows = 0;  // the thread's top-level windows; a leaked one keeps its controls too
};

// Wine counts no GUI objects (GetGuiResources is a stub there) but takes a bare index into its
// GDI handle table as a handle, so there every index is asked whether it holds an object.
Held HeldNow() {
    Held held;
    if (testing::UnderWine()) {
        for (ULONG index = 0; index <= 0xFFFF; ++index) {
            held.gdiObjects += GetObjectType(ULongToHandle(index)) != 0 ? 1 : 0;
        }
    } else {
        held.gdiObjects = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    }
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM count) -> BOOL {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&held.windows));
    return held;
}

void ExpectHeldAsBefore(const Held& before, const std::string& when) {
    const Held after = HeldNow();
    EXPECT_EQ(after.gdiObjects, before.gdiObjects) << when;
    EXPECT_EQ(after.windows, before.windows) << when;
}

// Refuses, as a system out of window handles would, the creation of the main window (the
// program's only top-level one) or of one of its controls.
ControlId refused = ControlId::Form1;
LRESULT CALLBACK RefuseCreation(int code, WPARAM window, LPARAM detail) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW& create = *reinterpret_cast<const CBT_CREATEWNDW*>(detail)->lpcs;
        const std::optional<ControlId> made =
            (create.style & WS_CHILD) == 0
                ? ControlId::Form1
                : ControlOfId(static_cast<int>(reinterpret_cast<INT_PTR>(create.hMenu)));
        if (create.hInstance == GetModuleHandleW(nullptr) && made == refused) return 1;
    }
    return CallNextHookEx(nullptr, code, window, detail);
}

void MakeShowAndClose() {
    Win32Form1View window(GetModuleHandleW(nullptr), [] {});
    window.SetMouseIcon(
        Win32FileSystem().ReadSmallFile(ProgramFolder() + "\\HAND-M.CUR", kSmallFileLimit));
    window.Show();  // paints the face, the frames and the push buttons
    testing::PumpPending();
}

// An object is given back once, by its last holder: never by one it was moved from, and at once
// when its holder takes another.
TEST(Holders, AnObjectIsGivenBackOnceByItsLastHolder) {
    const auto alive = [](HBRUSH brush) { return GetObjectType(brush) == OBJ_BRUSH; };
    Brush first(CreateSolidBrush(RGB(1, 2, 3)));
    const HBRUSH moved = first.get();
    {
        const Brush second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_TRUE(alive(moved));
        first = Brush(CreateSolidBrush(RGB(4, 5, 6)));
    }
    EXPECT_FALSE(alive(moved));
    const HBRUSH replaced = first.get();
    first = Brush(CreateSolidBrush(RGB(7, 8, 9)));
    EXPECT_FALSE(alive(replaced));
}

TEST(Form1WindowObjects, WindowsMadeShownAndClosedLeaveNothing) {
    MakeShowAndClose();  // what the system makes once for the first window
    const Held before = HeldNow();
    for (int round = 0; round < 10; ++round) MakeShowAndClose();
    ExpectHeldAsBefore(before, "after ten windows");
}

TEST(Form1WindowObjects, AConstructionThatFailsHalfWayLeavesNothing) {
    MakeShowAndClose();
    // The window itself (the fonts are made), its first control, one after a push button, the last.
    for (const ControlId failing :
         {ControlId::Form1, ControlId::Text4, ControlId::PushButton6, ControlId::PushButton2}) {
        refused = failing;
        const Held before = HeldNow();
        {
            const Hook hook(
                SetWindowsHookExW(WH_CBT, RefuseCreation, nullptr, GetCurrentThreadId()));
            EXPECT_THROW(Win32Form1View(GetModuleHandleW(nullptr), [] {}), Failure);
        }
        ExpectHeldAsBefore(before, "refused: " + std::string(ControlName(failing)));
    }
}

}  // namespace
}  // namespace quire::win32
