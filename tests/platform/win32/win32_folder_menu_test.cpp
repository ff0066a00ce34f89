// Explorer's "Create numbered folders here", as --register and --unregister make and take it.
#include "platform/win32/win32_folder_menu.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

std::wstring Read(const std::wstring& key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &bytes) !=
        ERROR_SUCCESS) {
        return L"<absent>";
    }
    return value;
}

TEST(FolderMenu, RegisterAddsBothEntriesAndUnregisterTakesThemAwayTwice) {
    testing::ScratchRegistry registry;
    const std::wstring program = L"C:\\Program Files\\Ünï 100%\\Pallisand Quire Batch Utility.exe";
    RegisterFolderMenu(program);
    for (const std::wstring menu : {L"Software\\Classes\\Directory\\shell\\QuillmarkQuireBatch",
                                    L"Software\\Classes\\Directory\\Background\\shell\\"
                                    L"QuillmarkQuireBatch"}) {
        EXPECT_EQ(Utf8(Read(menu, nullptr)), "Create numbered folders here");
        EXPECT_EQ(Read(menu, L"Icon"), L"\"" + program + L"\",0");
        EXPECT_EQ(Read(menu + L"\\command", nullptr), L"\"" + program + L"\" \"%V\"");
    }
    UnregisterFolderMenu();
    EXPECT_EQ(Read(L"Software\\Classes\\Directory\\shell\\QuillmarkQuireBatch", nullptr),
              L"<absent>");
    EXPECT_NO_THROW(UnregisterFolderMenu()) << "taking away what is not there is no failure";
}

}  // namespace
}  // namespace quire::win32
