#include <gtest/gtest.h>

#include "app/product.h"
#include "fakes/fake_presets_view.h"
#include "fakes/form1_harness.h"
#include "ui/preset_name.h"

namespace quire {
namespace {

using fakes::FakePresetsView;
using fakes::Form1Harness;

TEST(PresetName, RefusesEachBadNameWithItsReason) {
    const std::vector<std::string> existing{"Work", "\xC3\xA9t\xC3\xA9", "\xD0\x9F\xD0\x90"};
    const std::string sixtyFourAccents = [] {
        std::string text;
        for (int i = 0; i < 64; ++i) text += "\xC3\xA9";  // 128 bytes, 64 characters
        return text;
    }();
    struct Case {
        std::string name;
        bool full;
        std::string problem;
    } cases[] = {
        {"", false, std::string(product::kPresetNameEmpty)},
        {std::string(64, 'x'), false, ""},
        {sixtyFourAccents, false, ""},
        {std::string(65, 'x'), false, std::string(product::kPresetNameTooLong)},
        {"a\tb", false, std::string(product::kPresetNameControl)},
        {"two\nlines", false, std::string(product::kPresetNameControl)},
        {"del\x7F", false, std::string(product::kPresetNameControl)},
        {"c1\xC2\x85", false, std::string(product::kPresetNameControl)},
        {"WORK", false, std::string(product::kPresetNameTaken) + " \"Work\""},
        {"\xC3\x89T\xC3\x89", false,
         std::string(product::kPresetNameTaken) + " \"\xC3\xA9t\xC3\xA9\""},
        {"\xD0\xBF\xD0\xB0", false,
         std::string(product::kPresetNameTaken) + " \"\xD0\x9F\xD0\x90\""},
        {"Work", false, ""},  // the same name replaces that preset
        {"Work", true, ""},
        {"Other", true, std::string(product::kPresetsFull)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PresetNameProblem(c.name, existing, c.full), c.problem) << c.name;
    }
}

class Presets : public testing::Test {
protected:
    void SetUp() override {
        h.files.folders = {"C:\\Jobs", "C:\\Other"};
        h.form.Form_Load();
        h.Enter("Folder ###", "2", "C:\\Jobs");
        h.settings.values["Text3"] = "C:\\Jobs";
    }

    void Save(const std::string& name, bool keepTarget = false) {
        FakePresetsView view;
        view.typed = {name};
        view.keepTarget = keepTarget;
        h.form.SavePreset_Click(view);
    }

    void Type(const std::string& pattern, const std::string& count, const std::string& target) {
        h.view.SetText(ControlId::Text1, pattern);
        h.view.SetText(ControlId::Text2, count);
        h.view.SetText(ControlId::Text3, target);
    }

