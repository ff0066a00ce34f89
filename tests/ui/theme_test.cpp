#include "ui/theme.h"

#include <gtest/gtest.h>

#include "engine/failure.h"
#include "fakes/fake_file_system.h"
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
    fakes::FakeFileSystem files;
    files.contents["x/o.cjs"] =
        "[Window]\nFace = #102030\n[Frame]\nText = #0000FF\n"
        "[PushButton]\nFace = #FFFFFF\nHotFace = #EEEEEE\n";
    RecordingPainter painter;
    ThemeSkin skin(painter, files);
    skin.ApplyWindow();  // nothing loaded yet: nothing to paint
    EXPECT_TRUE(painter.painted.empty());
    skin.LoadSkin("x/o.cjs", "");

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
}

// The load's outcome is not examined: a theme that cannot be read or parsed is no failure, and
// the skin then paints nothing over the recolouring.
TEST(ThemeSkin, AThemeThatCannotBeLoadedIsNotReported) {
    for (const char* content : {"", "garbage without equals", "[Window]\nFace = blue\n"}) {
        fakes::FakeFileSystem files;
        if (*content != '\0') files.contents["o.cjs"] = content;
        RecordingPainter painter;
        ThemeSkin skin(painter, files);
        EXPECT_NO_THROW(skin.LoadSkin("o.cjs", ""));
        EXPECT_NO_THROW(skin.ApplyWindow());
        EXPECT_TRUE(painter.painted.empty()) << content;
    }
}

}  // namespace
}  // namespace quire
