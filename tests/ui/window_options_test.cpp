#include "ui/window_options.h"

#include <gtest/gtest.h>

#include "fakes/fake_settings_store.h"

namespace quire {
namespace {

using fakes::FakeSettingsStore;

// What each stored text gives: the option, or the key named in the report and the default kept.
TEST(WindowOptions, EachKeyIsReadOrReportedAndLeftAtItsDefault) {
    WindowOptions start10;
    start10.run.start = 10;
    WindowOptions down;
    down.run.step = -2;
    WindowOptions capitals;
    capitals.run.style = CounterStyle::CapitalLetters;
    WindowOptions each;
    each.run.each = {"RAW", "Edits/Final"};
    WindowOptions listed;
    listed.listed = true;
    const struct {
        const char* key;
        const char* text;
        WindowOptions read;
        bool reported;
    } cases[] = {
        {"OptionStart", " 10 ", start10, false},
        {"OptionStart", "-1", {}, true},
        {"OptionStart", "2147483648", {}, true},
        {"OptionStart", "1e3", {}, true},
        {"OptionStep", "-2", down, false},
        {"OptionStep", "0", {}, true},
        {"OptionStyle", "CapitalLetters", capitals, false},
        {"OptionStyle", "capitalletters", {}, true},
        {"OptionContinue", "yes", {}, true},
        {"OptionListed", "1", listed, false},
        {"OptionPortable", "\x01", {}, true},
        {"OptionEach", "RAW\r\n\nEdits/Final\n", each, false},
    };
    for (const auto& c : cases) {
        FakeSettingsStore settings;
        settings.values[c.key] = c.text;
        const StoredOptions stored = ReadWindowOptions(settings);
        EXPECT_EQ(stored.options, c.read) << c.key << '=' << c.text;
        EXPECT_EQ(stored.problem.find(std::string(c.key) + "=") != std::string::npos, c.reported)
            << c.key << '=' << c.text << ": " << stored.problem;
        EXPECT_EQ(stored.stale.size(), c.reported ? 1U : 0U);
    }
}

// The window's other reads report a store that cannot be read; the options say nothing more.
TEST(WindowOptions, AStoreThatCannotBeReadGivesTheDefaultsUnreported) {
    FakeSettingsStore settings;
    settings.values = {{"OptionStart", "10"}};
    settings.unreadable = {"OptionStart"};
    const StoredOptions stored = ReadWindowOptions(settings);
    EXPECT_EQ(stored.options, WindowOptions{});
    EXPECT_EQ(stored.problem, "");
}

TEST(WindowOptions, OnlyWhatChangedIsWrittenAndReadsBackTheSame) {
    FakeSettingsStore settings;
    WriteWindowOptions(settings, {}, {}, {});
    EXPECT_TRUE(settings.writes.empty()) << "defaults write no key";

    WindowOptions chosen;
    chosen.run.start = 0;
    chosen.run.style = CounterStyle::SmallLetters;
    chosen.run.each = {"a", "b/c"};
    chosen.run.templateFolder = "/t";
    chosen.listed = true;
    chosen.names = "Acme\nZenith\n";
    WriteWindowOptions(settings, {}, chosen, {});
    EXPECT_EQ(settings.writes.size(), 6U);
    EXPECT_EQ(ReadWindowOptions(settings).options, chosen);

    settings.writes.clear();
    WriteWindowOptions(settings, chosen, chosen, {setting::kOptionStep});
    ASSERT_EQ(settings.writes.size(), 1U) << "a key that held garbage is written clean";
    EXPECT_EQ(settings.writes[0], std::make_pair(std::string("OptionStep"), std::string("1")));
}

TEST(WindowOptions, TheTipSaysWhereTheOptionsAreAndListsThoseInEffect) {
    EXPECT_EQ(OptionsTip({}), "Right-click the window for Options...");
    WindowOptions options;
    options.run.start = 10;
    options.run.each = {"RAW"};
    options.run.portable = true;
    EXPECT_EQ(OptionsTip(options),
              "Options in effect (right-click the window to change them):\nFirst counter: 10\n"
              "Subfolder in every folder: RAW\nWindows-safe names");
}

}  // namespace
}  // namespace quire
