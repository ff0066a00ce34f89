// The hand cursor built from the bytes of its file.
#include <gtest/gtest.h>

#include "engine/failure.h"
#include "engine/file_system.h"
#include "platform/win32/cursor_file.h"
#include "platform/win32/program_environment.h"
#include "platform/win32/win32_file_system.h"

namespace quire::win32 {
namespace {

std::string CursorBytes() {
    return Win32FileSystem().ReadSmallFile(ProgramFolder() + "\\HAND-M.CUR", kSmallFileLimit);
}

void PutWord(std::string& bytes, std::size_t at, unsigned value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

TEST(CursorFile, TheShippedCursorKeepsItsHotspot) {
    const std::string bytes = CursorBytes();
    const HCURSOR cursor = CursorFromBytes(bytes);
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, static_cast<unsigned char>(bytes[10]));
    EXPECT_EQ(info.yHotspot, static_cast<unsigned char>(bytes[12]));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
}

TEST(CursorFile, BytesThatAreNoCursorAreAnInvalidPicture) {
    const std::string good = CursorBytes();
    std::string icon = good, none = good, outside = good, empty = good, garbage = good;
    PutWord(icon, 2, 1);                                     // an icon file, not a cursor
    PutWord(none, 4, 0);                                     // no image in the directory
    PutWord(outside, 20, 0xFFFF);                            // the image starts beyond the end
    for (std::size_t at = 14; at < 18; ++at) empty[at] = 0;  // an image of no bytes
    for (std::size_t at = 22; at < garbage.size(); ++at) garbage[at] = 'x';
    for (const std::string& bytes : {std::string(), good.substr(0, 5), good.substr(0, 21), icon,
                                     none, outside, empty, garbage}) {
        try {
            DestroyCursor(CursorFromBytes(bytes));
            ADD_FAILURE() << "taken as a cursor: " << bytes.size() << " bytes";
        } catch (const Failure& failure) {
            EXPECT_STREQ(failure.what(), "Invalid picture");
        }
    }
}

}  // namespace
}  // namespace quire::win32
