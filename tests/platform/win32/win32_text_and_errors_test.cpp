// Text conversion at the Win32 edge, system error texts and what the program learns at start-up.
#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_program_environment.h"
#include "platform/win32/win32_system_error.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

TEST(WideText, RoundTripsEveryPlane) {
    const std::string text = "Folder \xC3\x84 \xE2\x82\xAC \xF0\x9F\x93\x81 ###";
    EXPECT_EQ(Wide(text), L"Folder \u00C4 \u20AC \U0001F4C1 ###");
    EXPECT_EQ(Utf8(Wide(text)), text);
    EXPECT_EQ(Wide(""), L"");
    EXPECT_EQ(Utf8(L""), "");
}

TEST(WideText, IllFormedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Wide("a\xFF"
                   "b"),
              L"a\uFFFDb");
    EXPECT_EQ(Utf8(std::wstring(L"a") + wchar_t(0xD800) + L"b"),
              "a\xEF\xBF\xBD"
              "b");
}

TEST(SystemMessage, IsThePlatformsTextWithoutLineBreak) {
    const std::string text = SystemMessage(3 /* path not found */);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_EQ(SystemMessage(0x2BADF00Du), "Error 732819469");
}

TEST(ProgramEnvironment, FolderKeepsTheBackslashOnlyAtARoot) {
    EXPECT_EQ(FolderOf("C:\\Tools\\Quire\\Pallisand Quire Batch Utility.exe"), "C:\\Tools\\Quire");
    EXPECT_EQ(FolderOf("C:\\Pallisand Quire Batch Utility.exe"), "C:\\");
    EXPECT_EQ(FolderOf("\\\\server\\share\\q.exe"), "\\\\server\\share");
}

TEST(ProgramEnvironment, ProgramFolderIsTheFolderOfTheRunningProgram) {
    const std::string folder = ProgramFolder();
    EXPECT_TRUE(Win32FileSystem().FolderExists(folder)) << folder;
    EXPECT_NE(folder.back(), '\\');
}

TEST(ProgramEnvironment, LocaleAndClockGiveUsableValues) {
    EXPECT_FALSE(DecimalSeparator().empty());
    EXPECT_LT(SecondsSinceMidnight(), 86400u);
}

}  // namespace
}  // namespace quire::win32
