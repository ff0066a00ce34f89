#include "app/error_report.h"

#include <gtest/gtest.h>

#include "fakes/fake_dialogs.h"

namespace quire {
namespace {

TEST(ErrorReport, HasTheExactBytes) {
    EXPECT_EQ(ErrorReportText("Path not found", "in QuireBatch2021/08/31.Form1.Form_Load ", 108),
              "Path not found\r\nin QuireBatch2021/08/31.Form1.Form_Load at line 108\r\r"
              "Please email screenshot of this message to support@quillmark.example");
}

TEST(ErrorReport, IsAWarningCaptionedApplicationError) {
    fakes::FakeDialogs dialogs;
    ShowErrorReport(dialogs, "D", "in X ", 126);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Application Error");
    EXPECT_EQ(dialogs.shown[0].style, BoxStyle::Warning);
    EXPECT_EQ(static_cast<int>(dialogs.shown[0].style), 48);
    EXPECT_EQ(dialogs.shown[0].text.substr(0, 22), "D\r\nin X at line 126\r\rP");
}

}  // namespace
}  // namespace quire
