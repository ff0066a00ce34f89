// The settings store in a scratch registry key.
#include "platform/win32/win32_settings_store.h"

#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

class RegistrySettingsTest : public ::testing::Test {
protected:
    testing::ScratchRegistry registry;
    Win32SettingsStore settings;
};

TEST_F(RegistrySettingsTest, AbsentKeyGivesTheFallbackUnchanged) {
    EXPECT_EQ(settings.ReadSetting("Text1", "Folder ###"), "Folder ###");
    EXPECT_EQ(settings.ReadSetting("Text3", ""), "");
}

TEST_F(RegistrySettingsTest, WritesRegSzUnderTheProductsKey) {
    EXPECT_EQ(Utf8(SettingsKeyPath()), "Software\\Quillmark\\Pallisand Quire Batch Utility");
    settings.WriteSetting("Text2", "20");
    settings.WriteSetting("Text2", "abc");  // replaced, never validated
    EXPECT_EQ(registry.Value("Text2"), "abc");
    EXPECT_EQ(settings.ReadSetting("Text2", "20"), "abc");
}

TEST_F(RegistrySettingsTest, StoredEmptyTextIsNotAbsent) {
    settings.WriteSetting("Text3", "");
    EXPECT_EQ(registry.Value("Text3"), "");
    EXPECT_EQ(settings.ReadSetting("Text3", "C:\\Users\\ada\\Desktop\\"), "");
}

TEST_F(RegistrySettingsTest, KeepsUnicodeAndLongTextsExactly) {
    const std::string pattern = "R\xC3\xA9sum\xC3\xA9 \xF0\x9F\x93\x81 ###";
    settings.WriteSetting("Text1", pattern);
    EXPECT_EQ(settings.ReadSetting("Text1", ""), pattern);
    const std::string longText(5000, 'x');
    settings.WriteSetting("Text1", longText);
    EXPECT_EQ(settings.ReadSetting("Text1", ""), longText);
}

// Stores a value as another program may have left it.
void Store(const wchar_t* name, DWORD type, const void* data, std::size_t bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(bytes));
    RegCloseKey(key);
}

TEST_F(RegistrySettingsTest, ValueOfAnotherTypeIsAReadFailureNamingTheSetting) {
    const DWORD number = 20;
    Store(L"Text2", REG_DWORD, &number, sizeof number);
    try {
        settings.ReadSetting("Text2", "20");
        ADD_FAILURE() << "a number read as text";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "The setting \"Text2\" is stored as REG_DWORD, not as text");
    }
}

TEST_F(RegistrySettingsTest, TextIsReadAsStored) {
    const struct {
        DWORD type;
        std::wstring stored;  // the data as stored, terminator included or not
        std::string read;
    } cases[] = {
        {REG_EXPAND_SZ, std::wstring(L"%USERPROFILE%\\Jobs\0", 19), "%USERPROFILE%\\Jobs"},
        {REG_SZ, std::wstring(L"A\0B ###\0", 8), std::string("A\0B ###", 7)},
        {REG_SZ, L"no terminator", "no terminator"},
    };
    for (const auto& [type, stored, read] : cases) {
        Store(L"Text1", type, stored.data(), stored.size() * sizeof(wchar_t));
        EXPECT_EQ(settings.ReadSetting("Text1", ""), read);
    }
    settings.WriteSetting("Text1", std::string("A\0B", 3));  // written whole
    EXPECT_EQ(registry.Value("Text1"), std::string("A\0B", 3));
}

// A list too long for the registry is a file of its own, made with its folders, replaced whole;
// anything else in its place is refused unread.
TEST(LongSettingsTest, AreFilesOfTheirOwnAndNothingElseIsRead) {
    testing::ScratchFolder folder;
    Win32SettingsStore store(folder / "Quillmark\\Product");
    EXPECT_EQ(store.ReadLongSetting("OptionNames"), "");
    std::string names;
    for (int i = 0; i < 300'000; ++i) names += "Client " + std::to_string(i) + "\n";
    store.WriteLongSetting("OptionNames", names);
    EXPECT_EQ(store.ReadLongSetting("OptionNames"), names);
    store.WriteLongSetting("OptionNames", "Acme\n");
    EXPECT_EQ(store.ReadLongSetting("OptionNames"), "Acme\n");

    testing::ScratchFolder other;
    CreateDirectoryW(Wide(other / "OptionNames.txt").c_str(), nullptr);
    Win32SettingsStore blocked(other.Path());
    EXPECT_THROW(blocked.ReadLongSetting("OptionNames"), Failure);
    EXPECT_THROW(blocked.WriteLongSetting("OptionNames", "Acme\n"), Failure);
}

}  // namespace
}  // namespace quire::win32
