#include "ui/theme.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/failure.h"
#include "ui/form1_design.h"
#include "ui/theme_skin.h"

namespace quire {
namespace {

TEST(ParseTheme, ReadsSectionsKeysAndColours) {
    const Theme theme = ParseTheme(
        "\xEF\xBB\xBF; window theme\r\n"
        "[Window]\r\nFace = #ECE9D8\r\n\r\n"
        "[Frame]\nText=#003399\n"
        "[PushButton]\n  Face = #ffffff\n");
    EXPECT_EQ(theme.windowFace, 0x00D8E9ECu);
    EXPECT_EQ(theme.frameText, 0x00993300u);
    EXPECT_FALSE(theme.frameFace);
    EXPECT_EQ(theme.pushButton.face, 0x00FFFFFFu);
}

TEST(ParseTheme, IgnoresUnknownSectionsAndKeys) {
    const Theme theme = ParseTheme("[Future]\nGlow = lots\n[Window]\nShadow = 3\nFace = #010203\n");
    EXPECT_EQ(theme.windowFace, 0x00030201u);
}

TEST(ParseTheme, NamesTheMalformedLine) {
    for (const char* text : {"[Window]\nFace #FFFFFF\n", "[Window\n", "[Window]\nFace = red\n",
                             "[Window]\n = #FFFFFF\n", "[]\n", "[Window]\nFace = #FFFFF\n"}) {
        EXPECT_THROW(ParseTheme(text), Failure) << text;
    }
    try {
        ParseTheme("[Window]\n\nFace = blue\n");
        FAIL();
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Theme file line 3: expected a colour as #RRGGBB");
    }
}

class RecordingPainter final : public SkinPainter {
public:
    std::vector<SkinLook> painted;
    void Paint(const SkinLook& look) override { painted.push_back(look); }
};

TEST(ThemeSkin, OptionsDecideWhatThePainterGets) {
    const auto path = std::filesystem::temp_directory_path() / "quire_theme_test.cjs";
    std::ofstream(path) << "[Window]\nFace = #102030\n[Frame]\nText = #0000FF\n"
                           "[PushButton]\nFace = #FFFFFF\nHotFace = #EEEEEE\n";
    RecordingPainter painter;
    ThemeSkin skin(painter);
    EXPECT_THROW(skin.ApplyWindow(), Failure);  // nothing loaded yet
    skin.LoadSkin(path.string(), "");

    skin.ApplyWindow();
    ASSERT_EQ(painter.painted.size(), 1u);
    EXPECT_EQ(painter.painted[0].windowFace, colour::kButtonFace);
    EXPECT_FALSE(painter.painted[0].pushButtons);
    EXPECT_FALSE(painter.painted[0].messageBoxFace);

    skin.SetOptions(skin.Options() | skin_option::kSkinPushButtons);
    skin.SetApplyThemeColours(true);
    skin.SetSkinMessageBoxes(true);
    skin.ApplyWindow();
    const SkinLook& look = painter.painted[1];
    EXPECT_EQ(look.windowFace, 0x00302010u);
    EXPECT_EQ(look.frameFace, 0x00302010u);
    EXPECT_EQ(look.frameText, 0x00FF0000u);
    ASSERT_TRUE(look.pushButtons);
    EXPECT_EQ(look.pushButtons->hotFace, 0x00EEEEEEu);
    EXPECT_EQ(look.messageBoxFace, 0x00302010u);
    std::filesystem::remove(path);

    EXPECT_THROW(skin.LoadSkin(path.string(), ""), Failure);
}

}  // namespace
}  // namespace quire
