// The installer's change of the user's Path: one whole entry added or taken away, the value's
// type kept, however long, refused rather than cut short.
#include "platform/win32/win32_user_path.h"

#include <gtest/gtest.h>

#include "engine/failure.h"
#include "platform/win32/win32_wide_text.h"
#include "win32_test_support.h"

namespace quire::win32 {
namespace {

constexpr wchar_t kFolder[] = L"C:\\Tools";

TEST(UserPath, AddsAndTakesAwayExactlyOneWholeEntry) {
    SetEnvironmentVariableW(L"QUIRE_TEST_HOME", L"C:\\users\\me");
    const struct {
        std::wstring path;
        std::wstring added;    // <same> when an entry names the folder already
        std::wstring removed;  // <same> when none does
    } cases[] = {
        {L"", L"C:\\Tools", L"<same>"},
        {L"C:\\Tools\\git\\cmd", L"C:\\Tools\\git\\cmd;C:\\Tools", L"<same>"},
        {L"C:\\Tools\\git\\cmd;C:\\Toolsx;", L"C:\\Tools\\git\\cmd;C:\\Toolsx;C:\\Tools",
         L"<same>"},
        {L"C:\\Tools;C:\\Tools\\git\\cmd", L"<same>", L"C:\\Tools\\git\\cmd"},
        {L"C:\\Tools\\git\\cmd;C:\\Tools", L"<same>", L"C:\\Tools\\git\\cmd"},
        {L"a;C:\\Tools;b", L"<same>", L"a;b"},
        {L"a;c:\\TOOLS\\;b", L"<same>", L"a;b"},
        {L"a;\"C:\\Tools\";;b", L"<same>", L"a;;b"},
        {L"C:\\Tools;x;C:\\Tools", L"<same>", L"C:\\Tools;x"},
        {L"C:\\Tools", L"<same>", L""},
        {L"%QUIRE_TEST_HOME%\\bin;%QUIRE_TEST_HOME%",
         L"%QUIRE_TEST_HOME%\\bin;%QUIRE_TEST_HOME%;"
         L"C:\\users\\me\\bin\\x",
         L"%QUIRE_TEST_HOME%"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(Utf8(row.path));
        const bool home = row.path.starts_with(L"%");
        const std::wstring folder = home ? L"C:\\users\\me\\bin\\" : kFolder;
        const std::wstring addedFolder = home ? L"C:\\users\\me\\bin\\x" : kFolder;
        const auto added = WithEntry(row.path, addedFolder);
        EXPECT_EQ(added.value_or(L"<same>"), row.added);
        EXPECT_EQ(WithoutEntry(row.path, folder).value_or(L"<same>"), row.removed);
    }
}

// Lengths that NSIS's strings cannot hold, and the most Windows takes.
TEST(UserPath, KeepsTheValuesTypeWholeAndRefusesToGrowPastTheLimit) {
    testing::ScratchRegistry registry;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Environment", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const auto write = [&](const std::wstring& value, DWORD type) {
        RegSetValueExW(key, L"Path", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    const auto read = [&](DWORD& type) {
        std::wstring value(40000, L'\0');
        DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        EXPECT_EQ(RegQueryValueExW(key, L"Path", nullptr, &type,
                                   reinterpret_cast<BYTE*>(value.data()), &bytes),
                  ERROR_SUCCESS);
        value.resize(bytes / sizeof(wchar_t));
        while (!value.empty() && value.back() == L'\0') value.pop_back();
        return value;
    };
    const std::size_t room = kLongestEnvironmentValue - std::wstring_view(kFolder).size() - 1;
    for (const auto& [length, type] : {std::pair<std::size_t, DWORD>{1100, REG_EXPAND_SZ},
                                       {room, REG_SZ},
                                       {room + 1, REG_EXPAND_SZ}}) {
        SCOPED_TRACE(length);
        std::wstring before = L"%SystemRoot%;C:\\Tools\\git\\cmd;";
        before.resize(length, L'x');
        write(before, type);
        if (length > room) {
            EXPECT_THROW(ChangeUserPath(key, PathEdit::Add, kFolder), Failure);
            DWORD kept = 0;
            EXPECT_EQ(read(kept), before);
            continue;
        }
        EXPECT_EQ(ChangeUserPath(key, PathEdit::Add, kFolder), PathChange::Changed);
        DWORD now = 0;
        EXPECT_EQ(read(now), before + L";" + kFolder);
        EXPECT_EQ(now, type);
        EXPECT_EQ(ChangeUserPath(key, PathEdit::Add, kFolder), PathChange::AlreadySo);
        EXPECT_EQ(ChangeUserPath(key, PathEdit::Remove, kFolder), PathChange::Changed);
        EXPECT_EQ(read(now), before);
        EXPECT_EQ(now, type);
    }
    // A value made by the Add goes with its entry, unless the user put entries of their own in it.
    for (const std::wstring& own : {std::wstring(), std::wstring(L"C:\\Mine")}) {
        RegDeleteValueW(key, L"Path");
        EXPECT_EQ(ChangeUserPath(key, PathEdit::Add, kFolder), PathChange::Made);
        DWORD created = 0;
        EXPECT_EQ(read(created), kFolder);
        EXPECT_EQ(created, static_cast<DWORD>(REG_EXPAND_SZ));
        if (!own.empty()) write(own + L";" + kFolder, REG_EXPAND_SZ);
        EXPECT_EQ(ChangeUserPath(key, PathEdit::RemoveMade, kFolder), PathChange::Changed);
        DWORD kind = 0;
        EXPECT_EQ(RegQueryValueExW(key, L"Path", nullptr, &kind, nullptr, nullptr) == ERROR_SUCCESS,
                  !own.empty());
        if (!own.empty()) {
            EXPECT_EQ(read(kind), own);
        }
    }
    // An empty value the user had stays: the plain removal never deletes it.
    write(L"", REG_SZ);
    EXPECT_EQ(ChangeUserPath(key, PathEdit::Add, kFolder), PathChange::Changed);
    EXPECT_EQ(ChangeUserPath(key, PathEdit::Remove, kFolder), PathChange::Changed);
    DWORD kept = 0;
    EXPECT_EQ(read(kept), L"");
    RegCloseKey(key);
}

}  // namespace
}  // namespace quire::win32
