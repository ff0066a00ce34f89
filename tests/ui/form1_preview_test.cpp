#include <gtest/gtest.h>

#include "fakes/fake_preview_view.h"
#include "fakes/form1_harness.h"

namespace quire {
namespace {

using fakes::FakePreviewView;
using fakes::Form1Harness;

struct RefusedInputs {
    const char* pattern;
    const char* count;
    const char* target;
};

class PreviewRefusedTest : public testing::TestWithParam<RefusedInputs> {};

// What Start would refuse is told in Start's words, and no list is shown.
TEST_P(PreviewRefusedTest, TellsWhatStartTellsAndShowsNoList) {
    Form1Harness preview;
    Form1Harness start;
    for (Form1Harness* h : {&preview, &start}) {
        h->files.folders = {"C:\\Jobs"};
        h->Enter(GetParam().pattern, GetParam().count, GetParam().target);
    }
    FakePreviewView view;
    preview.form.Preview_Click(view);
    start.form.PushButton1_Click();
    EXPECT_EQ(view.runs, 0);
    // The message, or the report's first line: the report names its own procedure.
    const auto told = [](const Form1Harness& h) {
        std::vector<std::string> texts = h.dialogs.Texts();
        for (std::string& text : texts) text = text.substr(0, text.find('\r'));
        return texts;
    };
    ASSERT_EQ(preview.dialogs.Texts().size(), 1U);
    EXPECT_EQ(told(preview), told(start));
}

INSTANTIATE_TEST_SUITE_P(Inputs, PreviewRefusedTest,
                         testing::Values(RefusedInputs{"F#", "2", "C:\\Missing"},
                                         RefusedInputs{"", "2", "C:\\Jobs"},
                                         RefusedInputs{"F#", "two", "C:\\Jobs"},
                                         RefusedInputs{"F#", "1e12", "C:\\Jobs"}));

class PreviewTest : public testing::Test {
protected:
    void SetUp() override {
        h.files.folders = {"C:\\Jobs", "C:\\Jobs\\Folder 1002"};
        h.files.files = {"C:\\Jobs\\Folder 1004"};
        h.form.Form_Load();
        h.Enter("Folder 1###", "4", "C:\\Jobs");
        h.dialogs.shown.clear();
    }
    Form1Harness h;
};

TEST_F(PreviewTest, ListsEveryFolderWithTotalsAndFiltersThoseNotNew) {
    FakePreviewView view;
    std::vector<std::string> filtered;
    view.user = [&](PreviewList& list) {
        list.SetOnlyNotNew(true);
        for (std::int64_t i = 0; i < list.Rows(); ++i) filtered.push_back(list.At(i).path);
    };
    h.form.Preview_Click(view);
    EXPECT_EQ(view.totals, "2 new, 1 exists, 1 would fail");
    EXPECT_EQ(view.rows, (std::vector<std::string>{
                             "Folder 1001: new", "Folder 1002: exists, skipped", "Folder 1003: new",
                             "Folder 1004: would fail: File exists"}));
    EXPECT_EQ(filtered, (std::vector<std::string>{"Folder 1002", "Folder 1004"}));
    EXPECT_TRUE(h.files.created.empty());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// "Start Creating Folders" runs what Start runs, once the list is closed; Close runs nothing.
TEST_F(PreviewTest, StartRunsAsTheStartButton) {
    FakePreviewView view;
    view.user = [&](PreviewList&) { EXPECT_FALSE(h.form.RunInProgress()); };
    h.form.Preview_Click(view);
    EXPECT_TRUE(h.files.created.empty());
    view.start = true;
    h.form.Preview_Click(view);
    EXPECT_EQ(h.files.created,
              (std::vector<std::string>{"C:\\Jobs\\Folder 1001", "C:\\Jobs\\Folder 1003"}));
    EXPECT_EQ(h.dialogs.Texts().back(),
              "Would you like this software to open the folder where these folders were created?");
}

TEST(Grouped, PutsACommaBetweenThousands) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {-1000, "-1,000"}};
    for (const auto& [number, text] : cases) EXPECT_EQ(Grouped(number), text);
}

}  // namespace
}  // namespace quire
