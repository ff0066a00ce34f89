// Explorer's "Create numbered folders here", as --register and --unregister make and take it.
#include "platform/win32/win32_folder_menu.h"

#include <gtest/gtest.h>

#include "platform/win32/win32_command_line.h"
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

// The command line Explorer makes of the entry's command for a folder: a drive's root comes as
// "C:\", whose backslash must not swallow the quote.
TEST(FolderMenu, TheFolderArrivesWholeFromTheCommandLine) {
    const struct {
        std::wstring line;
        std::vector<std::wstring> words;
    } cases[] = {
        {L"\"C:\\Prog ram\\p.exe\" \"C:\\\"", {L"C:\\"}},
        {L"\"p.exe\" \"D:\\\" --x", {L"D:\\", L"--x"}},
        {L"p.exe \"C:\\Jobs 100% \u00DCn\u00EF\\\\\"", {L"C:\\Jobs 100% \u00DCn\u00EF\\\\"}},
        {L"p.exe  --register\t", {L"--register"}},
        {L"p.exe \"\\\\server\\share\\\"", {L"\\\\server\\share\\"}},
        {L"p.exe C:\\a\" b\"\\c", {L"C:\\a b\\c"}},
        {L"\"p.exe\"", {}},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(CommandLineWords(row.line), row.words) << Utf8(row.line);
    }
}

}  // namespace
}  // namespace quire::win32
