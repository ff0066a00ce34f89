// Start-up with the files beside the program as a broken or hostile installation leaves them, in a
// program folder named in several scripts: start-up goes on, and only a cursor that cannot be
// loaded is reported, with its true cause.
#include <gtest/gtest.h>

#include <functional>

#include "platform/win32/win32_program_environment.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"
#include "ui/form1_design.h"
#include "win32_form1_harness.h"

namespace quire::win32 {
namespace {

enum class Face { Design, ButtonFace, Theme };

void Write(const std::string& path, std::size_t size) {
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::string content(size, 'x');
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

TEST(HostileFiles, StartUpGoesOnAndReportsOnlyTheCursorWithItsTrueCause) {
    const std::string cursor = "\\HAND-M.CUR";
    const std::string theme = "\\x\\o.cjs";
    HANDLE held = INVALID_HANDLE_VALUE;  // open without sharing, as another program may hold it
    const auto copy = [](const std::string& folder) {
        for (const std::string name : {"\\HAND-M.CUR", "\\x\\o.cjs"}) {
            CopyFileW(Wide(ProgramFolder() + name).c_str(), Wide(folder + name).c_str(), FALSE);
        }
    };
    const auto folderAt = [](const std::string& path) {
        CreateDirectoryW(Wide(path).c_str(), nullptr);
    };
    const struct {
        const char* what;
        std::function<void(const std::string& folder)> arrange;
        std::string report;  // the start of the one error report, of statement 108; or none
        bool cursor;
        Face face;
    } cases[] = {
        {"all in place", copy, "", true, Face::Theme},
        {"none there", [](const std::string&) {}, "", false, Face::Design},
        {"a folder for the cursor", [&](const std::string& f) { folderAt(f + cursor); },
         "Not an ordinary file but a folder", false, Face::Design},
        {"a cursor held by another program",
         [&](const std::string& f) {
             copy(f);
             held = CreateFileW(Wide(f + cursor).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
         },
         SystemMessage(ERROR_SHARING_VIOLATION), false, Face::Theme},
        {"a cursor too large",
         [&](const std::string& f) { Write(f + cursor, kSmallFileLimit + 1); },
         "The file is larger than 1048576 bytes", false, Face::Design},
        {"a folder for the theme", [&](const std::string& f) { folderAt(f + theme); }, "", false,
         Face::Design},
        {"a theme that is none", [&](const std::string& f) { Write(f + theme, 300); }, "", false,
         Face::ButtonFace},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        testing::ScratchFolder scratch;
        const std::string folder = scratch /
                                   "\xC3\x9Cn\xC3\xAF"
                                   "code \xE6\x96\x87\xE4\xBB\xB6\xE5\xA4\xB9";
        for (const char* sub : {"", "\\x", "\\Samples"}) folderAt(folder + sub);
        row.arrange(folder);
        testing::Form1Harness harness(folder);
        const Colour design = harness.window.BackColor(ControlId::Form1);
        harness.form.Form_Load();
        harness.window.Show();
        harness.Click(ControlId::PushButton2);

        EXPECT_EQ(harness.dialogs.shown.size(), row.report.empty() ? 0u : 1u);
        for (const fakes::ShownBox& box : harness.dialogs.shown) {
            EXPECT_EQ(box.text.find(row.report), 0u) << box.text;
            EXPECT_NE(box.text.find("Form_Load at line 108"), std::string::npos) << box.text;
        }
        EXPECT_EQ(harness.window.HasMouseIcon(), row.cursor);
        const Colour face = harness.window.BackColor(ControlId::Form1);
        EXPECT_EQ(face == design, row.face == Face::Design);
        EXPECT_EQ(face == colour::kButtonFace, row.face == Face::ButtonFace);
        EXPECT_EQ(harness.window.Text(ControlId::Text3), folder + "\\Samples");
        if (held != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
    }
}

}  // namespace
}  // namespace quire::win32
