#include "ui/appearance.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_form1_view.h"
#include "fakes/fake_skin_painter.h"
#include "ui/form1_design.h"

namespace quire {
namespace {

class ApplySkinTest : public testing::Test {
protected:
    fakes::FakeForm1View view;
    fakes::FakeFileSystem files;
    fakes::FakeSkinPainter painter;
    ThemeSkin skin{painter, files};

    void Apply() { ApplySkin(view, files, skin, "/opt/q", '/'); }
};

TEST_F(ApplySkinTest, WithoutTheThemeFileNothingChanges) {
    files.hiddenFiles = {"/opt/q/x/o.cjs"};  // hidden, or a folder: not a plain file
    Apply();
    EXPECT_TRUE(view.backColours.empty());
    EXPECT_TRUE(painter.painted.empty());
    EXPECT_EQ(files.calls, std::vector<std::string>{"plain /opt/q/x/o.cjs"}) << "never read";
}

// The recolouring comes first; then the theme is loaded and painted with every option on: the
// theme's colours, its push buttons and its message boxes.
TEST_F(ApplySkinTest, RecoloursFirstThenPaintsTheThemeWithEveryOptionOn) {
    files.files = {"/opt/q/x/o.cjs"};
    files.contents = {
        {"/opt/q/x/o.cjs", "[Window]\nFace = #102030\n[PushButton]\nFace = #FFFFFF\n"}};
    skin.SetOptions(0x40);
    Apply();
    EXPECT_EQ(view.log, (std::vector<std::string>{"back Form1", "back Frame3", "back Frame2",
                                                  "back Frame1", "back Label2", "back Label4"}));
    for (const auto& [control, colour] : view.backColours) EXPECT_EQ(colour, 0x8000000Fu);
    EXPECT_EQ(skin.Options(), 0x41) << "option bit 1 set, the others kept";
    ASSERT_EQ(painter.painted.size(), 1u);
    const SkinLook& look = painter.painted[0];
    EXPECT_EQ(look.windowFace, 0x00302010u);
    ASSERT_TRUE(look.pushButtons);
    EXPECT_EQ(look.pushButtons->face, 0x00FFFFFFu);
    EXPECT_EQ(look.messageBoxFace, 0x00302010u);
}

TEST_F(ApplySkinTest, AFailureEndsItThereAndWhatWasDoneStays) {
    files.files = {"/opt/q/x/o.cjs"};
    files.contents = {{"/opt/q/x/o.cjs", "[Window]\nFace = #102030\n"}};
    painter.fail = true;
    EXPECT_THROW(Apply(), Failure);
    EXPECT_EQ(view.backColours.size(), 6u);
}

TEST(HoverPointer, FollowsTheTable) {
    EXPECT_EQ(HoverPointer(ControlId::PushButton6), MousePointer::Custom);
    EXPECT_EQ(HoverPointer(ControlId::Frame2), MousePointer::Default);
    EXPECT_FALSE(HoverPointer(ControlId::Text3));
    EXPECT_FALSE(HoverPointer(ControlId::Label4));
}

}  // namespace
}  // namespace quire
