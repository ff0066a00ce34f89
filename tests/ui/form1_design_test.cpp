#include "ui/form1_design.h"

#include <gtest/gtest.h>

#include <set>

namespace quire {
namespace {

constexpr int kMargin = 120;

TEST(Form1Design, KeepsTheMarginsAndSharedWidths) {
    const int right = kForm1Window.clientWidth - kMargin;
    for (const ControlId id :
         {ControlId::Frame1, ControlId::Frame2, ControlId::Frame3, ControlId::PushButton1}) {
        EXPECT_EQ(DesignOf(id).twips.left, kMargin);
        EXPECT_EQ(DesignOf(id).twips.left + DesignOf(id).twips.width, right);
    }
    const TwipRect help = DesignOf(ControlId::PushButton6).twips;
    const TwipRect sample = DesignOf(ControlId::PushButton2).twips;
    EXPECT_EQ(help.top, kMargin);
    EXPECT_EQ(help.width, 3840);
    EXPECT_EQ(sample.width, 3840);
    EXPECT_EQ(sample.left - (help.left + help.width), 120);
    const TwipRect start = DesignOf(ControlId::PushButton1).twips;
    EXPECT_EQ(start.top + start.height, kForm1Window.clientHeight - kMargin);
}

TEST(Form1Design, StacksTheGroupsTopToBottomWithoutOverlap) {
    const ControlId order[] = {ControlId::PushButton6, ControlId::Frame3, ControlId::Frame1,
                               ControlId::Frame2, ControlId::PushButton1};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        const TwipRect above = DesignOf(order[i - 1]).twips;
        EXPECT_LT(above.top + above.height, DesignOf(order[i]).twips.top);
    }
}

TEST(Form1Design, ChildrenFitInsideTheirFramesBelowTheCaption) {
    for (const ControlDesign& c : Form1Controls()) {
        if (c.container == ControlId::Form1) continue;
        const TwipRect frame = DesignOf(c.container).twips;
        EXPECT_GE(c.twips.left, 240) << ControlName(c.id);
        EXPECT_GE(c.twips.top, 300) << ControlName(c.id);
        EXPECT_LE(c.twips.left + c.twips.width, frame.width) << ControlName(c.id);
        EXPECT_LE(c.twips.top + c.twips.height, frame.height) << ControlName(c.id);
    }
    const TwipRect browse = ClientTwips(ControlId::PushButton7);
    EXPECT_EQ(browse.left, 120 + 6960);
    EXPECT_EQ(browse.top, 600 + 300);
}

TEST(Form1Design, TheFocusHolderLiesWhollyBelowTheClientArea) {
    EXPECT_GT(DesignOf(ControlId::Text4).twips.top, kForm1Window.clientHeight);
    EXPECT_EQ(Form1TabOrder().front(), ControlId::Text4);
}

TEST(Form1Design, PixelsAreTwipsOverFifteenAt96Dpi) {
    EXPECT_EQ(TwipsToPixels(kForm1Window.clientWidth), 536);
    EXPECT_EQ(TwipsToPixels(kForm1Window.clientHeight), 267);
    for (const ControlDesign& c : Form1Controls()) {
        for (const int v : {c.twips.left, c.twips.top, c.twips.width, c.twips.height}) {
            EXPECT_EQ(v % 15, 0) << ControlName(c.id);
            EXPECT_EQ(TwipsToPixels(v), v / 15);
        }
    }
    EXPECT_EQ(TwipsToPixels(8040, 144), 804);  // 150 % scale
    EXPECT_EQ(TwipsToPixels(345, 120), 29);    // rounds to the nearest pixel
}

TEST(Form1Design, TabOrderHoldsEveryFocusableControlOnce) {
    std::set<ControlId> seen;
    int position = 1;
    for (const ControlId id : Form1TabOrder()) {
        EXPECT_TRUE(seen.insert(id).second);
        const ControlDesign& c = DesignOf(id);
        EXPECT_TRUE(c.kind == ControlKind::TextBox || c.kind == ControlKind::PushButton);
        EXPECT_EQ(c.tabPosition, position++);
    }
    for (const ControlDesign& c : Form1Controls()) {
        const bool focusable = c.kind == ControlKind::TextBox || c.kind == ControlKind::PushButton;
        EXPECT_EQ(seen.count(c.id) == 1, focusable) << ControlName(c.id);
    }
}

TEST(Form1Design, CaptionsFontsAndColoursAsDesigned) {
    EXPECT_EQ(DesignOf(ControlId::Frame1).caption,
              " New folder name format (use # for counter - you can put # anywhere)");
    EXPECT_EQ(DesignOf(ControlId::Label2).caption, " First folder created will appear as:");
    EXPECT_EQ(DesignOf(ControlId::Label4).caption, " Example here!");
    EXPECT_EQ(DesignOf(ControlId::Text3).caption, "");
    for (const ControlDesign& c : Form1Controls()) {
        if (c.kind == ControlKind::PushButton) {
            EXPECT_EQ(c.font->points, 11.25);
            EXPECT_EQ(c.back, colour::kWhite);
            EXPECT_EQ(c.fore, 0x80000012u);
            EXPECT_EQ(c.flat, c.id == ControlId::PushButton7);
        } else if (c.kind != ControlKind::SkinComponent) {
            EXPECT_EQ(c.font, &kWindowFont);
        }
    }
    EXPECT_EQ(kWindowFont.face, "Arial");
    EXPECT_EQ(kWindowFont.weight, 700);
    EXPECT_EQ(DesignOf(ControlId::Label4).fore, colour::kBlack);
    EXPECT_EQ(DesignOf(ControlId::Label2).fore, colour::kButtonText);
}

TEST(Form1Design, ControlsAreListedInCreationOrderFramesBeforeChildren) {
    std::set<ControlId> created;
    for (const ControlDesign& c : Form1Controls()) {
        if (c.container != ControlId::Form1) {
            EXPECT_TRUE(created.count(c.container)) << ControlName(c.id);
        }
        created.insert(c.id);
    }
    EXPECT_EQ(Form1Controls().size(), 14u);
}

}  // namespace
}  // namespace quire
