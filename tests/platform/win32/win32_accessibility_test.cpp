// What a screen reader finds on the window, asked through MSAA as screen readers ask, by the table
// the core and the Linux program share. Wine's limits: it implements no annotation service
// (IAccPropServices answers E_NOTIMPL), its own objects call push buttons and labels "client", and
// it has no UI Automation bridge to ask; the window's own answers are what is read here.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "accessible_table.h"
#include "app/product.h"
#include "options_accessible_table.h"
#include "platform/win32/win32_options_view.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_form1_harness.h"

namespace quire::win32 {
namespace {

using testing::WindowText;

LONG MsaaRole(accessible::AccessibleRole role) {
    switch (role) {
        case accessible::AccessibleRole::EditableText: return ROLE_SYSTEM_TEXT;
        case accessible::AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
        case accessible::AccessibleRole::Grouping: return ROLE_SYSTEM_GROUPING;
        case accessible::AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
    }
    return 0;
}

struct Heard {
    LONG role = 0;
    std::string name;
    std::string description;
    bool operator==(const Heard&) const = default;
};

std::string Taken(BSTR text) {
    std::string taken = text != nullptr ? Utf8(std::wstring(text, SysStringLen(text))) : "";
    SysFreeString(text);
    return taken;
}

Heard Ask(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return {-1, "<no object>", ""};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    BSTR name = nullptr;
    BSTR description = nullptr;
    object->get_accRole(self, &role);
    object->get_accName(self, &name);
    object->get_accDescription(self, &description);
    object->Release();
    return {role.vt == VT_I4 ? role.lVal : 0, Taken(name), Taken(description)};
}

class Accessibility : public ::testing::Test {
protected:
    Accessibility() {
        harness.form.Form_Load();
        harness.window.Show();
    }
    ~Accessibility() override { CoUninitialize(); }

    // Every row of the table, the preview label named by what it shows, the pattern box described
    // by the preview.
    bool AllAsTheTableSays() const {
        for (const auto& row : accessible::kAccessibleTable) {
            HWND control = harness.Control(row.control);
            const std::string preview = WindowText(harness.Control(ControlId::Label4));
            const Heard expected{MsaaRole(row.role),
                                 row.control == ControlId::Label4 ? preview : std::string(row.name),
                                 row.control == ControlId::Text1 ? preview : ""};
            if (Ask(control) != expected) {
                ADD_FAILURE() << ControlName(row.control) << ": " << Ask(control).name;
                return false;
            }
        }
        return true;
    }

    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::ScratchFolder program;
    testing::Form1Harness harness{program.Path()};
};

TEST_F(Accessibility, EveryControlHasTheRoleAndNameOfTheTable) {
    EXPECT_EQ(WindowText(harness.Control(ControlId::Label4)), "Folder 001");
    EXPECT_TRUE(AllAsTheTableSays());
}

// The preview as it is shown: "&" kept, a NUL as the sign that shows it, nothing for no pattern.
TEST_F(Accessibility, ThePatternBoxDescribesThePreviewOnEveryChange) {
    for (const std::string& pattern : {std::string("Invoice ##"), std::string("Tom & Jerry #"),
                                       std::string("A\0B #", 5), std::string()}) {
        harness.window.SetText(ControlId::Text1, pattern);
        EXPECT_TRUE(AllAsTheTableSays()) << pattern;
    }
    EXPECT_EQ(Ask(harness.Control(ControlId::Text1)).description, "");
}

// A screen reader asks from another thread (its own process, in life); the window answers
// whenever its thread handles messages, which during a run is between folders.
TEST_F(Accessibility, AScreenReaderIsAnsweredWhileARunPumpsEvents) {
    testing::ScratchFolder target;
    harness.window.SetText(ControlId::Text3, target.Path());
    harness.window.SetText(ControlId::Text2, "2000");
    std::atomic<bool> stop{false}, stopped{false};
    std::atomic<int> rounds{0}, wrong{0};
    std::thread reader([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        while (!stop) (AllAsTheTableSays() ? rounds : wrong)++;
        CoUninitialize();
        stopped = true;
    });
    // The reader's thread starts and is answered once before the run, so that the run's own
    // length, not the thread's start, decides what is asked during it.
    while (rounds == 0 && wrong == 0) testing::PumpPending();
    const int before = rounds;
    harness.Click(ControlId::PushButton1);
    const int duringTheRun = rounds - before;
    stop = true;
    while (!stopped) testing::PumpPending();  // the reader may be waiting for an answer
    reader.join();
    EXPECT_GT(duringTheRun, 0);
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(harness.realFiles.FolderExists(target / "Folder 2000"));
    EXPECT_EQ(harness.dialogs.shown.size(), 1u);  // the closing question alone
}

LONG MsaaRole(accessible::OptionsRole role) {
    switch (role) {
        case accessible::OptionsRole::EditableText: return ROLE_SYSTEM_TEXT;
        case accessible::OptionsRole::ComboBox: return ROLE_SYSTEM_COMBOBOX;
        case accessible::OptionsRole::CheckBox: return ROLE_SYSTEM_CHECKBUTTON;
        case accessible::OptionsRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    }
    return 0;
}

// The Options dialog by the table the Linux program shares, in the keyboard's order (the
// Windows-safe names hidden, as Windows always has them): every field named as its label or its
// own text says, a label just before its field, a refused value told as the field's description.
TEST_F(Accessibility, TheOptionsDialogIsAsTheTableSays) {
    Win32OptionsView view(harness.window.Handle());
    using enum OptionField;
    const std::array<int, accessible::kOptionsTable.size()> ids{OptionFieldId(Start),
                                                                OptionFieldId(Step),
                                                                OptionFieldId(Style),
                                                                OptionFieldId(Continue),
                                                                OptionFieldId(Each),
                                                                OptionFieldId(Template),
                                                                kOptionsBrowseId,
                                                                OptionFieldId(Listed),
                                                                OptionFieldId(Names),
                                                                OptionFieldId(Portable),
                                                                kOptionsResetId,
                                                                IDOK,
                                                                IDCANCEL};
    std::vector<HWND> order;
    for (HWND child = GetWindow(view.Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(child);
    }
    const auto place = [&](int id) {
        return std::find(order.begin(), order.end(), GetDlgItem(view.Handle(), id)) - order.begin();
    };
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const auto& row = accessible::kOptionsTable[i];
        EXPECT_EQ(Ask(GetDlgItem(view.Handle(), ids[i])),
                  (Heard{MsaaRole(row.role), std::string(row.name), ""}))
            << row.name;
        if (i > 0) {
            EXPECT_LT(place(ids[i - 1]), place(ids[i])) << row.name;
        }
    }
    for (const OptionField field : {Start, Step, Style, Each, Template}) {
        EXPECT_EQ(place(OptionCaptionId(field)) + 1, place(OptionFieldId(field)));
    }
    view.SetProblem(Step, std::string(product::kStepZero));
    EXPECT_EQ(Ask(GetDlgItem(view.Handle(), OptionFieldId(Step))).description, product::kStepZero);
}

}  // namespace
}  // namespace quire::win32
