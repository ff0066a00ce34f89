// The settings store in a scratch registry key.
#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/registry_settings.h"
#include "platform/win32/wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

class RegistrySettingsTest : public ::testing::Test {
protected:
    testing::ScratchRegistry registry;
    RegistrySettings settings;
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

TEST_F(RegistrySettingsTest, ValueOfAnotherTypeIsAReadFailure) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKeyPath().c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 20;
    RegSetValueExW(key, L"Text2", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    RegCloseKey(key);
    EXPECT_THROW(settings.ReadSetting("Text2", "20"), Failure);
}

}  // namespace
}  // namespace quire::win32
