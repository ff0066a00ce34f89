#include "ui/appearance.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_form1_view.h"
#include "fakes/fake_skin_control.h"
#include "ui/form1_design.h"

namespace quire {
namespace {

class ApplySkinTest : public testing::Test {
protected:
    fakes::FakeForm1View view;
    fakes::FakeFileSystem files;
    fakes::FakeSkinControl skin;

    void Apply() { ApplySkin(view, files, skin, "/opt/q", '/'); }
};

TEST_F(ApplySkinTest, WithoutTheThemeFileNothingChanges) {
    files.hiddenFiles = {"/opt/q/x/o.cjs"};  // hidden, or a folder: not a plain file
    Apply();
    EXPECT_TRUE(view.backColours.empty());
    EXPECT_TRUE(skin.accesses.empty());
}

TEST_F(ApplySkinTest, RecoloursFirstThenTakesTheSixAccessesInOrder) {
    files.files = {"/opt/q/x/o.cjs"};
    Apply();
    EXPECT_EQ(view.log, (std::vector<std::string>{"back Form1", "back Frame3", "back Frame2",
                                                  "back Frame1", "back Label2", "back Label4"}));
    for (const auto& [control, colour] : view.backColours) EXPECT_EQ(colour, 0x8000000Fu);
    EXPECT_EQ(skin.accesses,
              (std::vector<std::string>{"load /opt/q/x/o.cjs|", "get options", "set options 65",
                                        "colours on", "boxes on", "apply"}));
}

TEST_F(ApplySkinTest, AFailureEndsItThereAndWhatWasDoneStays) {
    files.files = {"/opt/q/x/o.cjs"};
    skin.failAt = "colours";
    EXPECT_THROW(Apply(), Failure);
    EXPECT_EQ(view.backColours.size(), 6u);
    EXPECT_EQ(skin.accesses.back(), "set options 65");
}

TEST(HoverPointer, FollowsTheTable) {
    EXPECT_EQ(HoverPointer(ControlId::PushButton6), MousePointer::Custom);
    EXPECT_EQ(HoverPointer(ControlId::Frame2), MousePointer::Default);
    EXPECT_FALSE(HoverPointer(ControlId::Text3));
    EXPECT_FALSE(HoverPointer(ControlId::Label4));
}

}  // namespace
}  // namespace quire