    Form1Harness h;
};

TEST(PresetsChosen, AsIfTypedWithItsOptionsInEffect) {
    Form1Harness h;
    h.files.folders = {"C:\\Jobs", "C:\\Other"};
    h.settings.values = {{"OptionStart", "7"}, {"OptionListed", "1"}};
    h.settings.longValues["OptionNames"] = "A\nB";
    h.form.Form_Load();
    const WindowOptions saved = h.form.Options();
    h.Enter("Photo ##", "5", "C:\\Jobs");
    FakePresetsView view;
    view.typed = {"Shoot"};
    h.form.SavePreset_Click(view);
    EXPECT_EQ(h.presets.values["Preset1.Name"], "Shoot");
    EXPECT_EQ(h.presets.values["Preset1.Text3"], "");  // the target not ticked
    EXPECT_EQ(h.presets.longValues["Preset1.OptionNames"], "A\nB");

    // Another window, whose store holds nothing but the presets.
    Form1Harness other;
    other.files.folders = h.files.folders;
    other.presets = h.presets;
    other.form.Form_Load();
    other.Enter("Other #", "9", "C:\\Other");
    other.settings.writes.clear();
    other.form.Preset_Click(0);
    EXPECT_EQ(other.view.texts[ControlId::Text1], "Photo ##");
    EXPECT_EQ(other.view.texts[ControlId::Text2], "5");
    EXPECT_EQ(other.view.texts[ControlId::Text3], "C:\\Other");
    // Stored through the change procedures and the options' own keys; no preset key among them.
    EXPECT_EQ(other.settings.values["Text1"], "Photo ##");
    EXPECT_EQ(other.settings.values["Text2"], "5");
    for (const auto& [key, value] : other.settings.writes) EXPECT_NE(key, "Text3");
    EXPECT_EQ(other.settings.values["OptionStart"], "7");
    EXPECT_EQ(other.settings.longValues["OptionNames"], "A\nB");
    EXPECT_EQ(other.form.Options(), saved);
    EXPECT_EQ(other.view.captions[ControlId::Label4], "A");
    EXPECT_TRUE(other.dialogs.shown.empty());
}

TEST_F(Presets, OnlyThePresetGroupIsWrittenAndTheMenuIsInOrder) {
    h.settings.writes.clear();
    Save("zeta");
    Save("Alpha", true);
    Save("beta");
    EXPECT_TRUE(h.settings.writes.empty());
    EXPECT_EQ(h.form.PresetNames(), (std::vector<std::string>{"Alpha", "beta", "zeta"}));
    EXPECT_EQ(h.presets.values["Preset2.Text3"], "C:\\Jobs");
    for (const auto& [key, value] : h.presets.values) {
        EXPECT_EQ(key.rfind("Preset", 0), 0U) << key;
    }
}

// A preset saved again under its own name replaces it after asking; no leaves it.
TEST_F(Presets, TheSameNameAsksBeforeReplacing) {
    Save("Work");
    for (const BoxAnswer answer : {BoxAnswer::No, BoxAnswer::Yes}) {
        h.Enter("Changed #", "3", "C:\\Jobs");
        h.dialogs.answers = {answer};
        Save("Work");
        EXPECT_EQ(h.dialogs.shown.back().text, "Replace the preset \"Work\"?");
        EXPECT_EQ(h.presets.values["Preset1.Text1"],
                  answer == BoxAnswer::Yes ? "Changed #" : "Folder ###");
    }
    EXPECT_EQ(h.form.PresetNames().size(), 1U);
}

TEST_F(Presets, RefusalsKeepTheDialogOpenUntilANameIsTaken) {
    Save("Work");
    FakePresetsView view;
    view.typed = {"", "WORK", "Home"};
    h.form.SavePreset_Click(view);
    EXPECT_EQ(view.problems, (std::vector<std::string>{std::string(product::kPresetNameEmpty),
                                                       "A preset of this name exists in another "
                                                       "case: \"Work\"",
                                                       ""}));
    EXPECT_EQ(h.form.PresetNames(), (std::vector<std::string>{"Home", "Work"}));
}

TEST_F(Presets, AHundredAtMostAndADeletedSlotIsTakenAgain) {
    for (int i = 0; i < 100; ++i) Save("P" + std::to_string(i));
    FakePresetsView view;
    view.typed = {"One more"};
    h.form.SavePreset_Click(view);
    EXPECT_EQ(view.problems.back(), product::kPresetsFull);

    FakePresetsView chooser;
    chooser.choice = 1;  // "P1", in slot 2
    h.dialogs.answers = {BoxAnswer::Yes};
    h.form.DeletePreset_Click(chooser);
    EXPECT_EQ(h.dialogs.shown.back().text, "Delete the preset \"P1\"?");
    EXPECT_EQ(h.presets.values["Preset2.Name"], "");
    Save("One more");
    EXPECT_EQ(h.presets.values["Preset2.Name"], "One more");
    EXPECT_EQ(h.form.PresetNames().size(), 100U);
}

TEST_F(Presets, DeletingAsksFirstAndLeavesNoListBehind) {
    h.settings.longValues["OptionNames"] = "A\nB";
    Form1Harness loaded;
    loaded.settings = h.settings;
    loaded.form.Form_Load();
    FakePresetsView view;
    view.typed = {"Names"};
    loaded.form.SavePreset_Click(view);
    ASSERT_EQ(loaded.presets.longValues["Preset1.OptionNames"], "A\nB");

    FakePresetsView chooser;
    chooser.choice = 0;
    loaded.dialogs.answers = {BoxAnswer::No};
    loaded.form.DeletePreset_Click(chooser);
    EXPECT_EQ(chooser.offered, (std::vector<std::string>{"Names"}));
    EXPECT_EQ(loaded.form.PresetNames().size(), 1U);
    loaded.dialogs.answers = {BoxAnswer::Yes};
    loaded.form.DeletePreset_Click(chooser);
    EXPECT_TRUE(loaded.form.PresetNames().empty());
    EXPECT_EQ(loaded.presets.values["Preset1.Name"], "");
    EXPECT_EQ(loaded.presets.longValues["Preset1.OptionNames"], "");
}

// What the group holds is checked as the user's input is: a name no preset may have is left out
// and reported at start-up as the window's other unreadable settings are; the rest is offered.
TEST(PresetsStored, GarbageIsReportedAndTheRestOffered) {
    struct Case {
        std::map<std::string, std::string, std::less<>> group;
        std::vector<std::string> names;
        std::string reported;  // in the report, or nothing reported
    } cases[] = {
        {{{"Preset1.Name", "Work"}, {"Preset3.Name", "Home"}}, {"Home", "Work"}, ""},
        {{{"Preset1.Name", "Work"}, {"Preset2.Name", "WORK"}}, {"Work"}, "Preset2.Name=WORK"},
        {{{"Preset1.Name", "a\tb"}, {"Preset2.Name", "ok"}}, {"ok"}, "Preset1.Name=a\tb"},
        {{{"Preset4.Name", std::string(65, 'x')}}, {}, "Preset4.Name=xxx"},
        {{{"Preset101.Name", "Beyond"}}, {}, ""},
    };
    for (const Case& c : cases) {
        Form1Harness h;
        h.presets.values = c.group;
        h.form.Form_Load();
        EXPECT_EQ(h.form.PresetNames(), c.names);
        if (c.reported.empty()) {
            EXPECT_TRUE(h.dialogs.shown.empty());
            continue;
        }
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_NE(h.dialogs.shown[0].text.find("Form_Load at line 134"), std::string::npos);
        EXPECT_NE(h.dialogs.shown[0].text.find(product::kPresetUnreadable), std::string::npos);
        EXPECT_NE(h.dialogs.shown[0].text.find(c.reported), std::string::npos);
    }
}

TEST(PresetsStored, AnUnreadableGroupIsReportedAndTheWindowGoesOn) {
    Form1Harness h;
    h.presets.unreadable.insert("Preset1.Name");
    h.form.Form_Load();
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("Cannot read the settings store"), std::string::npos);
    EXPECT_TRUE(h.form.PresetNames().empty());
    EXPECT_EQ(h.view.texts[ControlId::Text1], "Folder ###");
}

// Garbage in a preset's options leaves them at their defaults, is reported once the preset is
// chosen, and its texts still go in.
TEST(PresetsStored, GarbageInAChosenPresetsOptionsIsReported) {
    Form1Harness h;
    h.presets.values = {
        {"Preset1.Name", "Odd"}, {"Preset1.Text1", "Odd ##"}, {"Preset1.OptionStep", "zero"}};
    h.form.Form_Load();
    h.form.Preset_Click(0);
    EXPECT_EQ(h.view.texts[ControlId::Text1], "Odd ##");
    EXPECT_EQ(h.form.Options(), WindowOptions{});
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_EQ(h.dialogs.shown[0].caption, product::kErrorCaption);
    EXPECT_NE(h.dialogs.shown[0].text.find("Odd: "), std::string::npos);
    EXPECT_NE(h.dialogs.shown[0].text.find("OptionStep=zero"), std::string::npos);
}

// A kept count or target that Start would now refuse goes in as kept; Start then says what it
// says of the same texts typed.
TEST(PresetsStored, ACountOrTargetThatNoLongerFitsIsReportedByStart) {
    const std::pair<std::string, std::string> kept[] = {
        {"99999999999", "C:\\Jobs"},
        {"2", "C:\\Gone"},
    };
    for (const auto& [count, target] : kept) {
        Form1Harness typed;
        typed.files.folders = {"C:\\Jobs"};
        typed.form.Form_Load();
        typed.Enter("Folder ###", count, target);
        typed.form.PushButton1_Click();

        Form1Harness chosen;
        chosen.files.folders = {"C:\\Jobs"};
        chosen.presets.values = {{"Preset1.Name", "Kept"},
                                 {"Preset1.Text1", "Folder ###"},
                                 {"Preset1.Text2", count},
                                 {"Preset1.Text3", target}};
        chosen.form.Form_Load();
        chosen.form.Preset_Click(0);
        EXPECT_EQ(chosen.view.texts[ControlId::Text2], count);
        EXPECT_EQ(chosen.view.texts[ControlId::Text3], target);
        chosen.form.PushButton1_Click();
        EXPECT_EQ(chosen.dialogs.Texts(), typed.dialogs.Texts()) << count << target;
        EXPECT_TRUE(chosen.files.created.empty());
    }
}

}  // namespace
}  // namespace quire
