#include <gtest/gtest.h>

#include "accessible_table.h"
#include "ui/accessible_names.h"
#include "ui/contrast.h"

namespace quire {
namespace {

TEST(AccessibleName, EveryControlHasTheNameOfTheTable) {
    for (const auto& row : accessible::kAccessibleTable) {
        if (row.control == ControlId::Label4) continue;  // named by what it shows
        EXPECT_EQ(AccessibleName(row.control), row.name) << ControlName(row.control);
    }
}

TEST(Contrast, RatiosOfKnownPairs) {
    EXPECT_NEAR(ContrastRatio(colour::kBlack, colour::kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x00777777, 0x00777777), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x00767676, colour::kWhite), 4.54,
                0.01);  // the lightest grey that reads
}

// The designed colour stays where it reads; elsewhere black or white, whichever reads better.
TEST(Contrast, ReadableTextKeepsWhatReadsAndMendsWhatDoesNot) {
    const struct {
        Colour background;
        Colour text;
        Colour shown;
    } cases[] = {
        {colour::kWhite, colour::kBlack, colour::kBlack},  // the default light theme
        {colour::kWhite, 0x00767676, 0x00767676},
        {colour::kWhite, colour::kWhite,
         colour::kBlack},  // a dark theme's text on the white design
        {colour::kWhite, 0x00777777, colour::kBlack},
        {0x00202020, 0x00202020, colour::kWhite},
        {0x00302010, 0x00FF0000, colour::kWhite},  // blue text on a dark face
        {0x00808080, 0x00808080, colour::kBlack},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadableText(c.background, c.text), c.shown) << std::hex << c.background;
        EXPECT_GE(ContrastRatio(c.background, ReadableText(c.background, c.text)), 4.5);
    }
}

}  // namespace
}  // namespace quire
